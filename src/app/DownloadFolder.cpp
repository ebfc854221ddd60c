#include "DownloadFolder.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

#include "DirectoryTree.h"
#include "ProcessValues.h"
#include "ScopedFind.h"
#include "ScopedWin.h"

namespace {

std::wstring g_keptDownload;
CScopedHandle g_runningMark;  // held from the start to the exit

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

// A name may not hold a backslash beyond its namespace, so the folder enters as a hash of its path.
// Global: every user's copy of one installation shares its download folder.
std::wstring RunningMarkName()
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const wchar_t c : Lowered(ResGetAppDir())) {
        hash ^= static_cast<uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t text[17] = {};
    std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return L"Global\\NuthawkDisplayRuns-" + std::wstring(text);
}

// True when this copy is the only one of its folder. A mark that cannot be made, or one another
// user's copy holds, counts as another copy: leaving the folder costs nothing but room.
bool MarkThisCopyRunning()
{
    SetLastError(ERROR_SUCCESS);
    HANDLE mark = CreateMutexW(nullptr, FALSE, RunningMarkName().c_str());
    const DWORD error = GetLastError();
    g_runningMark.Reset(mark);
    return g_runningMark && error != ERROR_ALREADY_EXISTS;
}

// Ends this copy's mark; true when the mark of another copy of the folder still stands.
bool AnotherCopyRunsAtExit()
{
    g_runningMark.Reset();
    HANDLE other = OpenMutexW(SYNCHRONIZE, FALSE, RunningMarkName().c_str());
    const DWORD error = GetLastError();
    const CScopedHandle held(other);
    return held || error != ERROR_FILE_NOT_FOUND;
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
    if (AnotherCopyRunsAtExit())
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
    if (MarkThisCopyRunning())
        DeleteDirectoryTree(DownloadFolderPath().c_str());
}
