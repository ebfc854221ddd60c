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
#include "TopBarModel.h"
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

bool IsUsable(const CBmpBtn* button)
{
    return button && button->IsVisible() && button->IsEnabled();
}

// Whatever way the user came (a tile, a top-bar button, a question), every view of the table
// leaves a button that leads somewhere else: a top-bar page other than its own, or Back, Home or
// Exit on the bottom bar or the soft-button row.
bool HasAWayOut(CMainFrame& frame, int viewId)
{
    for (const TOP_BAR_BUTTON& entry : TopBarButtons()) {
        const CBmpBtn* button = frame.TopBar().GetButton(entry.id);
        if (IsUsable(button) && entry.targetView != viewId && frame.TopBar().IsVisible())
            return true;
    }
    if (viewId == 491 && frame.MiddleLeftBar().GetButton(0) && frame.MiddleLeftBar().GetButton(0)->IsVisible())
        return true;  // its tabs close the document and return to the page the choice came from
    for (int id : {3001, 3007, 3011}) {
        if (frame.BottomBar().IsVisible() && IsUsable(frame.BottomBar().GetButton(id)))
            return true;
        if (frame.ButtonBar().IsVisible() && IsUsable(frame.ButtonBar().GetButton(id)))
            return true;
    }
    return false;
}

// The pages outside a diagnosis, each reached from a fresh start (the home page fills no bar) by
// the way a user comes to it. The diagnosis screens are shown only by the diagnostic program's
// requests, which give them their keys; the update page (305) is reached only from the left guide
// bar.
struct WAY_IN {
    int viewId;
    int from;
};

TEST_F(MainFrameTest, NoViewLeavesTheUserWithoutAWayBack)
{
    const WAY_IN ways[] = {{131, 286}, {136, 131}, {295, 286}, {445, 446}, {446, 286}, {476, 446},
                           {491, 136}, {492, 286}, {493, 286}, {494, 493}, {505, 286}};
    ResSetMakerList({L"Europe", L"Asia"});  // the regions the maker chooser found
    for (const WAY_IN& way : ways) {
        frame->SwitchView(286, 1);
        frame->TopBar().ClearButtons();
        frame->BottomBar().DestroyButtons();
        if (way.from != 286)
            frame->SwitchView(way.from, 1);
        frame->SwitchView(way.viewId, 1);
        EXPECT_TRUE(HasAWayOut(*frame, way.viewId)) << "view " << way.viewId << " from " << way.from;
    }
    ResSetMakerList({});
}

TEST_F(MainFrameTest, BackOnTheStorePagesLeadsHomeAndToTheStore)
{
    const struct {
        int viewId;
        int back;
    } cases[] = {{446, 286}, {445, 286}, {476, 446}};
    for (const auto& page : cases) {
        frame->SwitchView(286, 1);
        frame->SwitchView(page.viewId, 1);
        CBmpBtn* back = frame->BottomBar().GetButton(3001);
        ASSERT_TRUE(back) << page.viewId;
        frame->BottomBar().SendMsg(WM_COMMAND, MAKEWPARAM(3001, BN_CLICKED), reinterpret_cast<LPARAM>(back->Handle()));
        EXPECT_EQ(frame->CurrentViewId(), page.back) << page.viewId;
    }
}

// The actuator-test screen puts the help line back where the frame had it; a window that was moved
// (centred at start, dragged later) must not get it at the old screen place, over the table.
TEST_F(MainFrameTest, TheHelpLineKeepsItsPlaceInAMovedWindow)
{
    frame->SwitchView(166, 1);
    const RECT before = InFrame(frame->Handle(), frame->HelpInfoBar().Handle());
    RECT window = frame->WindowRect();
    SetWindowPos(frame->Handle(), nullptr, window.left + 60, window.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame->SwitchView(160, 1);  // the multiple selection moves the line into its own area
    frame->SwitchView(166, 1);
    EXPECT_TRUE(SameRect(InFrame(frame->Handle(), frame->HelpInfoBar().Handle()), before));
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
