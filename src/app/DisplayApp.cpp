#include "DisplayApp.h"

#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "AboutDlg.h"
#include "ConfigStore.h"
#include "DirectoryTree.h"
#include "DownloadFolder.h"
#include "EcuReportBox.h"
#include "FontChoice.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessTools.h"
#include "ProcessValues.h"
#include "RecorderWindows.h"
#include "SharedFonts.h"
#include "SharedHandles.h"
#include "SoftwareLists.h"
#include "StartDlg.h"
#include "StringResources.h"
#include "UpdateThreads.h"
#include "VehicleDataWin.h"
#include "WebServerHost.h"

namespace {

constexpr DWORD kStyleOfMainFrame = 0x00CF8000;  // overlapped window that adds the view's name to the title

int g_screenWidth = 0;
int g_screenHeight = 0;

std::wstring LowerCase(std::wstring text)
{
    if (!text.empty())
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring ExecutableFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ProgramFolderOf(std::wstring(path, length));
}

std::string ToAnsi(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::vector<char> narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow.data();
}

// Shows a start-up message in the question box; its answer does not matter.
void ShowStartupMessage(uint32_t textId, const wchar_t* english)
{
    std::wstring text = ResGetString(textId);
    if (text.empty())
        text = english;
    PopMsgDlg box(nullptr);
    box.SetMessage(text);
    box.DoModal();
}

}  // namespace

std::wstring ProgramFolderOf(const std::wstring& executablePath)
{
    const std::wstring file = LowerCase(executablePath);
    const size_t slash = file.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash + 1);
}

std::wstring GetBuildText()
{
    const char* stamp = "Build " __DATE__ " " __TIME__;
    return std::wstring(stamp, stamp + std::strlen(stamp));
}

int GetStartScreenWidth() { return g_screenWidth; }
int GetStartScreenHeight() { return g_screenHeight; }

bool CDisplayApp::InitInstance()
{
    CreateWorkingFolder();
    SetDiagProgramProcess(nullptr);
    SetRecorderProcess(nullptr);
    EndFirstProcessNamed(L"MAKER.EXE");  // a diagnostic program left over from an earlier run
    g_screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ResSetAppDir(ExecutableFolder());
    ClearDownloadFolderAtStart();
    LoadConfiguration();
    ResSetRunModeFlag(L"0");
    DeleteDebugFile();
    ReadStartupSettings();
    OleInitialize(nullptr);
    CreateFonts();
    LoadTexts();
    InstallVehicleDataServices();
    InstallEcuReportBox();
    ResSetDisplayMode(1);
    SetRegistryKey(L"Morvaks");
    SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, L"hSemaphore"));

    CStartDlg splash(nullptr);
    splash.DoModal();

    return CreateMainFrame();
}

void CDisplayApp::CreateWorkingFolder()
{
    wchar_t temporary[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temporary);
    m_workingFolder = std::wstring(temporary, length <= MAX_PATH ? length : 0) + L"Nuthawk\\";
    CreateDirectoryTree(m_workingFolder.c_str());
    m_workingFolderMark.Mark(m_workingFolder);
}

void CDisplayApp::LoadConfiguration()
{
    const std::wstring file = ResGetAppDir() + L"Config.xml";
    if (!LoadConfigDocument(file.c_str()))
        ShowStartupMessage(0x10080040, L"Reading profile failed!");
}

void CDisplayApp::DeleteDebugFile()
{
    const std::wstring file = ResGetAppDir() + L"debug.txt";
    if (FILE* debug = _wfopen(file.c_str(), L"r")) {
        fclose(debug);
        DeleteFileW(file.c_str());  // a file that cannot be deleted is left; start-up goes on
    }
}

void CDisplayApp::ReadStartupSettings()
{
    ResSetScreenMode(GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0));
    ResSetUnitMode(GetConfigInt(L"COMMON\\SYSTEM", L"UNITMODE", 0));
    const std::wstring language = GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN");
    ResSetCodePage(ResGetLanguageCodePage(language));
    ResSetLanguageCode(language);
    ResSetLanguageCodeA(ToAnsi(language));
    const int diagDebug = GetConfigInt(L"COMMON\\DEBUG", L"FOR_DIAG_DEBUG", 0);
    const int dbFormat = GetConfigInt(L"COMMON\\DBFORMAT", L"DBFORMAT", 0);
    ResSetDiagDebug(diagDebug);
    ResSetDbFormat(dbFormat);
    WebServerHost() = WebServerAddressFrom(GetConfigValue(L"COMMON\\WEBSERVER", L"HOST", L""),
                                           GetConfigValue(L"COMMON\\WEBSERVER", L"PORT", L""),
                                           GetConfigValue(L"COMMON\\WEBSERVER", L"SITEFOLDER", L""));
}

void CDisplayApp::CreateFonts()
{
    const std::wstring language = ResGetLanguageCode();
    const int charset = GetConfigInt(L"COMMON\\FONT", L"CHARSET", LanguageCharset(language));
    const std::wstring face = GetConfigValue(L"COMMON\\FONT", L"FACENAME", DefaultFaceName(language).c_str());
    CreateSharedFonts(face, charset);
}

void CDisplayApp::LoadTexts()
{
    ResSetStringDir(ResGetAppDir());
    if (!ResLoadStringFile())
        ShowStartupMessage(0x10000402, L"Loading system resource failed!\nDefault resource will be used.");
}

bool CDisplayApp::CreateMainFrame()
{
    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame(kStyleOfMainFrame))
        return false;
    CMainFrame* mainFrame = frame.get();
    SetMainWindow(std::move(frame));
    mainFrame->SwitchView(286, 1);
    mainFrame->Show(SW_SHOWNORMAL);
    UpdateWindow(mainFrame->Handle());
    return true;
}

int CDisplayApp::ExitInstance()
{
    StopUpdateThreads();  // before the download folder goes: no download or unpack outlives the program
    FreeSoftwareLists();
    DeleteSharedFonts();
    if (!m_workingFolderMark.EndAndCheckOthers())
        DeleteDirectoryTree(m_workingFolder.c_str());
    ClearDownloadFolderAtExit();
    StopScreenRecorders();
    TerminateKeptRecorder();
    OleUninitialize();
    return CApplication::ExitInstance();
}

void CDisplayApp::StopScreenRecorders()
{
    StopRecorderWindows();
}

void CDisplayApp::OnAppAbout()
{
    CAboutDlg about(MainWindow() ? MainWindow()->Handle() : nullptr);
    about.DoModal();
}
