#include "SoftwareFolderRemoval.h"

#include <windows.h>

#include "SoftwareFolderRules.h"

namespace {

std::wstring WithoutTrailingSeparator(std::wstring path)
{
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return path;
}

bool RemoveEntry(const std::wstring& path, DWORD attributes);

// Empties a folder; true when everything in it went.
bool EmptyFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    bool all = true;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        all = RemoveEntry(folder + L"\\" + name, found.dwFileAttributes) && all;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return all;
}

bool RemoveEntry(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!folder)
        return DeleteFileW(path.c_str()) != FALSE;
    // A junction or a linked folder goes as a link: what it points at is not the package's.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !EmptyFolder(path))
        return false;
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

}  // namespace

bool DeleteSoftwareFolder(const std::wstring& folder, const std::wstring& programFolder)
{
    if (!IsRemovableSoftwareFolder(folder, programFolder))
        return false;
    const std::wstring path = WithoutTrailingSeparator(folder);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return RemoveEntry(path, attributes);
}
