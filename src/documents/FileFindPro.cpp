#include "FileFindPro.h"

#include <windows.h>

#include "ScopedFind.h"

namespace {

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

int CFileFindPro::FindSubfolders(const std::wstring& pattern)
{
    m_names.clear();
    WIN32_FIND_DATAW entry = {};
    CScopedFind find(FindFirstFileW(pattern.c_str(), &entry));
    if (!find)
        return 0;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(entry.cFileName))
            m_names.emplace_back(entry.cFileName);
    } while (FindNextFileW(find.Get(), &entry));
    return GetCount();
}

std::wstring CFileFindPro::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return std::wstring();
    return m_names[static_cast<size_t>(index)];
}
