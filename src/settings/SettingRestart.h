#pragma once
// The language and the window size take effect only at start-up: the pages save the choice and
// restart the program.
#include <functional>

// Saves a setting, then restarts. A setting that could not be saved is not restarted into (the new
// copy would start with the old one); either failure is told to the user, and the program stays
// running. True when the restart is under way.
bool SaveSettingAndRestart(const std::function<bool()>& save);
