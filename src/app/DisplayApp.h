#pragma once
// The application object: the whole start-up sequence and the shut-down work.
#include <string>

#include "Application.h"
#include "FolderUseMark.h"

class CDisplayApp : public CApplication {
public:
    CDisplayApp() = default;

    bool InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();

    const std::wstring& WorkingFolder() const { return m_workingFolder; }

private:
    void CreateWorkingFolder();
    void LoadConfiguration();
    void DeleteDebugFile();
    void ReadStartupSettings();
    void CreateFonts();
    void LoadTexts();
    bool CreateMainFrame();
    void StopScreenRecorders();

    std::wstring m_workingFolder;  // the system temporary folder + "Nuthawk\"
    // Every copy of the user's shares the working folder: the last one to end removes it.
    CFolderUseMark m_workingFolderMark{L"NuthawkWorkingFolder"};
};

// The program folder of an executable path: lower-cased, up to and with its last backslash.
std::wstring ProgramFolderOf(const std::wstring& executablePath);

// "Build " + the compile date + " " + the compile time, shown by the splash.
std::wstring GetBuildText();

// Screen size recorded at start (primary screen).
int GetStartScreenWidth();
int GetStartScreenHeight();
