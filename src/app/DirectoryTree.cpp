#include "DirectoryTree.h"

#include <windows.h>

#include <string>

#include "ScopedFind.h"

int CreateDirectoryTree(const wchar_t* path)
{
    if (!path)
        return 0;
    const std::wstring text(path);
    std::wstring prefix;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\\', start);
        if (end == std::wstring::npos)
            end = text.size();
        const std::wstring piece = text.substr(start, end - start);
        start = end + 1;
        if (piece.empty())
            continue;
        prefix += piece + L"\\";
        if (piece.find(L':') != std::wstring::npos)
            continue;
        if (!CreateDirectoryW(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return 0;
    }
    return 1;
}

namespace {

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

bool DeleteEntry(const std::wstring& path, const WIN32_FIND_DATAW& entry)
{
    const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (folder && link)
        return RemoveDirectoryW(path.c_str()) != FALSE;  // the link goes, its target stays
    if (folder)
        return DeleteDirectoryTree(path.c_str()) != 0;
    return DeleteFileW(path.c_str()) != FALSE;
}

}  // namespace

int DeleteDirectoryTree(const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    std::wstring folder(path);
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';

    WIN32_FIND_DATAW entry = {};
    {
        CScopedFind find(FindFirstFileW((folder + L"*.*").c_str(), &entry));
        if (find) {
            do {
                if (!IsDotEntry(entry.cFileName) && !DeleteEntry(folder + entry.cFileName, entry))
                    return 0;
            } while (FindNextFileW(find.Get(), &entry));
        }
    }
    return RemoveDirectoryW(path) ? 1 : 0;
}
