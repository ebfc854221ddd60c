#include "DownloadFolder.h"

#include <windows.h>

#include <cwctype>

#include "DirectoryTree.h"
#include "FolderUseMark.h"
#include "ProcessValues.h"
#include "ScopedFind.h"

namespace {

std::wstring g_keptDownload;
CFolderUseMark g_runningMark(L"NuthawkDisplayRuns");  // held from the start to the exit

std::wstring Lowered(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// A path of the folder as the download pipeline forms it may hold a doubled separator.
std::wstring Normalised(const std::wstring& path)
{
    std::wstring result;
    for (wchar_t c : path) {
        if (c == L'/')
            c = L'\\';
        if (c == L'\\' && !result.empty() && result.back() == L'\\' && result.size() > 2)
            continue;
        result.push_back(c);
    }
    return Lowered(result);
}

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

void DeleteEntry(const std::wstring& path, DWORD attributes)
{
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (folder && !link)
        DeleteDirectoryTree(path.c_str());
    else if (folder)
        RemoveDirectoryW(path.c_str());
    else
        DeleteFileW(path.c_str());
}

}  // namespace

std::wstring DownloadFolderPath()
{
    return ResGetAppDir() + L"download\\";
}

void KeepDownloadAtExit(const std::wstring& file)
{
    g_keptDownload = file;
}

std::wstring KeptDownload()
{
    return g_keptDownload;
}

void ClearDownloadFolderAtExit()
{
    if (g_runningMark.EndAndCheckOthers())
        return;
    const std::wstring folder = DownloadFolderPath();
    if (g_keptDownload.empty()) {
        DeleteDirectoryTree(folder.c_str());
        return;
    }
    const std::wstring kept = Normalised(g_keptDownload);
    WIN32_FIND_DATAW entry = {};
    CScopedFind find(FindFirstFileW((folder + L"*.*").c_str(), &entry));
    if (!find)
        return;
    do {
        const std::wstring path = folder + entry.cFileName;
        if (!IsDotEntry(entry.cFileName) && Normalised(path) != kept)
            DeleteEntry(path, entry.dwFileAttributes);
    } while (FindNextFileW(find.Get(), &entry));
}

// A package whose installer still runs cannot be deleted yet; it goes at a later start.
void ClearDownloadFolderAtStart()
{
    if (g_runningMark.Mark(ResGetAppDir()))
        DeleteDirectoryTree(DownloadFolderPath().c_str());
}
