#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "Application.h"
#include "ButtonBar.h"
#include "MainFrame.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "ProcessValues.h"
#include "StringResources.h"
#include "ViewTable.h"
#include "FrameFixture.h"

namespace {

TEST_F(MainFrameTest, EveryViewOfTheTableExistsAndCanBeSwitchedTo)
{
    for (const VIEW_ENTRY& entry : ViewTable()) {
        SCOPED_TRACE(entry.viewId);
        frame->SwitchView(entry.viewId, 1);
        CFormViewEx* view = frame->View(entry.viewId);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(frame->CurrentViewId(), entry.viewId);
        EXPECT_EQ(frame->ActiveViewEx(), view);
        EXPECT_TRUE(Visible(*view));
        EXPECT_EQ(GetDlgCtrlID(view->Handle()), 0xE900);

        const BAR_VISIBILITY bars = BarsForView(entry);
        EXPECT_EQ(Visible(frame->TopBar()), bars.navigation);
        EXPECT_EQ(Visible(frame->MiddleLeftBar()), bars.navigation);
        EXPECT_EQ(Visible(frame->BottomBar()), bars.navigation);
        EXPECT_EQ(Visible(frame->ButtonBar()), bars.row);
        EXPECT_EQ(Visible(frame->HelpInfoBar()), bars.help);
        if (bars.lines) {
            EXPECT_EQ(Visible(frame->TopGuide()), *bars.lines);
        }
        EXPECT_FALSE(Visible(frame->TitleBar()));
        EXPECT_EQ(StorePageShown, bars.storePageShown ? 1 : 0);
    }
    EXPECT_EQ(frame->View(4242), nullptr);
    frame->SwitchView(4242, 1);  // no such view: nothing happens
    EXPECT_EQ(frame->CurrentViewId(), 10056);
}

TEST_F(MainFrameTest, TheHomePageCoversTheWholeClientAreaAboveEveryBar)
{
    frame->SwitchView(286, 1);
    CFormViewEx* home = frame->View(286);
    EXPECT_TRUE(SameRect(InFrame(frame->Handle(), home->Handle()), frame->ClientRect()));
    EXPECT_EQ(GetWindow(frame->Handle(), GW_CHILD), home->Handle()) << "the home page lies on top";
}

TEST_F(MainFrameTest, ViewsSitInTheirAreas)
{
    const RECT diagnosis = frame->DiagnosisArea();
    const RECT menu = InFrame(frame->Handle(), frame->View(137)->Handle());
    const RECT live = InFrame(frame->Handle(), frame->View(161)->Handle());
    const RECT actuator = InFrame(frame->Handle(), frame->View(166)->Handle());
    const RECT maker = InFrame(frame->Handle(), frame->View(131)->Handle());
    EXPECT_TRUE(SameRect(menu, diagnosis));
    EXPECT_EQ(live.bottom, diagnosis.bottom - (frame->ButtonBar().WindowRect().bottom - frame->ButtonBar().WindowRect().top));
    EXPECT_LT(actuator.bottom, live.bottom);
    EXPECT_LE(maker.left, diagnosis.left);
    EXPECT_LE(maker.top, diagnosis.top);
    EXPECT_GT(diagnosis.bottom, diagnosis.top);
    EXPECT_GT(diagnosis.right, diagnosis.left);
}

TEST_F(MainFrameTest, SwitchingToTheActiveViewRunsNothing)
{
    frame->SwitchView(161, 1);
    const int shown = frame->ButtonBar().GetButtonCount();
    frame->ButtonBar().AddButton(3001);
    ResSetSoftwareDir(L"C:\\Scan\\maker\\");
    frame->SwitchView(161, 1);
    EXPECT_EQ(frame->ButtonBar().GetButtonCount(), shown + 1) << "a second switch must not run the show operation";

    frame->SwitchView(131, 1);
    ResSetSoftwareDir(L"C:\\Scan\\maker\\");
    frame->SwitchView(131, 1);
    EXPECT_EQ(ResGetSoftwareDir(), L"") << "the maker chooser forgets the chosen software even when active";
}

// Other programs find the active view by the pane id; at no moment of a switch may two views carry it.
int g_panesSeenWhileHiding = 0;

LRESULT CALLBACK CountPanesWhenHidden(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_SHOWWINDOW && !wParam) {
        for (HWND child = GetWindow(GetParent(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            g_panesSeenWhileHiding += GetDlgCtrlID(child) == 0xE900;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainFrameTest, ThePaneIdPassesToTheNewViewWithoutOverlap)
{
    frame->SwitchView(161, 1);
    HWND previous = frame->View(161)->Handle();
    ASSERT_TRUE(SetWindowSubclass(previous, &CountPanesWhenHidden, 1, 0));
    g_panesSeenWhileHiding = 0;
    frame->SwitchView(137, 1);
    RemoveWindowSubclass(previous, &CountPanesWhenHidden, 1);
    EXPECT_EQ(g_panesSeenWhileHiding, 1) << "while the previous view hides, only the new one is the pane";
    EXPECT_EQ(GetDlgCtrlID(previous), 161);
    EXPECT_EQ(GetDlgCtrlID(frame->View(137)->Handle()), 0xE900);
}

TEST_F(MainFrameTest, TroubleCodesAfterAMessageAreNotShownByTheSwitch)
{
    frame->SwitchView(164, 1);
    frame->SwitchView(138, 1);
    EXPECT_FALSE(Visible(*frame->View(138)));
    EXPECT_FALSE(Visible(*frame->View(164)));
    frame->SwitchView(137, 1);
    frame->SwitchView(138, 1);
    EXPECT_TRUE(Visible(*frame->View(138)));
}

TEST_F(MainFrameTest, FunctionKeysPressTheSoftButtonsByPosition)
{
    frame->SwitchView(161, 1);
    for (int id = 3012; id < 3015; ++id)
        frame->ButtonBar().AddButton(id);
    // F10 is position 0: it reaches the active view (which does nothing with it) and is consumed.
    EXPECT_EQ(frame->SendMsg(WM_HOTKEY, VK_F10, 0x100), 0);
    EXPECT_TRUE(frame->PressSoftButton(2));
    EXPECT_FALSE(frame->PressSoftButton(3)) << "a position without a button falls through";
}

TEST(FunctionKeys, MapToRowPositions)
{
    EXPECT_EQ(FunctionKeyPosition(VK_F1, 0x100), 9);
    EXPECT_EQ(FunctionKeyPosition(VK_F10, 0x100), 0);
    EXPECT_EQ(FunctionKeyPosition(VK_F11, 0x100), std::nullopt);
    EXPECT_EQ(FunctionKeyPosition(VK_F1, 0), std::nullopt);
    EXPECT_EQ(FrameHotKeyPosition(4001), 9);
    EXPECT_EQ(FrameHotKeyPosition(4010), 0);
    EXPECT_EQ(FrameHotKeyPosition(4011), std::nullopt);
}

TEST_F(MainFrameTest, ReaderNotificationsDrivePageKeysOfTheDocumentViews)
{
    frame->SendMsg(WM_APP + 0x6F2, 0, 5);
    frame->SendMsg(WM_APP + 0x6F2, 1, 1);
    CFormViewEx* show = frame->View(491);
    EXPECT_EQ(show->CommandEnableState(3002), false);
    EXPECT_EQ(show->CommandEnableState(3003), true);
    frame->SendMsg(WM_APP + 0x6F2, 1, 5);
    EXPECT_EQ(show->CommandEnableState(3002), true);
    EXPECT_EQ(show->CommandEnableState(3003), false);
    EXPECT_EQ(frame->SendMsg(WM_APP + 0x6F2, 8, 1), 0);
}

}  // namespace
