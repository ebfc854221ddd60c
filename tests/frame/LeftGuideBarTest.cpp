// The left guide bar's Update command: the button at the foot of the item column, the leave
// question of a running diagnosis, the update view and the updater's start, and the button coming
// back after the attempt.
#include "BarsFixture.h"

#include <fstream>

#include "LeftGuideBar.h"
#include "Update.h"

namespace {

namespace fs = std::filesystem;

class LeftGuideBarTest : public BarsFixture {
protected:
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(updateFolder, ignored);
        BarsFixture::TearDown();
    }

    CLeftGuideBar& guide() { return frame->LeftGuideBar(); }
    CBmpButton& button() { return guide().UpdateButton(); }
    void PressUpdate()
    {
        guide().SendMsg(WM_COMMAND, MAKEWPARAM(CLeftGuideBar::kUpdateId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button().Handle()));
    }
    bool WaitForTheAttempt()
    {
        const DWORD start = GetTickCount();
        while (CUpdate::IsStartPending() && GetTickCount() - start < 10000)
            Pump();
        return !CUpdate::IsStartPending();
    }

    // The updater is looked for beside the running program: here, the test's own folder.
    fs::path updateFolder = BuildProgramFolder() / "Update";
};

TEST_F(LeftGuideBarTest, TheButtonSitsUnderTheItemColumnWhereverTheBarsAreShown)
{
    frame->SwitchView(295, 1);  // the settings fill all seven item buttons
    ASSERT_TRUE(Visible(guide()));
    const RECT column = InFrame(frame->Handle(), frame->MiddleLeftBar().Handle());
    const RECT place = InFrame(frame->Handle(), guide().Handle());
    const RECT lastItem = InFrame(frame->Handle(), frame->MiddleLeftBar().GetButton(6)->Handle());
    EXPECT_GE(place.top, lastItem.bottom) << "under the last item";
    EXPECT_LE(place.bottom, column.bottom);
    EXPECT_GE(place.left, column.left);
    EXPECT_LE(place.right, column.right);
    EXPECT_EQ(place.right - place.left, 131);
    EXPECT_EQ(place.bottom - place.top, 60);
    EXPECT_TRUE(button().IsEnabled());
    KeepSnapshot(L"frame-update-button.png");
    frame->SwitchView(286, 1);
    EXPECT_FALSE(Visible(guide())) << "the home page lies over every bar";
    frame->SwitchView(446, 1);
    EXPECT_TRUE(Visible(guide()));
}

TEST_F(LeftGuideBarTest, TheCommandStaysReachableWhileTheOtherBarsAreDisabled)
{
    frame->SwitchView(295, 1);
    frame->MiddleLeftBar().Enable(false);
    frame->TopBar().Enable(false);
    EXPECT_TRUE(IsWindowEnabled(button().Handle()));
    frame->MiddleLeftBar().Enable(true);
    frame->TopBar().Enable(true);
}

TEST_F(LeftGuideBarTest, ARunningDiagnosisIsLeftOnlyAfterYes)
{
    frame->SwitchView(137, 1);
    frame->SetDiagnosisRunning(true);
    AnswerBoxes(IDCANCEL);
    PressUpdate();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find(L"Are you sure to quit?"), std::wstring::npos);
    EXPECT_EQ(frame->CurrentViewId(), 137);
    EXPECT_TRUE(frame->IsDiagnosisRunning());
    EXPECT_TRUE(button().IsEnabled());

    AnswerBoxes(IDOK);
    TakeTurn();
    PressUpdate();
    EXPECT_FALSE(frame->IsDiagnosisRunning());
    EXPECT_TRUE(TurnIsFree()) << "the turn went back with the diagnosis";
    EXPECT_EQ(frame->CurrentViewId(), CUpdate::kViewId);
    EXPECT_TRUE(CUpdate::IsStartPending());
    EXPECT_FALSE(button().IsEnabled()) << "one start at a time";
    ASSERT_TRUE(WaitForTheAttempt());
    EXPECT_EQ(asked.back(), L"The 'Update.exe' process could not be started!") << "no updater in this folder";
    EXPECT_TRUE(button().IsEnabled()) << "ready for another attempt";
}

TEST_F(LeftGuideBarTest, TheUpdaterIsStartedOnce)
{
    fs::create_directories(updateFolder);
    fs::copy_file(BuildProgramFolder() / "Update.exe", updateFolder / "Update.exe");
    frame->SwitchView(295, 1);
    PressUpdate();
    PressUpdate();  // the disabled button takes no second press; a message that gets through is one start still
    ASSERT_TRUE(WaitForTheAttempt());
    const fs::path log = updateFolder / "update.log";
    for (int i = 0; i < 500 && !fs::exists(log); ++i)
        PollPause();
    ASSERT_TRUE(fs::exists(log));
    EXPECT_EQ(ReadFileBytes(log), "Update.exe|\n");
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(button().IsEnabled());
}

}  // namespace
