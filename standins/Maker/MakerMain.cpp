// Stand-in for the maker's diagnostic program: drives the shell through the exchange block, from a
// script or its built-in demo. See README.md beside this file.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "DemoDiagnosis.h"
#include "Maker.h"
#include "Script.h"

namespace {

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::wstring script;
    std::wstring transcript = OwnFolder() + L"maker-transcript.txt";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i + 1 < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--script")
            script = arguments[++i];
        else if (argument == L"--transcript")
            transcript = arguments[++i];
    }
    LocalFree(arguments);
    if (script.empty() && GetFileAttributesW((OwnFolder() + L"maker-script.txt").c_str()) != INVALID_FILE_ATTRIBUTES)
        script = OwnFolder() + L"maker-script.txt";

    CMaker maker(transcript);
    return script.empty() ? CDemoDiagnosis(maker).Run() : RunScript(maker, script);
}
