// Stand-in for the USB-serial driver installers. It writes one line to "installer.log" beside itself
// and ends with the exit code written in "exitcode.txt" beside itself (256, "installed", when none).
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
    unsigned code = 256;
    if (FILE* setting = _wfopen((folder + L"exitcode.txt").c_str(), L"r")) {
        if (std::fscanf(setting, "%u", &code) != 1)
            code = 256;
        std::fclose(setting);
    }
    if (FILE* log = _wfopen((folder + L"installer.log").c_str(), L"ab")) {
        std::fprintf(log, "%ls\n", self.substr(folder.size()).c_str());
        std::fclose(log);
    }
    return static_cast<int>(code);
}
