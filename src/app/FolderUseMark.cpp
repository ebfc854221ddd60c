#include "FolderUseMark.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

namespace {

std::wstring Lowered(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

}  // namespace

std::wstring CFolderUseMark::MarkName() const
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const wchar_t c : Lowered(m_folder)) {
        hash ^= static_cast<uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t text[17] = {};
    std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return L"Global\\" + m_kind + L"-" + std::wstring(text);
}

bool CFolderUseMark::Mark(const std::wstring& folder)
{
    m_folder = folder;
    SetLastError(ERROR_SUCCESS);
    HANDLE mark = CreateMutexW(nullptr, FALSE, MarkName().c_str());
    const DWORD error = GetLastError();
    m_mark.Reset(mark);
    return m_mark && error != ERROR_ALREADY_EXISTS;
}

bool CFolderUseMark::EndAndCheckOthers()
{
    m_mark.Reset();
    HANDLE other = OpenMutexW(SYNCHRONIZE, FALSE, MarkName().c_str());
    const DWORD error = GetLastError();
    const CScopedHandle held(other);
    return held || error != ERROR_FILE_NOT_FOUND;
}
