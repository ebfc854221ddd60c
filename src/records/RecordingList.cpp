#include "RecordingList.h"

#include "ProcessValues.h"
#include "ScopedFind.h"

namespace {

// A folder filled by something else must not decide how long the search runs.
constexpr size_t kMaxRecordings = 10000;

}  // namespace

std::vector<std::wstring> ListRecordingNames(const std::wstring& folder)
{
    std::wstring pattern = folder;
    if (pattern.empty() || pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L"*.gif";
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found = {};
    CScopedFind find(FindFirstFileW(pattern.c_str(), &found));
    if (!find)
        return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::wstring name = found.cFileName;
        names.push_back(name.substr(0, name.find(L'.')));
    } while (names.size() < kMaxRecordings && FindNextFileW(find.Get(), &found));
    return names;
}

std::wstring RecordingFolder()
{
    return ResGetAppDir() + L"SCREENRECORD\\";
}
