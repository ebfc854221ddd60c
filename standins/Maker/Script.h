#pragma once
// Runs a script of requests and checks (README.md beside this file).
#include <string>

#include "Maker.h"

// A malformed line is reported with its number and ends the run; a diagnosis the script started is
// then ended, so the shell is never left on a screen no program answers.
int RunScript(CMaker& maker, const std::wstring& script);
