#pragma once
// Which folders the installed-software view may delete: a package's own folder strictly below the
// program folder's "Scan\", never an empty path, the "Scan\" folder itself or anything outside it.
#include <filesystem>

bool IsRemovableSoftwareFolder(const std::filesystem::path& folder, const std::filesystem::path& programFolder);
