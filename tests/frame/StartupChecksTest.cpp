#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "ConfigStore.h"
#include "ModalSeam.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "ShellOpen.h"
#include "StartupChecks.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

class StartupChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResSetAppDir(folder.Path().wstring() + L"\\");
        ResSetLanguageCode(L"DE");
        WriteConfig("1", "0");
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            boxes.push_back(box.text);
            return IDOK;
        });
        SetShellOpenCatcher([this](const std::wstring& path, int) { opened.push_back(path); });
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        SetShellOpenCatcher({});
    }

    void WriteConfig(const char* faceFlag, const char* usbFlag)
    {
        folder.Write("Config.xml", std::string("<CONFIG><COMMON><VERSION /><FONT FACENAMECHECKFLAG=\"") + faceFlag +
                                       "\" /><SYSTEM USBDRIVERCHECKFLAG=\"" + usbFlag + "\" /></COMMON></CONFIG>");
        ASSERT_TRUE(LoadConfigDocument((folder / "Config.xml").c_str()));
    }

    void InstallInstallers(const char* exitCode)
    {
        const fs::path drivers = folder / "CP210x_VCP_Windows";
        fs::create_directories(drivers);
        for (const char* name : {"CP210xVCPInstaller_x86.exe", "CP210xVCPInstaller_x64.exe"})
            fs::copy_file(BuildProgramFolder() / "Installer.exe", drivers / name, fs::copy_options::overwrite_existing);
        if (exitCode)
            folder.Write("CP210x_VCP_Windows/exitcode.txt", exitCode);
    }

    CTempFolder folder;
    std::vector<std::wstring> boxes;
    std::vector<std::wstring> opened;
};

TEST_F(StartupChecksTest, VersionMarkIsWrittenOnlyWhenVerIniExists)
{
    CheckVersionMark();
    EXPECT_EQ(GetConfigValue(L"COMMON\\VERSION", L"DE", L"none"), L"none");
    folder.Write("Ver.ini", "");
    CheckVersionMark();
    EXPECT_EQ(GetConfigValue(L"COMMON\\VERSION", L"DE", L"none"), L"6.30");
    EXPECT_TRUE(fs::exists(folder / "Ver.ini"));
}

TEST_F(StartupChecksTest, ANewUpdaterReplacesTheOldOne)
{
    ReplaceUpdater();  // nothing to do
    folder.Write("Update/Update.exe", "old");
    folder.Write("Update/Update.NewVersion", "new");
    ReplaceUpdater();
    EXPECT_EQ(ReadFileBytes(folder / "Update" / "Update.exe"), "new");
    EXPECT_FALSE(fs::exists(folder / "Update" / "Update.NewVersion"));
}

TEST_F(StartupChecksTest, DriverInstallerRunsOnceAndASuccessIsQuiet)
{
    WriteConfig("1", "0");
    InstallInstallers(nullptr);  // exits 256: installed
    CheckUsbDriver();
    EXPECT_EQ(ReadFileBytes(folder / "CP210x_VCP_Windows" / "installer.log"),
              sizeof(void*) == 8 ? "CP210xVCPInstaller_x64.exe\n" : "CP210xVCPInstaller_x86.exe\n");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", L"USBDRIVERCHECKFLAG", 0), 1);
    CheckUsbDriver();  // the flag is set now
    EXPECT_EQ(ReadFileBytes(folder / "CP210x_VCP_Windows" / "installer.log").size(), 27u);
}

TEST_F(StartupChecksTest, AFailedDriverInstallAsksTheUserAndOpensTheFolder)
{
    WriteConfig("1", "0");
    InstallInstallers("1");
    CheckUsbDriver();
    EXPECT_EQ(boxes, (std::vector<std::wstring>{
                         L"Please install the USB Driver which you can find it in the 'CP210x_VCP_Windows' folder!"}));
    EXPECT_EQ(opened, (std::vector<std::wstring>{ResGetAppDir()}));
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", L"USBDRIVERCHECKFLAG", 0), 1);
}

TEST_F(StartupChecksTest, NoInstallerRunsWithoutBothFilesOrWithTheFlagSet)
{
    WriteConfig("1", "1");
    InstallInstallers(nullptr);
    CheckUsbDriver();
    WriteConfig("1", "0");
    fs::remove(folder / "CP210x_VCP_Windows" / "CP210xVCPInstaller_x86.exe");
    CheckUsbDriver();
    EXPECT_FALSE(fs::exists(folder / "CP210x_VCP_Windows" / "installer.log"));
}

TEST_F(StartupChecksTest, TheFontFileStaysWhenItsStateIsUnknown)
{
    folder.Write("arialuni.ttf", "font");
    LoadConfigDocument((folder / "missing.xml").c_str());  // no configuration: every flag is a default
    CheckUnicodeFont();
    HKEY fonts = nullptr;
    wchar_t value[64] = {};
    DWORD size = sizeof(value);
    const bool registered =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ, &fonts) ==
            ERROR_SUCCESS &&
        RegQueryValueExW(fonts, L"Arial Unicode MS (TrueType)", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS &&
        value[0];
    if (fonts)
        RegCloseKey(fonts);
    EXPECT_EQ(fs::exists(folder / "arialuni.ttf"), !registered);
}

TEST_F(StartupChecksTest, TheFontIsInstalledOnceWhenTheFlagAsksForIt)
{
    folder.Write("arialuni.ttf", "font");
    WriteConfig("0", "1");
    CheckUnicodeFont();
    EXPECT_FALSE(fs::exists(folder / "arialuni.ttf"));
    EXPECT_EQ(GetConfigInt(L"COMMON\\FONT", L"FACENAMECHECKFLAG", 0), 1);
    HKEY fonts = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ,
                            &fonts),
              ERROR_SUCCESS);
    wchar_t value[64] = {};
    DWORD size = sizeof(value);
    EXPECT_EQ(RegQueryValueExW(fonts, L"Arial Unicode MS (TrueType)", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                               &size),
              ERROR_SUCCESS);
    RegCloseKey(fonts);
    EXPECT_STREQ(value, L"arialuni.ttf");

    folder.Write("arialuni.ttf", "font");  // a later start: flag set, copy removed, nothing else
    CheckUnicodeFont();
    EXPECT_FALSE(fs::exists(folder / "arialuni.ttf"));
}

}  // namespace
