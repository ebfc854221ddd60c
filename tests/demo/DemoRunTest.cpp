// The shell on the bundled demo installation, as demo/generate writes it for scripts/run: the splash
// finds the demo's vehicle software, a maker and a version are chosen by the keys a user would press,
// and a whole diagnosis runs with the stand-in diagnostic program, in Demo Mode and, through the
// stand-in link library and the simulated interface, in Diagnose Mode. The runs save snapshots of
// the chooser, the version view and a menu screen under the build's "screenshots" folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ShellSession.h"
#include "SimulatorRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGridId = 3032;
constexpr int kVersionList = 1006;
constexpr int kMakerChooser = 131;
constexpr int kVersionView = 136;
constexpr int kMenuScreen = 137;

BOOL CALLBACK CollectGrid(HWND window, LPARAM grids)
{
    if (GetDlgCtrlID(window) == kGridId)
        reinterpret_cast<std::vector<HWND>*>(grids)->push_back(window);
    return TRUE;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

// The build folder (the programs lie in its "bin", whose path ends in a separator).
fs::path BuildFolder()
{
    return BuildProgramFolder().parent_path().parent_path();
}

std::string Hex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char byte : bytes) {
        char pair[4] = {};
        std::snprintf(pair, sizeof(pair), "%02X ", byte);
        hex += pair;
    }
    return hex;
}

// A version folder as the shell names it: its program folder is kept in lower case.
std::string ShellPathOf(const fs::path& programFolder, const fs::path& versionFolder)
{
    std::wstring wide = programFolder.wstring();
    CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    wide += L"\\" + versionFolder.lexically_relative(programFolder).wstring();
    return std::string(wide.begin(), wide.end());  // the demo's paths are plain ASCII
}

// The version folders of an installation: the folders that hold a diagnostic program.
std::vector<fs::path> VersionFolders(const fs::path& programFolder)
{
    std::vector<fs::path> folders;
    for (const auto& entry : fs::recursive_directory_iterator(programFolder / "Scan")) {
        if (entry.path().filename() == "MAKER.exe")
            folders.push_back(entry.path().parent_path());
    }
    return folders;
}

// The stand-in diagnostic program's part of a diagnosis: the start, whose answer names the version
// folder, the run mode and the launch; a database text; a system menu where the user picks the
// first row; a function menu the user leaves with Back; the end.
std::string DiagnosisScript(const std::string& folder, char runMode)
{
    const size_t length = folder.size() + 22;
    char lengthBytes[8] = {};
    std::snprintf(lengthBytes, sizeof(lengthBytes), "%02zX %02zX", length >> 8, length & 0xFF);
    return "start DEMO 3.25 1.0\n"
           "expect 0 " + std::string(lengthBytes) + "\n"
           // folder, "EN", "", run mode, unit byte 0, 2, "6.30", record "0", launched 1, 4
           "expect 4 " + Hex(folder) + "00 45 4E 00 00 3" + runMode + " 00 00 02 36 2E 33 30 00 30 00 01 04\n"
           "text 1\n"
           "menu -1 0 Systems | Engine | Brakes | Body\n"
           "expect 4 00 00 00 00\n"
           "menu -1 0 Engine | Read trouble codes | Live data\n"
           "expect 4 FF FF\n"
           "end\n";
}

// The requests in a simulator log, the data of each frame, with a run of program chunks as "chunks".
std::vector<std::string> RequestsIn(const std::vector<std::string>& log)
{
    std::vector<std::string> requests;
    for (const std::string& line : log) {
        if (line.rfind("frame ", 0) != 0 || line.size() < 9)
            continue;
        const std::string data = line.substr(9);
        const std::string request = data.rfind("000808", 0) == 0 ? "chunks" : data;
        if (requests.empty() || request != "chunks" || requests.back() != "chunks")
            requests.push_back(request);
    }
    return requests;
}

class DemoRunTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(temp.Path() / "temp"); }

    void StartShell(const fs::path& programFolder)
    {
        folder = programFolder;
        ASSERT_TRUE(fs::exists(folder / "Display.exe")) << "demo/generate runs before this test";
        ASSERT_TRUE(shell.Start(folder, temp.Path() / "temp"));
    }

    std::vector<HWND> Grids() const
    {
        std::vector<HWND> grids;
        EnumChildWindows(shell.ActiveView(), &CollectGrid, reinterpret_cast<LPARAM>(&grids));
        return grids;
    }

    HWND ShownGrid() const
    {
        for (HWND grid : Grids()) {
            if (IsWindowVisible(grid))
                return grid;
        }
        return nullptr;
    }

    // Home from the home page shows the maker chooser; Enter on its grid chooses the first maker of
    // the region shown, and the version view lists its versions.
    void ChooseFirstMaker(const char* snapshot = nullptr)
    {
        ASSERT_TRUE(shell.Command(3007));
        ASSERT_TRUE(shell.WaitForView(kMakerChooser));
        HWND grid = ShownGrid();
        ASSERT_NE(grid, nullptr);
        if (snapshot) {
            EXPECT_TRUE(shell.SaveSnapshot(folder, Screenshot(snapshot)));
        }
        SendMessageW(grid, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(shell.WaitForView(kVersionView));
        HWND list = GetDlgItem(shell.ActiveView(), kVersionList);
        ASSERT_TRUE(WaitUntil([list] { return SendMessageW(list, LB_GETCOUNT, 0, 0) > 0; }));
    }

    static fs::path Screenshot(const char* name) { return BuildFolder() / "screenshots" / (std::string(name) + ".png"); }

    // Every version gets the script; the one chosen runs it and writes its transcript beside it.
    void ScriptEveryVersion(char runMode)
    {
        for (const fs::path& version : VersionFolders(folder)) {
            std::ofstream(version / "maker-script.txt", std::ios::binary) << DiagnosisScript(ShellPathOf(folder, version), runMode);
            fs::remove(version / "maker-transcript.txt");
        }
    }

    fs::path RunningVersion() const
    {
        for (const fs::path& version : VersionFolders(folder)) {
            if (fs::exists(version / "maker-transcript.txt"))
                return version;
        }
        return {};
    }

    std::string Transcript() const
    {
        const fs::path version = RunningVersion();
        return version.empty() ? std::string() : ReadFileBytes(version / "maker-transcript.txt");
    }

    bool WaitForRequest(const std::string& line) const
    {
        return WaitUntil([&] { return Transcript().find("> " + line) != std::string::npos; });
    }

    // The user's part of the diagnosis: the first system, then Back out of its functions.
    void PlayTheMenus(const char* snapshot = nullptr)
    {
        ASSERT_TRUE(WaitForRequest("menu -1 0 Systems"));
        ASSERT_TRUE(shell.WaitForView(kMenuScreen));
        if (snapshot) {
            EXPECT_TRUE(shell.SaveSnapshot(folder, Screenshot(snapshot)));
        }
        shell.ClickRow(0);
        ASSERT_TRUE(WaitForRequest("menu -1 0 Engine"));
        ASSERT_TRUE(WaitUntil([this] { return shell.IsActive(kMenuScreen) && IsWindowVisible(shell.ActiveView()); }));
        SendMessageW(shell.ActiveView(), WM_COMMAND, 3001, 0);
        ASSERT_TRUE(WaitForRequest("end"));
    }

    // After the end the version view is back with its versions listed anew, the block holds only
    // the shell's caption and the turn is free.
    void ExpectTheDiagnosisEnded()
    {
        EXPECT_TRUE(shell.WaitForView(kVersionView));
        HWND list = GetDlgItem(shell.ActiveView(), kVersionList);
        EXPECT_TRUE(WaitUntil([list] { return SendMessageW(list, LB_GETCOUNT, 0, 0) > 0; })) << "listed anew";
        EXPECT_TRUE(WaitUntil([this] { return Transcript().find("FAIL") == std::string::npos &&
                                              Transcript().find("< ", Transcript().find("> end")) != std::string::npos; }))
            << Transcript();
        EXPECT_EQ(Transcript().find("FAIL"), std::string::npos) << Transcript();
        EXPECT_TRUE(WaitUntil(&ExchangeTokenCountIsOne));
        HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "DisplayDiagnoseData");
        ASSERT_NE(mapping, nullptr);
        const auto* block = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0x100));
        ASSERT_NE(block, nullptr);
        EXPECT_STREQ(block, "Nuthawk");
        EXPECT_EQ(std::string(block + 8, 0x100 - 8), std::string(0x100 - 8, '\0')) << "the block was reset";
        UnmapViewOfFile(block);
        CloseHandle(mapping);
    }

    CTempFolder temp;
    fs::path folder;
    CShellSession shell;
};

TEST_F(DemoRunTest, TheDemoMakersAreShownByRegionAndOneCanBeChosen)
{
    StartShell(BuildFolder() / "demo-test");
    ASSERT_TRUE(shell.Command(3007));
    ASSERT_TRUE(shell.WaitForView(kMakerChooser));
    EXPECT_EQ(TextOf(shell.ActiveView()), L"Vehicle selection---East Reach") << "the region of the busiest maker";
    EXPECT_EQ(Grids().size(), 3u) << "one page of icons per region";
    HWND grid = ShownGrid();
    ASSERT_NE(grid, nullptr);
    SendMessageW(grid, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(shell.WaitForView(kVersionView)) << "the version view follows the choice";
}

// The Wi-Fi check fails under Wine; "Yes" to its question goes on in Demo Mode without the link.
TEST_F(DemoRunTest, ADemoDiagnosisRunsFromTheChoiceOfAMakerBackToTheVersionView)
{
    StartShell(BuildFolder() / "demo-test");
    ScriptEveryVersion('1');
    ChooseFirstMaker("chooser");
    EXPECT_TRUE(shell.SaveSnapshot(folder, Screenshot("version-view")));
    shell.PostCommand(3004);  // it asks
    std::wstring question;
    ASSERT_TRUE(shell.AnswerNextBox(true, &question));
    EXPECT_EQ(question, L"Connect Nuthawk failed, Please make sure WIFI connected correctly.");
    PlayTheMenus("menu");
    ExpectTheDiagnosisEnded();
}

// Diagnose Mode on a copy of one demo maker, with the interface's network present (the stand-in
// wireless library), the stand-in link library and the simulated interface: the interface is given
// "LINK.bin" and the maker group of the version folder's name, and the diagnosis runs as above.
TEST_F(DemoRunTest, ADiagnosisWithTheInterfaceLoadsItsProgramAndAnnouncesTheGroup)
{
    const fs::path demo = BuildFolder() / "demo-test";
    const fs::path copy = temp.Path() / "Program";
    fs::create_directories(copy / "Scan" / "EASTREACH");
    for (const auto& entry : fs::directory_iterator(demo)) {
        if (entry.path().filename() != "Scan")
            fs::copy(entry.path(), copy / entry.path().filename(), fs::copy_options::recursive);
    }
    const fs::path maker = copy / "Scan" / "EASTREACH" / "Tessaline";
    fs::copy(demo / "Scan" / "EASTREACH" / "Tessaline", maker, fs::copy_options::recursive);
    fs::remove_all(maker / "V1.40");
    fs::rename(maker / "V2.05", maker / "OBD2");  // a folder name of group 6
    fs::copy_file(BuildProgramFolder() / "wlan" / "wlanapi.dll", copy / "wlanapi.dll");
    std::string image(3328 + 700, '\0');
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 13 + 5);
    std::ofstream(copy / "LINK.bin", std::ios::binary) << image;

    CSimulatorRun simulator(temp.Path() / "simulator");
    ASSERT_TRUE(simulator.WaitUntilListening());
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"wlanapi=n");
    SetEnvironmentVariableW(L"WLAN_STANDIN_SSID", L"KORVE");
    StartShell(copy);
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", nullptr);
    SetEnvironmentVariableW(L"WLAN_STANDIN_SSID", nullptr);

    ScriptEveryVersion('0');
    ChooseFirstMaker();
    shell.PostCommand(3004);  // it asks
    PlayTheMenus();
    std::wstring notice;
    ASSERT_TRUE(shell.AnswerNextBox(true, &notice));
    EXPECT_EQ(notice, L"Operation is completed, please pull out the Nuthawk!");
    ExpectTheDiagnosisEnded();
    EXPECT_TRUE(simulator.Image() == image) << "the interface holds LINK.bin byte for byte";
    EXPECT_TRUE(simulator.WaitForLogLine("group 6"));
    // version (two requests), reset 0, program query, download, query again, reset 8, maker group
    EXPECT_EQ(RequestsIn(simulator.LogLines()),
              (std::vector<std::string>{"00FE00", "0001", "00FE00", "0002FF", "chunks", "0002FF", "00FE08", "05010006"}));
}

}  // namespace
