// Entry point. The application object and the main window come with the framework layer; until
// then the program loads its configuration from its own folder and reports what it read.
#include <windows.h>

#include <cwctype>
#include <string>

#include "ConfigStore.h"
#include "ProcessValues.h"

namespace {

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    for (wchar_t& c : folder)
        c = static_cast<wchar_t>(std::towlower(c));
    const size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

void Report(const std::wstring& line)
{
    const std::wstring text = line + L"\n";
    DWORD written = 0;
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string utf8(static_cast<size_t>(text.size()) * 3, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    if (out && out != INVALID_HANDLE_VALUE && length > 0)
        WriteFile(out, utf8.data(), static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    ResSetAppDir(ProgramFolder());
    const std::wstring configFile = ResGetAppDir() + L"Config.xml";
    const bool loaded = LoadConfigDocument(configFile.c_str());
    Report(L"program folder: " + ResGetAppDir());
    Report(loaded ? L"Config.xml loaded" : L"Reading profile failed! (defaults in force)");
    Report(L"language: " + GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN"));
    Report(L"screen mode: " + std::to_wstring(GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0)));
    Report(L"unit mode: " + std::to_wstring(GetConfigInt(L"COMMON\\SYSTEM", L"UNITMODE", 0)));
    return loaded ? 0 : 1;
}
