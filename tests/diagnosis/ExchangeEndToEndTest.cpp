// The shell and the stand-in diagnostic program as two processes: requests through the exchange
// block, answers checked by the stand-in's script, the user's part played by this test through the
// shell's windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <cstdio>
#include <functional>

#include "ProgramRun.h"
#include "ShellSession.h"
#include "SoftwareFolder.h"
#include "StringFile.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr UINT kRequestMessage = WM_APP + 0x6EF;

class ExchangeEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = root / "Program";
        fs::create_directories(folder / "SysString");
        fs::create_directories(root / "temp");
        fs::copy_file(BuildProgramFolder() / "Display.exe", folder / "Display.exe");
        std::ofstream(folder / "Config.xml", std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG><COMMON><LANGUAGE CURMODE=\"EN\" />"
               "<SYSTEM SCREENMODE=\"1\" UNITMODE=\"1\" /></COMMON><VEHICLE><MULTILANGUAGE><REGION>"
               "<EAST EN=\"East\" /></REGION></MULTILANGUAGE></VEHICLE></CONFIG>\n";
        // One maker, so that the maker chooser builds its pages and with them the exchange block.
        SOFTWARE_FOLDER alder{L"EAST", L"Alder", 1, {{L"EN", "V1.00\r\n"}}, {}};
        ASSERT_EQ(WriteSoftwareFolder(folder, alder), "");
        const TAG_STRING_RESOURCE_ITEM texts[] = {{62, L"Done, unplug the device."}, {0x10000002, L"Yes"}};
        ASSERT_TRUE(WriteStringFile(folder / "SysString" / "STRRES.EN", texts));

        ASSERT_TRUE(shell.Start(folder, root / "temp"));
        // Home from the home page shows the maker chooser, which makes the exchange block.
        ASSERT_TRUE(shell.Command(3007));
    }


    void RunMaker(const std::string& script)
    {
        std::ofstream(root / "script.txt", std::ios::binary) << script;
        ASSERT_TRUE(maker.Start(BuildProgramFolder() / "MAKER.exe",
                                L"--script \"" + (root / "script.txt").wstring() + L"\" --transcript \"" +
                                    (root / "transcript.txt").wstring() + L"\""));
    }

    std::string Transcript() const { return ReadFileBytes(root / "transcript.txt"); }

    // Waits until the stand-in has sent the request whose transcript line starts with `line`.
    bool WaitForRequest(const std::string& line)
    {
        return WaitUntil([&] { return Transcript().find("> " + line) != std::string::npos; });
    }

    HWND ActiveView() const { return shell.ActiveView(); }
    void AnswerNextBox(bool yes, std::wstring* text = nullptr) { ASSERT_TRUE(shell.AnswerNextBox(yes, text)); }
    void ClickRow(int rowOnPage) { shell.ClickRow(rowOnPage); }
    int FinishMaker()
    {
        const int code = maker.WaitForExit(kShellTimeoutMs);
        EXPECT_EQ(Transcript().find("FAIL"), std::string::npos) << Transcript();
        return code;
    }

    CTempFolder root;
    fs::path folder;
    CShellSession shell;
    CProgramRun maker;
};

TEST_F(ExchangeEndToEndTest, FrameCommandsAreAnsweredByTheFrame)
{
    RunMaker(
        "start DEMO 3.25 1.0\n"
        // folder (none chosen), language, empty text, run mode, unit byte 1, 2, "6.30", record "0", launch 0, 4
        "expect 0 00 16\n"
        "expect 4 00 45 4E 00 00 30 00 01 02 36 2E 33 30 00 30 00 00 04\n"
        "text 3e\n"
        "expect-utf16 4 Done, unplug the device.\n"
        "text 0\n"
        "expect 4 00 00\n"
        "help Turn the ignition on\n"
        "question Proceed?\n"
        "expect 0 00 05\n"
        "expect 4 02\n"
        "code 05 01 02\n"
        "code 79\n"
        "end\n");
    ASSERT_TRUE(WaitForRequest("question"));
    std::wstring asked;
    AnswerNextBox(false, &asked);
    EXPECT_EQ(asked, L"Proceed?");
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true, &asked);  // the end of a diagnosis in Diagnose Mode
    EXPECT_EQ(asked, L"Done, unplug the device.");
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(shell.WaitForView(136)) << "the version view follows the end";
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, MenusArePagedChosenAndLeft)
{
    RunMaker(
        "start DEMO 3.25 1.0\n"
        "menu-numbered 5 10 40 Item\n"
        "expect 0 00 08\n"
        "log-utf16 8\n"
        "menu-numbered -1 0 3 Sub\n"
        "expect 0 00 08\n"
        "expect 4 FF FF 00 00\n"
        "end\n");
    ASSERT_TRUE(WaitForRequest("menu-numbered 5 10 40"));
    ASSERT_TRUE(shell.WaitForView(137));
    SendMessageW(ActiveView(), WM_COMMAND, 3003, 0);  // page down: rows from 10
    ClickRow(2);
    ASSERT_TRUE(WaitForRequest("menu-numbered -1 0 3"));
    // How many rows a page holds depends on the fonts; the answer must name the third row of the
    // second page and the page's first row, and the menu path must name that row's item.
    const std::string transcript = Transcript();
    const size_t answer = transcript.find("< ", transcript.find("> menu-numbered 5 10 40"));
    unsigned bytes[8] = {};
    ASSERT_EQ(std::sscanf(transcript.c_str() + answer, "< %x %x %x %x %x %x %x %x", &bytes[0], &bytes[1], &bytes[2],
                          &bytes[3], &bytes[4], &bytes[5], &bytes[6], &bytes[7]),
              8);
    const unsigned chosen = bytes[4] << 8 | bytes[5];
    const unsigned firstRow = bytes[6] << 8 | bytes[7];
    EXPECT_GT(firstRow, 0u);
    EXPECT_EQ(chosen, firstRow + 2);
    EXPECT_NE(transcript.find("text MENU_CHOOSEDItem " + std::to_string(chosen + 1) + "\n"), std::string::npos);
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);  // Back
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

// The bytes of a text and its terminator as a script writes them.
std::string HexText(const std::string& text)
{
    std::string hex;
    char byte[4];
    for (unsigned char c : text + '\0') {
        std::snprintf(byte, sizeof(byte), "%02X ", c);
        hex += byte;
    }
    return hex;
}

TEST_F(ExchangeEndToEndTest, AValueIsTypedCheckedAndAnsweredThenVersionsAreShown)
{
    RunMaker("start DEMO 3.25 1.0\n"
             "code 46 " + HexText("Enter the mileage") + HexText("Odometer") + HexText("") + HexText("9") +
             HexText("10") + HexText("20") + "\n"
             "expect 0 00 08\n"
             "expect 4 01 31 35 00\n"
             "code 32 00 02 " + HexText("") + HexText("Part number") + HexText("8E0") + HexText("Software") +
             HexText("0030") + "\n"
             "expect 0 00 05\n"
             "expect 4 01\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("code 46"));
    ASSERT_TRUE(shell.WaitForView(167));
    const HWND field = GetDlgItem(ActiveView(), 1029);
    ASSERT_NE(field, nullptr);
    for (wchar_t c : std::wstring(L"2x5"))  // the letter is refused by the digits rule
        SendMessageW(field, WM_CHAR, c, 1);
    // The build folder holds the snapshots; its "bin" ends in a separator.
    const fs::path screenshots = BuildProgramFolder().parent_path().parent_path() / "screenshots";
    EXPECT_TRUE(shell.SaveSnapshot(folder, screenshots / "input-screen.png"));
    shell.PostCommand(3004);
    std::wstring asked;
    AnswerNextBox(true, &asked);
    EXPECT_EQ(asked, L"Values over range!");
    for (wchar_t c : std::wstring(L"\b\b15"))
        SendMessageW(field, WM_CHAR, c, 1);
    ASSERT_TRUE(shell.Command(3004));
    ASSERT_TRUE(WaitForRequest("code 32"));
    ASSERT_TRUE(shell.WaitForView(158));
    // The list is drawn just after the switch, with the fallback title.
    ASSERT_TRUE(WaitUntil([&] {
        wchar_t title[64] = {};
        GetWindowTextW(ActiveView(), title, 64);
        return std::wstring(title) == L"Vehicle information";
    }));
    EXPECT_TRUE(shell.SaveSnapshot(folder, screenshots / "version-list-screen.png"));
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, ProgressIsAnsweredAtOnceAndAMessageBoxWaitsForItsKey)
{
    RunMaker(
        "start DEMO 3.25 1.0\n"
        // progress 50 "Writing", then 100 with an empty text: both answered 255 while nobody cancels
        "code 50 32 57 72 69 74 69 6e 67 00 00\n"
        "expect 0 00 05\n"
        "expect 4 ff\n"
        "code 50 64 00 01\n"
        "expect 4 ff\n"
        // a Yes/No box "Erase?": the user's No is the answer
        "code 3c 00 04 45 72 61 73 65 3f 00 00\n"
        "expect 0 00 05\n"
        "expect 4 04\n"
        // a polled OK box answers at once: nobody pressed OK
        "code 3c 00 09 4f 4b 3f 00 00\n"
        "expect 0 00 05\n"
        "expect 4 00\n"
        "end\n");
    ASSERT_TRUE(WaitForRequest("code 3c 00 04"));
    ASSERT_TRUE(shell.WaitForView(164));
    SendMessageW(ActiveView(), WM_COMMAND, 3013, 0);  // the second soft key: No
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, TroubleCodesAreShownAndLeftWithBack)
{
    RunMaker(
        "start DEMO 3.25 1.0\n"
        // two 6-byte keys, no database installed: each shows its last two bytes
        "code 0a 00 02 43 6F 64 65 73 00 00 00 00 00 AB 0C 00 00 00 00 00 00 CD 0E 00\n"
        "expect 0 00 05\n"
        "expect 4 0B\n"
        "end\n");
    ASSERT_TRUE(WaitForRequest("code 0a"));
    ASSERT_TRUE(shell.WaitForView(138));
    // The screen fills itself once it has been drawn; its title shows that it has.
    EXPECT_TRUE(WaitUntil([&] {
        wchar_t title[32] = {};
        GetWindowTextW(ActiveView(), title, 32);
        return std::wstring(title) == L"Codes";
    }));
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);  // Back
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, MalformedRequestsStayInsideTheFrameArea)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "DisplayDiagnoseData");
    ASSERT_NE(mapping, nullptr);
    auto* block = static_cast<uint8_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0x10000));
    ASSERT_NE(block, nullptr);
    block[0xFFFC] = 7;
    block[0xFFFD] = 7;
    block[0xFFFE] = 0x42;

    RunMaker(
        // texts that never end, up to the mailbox
        "fill 4 65528 41\n"
        "code ff\n"
        "fill 4 65528 41\n"
        "code 82\n"
        "fill 4 65528 41\n"
        "question\n"
        // a menu claiming 65535 items with one endless text
        "fill 10 65518 41\n"
        "raw 00 0A 00 00 FF FF 00 00 FF FF\n"
        "expect 4 FF FF\n"
        "text 0\n"
        "expect 4 00 00\n");
    ASSERT_TRUE(WaitForRequest("question"));
    AnswerNextBox(true);
    ASSERT_TRUE(WaitForRequest("raw"));
    ASSERT_TRUE(shell.WaitForView(137));
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_FALSE(shell.Process().HasExited());
    EXPECT_EQ(block[0xFFFC], 7) << "the key mailbox is never written by an answer";
    EXPECT_EQ(block[0xFFFD], 7);
    EXPECT_EQ(block[0xFFFE], 0x42);
    EXPECT_TRUE(ExchangeTokenCountIsOne());
    UnmapViewOfFile(block);
    CloseHandle(mapping);
}

// A script line the stand-in cannot read is reported with its number, and the diagnosis it started
// is ended, so the shell is not left on a screen no program answers.
TEST_F(ExchangeEndToEndTest, AMalformedScriptLineIsReportedAndEndsTheDiagnosis)
{
    RunMaker("start DEMO 3.25 1.0\n"
             "\n"
             "menu -1 0 Systems | Engine\n"
             "sleep soon\n"
             "text 1\n");
    ASSERT_TRUE(WaitForRequest("menu -1 0 Systems"));
    ASSERT_TRUE(shell.WaitForView(137));
    ClickRow(0);
    AnswerNextBox(true);  // the end of a diagnosis in Diagnose Mode says so
    EXPECT_EQ(maker.WaitForExit(kShellTimeoutMs), 1);
    const std::string transcript = Transcript();
    EXPECT_NE(transcript.find("FAIL line 4 is not a command this program knows: sleep soon"), std::string::npos)
        << transcript;
    EXPECT_NE(transcript.find("> end"), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("> text 1"), std::string::npos) << "nothing runs after the malformed line";
    EXPECT_TRUE(WaitUntil(&ExchangeTokenCountIsOne));
    EXPECT_TRUE(WaitUntil([this] { return !shell.IsActive(137); })) << "the menu no program answers is gone";
}

// A live-data request in the text form: option 0x80, local paging, `count` items.
std::string LiveDataFrame(int count)
{
    std::string bytes = std::string("\0\0\x14\x80\0\0", 6) + char(count >> 8) + char(count & 0xFF) + '\0' + "Engine" + '\0';
    for (int i = 0; i < count; ++i)
        bytes += "Item " + std::to_string(i) + '\0' + std::to_string(i * 10) + '\0' + "km/h" + '\0';
    bytes[0] = static_cast<char>(bytes.size() >> 8);
    bytes[1] = static_cast<char>(bytes.size() & 0xFF);
    std::string hex;
    char pair[4];
    for (unsigned char byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X ", byte);
        hex += pair;
    }
    return hex;
}

TEST_F(ExchangeEndToEndTest, LiveDataIsAnsweredAtOnceUntilTheUserLeaves)
{
    RunMaker("start DEMO 3.25 1.0\n"
             "raw " + LiveDataFrame(30) + "\n"
             "expect 0 00 05\n"
             "expect 4 FF\n"
             "repeat-until 4 0B 100000\n"
             "expect-key 1\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("raw"));
    ASSERT_TRUE(shell.WaitForView(161));
    SendMessageW(ActiveView(), WM_COMMAND, 3003, 0);  // page down: the key goes through the mailbox
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);  // Back: the next answer leaves the list
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}


TEST_F(ExchangeEndToEndTest, LiveDataIsRecordedIntoPlayback)
{
    RunMaker("start DEMO 3.25 1.0\n"
             "raw " + LiveDataFrame(3) + "\n"
             "repeat-until 4 0B 100000\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("raw"));
    ASSERT_TRUE(shell.WaitForView(161));
    SendMessageW(ActiveView(), WM_COMMAND, 3021, 0);  // Record
    SendMessageW(ActiveView(), WM_COMMAND, 3021, 0);  // Stop: filed
    SendMessageW(ActiveView(), WM_COMMAND, 3001, 0);  // Back
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    const std::string index = ReadFileBytes(folder / "Playback" / "EDSRecorder.0000");
    ASSERT_EQ(index.size(), 1024u) << "one index entry";
    std::wstring name;
    for (size_t i = 896; i + 1 < index.size() && index[i] != 0; i += 2)
        name += static_cast<wchar_t>(static_cast<unsigned char>(index[i]));
    ASSERT_FALSE(name.empty());
    const std::string recording = ReadFileBytes(folder / "Playback" / name);
    EXPECT_EQ(recording.substr(0, 4), std::string("\x03\0\0\0", 4)) << "three items";
    EXPECT_NE(recording.find("Item 2"), std::string::npos);
}

// An actuator test: the same two buttons and one row, waiting for the user (option FF) or answered
// at once (option 00).
std::string ActuatorFrame(const char* option)
{
    return std::string("raw 00 22 1E ") + option +
           " 00 02 54 00 4F 6E 00 00 00 00 00 4F 66 66 00 00 00 00 00 00 00 01 01 00 00 00 00 01 31 00 00";
}

TEST_F(ExchangeEndToEndTest, ActuatorTestButtonsAnswerOrTravelThroughTheMailbox)
{
    RunMaker("start DEMO 3.25 1.0\n" + ActuatorFrame("FF") + "\n"
             "expect 0 00 05\n"
             "expect 4 01\n" + ActuatorFrame("00") + "\n"
             "expect 4 FF\n"
             "question Press\n"
             "expect-key 1\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("raw 00 22 1E FF"));
    ASSERT_TRUE(shell.WaitForView(166));
    SendMessageW(ActiveView(), WM_COMMAND, 3018, 0);  // the second button answers its index
    ASSERT_TRUE(WaitForRequest("question"));
    SendMessageW(ActiveView(), WM_COMMAND, 3017, 0);  // key mode: key 1 through the mailbox
    AnswerNextBox(true);
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, ASpecialFunctionIsPolledUntilItsKeyIsPressed)
{
    RunMaker("start DEMO 3.25 1.0\n"
             // two buttons, one row of 6-byte keys, a text, the bar from 0 to 100
             "code 6e 00 02 " + HexText("Bleeding") + "01 00 00 00 00 07 00 01 00 00 00 00 08 02 00 00 01 "
             "01 00 00 00 00 01 " + HexText("40") + HexText("Open the valve") + "00 00 00 64 00 00\n"
             "expect 0 00 05\n"
             "expect 4 FF\n"
             "repeat-until 4 01 100000\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("code 6e"));
    ASSERT_TRUE(shell.WaitForView(10046));
    SendMessageW(ActiveView(), WM_COMMAND, 3018, 0);  // the second key travels with the next answer
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

TEST_F(ExchangeEndToEndTest, APictureIsAnsweredByAClickOnItsMarker)
{
    RunMaker("start DEMO 3.25 1.0\n"
             // Yes/No on a picture without a file name: a black area, the keys still answer
             "code 5a 00 04 " + HexText("") + HexText("Plug") + "01 00 32 00 32\n"
             "expect 0 00 05\n"
             "expect 4 03\n"
             "code 5a 00 01 " + HexText("") + HexText("") + "02 00 0A 00 0A 00 32 00 32\n"
             "expect 0 00 05\n"
             "expect 4 81\n"
             "end\n");
    ASSERT_TRUE(WaitForRequest("code 5a 00 04"));
    ASSERT_TRUE(shell.WaitForView(168));
    SendMessageW(ActiveView(), WM_COMMAND, 3012, 0);  // Yes
    ASSERT_TRUE(WaitForRequest("code 5a 00 01"));
    // A click on the second marker: the area's pixel (50 %, 50 %), reached through the view.
    const HWND area = GetDlgItem(ActiveView(), 1082);
    ASSERT_NE(area, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(area) != FALSE; }));
    RECT client = {};
    GetClientRect(area, &client);
    POINT point = {client.right / 2, client.bottom / 2};
    MapWindowPoints(area, ActiveView(), &point, 1);
    SendMessageW(ActiveView(), WM_COMMAND, MAKEWPARAM(1082, STN_CLICKED), reinterpret_cast<LPARAM>(area));
    SendMessageW(ActiveView(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    ASSERT_TRUE(WaitForRequest("end"));
    AnswerNextBox(true);
    EXPECT_EQ(FinishMaker(), 0) << Transcript();
    EXPECT_TRUE(ExchangeTokenCountIsOne());
}

}  // namespace
