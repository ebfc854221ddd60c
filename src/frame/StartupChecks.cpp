#include "StartupChecks.h"

#include <windows.h>

#include "ConfigStore.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "ScopedWin.h"
#include "ShellOpen.h"
#include "StringResources.h"

namespace {

constexpr DWORD kInstalledExitCode = 256;
const wchar_t* const kFontValue = L"Arial Unicode MS (TrueType)";
const wchar_t* const kFontsKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WindowsFontsFolder()
{
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(windows, length) + L"\\Fonts\\";
}

class CScopedKey {
public:
    ~CScopedKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY* Receive() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool FontRegistered(HKEY fonts)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    return RegQueryValueExW(fonts, kFontValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
           value[0] != L'\0';
}

bool InstallFont(HKEY fonts, const std::wstring& source)
{
    const std::wstring folder = WindowsFontsFolder();
    if (folder.empty() || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!CopyFileW(source.c_str(), (folder + L"arialuni.ttf").c_str(), FALSE))
        return false;
    const wchar_t fileName[] = L"arialuni.ttf";
    if (RegSetValueExW(fonts, kFontValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(fileName), sizeof(fileName)) !=
        ERROR_SUCCESS)
        return false;
    PostMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
    return true;
}

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

// Looked up once: the function is missing on the oldest systems.
IsWow64ProcessFunction IsWow64ProcessEntry()
{
    static const auto entry = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "IsWow64Process")));
    return entry;
}

}  // namespace

void CheckVersionMark()
{
    if (!FileExists(ResGetAppDir() + L"Ver.ini"))
        return;
    wchar_t version[16] = {};
    swprintf(version, std::size(version), L"%.2f", static_cast<double>(6.3f));
    SetConfigValue(L"COMMON\\VERSION", ResGetLanguageCode().c_str(), version);
}

void ReplaceUpdater()
{
    const std::wstring newVersion = ResGetAppDir() + L"Update\\Update.NewVersion";
    const std::wstring updater = ResGetAppDir() + L"Update\\Update.exe";
    if (!FileExists(newVersion))
        return;
    DeleteFileW(updater.c_str());
    if (CopyFileW(newVersion.c_str(), updater.c_str(), TRUE) && FileExists(updater))
        DeleteFileW(newVersion.c_str());
}

void CheckUnicodeFont()
{
    const std::wstring fontFile = ResGetAppDir() + L"arialuni.ttf";
    if (!FileExists(fontFile))
        return;
    CScopedKey fonts;
    const bool keyOpen =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_READ | KEY_WRITE, fonts.Receive()) == ERROR_SUCCESS;
    const bool registered = keyOpen && FontRegistered(fonts.Get());
    if (GetConfigInt(L"COMMON\\FONT", L"FACENAMECHECKFLAG", 1) != 0) {
        // The copy goes only when the font is known to be installed, never on a flag that is just
        // a default (for example after "Config.xml" could not be read).
        const bool flagReadAsSet = !GetConfigValue(L"COMMON\\FONT", L"FACENAMECHECKFLAG", L"").empty();
        if (flagReadAsSet || registered)
            DeleteFileW(fontFile.c_str());
        return;
    }
    if (!keyOpen)
        return;
    if (registered || InstallFont(fonts.Get(), fontFile)) {
        SetConfigInt(L"COMMON\\FONT", L"FACENAMECHECKFLAG", 1);
        DeleteFileW(fontFile.c_str());
    }
}

std::wstring InstallerArchitecture()
{
    BOOL wow64 = FALSE;
    if (const auto isWow64 = IsWow64ProcessEntry())
        isWow64(GetCurrentProcess(), &wow64);
    return (wow64 || sizeof(void*) == 8) ? L"x64" : L"x86";
}

void CheckUsbDriver()
{
    const std::wstring folder = ResGetAppDir() + L"CP210x_VCP_Windows\\";
    if (!FileExists(folder + L"CP210xVCPInstaller_x86.exe") || !FileExists(folder + L"CP210xVCPInstaller_x64.exe"))
        return;
    if (GetConfigInt(L"COMMON\\SYSTEM", L"USBDRIVERCHECKFLAG", 1) != 0)
        return;

    const std::wstring installer = folder + L"CP210xVCPInstaller_" + InstallerArchitecture() + L".exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    DWORD exitCode = 0;
    const bool started = CreateProcessW(installer.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                        folder.c_str(), &startup, &process) != FALSE;
    if (started) {
        CScopedHandle thread(process.hThread);
        CScopedHandle installing(process.hProcess);
        WaitForSingleObject(installing.Get(), INFINITE);  // the installer is the user's to finish
        GetExitCodeProcess(installing.Get(), &exitCode);
    }
    if (!started || exitCode != kInstalledExitCode) {
        std::wstring text = ResGetString(0x10080016);
        if (text.empty())
            text = L"Please install the USB Driver which you can find it in the 'CP210x_VCP_Windows' folder!";
        PopMsgDlg box(nullptr);
        box.SetMessage(text);
        box.DoModal();
        ShellOpen(ResGetAppDir(), SW_SHOWMAXIMIZED);
    }
    if (started)
        SetConfigInt(L"COMMON\\SYSTEM", L"USBDRIVERCHECKFLAG", 1);
}
