#include "ProcessRunner.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

}  // namespace

int RunSiblingProgram(const std::wstring& program, const std::wstring& arguments, unsigned timeoutMs)
{
    const std::wstring path = OwnFolder() + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, static_cast<UINT>(-1));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
