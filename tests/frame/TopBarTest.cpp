// The top bar: the buttons each view shows, leaving a running diagnosis, the tools; and the guide bar.
#include "BarsFixture.h"

#include "ManualView.h"
#include "OutsideTools.h"
#include "ProcessValues.h"
#include "TopBar.h"
#include "TopGuide.h"

namespace {

class TopBarTest : public BarsFixture {
protected:
    CTopBar& bar() { return frame->TopBar(); }
    std::vector<int> ButtonIds() { return ChildIds(bar().Handle()); }
    int LeftOf(int id)
    {
        RECT rect = bar().GetButton(id)->WindowRect();
        MapWindowPoints(nullptr, bar().Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    }
    // A running diagnosis as the frame leaves it after a start request: the mark set, the turn
    // taken by the screen that waits for the user, a request in the block.
    void RunDiagnosis()
    {
        frame->SwitchView(137, 1);
        frame->SetDiagnosisRunning(true);
        TakeTurn();
        FillBlock();
    }
};

TEST_F(TopBarTest, EachViewLaysOutItsButtonsFromTheRightAndMarksItsOwn)
{
    frame->SwitchView(131, 1);
    bar().ShowButtonsForView(131);
    EXPECT_EQ(ButtonIds(), (std::vector<int>{1132, 1104, 1105, 1097, 1096, 1103}));
    const int right = bar().ClientRect().right;
    EXPECT_EQ(LeftOf(1132), right - 67);
    EXPECT_EQ(LeftOf(1103), right - 6 * 67);
    EXPECT_TRUE(bar().GetButton(1097)->GetChecked());
    EXPECT_FALSE(bar().GetButton(1132)->GetChecked());

    bar().ShowButtonsForView(446);
    EXPECT_EQ(ButtonIds(), (std::vector<int>{1102, 1101}));
    EXPECT_TRUE(bar().GetButton(1101)->GetChecked());
    const int wide = bar().GetButton(1101)->WindowRect().right - bar().GetButton(1101)->WindowRect().left;
    EXPECT_GT(wide, 67) << "the store's buttons are as wide as their pictures";
    EXPECT_EQ(LeftOf(1101), right - 2 * wide);
}

TEST_F(TopBarTest, WithoutManualsTheManualButtonIsNotMadeButItsSlotCounts)
{
    for (const wchar_t* language : {L"TW", L"CN"}) {
        ResSetLanguageCode(language);
        bar().ShowButtonsForView(131);
        EXPECT_EQ(ButtonIds(), (std::vector<int>{1132, 1104, 1105, 1097, 1096})) << language;
        EXPECT_EQ(bar().SlotCount(), 6);
    }
}

struct ToolButtonCase {
    int id;
    OUTSIDE_TOOL tool;
};

class TopBarToolTest : public TopBarTest, public ::testing::WithParamInterface<ToolButtonCase> {};

TEST_P(TopBarToolTest, ToolButtonsAreEnabledOnlyWhenTheirProgramExists)
{
    const ToolButtonCase& c = GetParam();
    bar().ClearButtons();
    bar().AddButton(c.id);
    EXPECT_FALSE(bar().GetButton(c.id)->IsEnabled());
    InstallTool(c.tool);
    bar().AddButton(c.id);
    EXPECT_TRUE(bar().GetButton(c.id)->IsEnabled());
    EXPECT_EQ(bar().SlotCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, TopBarToolTest, ::testing::Values(
    ToolButtonCase{1105, OUTSIDE_TOOL::DtcQuery},
    ToolButtonCase{1108, OUTSIDE_TOOL::ScreenRecorder},
    ToolButtonCase{1131, OUTSIDE_TOOL::Dictionary}));

TEST_F(TopBarTest, WithoutADiagnosisAClickSwitchesAtOnce)
{
    frame->SwitchView(131, 1);
    bar().ShowButtonsForView(131);
    Click(bar().GetButton(1132));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(frame->CurrentViewId(), 295);
    EXPECT_TRUE(bar().GetButton(1132)->GetChecked());
    Click(bar().GetButton(1097));
    EXPECT_EQ(frame->CurrentViewId(), 131);
}

// 1005 is also the view command "Read": the top bar's button of that id is the bar's own.
TEST_F(TopBarTest, ItsButtonsNeverReachTheView)
{
    frame->SwitchView(137, 1);
    bar().ClearButtons();
    for (int id : {1005, 1106, 1130})
        bar().AddButton(id);
    CCommandSpy spy(frame->View(137)->Handle());
    for (int id : {1005, 1106, 1130}) {
        Click(bar().GetButton(id));
        EXPECT_TRUE(bar().GetButton(id)->GetChecked()) << id;
    }
    EXPECT_TRUE(spy.Commands().empty());
    EXPECT_EQ(frame->CurrentViewId(), 137);
}

TEST_F(TopBarTest, LeavingARunningDiagnosisAnsweredNoKeepsEverything)
{
    bar().ShowButtonsForView(131);
    RunDiagnosis();
    AnswerBoxes(IDCANCEL);
    Click(bar().GetButton(1132));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind(L"The diagnose application is running,", 0), 0u);
    EXPECT_EQ(frame->CurrentViewId(), 137);
    EXPECT_TRUE(frame->IsDiagnosisRunning());
    EXPECT_FALSE(TurnIsFree());
    EXPECT_EQ(block[0], 0x77);
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}

TEST_F(TopBarTest, LeavingARunningDiagnosisAnsweredYesEndsTheDiagnosticProgram)
{
    CProgramRun maker;
    ASSERT_TRUE(maker.Start(BuildProgramFolder() / "MAKER.exe"));
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, maker.ProcessId());
    ASSERT_NE(process, nullptr);
    SetDiagProgramProcess(process);
    bar().ShowButtonsForView(131);
    RunDiagnosis();

    Click(bar().GetButton(1132));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(maker.HasExited());
    EXPECT_EQ(DiagProgramProcess(), nullptr);
    EXPECT_FALSE(frame->IsDiagnosisRunning());
    EXPECT_TRUE(TurnIsFree());
    EXPECT_TRUE(BlockWasReset());
    EXPECT_EQ(frame->CurrentViewId(), 295);
}

// A diagnostic program started by other means (the shell holds no handle of it) must not keep the
// turn after the user left its diagnosis: its next request would find the turn taken for good.
TEST_F(TopBarTest, LeavingADiagnosisTheShellDidNotStartStillGivesTheTurnBack)
{
    bar().ShowButtonsForView(131);
    RunDiagnosis();
    Click(bar().GetButton(1097));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(TurnIsFree());
    EXPECT_TRUE(BlockWasReset());
    EXPECT_EQ(frame->CurrentViewId(), 131);
}

TEST_F(TopBarTest, TheManualButtonOnTheManualsOnlySwitchesPanels)
{
    frame->SwitchView(505, 1);
    bar().ShowButtonsForView(505);
    frame->SetDiagnosisRunning(true);
    Click(bar().GetButton(1103));
    EXPECT_TRUE(asked.empty()) << "no leave question";
    EXPECT_TRUE(frame->IsDiagnosisRunning());
    EXPECT_EQ(frame->CurrentViewId(), 505);
}

TEST_F(TopBarTest, LeavingClosesAnOpenManualReader)
{
    frame->SwitchView(131, 1);
    bar().ShowButtonsForView(131);
    g_hManualReader = frame->Handle();  // answers the close as a reader would
    Click(bar().GetButton(1096));
    EXPECT_EQ(g_hManualReader, nullptr);
    EXPECT_EQ(frame->CurrentViewId(), 492);
}

TEST_F(TopBarTest, AToolButtonStartsItsProgramWithoutLeaving)
{
    const std::filesystem::path tool = InstallTool(OUTSIDE_TOOL::DtcQuery);
    frame->SwitchView(131, 1);
    bar().ShowButtonsForView(131);
    frame->SetDiagnosisRunning(true);
    Click(bar().GetButton(1105));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(WaitForToolLog(tool).rfind("DTCQuery.exe|", 0), 0u);
    EXPECT_EQ(frame->CurrentViewId(), 131);
}

TEST_F(TopBarTest, AMissingToolNamesTheFileItLookedFor)
{
    bar().OnButtonClicked(1131);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"Please confirm if there is this file:\n" + ResGetAppDir() + L"\ntools\\Dictionary\\Dictionary.exe");
}

TEST_F(TopBarTest, DrawsItsBackgroundAndTheCurrentButton)
{
    frame->SwitchView(131, 1);
    bar().ShowButtonsForView(131);
    const COLORREF background = PixelOf(bar().Handle(), 5, 40);
    EXPECT_GT(GetBValue(background), GetRValue(background)) << "a navy bar";
    EXPECT_LT(GetRValue(background), 80);
    RECT current = bar().GetButton(1097)->WindowRect();
    MapWindowPoints(nullptr, bar().Handle(), reinterpret_cast<POINT*>(&current), 2);
    const COLORREF face = PixelOf(bar().Handle(), current.left + 6, current.top + 8);
    EXPECT_GT(GetRValue(face), GetBValue(face) + 100) << "the current button is amber";
}

TEST_F(TopBarTest, TheGuideBarShowsThePathAndKeepsItsEndInView)
{
    CTopGuide& guide = frame->TopGuide();
    frame->SwitchView(137, 1);
    guide.SetPathText(L"Engine->Read codes");
    EXPECT_EQ(guide.PathText(), L"Engine->Read codes");
    EXPECT_EQ(guide.Breadcrumb(), L" Engine >> Read codes");
    const RECT client = guide.ClientRect();
    const COLORREF textGround = PixelOf(guide.Handle(), 3, 5);
    EXPECT_EQ(textGround, RGB(0xE0, 0xDF, 0xE3)) << "the text's background colour at the start";

    std::wstring longPath = L"Start";
    for (int i = 0; i < 40; ++i)
        longPath += L"->Level";
    guide.SetPathText(longPath + L"->");  // ends in a blank
    EXPECT_EQ(PixelOf(guide.Handle(), client.right - 4, 5), RGB(0xE0, 0xDF, 0xE3)) << "the end in view";
    EXPECT_NE(PixelOf(guide.Handle(), client.right - 1, 5), RGB(0xE0, 0xDF, 0xE3)) << "2 pixels of the bar after it";
}

}  // namespace
