#include <gtest/gtest.h>

#include <windows.h>

#include "ButtonBar.h"
#include "FormView.h"
#include "FrameWindow.h"
#include "StringResources.h"
#include "resource.h"

namespace {

// A view that counts the commands it receives.
class CCountingView : public CFormView {
public:
    CCountingView() : CFormView(IDD_BUTTONBAR) {}
    std::vector<int> commands;

protected:
    bool OnCommand(int id, int, HWND) override
    {
        commands.push_back(id);
        return true;
    }
};

class ButtonBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResFreeStrings();
        ASSERT_TRUE(frame.CreateFrame(L"row test", WS_POPUP | WS_VISIBLE, RECT{0, 0, 1024, 200}));
        ASSERT_TRUE(view.CreateView(frame.Handle(), 0xE900));
        frame.SetActiveView(&view);
        ASSERT_TRUE(bar.CreateBar(frame.Handle(), DOCK_SIDE::Bottom));
        bar.Move(0, 100, 1024, 60);
        bar.Show();
    }

    void Click(int id)
    {
        CBmpBtn* button = id >= 9001 ? (id == 9001 ? bar.NextGroupButton() : bar.PreviousGroupButton()) : bar.GetButton(id);
        ASSERT_NE(button, nullptr) << id;
        button->SendMsg(BM_CLICK);
    }

    CFrameWindow frame;
    CCountingView view;
    CButtonBar bar;
};

TEST_F(ButtonBarTest, ButtonsGetTheirCaptionsAndReachTheActiveViewOnce)
{
    bar.AddButton(3001);
    bar.AddButton(3012);
    EXPECT_EQ(bar.GetButton(3001)->GetText(), L"Back");
    EXPECT_EQ(bar.GetButton(3012)->GetText(), L"");
    Click(3001);  // handed straight to the view
    Click(3012);  // through the frame's routing
    EXPECT_EQ(view.commands, (std::vector<int>{3001, 3012}));
}

TEST_F(ButtonBarTest, AnOverflowingRowPagesThroughItsGroups)
{
    for (int id = 3012; id < 3020; ++id)
        bar.AddButton(id);
    ASSERT_NE(bar.NextGroupButton(), nullptr);
    ASSERT_NE(bar.PreviousGroupButton(), nullptr);
    EXPECT_FALSE(bar.PreviousGroupButton()->IsEnabled());
    EXPECT_TRUE(bar.GetButton(3012)->IsVisible());
    EXPECT_FALSE(bar.GetButton(3019)->IsVisible());

    Click(9001);
    EXPECT_TRUE(bar.GetButton(3019)->IsVisible());
    EXPECT_FALSE(bar.GetButton(3012)->IsVisible());
    EXPECT_TRUE(bar.PreviousGroupButton()->IsEnabled());
    EXPECT_FALSE(bar.NextGroupButton()->IsEnabled());
    EXPECT_TRUE(view.commands.empty()) << "paging is the row's own business";

    bar.RemoveAllButtons();
    EXPECT_EQ(bar.GetButtonCount(), 0);
    EXPECT_EQ(bar.NextGroupButton(), nullptr);
    bar.AddButton(3001);
    EXPECT_EQ(bar.Layout().CurrentGroup(), 1);
}

TEST_F(ButtonBarTest, LooksUpButtonsByIdAndPosition)
{
    bar.AddButton(3001);
    bar.AddButton(3007);
    EXPECT_EQ(bar.GetButtonAt(1), bar.GetButton(3007));
    EXPECT_EQ(bar.GetButtonAt(2), nullptr);
    EXPECT_EQ(bar.GetButtonAt(-1), nullptr);
    bar.SetButtonText(4242, L"nothing");  // not in the row: nothing happens
    bar.SetButtonText(3007, L"Start");
    EXPECT_EQ(bar.GetButton(3007)->GetText(), L"Start");
}

TEST_F(ButtonBarTest, DrawsItsBackgroundAndItsButtons)
{
    bar.AddButton(3001);
    UpdateWindow(frame.Handle());
    UpdateWindow(bar.Handle());
    for (int i = 0; i < 10; ++i) {  // let every queued paint happen
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    CClientDc dc(bar.Handle());
    const RECT place = bar.GetButton(3001)->WindowRect();
    POINT corner = {place.left, place.top};
    ScreenToClient(bar.Handle(), &corner);
    const COLORREF background = GetPixel(dc.Get(), 5, 50);
    const COLORREF face = GetPixel(dc.Get(), corner.x + 5, corner.y + 20);
    EXPECT_NE(background, face);
    EXPECT_LT(GetRValue(background) + GetGValue(background) + GetBValue(background), 300) << "dark row background";
    EXPECT_GT(GetBValue(face), 150) << "light button face";
}

}  // namespace
