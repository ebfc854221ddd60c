// The one-package row: each of its commands reaches the parent as a message of the same number with
// the row's index, after the pause and resume buttons have traded places.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "FrameFixture.h"
#include "SoftWareDlg.h"

namespace {

struct RECEIVED {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const RECEIVED&) const = default;
};

// The row's parent: records the messages the row sends it.
class CRowParent : public CWindow {
public:
    std::vector<RECEIVED> received;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message < 1000 || message > 4000)
            return false;
        received.push_back({message, wParam, lParam});
        result = 0;
        return true;
    }
};

class SoftWareDlgTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        WINDOW_CREATE_ARGS args;
        args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        args.rect = frame->AreaRect(VIEW_AREA::Wide);
        args.parent = frame->Handle();
        ASSERT_TRUE(parent.Create(args));
        SetWindowPos(parent.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        row = std::make_unique<CSoftWareDlg>(parent.Handle());
        row->SetPausable(true);
        ASSERT_TRUE(row->CreateRow(L"Alder", L"V2.00", 7));
        row->Move(0, 40, parent.ClientRect().right, 140);
        row->Show(SW_SHOW);
    }
    void TearDown() override
    {
        row.reset();
        parent.Destroy();
        MainFrameTest::TearDown();
    }
    void Click(int id) { row->SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    CRowParent parent;
    std::unique_ptr<CSoftWareDlg> row;
};

struct FORWARD_CASE {
    int command;
    LPARAM lParam;
    bool pauseShown;
    bool resumeShown;
};

TEST_F(SoftWareDlgTest, CommandsReachTheParentWithTheRowsIndex)
{
    const FORWARD_CASE cases[] = {
        {CSoftWareDlg::kSelectId, 1, true, false},   // not latched: the parent is asked to select
        {CSoftWareDlg::kInstallId, 0, true, false},
        {CSoftWareDlg::kActionId, 0, true, false},
        {CSoftWareDlg::kInfoId, 0, true, false},
        {CSoftWareDlg::kPauseId, 0, false, true},
        {CSoftWareDlg::kResumeId, 0, true, false},
    };
    for (const FORWARD_CASE& c : cases) {
        parent.received.clear();
        Click(c.command);
        EXPECT_EQ(parent.received, (std::vector<RECEIVED>{{static_cast<UINT>(c.command), 7, c.lParam}})) << c.command;
        EXPECT_EQ(row->PauseButton().IsVisible(), c.pauseShown) << c.command;
        EXPECT_EQ(row->ResumeButton().IsVisible(), c.resumeShown) << c.command;
    }
    EXPECT_TRUE(row->PauseButton().GetChecked()) << "resume shows the pause button latched";
    Click(CSoftWareDlg::kPauseId);
    EXPECT_TRUE(row->ResumeButton().GetChecked()) << "pause shows the resume button latched";
}

TEST_F(SoftWareDlgTest, TheSelectBoxAsksToUnselectOnceLatched)
{
    row->SelectBox().SetChecked(true);
    Click(CSoftWareDlg::kSelectId);
    ASSERT_EQ(parent.received.size(), 1u);
    EXPECT_EQ(parent.received[0].lParam, 0);
}

TEST_F(SoftWareDlgTest, TheRowSwitchesBetweenProgressAndPauseButtons)
{
    EXPECT_FALSE(row->InfoButton().IsEnabled()) << "information exists only in the store";
    EXPECT_FALSE(row->ProgressBar().IsVisible());
    EXPECT_FALSE(row->StatusLabel().IsVisible());
    row->ShowProgress();
    EXPECT_TRUE(row->ProgressBar().IsVisible());
    EXPECT_FALSE(row->PauseButton().IsVisible());
    EXPECT_FALSE(row->ResumeButton().IsVisible());
    row->ShowPauseButtons();
    EXPECT_FALSE(row->ProgressBar().IsVisible());
    EXPECT_TRUE(row->PauseButton().IsVisible());
    KeepSnapshot(L"software-row.png");
}

}  // namespace
