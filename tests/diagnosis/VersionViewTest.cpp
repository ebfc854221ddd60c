#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <vector>

#include "../frame/FrameFixture.h"
#include "ConfigStore.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "ProgramRun.h"
#include "SharedHandles.h"
#include "LaunchLink.h"
#include "SimulatorRun.h"
#include "TextConversion.h"
#include "VersionView.h"
#include "WifiNetworks.h"

namespace {

namespace fs = std::filesystem;

std::string Utf8(const std::wstring& text)
{
    const NarrowBuffer narrow = WideToUtf8(text.c_str());
    return narrow ? narrow.get() : "";
}

class VersionViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        std::ofstream(programFolder / "Config.xml")
            << "<CONFIG><COMMON><LANGUAGE CURMODE=\"EN\" /><WIFI SSID=\"KORVE\" /></COMMON></CONFIG>";
        ASSERT_TRUE(LoadConfigDocument((programFolder / "Config.xml").c_str()));
        maker = programFolder / "Scan" / "EU" / "ALFA";
        ResSetMakerDir(maker.wstring() + L"\\");
        ResSetMakerName(L"Alfa");
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            boxes.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        ResSetRunModeFlag(L"0");
        ResSetDiagDebug(0);
        ResSetMakerList({});
        ResSetRecordFlag("0");
        UseWifiAnswerForTest({});
        CLaunchLink::SetPauseScaleForTest(100);
        SetDiagProgramProcess(nullptr);
        MainFrameTest::TearDown();
    }

    void AddVersion(const std::string& folder, const std::string& description)
    {
        fs::create_directories(maker / folder);
        std::ofstream(maker / folder / "EN.txt", std::ios::binary) << description;
    }

    CVersionView& Show()
    {
        frame->SwitchView(136, 1);
        auto& view = *static_cast<CVersionView*>(frame->View(136));
        view.ListVersionsNow();
        return view;
    }

    // Lets timers and messages run until `done` or the time is up.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 30000)
    {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < timeoutMs) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(5);
        }
        return done();
    }

    // Whether a launch step still waits on its timer (the check removes it).
    bool StepArmed(const CVersionView& view, UINT_PTR step) const { return KillTimer(view.Handle(), step) != FALSE; }
    bool ListEnabled(const CVersionView& view) const { return IsWindowEnabled(GetDlgItem(view.Handle(), 1006)) != FALSE; }

    // The interface simulated behind the stand-in library, "LINK.bin" beside the program, the PC on
    // the interface's network, and the steps' pauses short.
    void PrepareInterface(CSimulatorRun& simulator, const std::string& control)
    {
        ASSERT_TRUE(simulator.WaitUntilListening());
        simulator.SetControl(control);
        fs::copy_file(BuildProgramFolder() / "Link.dll", programFolder / "Link.dll");
        linkImage.assign(3328 + 100, '\0');
        for (size_t i = 0; i < linkImage.size(); ++i)
            linkImage[i] = static_cast<char>(i * 7 + 3);
        std::ofstream(programFolder / "LINK.bin", std::ios::binary) << linkImage;
        UseWifiAnswerForTest([](const std::string& ssid) { return ssid == "KORVE"; });
        CLaunchLink::SetPauseScaleForTest(1);
        ResSetRunModeFlag(L"0");
    }
    std::string linkImage;  // the "LINK.bin" that PrepareInterface wrote

    fs::path maker;
    std::vector<std::wstring> boxes;
};

TEST_F(VersionViewTest, ListsVersionsNewestFirstAndSkipsBrokenOnes)
{
    AddVersion("A", "V9.8\nOld");
    AddVersion("B", "V10.1 first\r\nNew");
    const std::u16string second = u"V10.1 second";
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : second)
        utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    AddVersion("C", utf16);
    AddVersion("D", "\nno version line");
    fs::create_directories(maker / "E");  // no description at all
    AddVersion("F", "V11.0\n" + std::string(1u << 20, 'x'));  // larger than any description: unreadable
    AddVersion("G", "V12.0\n");
    HANDLE locked = CreateFileW((maker / "G" / "EN.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    CVersionView& view = Show();
    CloseHandle(locked);
    const auto versions = view.ListedVersions();
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(versions[2], L"  V9.8");
    EXPECT_EQ(versions[0].substr(0, 7), L"  V10.1");
    EXPECT_EQ(versions[1].substr(0, 7), L"  V10.1");
    ASSERT_EQ(boxes.size(), 1u) << "descriptions that cannot be read are skipped without a word";
    EXPECT_NE(boxes[0].find(L"D\\EN.txt: bad format"), std::wstring::npos);
    // The newest version is chosen at once: the software folder is one of the two V10.1 folders.
    const std::wstring software = ResGetSoftwareDir();
    EXPECT_TRUE(software == maker.wstring() + L"\\B\\" || software == maker.wstring() + L"\\C\\") << software;
}

TEST_F(VersionViewTest, VersionsStandInTallRowsEachClosedByAnEtchedLine)
{
    AddVersion("A", "V1.0\n");
    AddVersion("B", "V2.0\n");
    CVersionView& view = Show();
    const HWND list = GetDlgItem(view.Handle(), 1006);
    ASSERT_EQ(view.ListedVersions().size(), 2u);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 28);
    RECT row = {};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CClientDc dc(list);
    int shadow = 0;
    for (int x = row.left; x < row.right; ++x)
        shadow += GetPixel(dc.Get(), x, row.bottom - 2) == GetSysColor(COLOR_BTNSHADOW);
    EXPECT_GT(shadow, (row.right - row.left) / 2);
}

TEST_F(VersionViewTest, RecordBoxFollowsTheMakersGroupFile)
{
    AddVersion("V1", "V1.0\n");
    for (const auto& [value, shown] : {std::pair{"TRUE", true}, {"yes", false}}) {
        std::ofstream(maker / "Group.ini") << "[Group]\r\nLogging_Supported=" << value << "\r\n";
        frame->SwitchView(131, 1);
        Show();
        EXPECT_EQ(IsWindowVisible(GetDlgItem(frame->View(136)->Handle(), 1176)) != FALSE, shown) << value;
    }
}

TEST_F(VersionViewTest, HelpDocumentNeedsTheFileAndTheReader)
{
    AddVersion("V12.34", "V12.34\n");
    std::ofstream(maker / "V12.34" / "V12_EN.pdf") << "%PDF";
    EXPECT_TRUE(Show().HelpDocument().empty()) << "no reader installed";
    fs::create_directories(programFolder / "tools" / "PDF");
    fs::copy_file(BuildProgramFolder() / "PDFReader.exe", programFolder / "tools" / "PDF" / "PDFReader.exe");
    frame->SwitchView(131, 1);
    CVersionView& view = Show();
    const std::wstring document = (maker / "V12.34").wstring() + L"\\\\V12_EN.pdf";
    EXPECT_EQ(view.HelpDocument(), document);

    // Help starts the reader and hands it the caption, then the document, and the document view shows.
    view.SendMsg(WM_COMMAND, MAKEWPARAM(1123, BN_CLICKED), 0);
    const std::string log = ReadFileBytes(programFolder / "tools" / "PDF" / "pdfreader.log");
    EXPECT_EQ(log, "started\ntext " + Utf8(frame->GetText()) + "\ntext " + Utf8(document) + "\n");
    EXPECT_EQ(frame->CurrentViewId(), 491);
    if (HWND reader = FindWindowW(nullptr, L"PDFReader"))
        SendMessageW(reader, WM_APP + 0x6F2, 6, 1);
}

TEST_F(VersionViewTest, AnUnreadableDescriptionShowsNoTextOfTheVersionBefore)
{
    const auto itemText = [](HWND view, int id) {
        wchar_t text[256] = {};
        GetDlgItemTextW(view, id, text, 256);
        return std::wstring(text);
    };
    // How the selected version's description became unreadable after the listing.
    const std::vector<std::pair<const char*, std::function<HANDLE(const fs::path&)>>> cases = {
        {"removed", [](const fs::path& file) { fs::remove(file); return INVALID_HANDLE_VALUE; }},
        {"locked", [](const fs::path& file) {
             return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
        {"emptied", [](const fs::path& file) { std::ofstream(file, std::ios::trunc); return INVALID_HANDLE_VALUE; }},
    };
    for (const auto& [how, spoil] : cases) {
        fs::remove_all(maker);
        AddVersion("NEW", "V2.0\nThe newer text");
        AddVersion("OLD", "V1.0\nThe older text");
        frame->SwitchView(131, 1);
        CVersionView& view = Show();
        ASSERT_EQ(itemText(view.Handle(), 1005), L"The newer text") << how;
        const HANDLE held = spoil(maker / "OLD" / "EN.txt");
        view.SelectVersion(1);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        EXPECT_EQ(ResGetSoftwareDir(), maker.wstring() + L"\\OLD\\") << how;
        EXPECT_EQ(itemText(view.Handle(), 1005), L"") << how;
        EXPECT_EQ(itemText(view.Handle(), 1012), L"") << how;
    }
}

TEST_F(VersionViewTest, AMissingProgramStopsTheLaunch)
{
    AddVersion("V1", "V1.0\n");
    ResSetRunModeFlag(L"1");
    CVersionView& view = Show();
    view.OnAccept();
    EXPECT_EQ(view.StatusText(), L"  Diagnostic program MAKER.exe not found!");
    EXPECT_EQ(boxes, (std::vector<std::wstring>{L"Run Mode : Demo"}));
}

TEST_F(VersionViewTest, WithTheDebugFlagTheProgramIsLeftToTheDeveloper)
{
    AddVersion("V1", "V1.0\n");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", maker / "V1" / "MAKER.exe");
    ResSetRunModeFlag(L"1");
    ResSetDiagDebug(1);
    CVersionView& view = Show();
    view.OnAccept();
    const HWND list = GetDlgItem(view.Handle(), 1006);
    EXPECT_FALSE(IsWindowEnabled(list)) << "no second start while one is under way";
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(list) != FALSE; }));
    EXPECT_EQ(view.StatusText(), L"\u4E0B\u4F4D\u673A\u4E0B\u8F7D\u6210\u529F!\u8BF7\u7528VC\u542F\u52A8\u8BCA\u65AD\u7A0B\u5E8F...");
    EXPECT_EQ(DiagProgramProcess(), nullptr);
    EXPECT_FALSE(fs::exists(maker / "V1" / "maker-transcript.txt")) << "nothing was started";
}

// The launch runs over timers: a second Accept before it ends (a slow interface) must neither ask
// again nor start a second diagnostic program that nothing would ever end.
TEST_F(VersionViewTest, OneLaunchAtATime)
{
    AddVersion("V1", "V1.0\n");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", maker / "V1" / "MAKER.exe");
    ResSetRunModeFlag(L"1");
    ResSetDiagDebug(1);
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    view.SendMsg(WM_COMMAND, 3004);
    view.SendMsg(WM_COMMAND, MAKEWPARAM(1006, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(view.Handle(), 1006)));
    EXPECT_EQ(boxes.size(), 1u) << "the second press found the launch under way";
    const HWND list = GetDlgItem(view.Handle(), 1006);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(list) != FALSE; }));
    view.SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(boxes.size(), 2u) << "a launch that ended allows the next";
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(list) != FALSE; }));
}

TEST_F(VersionViewTest, DemoLaunchRunsTheDiagnosticProgramToItsEnd)
{
    SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, L"hSemaphore"));
    ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
    AddVersion("V1", "V1.0\n");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", maker / "V1" / "MAKER.exe");
    std::ofstream(maker / "V1" / "maker-script.txt")
        << "start DEMO 3.25 1.0\n"
        << "expect-text 4 " << (maker / "V1").string() << "\n"
        << "end\n";
    ResSetRunModeFlag(L"1");
    CVersionView& view = Show();
    view.OnAccept();
    ASSERT_TRUE(PumpUntil([] { return DiagProgramProcess() != nullptr; })) << view.StatusText();
    HANDLE program = nullptr;
    DuplicateHandle(GetCurrentProcess(), DiagProgramProcess(), GetCurrentProcess(), &program, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    ASSERT_TRUE(PumpUntil([&] { return WaitForSingleObject(program, 0) == WAIT_OBJECT_0; }));
    DWORD exitCode = 99;
    GetExitCodeProcess(program, &exitCode);
    CloseHandle(program);
    EXPECT_EQ(exitCode, 0u) << ReadFileBytes(maker / "V1" / "maker-transcript.txt");
    EXPECT_EQ(DiagProgramProcess(), nullptr) << "the end of the diagnosis forgets the program";
    EXPECT_EQ(frame->CurrentViewId(), 136);
    EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0);
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}

TEST_F(VersionViewTest, DiagnoseLaunchLoadsTheInterfaceProgramAndAnnouncesTheGroup)
{
    CSimulatorRun simulator(programFolder / "simulator");
    PrepareInterface(simulator, "");
    SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, L"hSemaphore"));
    ASSERT_TRUE(frame->MakerView().CreateSharedMemory());

    AddVersion("HONDAPRO", "V1.0\n");  // the software folder's name gives the maker group
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", maker / "HONDAPRO" / "MAKER.exe");
    std::ofstream(maker / "HONDAPRO" / "maker-script.txt") << "start DEMO 3.25 1.0\nend\n";
    ResSetRunModeFlag(L"0");
    CVersionView& view = Show();
    view.OnAccept();
    ASSERT_TRUE(PumpUntil([] { return DiagProgramProcess() != nullptr; })) << view.StatusText();
    HANDLE program = nullptr;
    DuplicateHandle(GetCurrentProcess(), DiagProgramProcess(), GetCurrentProcess(), &program, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    ASSERT_TRUE(PumpUntil([&] { return WaitForSingleObject(program, 0) == WAIT_OBJECT_0; }));
    CloseHandle(program);

    EXPECT_TRUE(simulator.Image() == linkImage) << "the interface holds LINK.bin byte for byte";
    EXPECT_TRUE(simulator.WaitForLogLine("group 3"));
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), L"Operation is completed, please pull out the Nuthawk!"), boxes.end());
}

// Leaving the view while a launch waits on its timers ends the launch: nothing is loaded or
// started behind the next view, and the next visit can launch again.
enum class LEAVE_BY { Back, RegionTab, TopBar };

struct LeaveCase {
    const char* name;
    LEAVE_BY way;
};

class VersionViewLeaveTest : public VersionViewTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(VersionViewLeaveTest, LeavingCancelsTheLaunch)
{
    ResSetMakerList({L"Europe", L"Asia"});
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "never started: the debug flag leaves it to the developer";
    ResSetRunModeFlag(L"1");
    ResSetDiagDebug(1);
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    ASSERT_EQ(view.StatusText(), L"Downloading communication program...");
    switch (GetParam().way) {
    case LEAVE_BY::Back:
        view.SendMsg(WM_COMMAND, 3001);
        break;
    case LEAVE_BY::RegionTab: {
        CBmpBtn* tab = frame->MiddleLeftBar().GetButton(1);
        ASSERT_NE(tab, nullptr);
        frame->MiddleLeftBar().SendMsg(WM_COMMAND, MAKEWPARAM(1091, BN_CLICKED), reinterpret_cast<LPARAM>(tab->Handle()));
        break;
    }
    case LEAVE_BY::TopBar:
        frame->TopBar().SendMsg(WM_COMMAND, MAKEWPARAM(1102, BN_CLICKED), 0);
        break;
    }
    ASSERT_NE(frame->CurrentViewId(), 136);
    EXPECT_FALSE(StepArmed(view, 1)) << "the interface step would run behind the next view";
    EXPECT_FALSE(StepArmed(view, 2)) << "the start would run behind the next view";

    frame->SwitchView(131, 1);
    Show();
    const size_t asked = boxes.size();
    view.SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(boxes.size(), asked + 1) << "the launch that was left is over; a new one asks again";
    EXPECT_TRUE(PumpUntil([&] { return ListEnabled(view); })) << "and runs to its end";
    EXPECT_EQ(DiagProgramProcess(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, VersionViewLeaveTest, ::testing::Values(
    LeaveCase{"Back", LEAVE_BY::Back}, LeaveCase{"RegionTab", LEAVE_BY::RegionTab}, LeaveCase{"TopBar", LEAVE_BY::TopBar}),
    [](const auto& c) { return std::string(c.param.name); });

// The Wi-Fi question is open while the user goes elsewhere: its answer belongs to a launch that is
// over, and changes neither the run mode nor starts anything.
TEST_F(VersionViewTest, AnAnswerGivenAfterLeavingStartsNothing)
{
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "never started";
    UseWifiAnswerForTest([](const std::string&) { return false; });
    ResSetRunModeFlag(L"0");
    CVersionView& view = Show();
    const std::wstring question = L"Connect Nuthawk failed, Please make sure WIFI connected correctly.";
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        boxes.push_back(box.text);
        if (box.text == question)
            view.SendMsg(WM_COMMAND, 3001);
        return IDOK;
    });
    view.SendMsg(WM_COMMAND, 3004);
    ASSERT_EQ(std::count(boxes.begin(), boxes.end(), question), 1);
    EXPECT_NE(frame->CurrentViewId(), 136);
    EXPECT_EQ(ResGetRunModeFlag(), L"0") << "Demo Mode was answered for a launch that had ended";
    EXPECT_FALSE(StepArmed(view, 1));
    EXPECT_EQ(DiagProgramProcess(), nullptr);
}

// A diagnostic program that ends before its start-of-diagnosis request is never forgotten by the
// end of a diagnosis; it must not hold off the next launch.
TEST_F(VersionViewTest, AProgramThatEndedEarlyDoesNotBlockTheNextLaunch)
{
    SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, L"hSemaphore"));
    ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
    AddVersion("V1", "V1.0\n");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", maker / "V1" / "MAKER.exe");
    std::ofstream(maker / "V1" / "maker-script.txt") << "sleep 0\n";  // ends without a request
    ResSetRunModeFlag(L"1");
    CVersionView& view = Show();
    const auto launchAndWaitForTheEnd = [&]() -> DWORD {
        view.SendMsg(WM_COMMAND, 3004);
        if (!PumpUntil([] { return DiagProgramProcess() != nullptr; }))
            return 0;
        const DWORD id = GetProcessId(DiagProgramProcess());
        EXPECT_EQ(WaitForSingleObject(DiagProgramProcess(), 30000), WAIT_OBJECT_0);
        return id;
    };
    const DWORD first = launchAndWaitForTheEnd();
    ASSERT_NE(first, 0u) << view.StatusText();
    ASSERT_NE(DiagProgramProcess(), nullptr) << "nothing told the shell that the program ended";
    const DWORD second = launchAndWaitForTheEnd();
    EXPECT_NE(second, 0u) << view.StatusText();
    EXPECT_NE(second, first) << "a second program was started";
}

// The Record tick belongs to the maker whose box shows it; a maker without recording gets "0".
TEST_F(VersionViewTest, TheStartAnswerCarriesTheRecordTickTheUserSees)
{
    AddVersion("V1", "V1.0\n");
    const auto showWithLogging = [&](const char* supported) -> CVersionView& {
        std::ofstream(maker / "Group.ini") << "[Group]\r\nLogging_Supported=" << supported << "\r\n";
        frame->SwitchView(131, 1);
        return Show();
    };
    CVersionView& view = showWithLogging("true");
    const HWND box = GetDlgItem(view.Handle(), 1176);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    view.SendMsg(WM_COMMAND, MAKEWPARAM(1176, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(ResGetRecordFlag(), L"1");
    showWithLogging("false");
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_EQ(ResGetRecordFlag(), L"0") << "a tick the user can neither see nor clear";
    showWithLogging("true");
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ResGetRecordFlag(), L"1") << "the tick shows again, and counts again";
}

// The ways a launch fails, each against the simulated interface or a program that cannot run.
TEST_F(VersionViewTest, AFailedResetIsToldAndTheListComesBack)
{
    CSimulatorRun simulator(programFolder / "simulator");
    PrepareInterface(simulator, "fault no-device\n");
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "never started";
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(L"Reset failed!", 0), 0u) << std::string(boxes[0].begin(), boxes[0].end());
    EXPECT_TRUE(ListEnabled(view));
    EXPECT_EQ(view.StatusText(), L"");
    EXPECT_FALSE(StepArmed(view, 1));
    EXPECT_EQ(DiagProgramProcess(), nullptr);
}

TEST_F(VersionViewTest, ARefusedDownloadIsToldAndTheListComesBack)
{
    CSimulatorRun simulator(programFolder / "simulator");
    PrepareInterface(simulator, "version 0x0103\n");  // no program in the interface, no download taken
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "never started";
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    ASSERT_TRUE(PumpUntil([&] { return ListEnabled(view); })) << view.StatusText();
    EXPECT_EQ(view.StatusText(), L"Communication program running failed!");
    KeepSnapshot(L"version-view-download-refused.png");
    EXPECT_EQ(SendDlgItemMessageW(view.Handle(), 1009, PBM_GETPOS, 0, 0), 0);
    EXPECT_TRUE(simulator.Image().empty()) << "nothing was loaded";
    EXPECT_FALSE(StepArmed(view, 2));
    EXPECT_EQ(DiagProgramProcess(), nullptr);
}

TEST_F(VersionViewTest, NoToTheWifiQuestionEndsTheLaunch)
{
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "never started";
    UseWifiAnswerForTest([](const std::string&) { return false; });
    ResSetRunModeFlag(L"0");
    SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
        boxes.push_back(box.text);
        return IDCANCEL;
    });
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    ASSERT_EQ(boxes, (std::vector<std::wstring>{L"Connect Nuthawk failed, Please make sure WIFI connected correctly."}));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(view.Handle(), 1008)));
    EXPECT_EQ(ResGetRunModeFlag(), L"0");
    EXPECT_TRUE(ListEnabled(view));
    EXPECT_FALSE(StepArmed(view, 1));
    view.SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(boxes.size(), 2u) << "the next Accept asks again";
}

TEST_F(VersionViewTest, AProgramThatCannotStartIsToldWithItsErrorCode)
{
    AddVersion("V1", "V1.0\n");
    std::ofstream(maker / "V1" / "MAKER.exe") << "no program at all";
    ResSetRunModeFlag(L"1");
    CVersionView& view = Show();
    view.SendMsg(WM_COMMAND, 3004);
    const std::wstring failed = L"Launching the diagnostic program failed!";
    ASSERT_TRUE(PumpUntil([&] { return view.StatusText().find(failed) != std::wstring::npos; })) << view.StatusText();
    const std::wstring status = view.StatusText();
    const std::wstring code = status.substr(0, status.size() - failed.size());
    EXPECT_FALSE(code.empty());
    EXPECT_EQ(code.find_first_not_of(L"0123456789"), std::wstring::npos) << std::string(status.begin(), status.end());
    EXPECT_EQ(DiagProgramProcess(), nullptr);
    EXPECT_FALSE(ListEnabled(view)) << "the list stays disabled after a failed start";
}

}  // namespace
