#pragma once
// One document a panel lists: its place in its list when added, the name shown, the file name and
// the full path.
#include <cstdint>
#include <string>

struct DocumentEntry {
    int32_t nIndex = 0;
    std::wstring strName;
    std::wstring strFileName;
    std::wstring strPath;
};
