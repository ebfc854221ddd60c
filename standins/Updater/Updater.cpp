// Stand-in for the separate updater "Update\Update.exe" (and, under another name, for an update
// package the settings' update page opens): it appends its own file name and its command line to
// "update.log" beside itself and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
    if (FILE* log = _wfopen((folder + L"update.log").c_str(), L"ab")) {
        std::fprintf(log, "%ls|%ls\n", self.substr(folder.size()).c_str(), commandLine ? commandLine : L"");
        std::fclose(log);
    }
    return 0;
}
