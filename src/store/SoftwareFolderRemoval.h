#pragma once
// Deletes an installed package's folder with everything below it.
#include <string>

// Only a folder strictly below the program folder's "Scan\" is touched. A link or junction inside
// it is removed itself, never followed, so nothing outside the package is deleted. True when the
// folder is gone; false when it was refused or something in it could not be deleted (what could,
// is).
bool DeleteSoftwareFolder(const std::wstring& folder, const std::wstring& programFolder);
