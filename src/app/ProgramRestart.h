#pragma once
// A setting that only takes effect at start-up (the language, the window size) restarts the
// program: a new copy of the running executable is started and the main window is asked to close.
// Tests install a catcher instead, so no second program starts.
#include <functional>

using ProgramRestartCatcher = std::function<void()>;

ProgramRestartCatcher SetProgramRestartCatcher(ProgramRestartCatcher catcher);

void RestartProgram();
