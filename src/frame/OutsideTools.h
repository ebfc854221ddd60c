#pragma once
// Starting the outside tools (dictionary, trouble-code query) from the home page and the top bar.
#include "NavigationTargets.h"

// Whether the tool's program exists in the program folder.
bool ToolExists(OUTSIDE_TOOL tool);

// Opens the tool's program with the shell. When the shell cannot start it, the question box names
// the file that was looked for; false then.
bool StartOutsideTool(OUTSIDE_TOOL tool);

// The message shown for a tool that could not be started.
std::wstring ToolMissingMessage(OUTSIDE_TOOL tool);
