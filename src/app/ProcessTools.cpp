#include "ProcessTools.h"

#include <windows.h>

#include <tlhelp32.h>

#include <string>

#include "ScopedWin.h"

namespace {

std::wstring UpperCase(const wchar_t* text)
{
    std::wstring upper(text);
    if (!upper.empty())
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

}  // namespace

bool EndFirstProcessNamed(const wchar_t* upperCaseName)
{
    CScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (UpperCase(entry.szExeFile) != upperCaseName)
            continue;
        CScopedHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, entry.th32ProcessID));
        return process && TerminateProcess(process.Get(), 0);
    }
    return false;
}
