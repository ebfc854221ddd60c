#pragma once
// A setting that only takes effect at start-up (the language, the window size) restarts the
// program: a new copy of the running executable is started and the main window is asked to close.
// Tests install a catcher instead, so no second program starts; it answers whether the start worked.
#include <functional>
#include <string>

using ProgramRestartCatcher = std::function<bool()>;

ProgramRestartCatcher SetProgramRestartCatcher(ProgramRestartCatcher catcher);

// True when the new copy started and this one is closing. When it could not start, this copy keeps
// running (the user would otherwise be left with no program at all) and false is returned.
bool RestartProgram();
