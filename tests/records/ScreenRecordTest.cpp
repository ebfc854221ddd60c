// The recording page with the recorder stand-in in the program folder: the controls reaching the
// recorder, bounded waits for a recorder that is missing, never shows up or does not listen, the
// restart rule of long recordings, and the list of recordings handed to the replay view.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "../frame/FrameFixture.h"
#include "DataRecordView.h"
#include "GifEncoder.h"
#include "ProgramRun.h"
#include "RecorderWindows.h"
#include "RecordingList.h"
#include "ReplaygifView.h"
#include "ScreenRecordDlg.h"
#include "SharedHandles.h"

namespace fs = std::filesystem;

namespace {

class ScreenRecordTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetRecorderFinishBound(5000);  // a deaf recorder is given up on sooner than in the program
    }
    void TearDown() override
    {
        if (CScreenRecordDlg* panel = Panel(); panel && panel->Button(CScreenRecordDlg::kStop) &&
                                               panel->Button(CScreenRecordDlg::kStop)->IsEnabled())
            panel->OnStop();  // a recorder left running would outlive the test
        SetRecorderFinishBound(kProgramFinishBound);
        MainFrameTest::TearDown();
    }
    const DWORD kProgramFinishBound = RecorderFinishBound();

    fs::path RecorderFolder() const { return programFolder.Path() / "tools" / "DataRecord"; }

    void InstallRecorder(const std::string& arguments = "")
    {
        fs::create_directories(RecorderFolder());
        fs::copy_file(BuildProgramFolder() / "ScreenRecorder.exe", RecorderFolder() / "ScreenRecorder.exe");
        if (!arguments.empty())
            std::ofstream(RecorderFolder() / "ScreenRecorder.args") << arguments;
    }

    CScreenRecordDlg* ShowPage()
    {
        frame->SwitchView(CDataRecordView::kViewId, SW_SHOW);
        return Panel();
    }

    CScreenRecordDlg* Panel() const
    {
        auto* view = frame ? dynamic_cast<CDataRecordView*>(frame->View(CDataRecordView::kViewId)) : nullptr;
        return view ? view->Panel() : nullptr;
    }

    bool Enabled(int id) const { return Panel()->Button(id)->IsEnabled(); }
    // A click on one of the panel's buttons, as the button tells its parent.
    void Click(int id) const
    {
        CBmpBtn* button = Panel()->Button(id);
        ASSERT_NE(button, nullptr);
        Panel()->SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
    }
    bool Shown(int id) const { return Panel()->Button(id)->IsVisible(); }

    std::string RecorderLog() const { return ReadFileBytes(RecorderFolder() / "ScreenRecorder.log"); }
};

TEST_F(ScreenRecordTest, StartPauseResumeStopReachTheRecorderAndTheRecordingIsListed)
{
    InstallRecorder();
    CScreenRecordDlg* panel = ShowPage();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStart));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kList));  // nothing recorded yet

    Click(CScreenRecordDlg::kStart);
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kStart));
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kPause));
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStop));
    Panel()->SendMsg(WM_TIMER, 2, 0);  // the hourly check within the first hour restarts nothing
    Click(CScreenRecordDlg::kPause);
    EXPECT_TRUE(Shown(CScreenRecordDlg::kResume));
    EXPECT_FALSE(Shown(CScreenRecordDlg::kPause));
    Click(CScreenRecordDlg::kResume);
    Click(CScreenRecordDlg::kPause);
    Click(CScreenRecordDlg::kStop);

    EXPECT_EQ(RecorderLog(), "control 0\ncontrol 1\ncontrol 2\ncontrol 1\ncontrol 3\n");
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStart));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kStop));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kPause));  // idle again: pause shown but disabled
    EXPECT_TRUE(Shown(CScreenRecordDlg::kPause));
    EXPECT_FALSE(Shown(CScreenRecordDlg::kResume));
    EXPECT_EQ(RecorderProcess(), nullptr);

    Click(CScreenRecordDlg::kList);
    ASSERT_EQ(panel->Recordings().size(), 1u);
    EXPECT_EQ(panel->Recordings()[0].substr(0, 3), L"REC");
    auto* replay = dynamic_cast<CReplaygifView*>(frame->View(CReplaygifView::kViewId));
    ASSERT_NE(replay, nullptr);
    EXPECT_TRUE(Visible(*replay));
    EXPECT_EQ(replay->Recordings(), panel->Recordings());
}

TEST_F(ScreenRecordTest, TheFirstShowHasPauseInItsPlaceDisabledAndResumeHidden)
{
    InstallRecorder();
    ASSERT_NE(ShowPage(), nullptr);
    EXPECT_TRUE(Shown(CScreenRecordDlg::kPause));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kPause));
    EXPECT_FALSE(Shown(CScreenRecordDlg::kResume)) << "resume lies over pause";
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStart));
    // Four places across the whole page, with equal gaps around them.
    const int width = Panel()->ClientRect().right;
    const SIZE face = ProgramBitmapSize(409);
    const int gap = (width - 4 * face.cx) / 5;
    const struct {
        int id, slot;
    } places[] = {{CScreenRecordDlg::kStart, 0}, {CScreenRecordDlg::kPause, 1}, {CScreenRecordDlg::kResume, 1},
                  {CScreenRecordDlg::kStop, 2}, {CScreenRecordDlg::kList, 3}};
    for (const auto& place : places) {
        const RECT button = InFrame(Panel()->Handle(), Panel()->Button(place.id)->Handle());
        EXPECT_EQ(button.left, (place.slot + 1) * gap + place.slot * face.cx) << place.id;
    }
    KeepSnapshot(L"screen-record-panel.png");
}

// The recorder takes its time to write a long recording after the stop; Stop waits for it to
// close its window instead of ending it half written.
TEST_F(ScreenRecordTest, StopLetsTheRecorderFinishWritingTheRecording)
{
    InstallRecorder("--finish-ms 1500");
    ASSERT_NE(ShowPage(), nullptr);
    Click(CScreenRecordDlg::kStart);
    ASSERT_TRUE(Enabled(CScreenRecordDlg::kStop));
    Click(CScreenRecordDlg::kStop);
    EXPECT_EQ(RecorderProcess(), nullptr);
    const std::vector<std::wstring> names = ListRecordingNames(RecordingFolder());
    ASSERT_EQ(names.size(), 1u) << "the recording was lost";
    const std::vector<uint8_t> written = EncodeColourCycleGif(64, 48, {0xFF0000, 0x00FF00, 0x0000FF}, 20);
    EXPECT_EQ(fs::file_size(programFolder.Path() / "SCREENRECORD" / (names[0] + L".gif")), written.size());
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kList));
}

// Only a running recording is restarted by the hourly timer; after a failed start nothing is left
// to tick an hour later.
TEST_F(ScreenRecordTest, TheRestartTimerIsArmedOnlyForARecordingThatRuns)
{
    InstallRecorder("--no-window");
    CScreenRecordDlg* panel = ShowPage();
    ASSERT_NE(panel, nullptr);
    int boxes = 0;
    SetModalAnswerer([&](const MODAL_BOX&) -> std::optional<int> {
        ++boxes;
        return IDOK;
    });
    panel->OnStart();
    EXPECT_EQ(boxes, 1) << "the recorder was not found";
    EXPECT_FALSE(KillTimer(panel->Handle(), 2)) << "the restart timer is armed after a failed start";

    fs::remove(RecorderFolder() / "ScreenRecorder.args");
    Click(CScreenRecordDlg::kStart);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(KillTimer(panel->Handle(), 2)) << "a running recording is restarted every hour";
}

TEST_F(ScreenRecordTest, WithoutTheRecorderProgramStartIsDisabled)
{
    ASSERT_NE(ShowPage(), nullptr);
    ASSERT_EQ(frame->MiddleLeftBar().GetItemCount(), 1) << "the page's own item on the middle-left bar";
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(0).name, L"Screen recording");
    ASSERT_NE(frame->MiddleLeftBar().GetButton(0), nullptr);
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kStart));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kStop));
}

TEST_F(ScreenRecordTest, ARecorderThatNeverShowsItsWindowIsReportedAndThePanelStaysIdle)
{
    InstallRecorder("--no-window");
    CScreenRecordDlg* panel = ShowPage();
    ASSERT_NE(panel, nullptr);
    std::wstring said;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        said = box.text;
        return IDOK;
    });
    panel->OnStart();
    EXPECT_NE(said.find(L"tools\\DataRecord\\ScreenRecorder.exe"), std::wstring::npos) << said;
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStart));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kPause));
    EXPECT_FALSE(Enabled(CScreenRecordDlg::kStop));
}

TEST_F(ScreenRecordTest, StartingAgainOverADeafRecorderGivesUpAskingAndEndsItsProcess)
{
    InstallRecorder("--deaf");
    CScreenRecordDlg* panel = ShowPage();
    ASSERT_NE(panel, nullptr);
    panel->OnStart();
    panel->OnStart();  // the old recorder keeps its window: the stop rounds are bounded, then it is ended
    const std::string log = RecorderLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), '3'), 10) << log;
    EXPECT_EQ(log.substr(0, 10), "control 0\n");
    EXPECT_EQ(log.substr(log.size() - 10), "control 0\n");
    EXPECT_TRUE(Enabled(CScreenRecordDlg::kStop));
}

TEST(ScreenRecordRestart, ARecordingIsRestartedOnceAnHourHasPassedOnTheClock)
{
    const struct {
        int startHour, startMinute, nowHour, nowMinute;
        bool restart;
    } cases[] = {
        {10, 30, 11, 31, true},  {10, 30, 11, 30, false}, {10, 30, 10, 59, false},
        {10, 59, 12, 0, false},  {10, 59, 13, 0, true},   {23, 30, 0, 45, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CScreenRecordDlg::NeedsRestart(c.startHour, c.startMinute, c.nowHour, c.nowMinute), c.restart)
            << c.startHour << ":" << c.startMinute << " " << c.nowHour << ":" << c.nowMinute;
}

TEST(RecordingList, OnlyPicturesAreListedEachUpToItsFirstDot)
{
    CTempFolder folder;
    for (const char* name : {"b.gif", "a.b.gif", "c.txt", "d.GIF"})
        std::ofstream(folder.Path() / name) << "x";
    fs::create_directories(folder.Path() / "e.gif");
    const std::vector<std::wstring> names = ListRecordingNames(folder.Path().wstring());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()), (std::set<std::wstring>{L"a", L"b", L"d"}));
    EXPECT_TRUE(ListRecordingNames((folder.Path() / "none").wstring()).empty());
}

}  // namespace
