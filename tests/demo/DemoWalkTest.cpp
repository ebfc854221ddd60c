// A whole demo diagnosis walked through as a user would, in Demo Mode on a copy of the generated demo
// installation: the stand-in diagnostic program runs its built-in demo, and the test chooses rows,
// presses the keys of the bars and types a value, checks the answers the program received (its
// transcript) and keeps a snapshot of every screen kind, taken with the shell's own snapshot command,
// in the build's "screenshots" folder. A second run does the same in German for the screens whose
// texts are longest there.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ShellSession.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGridId = 3032;
constexpr int kVersionList = 1006;

enum VIEW {
    kMakerChooser = 131, kVersionView = 136, kMenu = 137, kTroubleCodes = 138, kVersionListScreen = 158,
    kShortTest = 159, kSelection = 160, kLiveData = 161, kReplay = 162, kMessage = 164, kProgress = 165,
    kActuatorTest = 166, kInput = 167, kPicture = 168, kRecordingList = 249, kManuals = 505,
    kSpecialFunction = 10046, kStatusList = 10056
};

enum COMMAND {
    kBack = 3001, kPageDown = 3003, kAccept = 3004, kHome = 3007, kPlay = 3009, kWave = 3010, kKey1 = 3012,
    kKey2 = 3013, kKey3 = 3014, kSnapshot = 3028, kFunction1 = 3017, kFunction2 = 3018, kFunction3 = 3019, kFunction4 = 3020,
    kRecord = 3021, kSelectAll = 3025, kManualButton = 1103, kSecondTab = 1091
};

fs::path BuildFolder() { return BuildProgramFolder().parent_path().parent_path(); }

BOOL CALLBACK CollectById(HWND window, LPARAM found)
{
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(found);
    if (GetDlgCtrlID(window) == search->first && IsWindowVisible(window)) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

// The bytes of a transcript's answer line "< 00 05 ...".
std::vector<int> AnswerBytes(const std::string& line)
{
    std::vector<int> bytes;
    std::istringstream in(line.substr(2));
    std::string pair;
    while (in >> pair)
        bytes.push_back(static_cast<int>(std::strtol(pair.c_str(), nullptr, 16)));
    return bytes;
}

class DemoWalkTest : public ::testing::Test {
protected:
    // A copy of the demo with its first maker and the documents; no script beside the program, so
    // it runs its built-in demo. `language` goes into the copy's "Config.xml".
    void StartOnDemoCopy(const char* language)
    {
        const fs::path demo = BuildFolder() / "demo-test";
        ASSERT_TRUE(fs::exists(demo / "Display.exe")) << "demo/generate runs before this test";
        folder = temp.Path() / "Program";
        fs::create_directories(folder / "Scan" / "EASTREACH");
        for (const auto& entry : fs::directory_iterator(demo)) {
            if (entry.path().filename() != "Scan" && entry.path().filename() != "Snapshot")
                fs::copy(entry.path(), folder / entry.path().filename(), fs::copy_options::recursive);
        }
        for (const char* part : {"EASTREACH/Tessaline", "EUROPE", "ASIA", "PRO"})
            fs::copy(demo / "Scan" / part, folder / "Scan" / part, fs::copy_options::recursive);
        for (const auto& entry : fs::recursive_directory_iterator(folder / "Scan")) {
            if (entry.path().filename() == "maker-script.txt")
                fs::remove(entry.path());
        }
        std::string config = ReadFileBytes(folder / "Config.xml");
        const size_t at = config.find("CURMODE=\"EN\"");
        ASSERT_NE(at, std::string::npos);
        config.replace(at, 12, std::string("CURMODE=\"") + language + "\"");
        std::ofstream(folder / "Config.xml", std::ios::binary) << config;
        fs::create_directories(temp.Path() / "temp");
        ASSERT_TRUE(shell.Start(folder, temp.Path() / "temp"));
    }

    // Home, the first maker by Enter on its grid, its newest version, Accept; the Wi-Fi question
    // (which fails under Wine) answered Yes goes on in Demo Mode.
    void StartDiagnosis()
    {
        ASSERT_TRUE(shell.Command(kHome));
        ASSERT_TRUE(shell.WaitForView(kMakerChooser));
        std::pair<int, HWND> grid{kGridId, nullptr};
        EnumChildWindows(shell.ActiveView(), &CollectById, reinterpret_cast<LPARAM>(&grid));
        ASSERT_NE(grid.second, nullptr);
        SendMessageW(grid.second, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(shell.WaitForView(kVersionView));
        HWND list = GetDlgItem(shell.ActiveView(), kVersionList);
        ASSERT_TRUE(WaitUntil([list] { return SendMessageW(list, LB_GETCOUNT, 0, 0) > 0; }));
        shell.PostCommand(kAccept);
        ASSERT_TRUE(shell.AnswerNextBox(true));
        ASSERT_TRUE(WaitUntil([this] { return !TranscriptPath().empty(); }));
    }

    fs::path TranscriptPath() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(folder / "Scan")) {
            if (entry.path().filename() == "maker-transcript.txt")
                return entry.path();
        }
        return {};
    }

    std::string Transcript() const
    {
        const fs::path path = TranscriptPath();
        return path.empty() ? std::string() : ReadFileBytes(path);
    }

    // Waits for the next request of this summary after those already seen, and for its screen.
    void Expect(const std::string& summary, int view)
    {
        const std::string wanted = "\n> " + summary;
        ASSERT_TRUE(WaitUntil([&] {
            const std::string text = "\n" + Transcript();
            const size_t at = text.find(wanted, seen);
            if (at == std::string::npos)
                return false;
            seen = at + 1;
            return true;
        })) << "no request \"" << summary << "\"; the transcript:\n" << Transcript();
        ASSERT_TRUE(shell.WaitForView(view)) << summary;
        ASSERT_TRUE(WaitUntil([this] { return IsWindowVisible(shell.ActiveView()) != FALSE; }));
    }

    // Waits until an answer to a request of this summary, after the last one expected, carries the
    // byte at the offset (screens that answer at once carry a key with a later answer).
    bool AnswerCarries(const std::string& summary, size_t offset, int value)
    {
        return WaitUntil([&] {
            std::istringstream lines(Transcript().substr(seen > 0 ? seen - 1 : 0));
            std::string line;
            bool after = false;
            while (std::getline(lines, line)) {
                if (line.rfind("> ", 0) == 0)
                    after = line.rfind("> " + summary, 0) == 0;
                else if (after && line.rfind("< ", 0) == 0) {
                    const std::vector<int> bytes = AnswerBytes(line);
                    if (bytes.size() > offset && bytes[offset] == value)
                        return true;
                }
            }
            return false;
        });
    }

    // The shell's own snapshot key on the bottom bar; its picture goes to the build's "screenshots".
    void Snap(const std::string& name)
    {
        Sleep(400);  // the screen's own timers draw it first
        const fs::path saved = folder / "Snapshot";
        std::error_code ignored;
        fs::remove_all(saved, ignored);
        RedrawWindow(shell.Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Press(kSnapshot);
        fs::path picture;
        EXPECT_TRUE(WaitUntil([&] {
            for (const auto& entry : fs::directory_iterator(saved, ignored))
                if (entry.path().extension() == ".png")
                    picture = entry.path();
            return !picture.empty();
        })) << name;
        const fs::path kept = BuildFolder() / "screenshots" / (name + ".png");
        fs::create_directories(kept.parent_path(), ignored);
        fs::rename(picture, kept, ignored);
        EXPECT_FALSE(ignored) << name;
    }

    // A press of the visible button with this id, on whichever bar holds it, as a click delivers it.
    // The request is logged before it is sent: the screen may still be putting up its keys.
    void Press(int id)
    {
        std::pair<int, HWND> button{id, nullptr};
        ASSERT_TRUE(WaitUntil([&] {
            button.second = nullptr;
            EnumChildWindows(shell.Main(), &CollectById, reinterpret_cast<LPARAM>(&button));
            return button.second && IsWindowEnabled(button.second);
        })) << "no button " << id << " shown and enabled";
        DWORD_PTR ignored = 0;
        ASSERT_TRUE(SendMessageTimeoutW(button.second, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kShellTimeoutMs, &ignored)) << id;
    }

    void PressLater(int id)
    {
        std::pair<int, HWND> button{id, nullptr};
        EnumChildWindows(shell.Main(), &CollectById, reinterpret_cast<LPARAM>(&button));
        ASSERT_NE(button.second, nullptr) << "no button " << id;
        PostMessageW(button.second, BM_CLICK, 0, 0);
    }

    struct CLASS_SEARCH {
        const wchar_t* className;
        HWND found;
    };
    static BOOL CALLBACK FindVisibleOfClass(HWND window, LPARAM data)
    {
        auto* wanted = reinterpret_cast<CLASS_SEARCH*>(data);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (IsWindowVisible(window) && lstrcmpiW(name, wanted->className) == 0) {
            wanted->found = window;
            return FALSE;
        }
        return TRUE;
    }

    HWND VisibleChildOfClass(const wchar_t* className) const
    {
        CLASS_SEARCH search{className, nullptr};
        EnumChildWindows(shell.Main(), &FindVisibleOfClass, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    void ChooseRow(int row) { shell.ClickRow(row); }

    CTempFolder temp;
    fs::path folder;
    CShellSession shell;
    size_t seen = 0;
};

TEST_F(DemoWalkTest, EveryScreenKindIsShownAndAnswersTheUsersKeys)
{
    StartOnDemoCopy("EN");
    StartDiagnosis();
    Expect("menu System selection", kMenu);
    Snap("menu-systems");

    // Engine: trouble codes from the database, left with Back.
    ChooseRow(1);
    Expect("menu Engine", kMenu);
    ChooseRow(0);
    Expect("trouble-codes Engine", kTroubleCodes);
    Snap("trouble-codes");
    Press(kBack);
    EXPECT_TRUE(AnswerCarries("trouble-codes Engine", 4, 11));
    Expect("menu Engine", kMenu);

    // Clearing: the question, the progress, the closing message.
    ChooseRow(1);
    Expect("message Clear trouble codes", kMessage);
    Snap("message");
    Press(kKey1);
    EXPECT_TRUE(AnswerCarries("message Clear trouble codes", 4, 3)) << "Yes";
    Expect("progress clear", kProgress);
    Snap("progress");
    Expect("message Clear trouble codes", kMessage);
    Press(kKey1);
    Expect("menu Engine", kMenu);

    // Live data: the selection first (Select All, then Accept), a long list paged, Back to the
    // selection, four items with the graph of one.
    ChooseRow(2);
    Expect("select-items", kSelection);
    Snap("multiple-selection");
    Press(kSelectAll);
    Press(kAccept);
    EXPECT_TRUE(AnswerCarries("select-items", 4, 1));
    Expect("live-data", kLiveData);
    Snap("live-data");
    Press(kPageDown);
    Snap("live-data-page-2");
    Press(kBack);
    EXPECT_TRUE(AnswerCarries("live-data", 4, 11));
    Expect("select-items", kSelection);
    Press(kAccept);
    Expect("live-data", kLiveData);
    ChooseRow(1);  // a row below the header, whatever its height
    Press(kWave);
    Sleep(1500);
    Snap("live-data-graph");
    Press(kRecord);
    Sleep(1500);
    Press(kRecord);
    Press(kPlay);
    ASSERT_TRUE(shell.WaitForView(kRecordingList));
    Snap("recording-list");
    const LPARAM firstRow = MAKELPARAM(100, 57);
    SendMessageW(shell.ActiveView(), WM_LBUTTONDOWN, MK_LBUTTON, firstRow);
    SendMessageW(shell.ActiveView(), WM_LBUTTONUP, 0, firstRow);
    Press(kAccept);
    ASSERT_TRUE(shell.WaitForView(kReplay));
    Press(kPlay);
    Sleep(1000);
    Snap("replay");
    Press(kBack);  // the replay returns to the live data, which kept polling behind it
    ASSERT_TRUE(shell.WaitForView(kLiveData));
    Press(kBack);
    Expect("select-items", kSelection);
    Press(kBack);
    EXPECT_TRUE(AnswerCarries("select-items", 4, 2));
    Expect("menu Engine", kMenu);
    EXPECT_FALSE(fs::is_empty(folder / "Playback")) << "the recording was filed";

    // Actuator tests: the fuel pump in key mode (keys through the mailbox), the fan in answer mode.
    ChooseRow(3);
    Expect("menu Actuator tests", kMenu);
    ChooseRow(0);
    Expect("actuator fuel-pump", kActuatorTest);
    Press(kFunction1);
    Sleep(600);
    Snap("actuator-test");
    Press(kFunction3);
    Expect("menu Actuator tests", kMenu);
    ChooseRow(1);
    Expect("actuator cooling-fan", kActuatorTest);
    Press(kFunction2);
    EXPECT_TRUE(AnswerCarries("actuator cooling-fan", 4, 1)) << "Low";
    Expect("actuator cooling-fan", kActuatorTest);
    Snap("actuator-test-answer-mode");
    Press(kFunction4);
    Expect("menu Actuator tests", kMenu);
    Press(kBack);
    Expect("menu Engine", kMenu);

    // Special functions: the adaptation started and left, the idle speed typed out of range first.
    ChooseRow(4);
    Expect("menu Special functions", kMenu);
    ChooseRow(0);
    Expect("special-function throttle", kSpecialFunction);
    Press(kFunction1);
    EXPECT_TRUE(AnswerCarries("special-function throttle", 4, 0)) << "Start";
    Sleep(1500);
    Snap("special-function");
    Press(kFunction3);
    Expect("menu Special functions", kMenu);
    ChooseRow(1);
    Expect("input idle-speed", kInput);
    HWND edit = GetDlgItem(shell.ActiveView(), 1029);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"1200");
    PressLater(kAccept);  // the question box it opens holds the press
    std::wstring refusal;
    ASSERT_TRUE(shell.AnswerNextBox(true, &refusal));
    EXPECT_EQ(refusal, L"Values over range!");
    SetWindowTextW(edit, L"800");
    Snap("value-input");
    Press(kAccept);
    EXPECT_TRUE(AnswerCarries("input idle-speed", 4, 1));
    Expect("message Idle speed adjustment", kMessage);
    EXPECT_NE(Transcript().find(" 01 38 30 30 00\n"), std::string::npos) << "the value typed, 800";
    Press(kKey1);
    Expect("menu Special functions", kMenu);
    Press(kBack);
    Expect("menu Engine", kMenu);

    // Component status: a status list the program pages.
    ChooseRow(5);
    Expect("status-list", kStatusList);
    Snap("status-list");
    Press(kPageDown);
    EXPECT_TRUE(AnswerCarries("status-list", 4, 14));
    Press(kFunction2);
    Expect("menu Engine", kMenu);

    // Version information.
    ChooseRow(6);
    Expect("version-list", kVersionListScreen);
    Snap("version-list");
    Press(kBack);
    EXPECT_TRUE(AnswerCarries("version-list", 4, 1));
    Expect("menu Engine", kMenu);
    Press(kBack);
    Expect("menu System selection", kMenu);

    // The short test: a click on a system reads its codes.
    ChooseRow(0);
    Expect("short-test", kShortTest);
    Sleep(2500);
    Snap("short-test");
    ChooseRow(1);
    EXPECT_TRUE(AnswerCarries("short-test", 4, 13));
    Expect("trouble-codes ", kTroubleCodes);
    Press(kBack);
    Expect("short-test", kShortTest);
    Press(kBack);
    Expect("menu System selection", kMenu);

    // Brakes: codes sent as texts, and the pictures.
    ChooseRow(3);
    Expect("menu Anti-lock brakes", kMenu);
    ChooseRow(0);
    Expect("trouble-codes Anti-lock brakes", kTroubleCodes);
    Snap("trouble-codes-texts");
    Press(kBack);
    Expect("menu Anti-lock brakes", kMenu);
    ChooseRow(2);
    Expect("picture PICTURE\\ABS_SENSORS.BMP", kPicture);
    Snap("picture");
    Press(kKey1);
    EXPECT_TRUE(AnswerCarries("picture PICTURE\\ABS_SENSORS.BMP", 4, 9)) << "Next";
    Expect("picture PICTURE\\ABS_CONNECTOR.BMP", kPicture);
    Snap("picture-connector");
    Press(kKey2);
    EXPECT_TRUE(AnswerCarries("picture PICTURE\\ABS_CONNECTOR.BMP", 4, 10)) << "Finish";
    Expect("menu Anti-lock brakes", kMenu);
    Press(kBack);
    Expect("menu System selection", kMenu);

    // Body control: a message of every key set, each answered with its first key.
    ChooseRow(5);
    Expect("menu Body control", kMenu);
    ChooseRow(1);
    Expect("menu Service functions", kMenu);
    const struct {
        const char* title;
        int firstKeyCode;  // -1: the box answers by itself
    } services[] = {{"Service reminder", 1},  {"Window calibration", 2}, {"Seat memory", 1},
                    {"Key programming", 3},   {"Central locking", 3},    {"Rain sensor", 5},
                    {"Light module update", 7}, {"Alarm siren", 6},      {"Tyre pressure set-up", 9},
                    {"Mirror adjustment", 8}, {"Door module check", 1},  {"Module wake-up", -1}};
    for (int row = 0; row < static_cast<int>(std::size(services)); ++row) {
        SCOPED_TRACE(services[row].title);
        ChooseRow(row);
        Expect(std::string("message ") + services[row].title, kMessage);
        if (row == 6)
            Snap("message-three-keys");
        if (services[row].firstKeyCode >= 0) {
            Press(kKey1);
            EXPECT_TRUE(AnswerCarries(std::string("message ") + services[row].title, 4, services[row].firstKeyCode));
        }
        Expect("menu Service functions", kMenu);
    }
    Press(kBack);
    Expect("menu Body control", kMenu);
    Press(kBack);
    Expect("menu System selection", kMenu);
    Press(kBack);
    ASSERT_TRUE(WaitUntil([this] { return Transcript().find("> end") != std::string::npos; }));
    EXPECT_TRUE(shell.WaitForView(kVersionView));
    EXPECT_TRUE(WaitUntil(&ExchangeTokenCountIsOne));
}

// The manuals and the document library list the demo's documents; one opens in the stand-in reader.
TEST_F(DemoWalkTest, TheManualsAndTheLibraryListTheDemosDocuments)
{
    StartOnDemoCopy("EN");
    Press(kManualButton);
    ASSERT_TRUE(shell.WaitForView(kManuals));
    Snap("manuals");
    Press(kSecondTab);  // "Code Coverage"
    // The region EUROPE chosen in the tree, as a touch on it would, shows its documents.
    HWND tree = VisibleChildOfClass(L"SysTreeView32");
    ASSERT_NE(tree, nullptr);
    const LPARAM root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    const LPARAM asia = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, root);
    const LPARAM europe = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, asia);
    ASSERT_NE(europe, 0);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, europe);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = VisibleChildOfClass(L"SysListView32")) != nullptr; }));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2) << "Brannoc and Tessaline";
    Snap("document-library");

    // A click on the first document opens it in the reader, inside the shell's window.
    const fs::path log = folder / "tools" / "PDF" / "pdfreader.log";
    const LPARAM firstRow = MAKELPARAM(60, 20);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, firstRow);
    SendMessageW(list, WM_LBUTTONUP, 0, firstRow);
    ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(log).find("_EN.pdf") != std::string::npos; }))
        << ReadFileBytes(log);
    Sleep(1000);
    Snap("pdf-reader");
}

// German texts are longer: the screens where they are longest, in German.
TEST_F(DemoWalkTest, GermanTextsFitTheirScreens)
{
    StartOnDemoCopy("DE");
    StartDiagnosis();
    Expect("menu Systemauswahl", kMenu);
    ChooseRow(1);
    Expect("menu Motor", kMenu);
    ChooseRow(0);
    Expect("trouble-codes Engine", kTroubleCodes);
    Snap("trouble-codes-de");
    Press(kBack);
    Expect("menu Motor", kMenu);
    ChooseRow(2);
    Expect("select-items", kSelection);
    Press(kSelectAll);
    Press(kAccept);
    Expect("live-data", kLiveData);
    Snap("live-data-de");
    Press(kBack);
    Expect("select-items", kSelection);
    Press(kBack);
    Expect("menu Motor", kMenu);
    ChooseRow(4);
    Expect("menu Sonderfunktionen", kMenu);
    ChooseRow(0);
    Expect("special-function throttle", kSpecialFunction);
    Snap("special-function-de");
    Press(kFunction3);
    Expect("menu Sonderfunktionen", kMenu);
    Press(kBack);
    Expect("menu Motor", kMenu);
    ChooseRow(5);
    Expect("status-list", kStatusList);
    Snap("status-list-de");
    Press(kFunction2);
    Expect("menu Motor", kMenu);
    Press(kBack);
    Expect("menu Systemauswahl", kMenu);
    Press(kBack);
    ASSERT_TRUE(WaitUntil([this] { return Transcript().find("> end") != std::string::npos; }));
}

}  // namespace
