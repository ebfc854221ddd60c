// The title bar, the help line and the framing edges.
#include "BarsFixture.h"

#include "HelpInfoBar.h"
#include "ProcessValues.h"
#include "TitleBar.h"
#include "resource.h"

namespace {

class PlainBarsTest : public BarsFixture {};

TEST_F(PlainBarsTest, ATitleIsShownOnlyAtTheNextPaint)
{
    CTitleBar& title = frame->TitleBar();
    title.Show(SW_SHOW);
    title.SetTitle(L"Read codes");
    PixelOf(title.Handle(), 0, 0);  // painted with the first title
    ASSERT_FALSE(GetUpdateRect(title.Handle(), nullptr, FALSE));

    title.SetTitle(L"Clear codes");
    EXPECT_EQ(title.GetTitle(), L"Clear codes");
    EXPECT_FALSE(GetUpdateRect(title.Handle(), nullptr, FALSE)) << "setting a title repaints nothing";
}

TEST_F(PlainBarsTest, TheTitleBarIsWhiteWithItsPictureAtTheLeft)
{
    CTitleBar& title = frame->TitleBar();
    title.Show(SW_SHOW);
    const RECT client = title.ClientRect();
    EXPECT_TRUE(Near(PixelOf(title.Handle(), 2, client.bottom / 2), RGB(62, 92, 140))) << "the picture's edge";
    EXPECT_EQ(PixelOf(title.Handle(), client.right - 3, client.bottom / 2), RGB(255, 255, 255));
}

struct DoubleClickCase {
    bool onField;   // on the text field rather than on the icon
    WPARAM keys;
    bool showsHelp;
};

class HelpDoubleClickTest : public BarsFixture, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(HelpDoubleClickTest, ShowsTheProgramsHelpTextOnlyWithCtrl)
{
    const DoubleClickCase& c = GetParam();
    CHelpInfoBar& help = frame->HelpInfoBar();
    help.Show(SW_SHOW);
    SetDiagHelpText(L"Turn the ignition on.");
    help.SetInfoText(L"Reading...");
    const RECT client = help.ClientRect();
    const RECT answer = help.AnswerRect();
    EXPECT_TRUE(EqualRect(&client, &answer)) << "the whole bar answers";

    const HWND target = c.onField ? help.Item(IDC_HELPINFO_TEXT) : help.Handle();
    SendMessageW(target, WM_LBUTTONDBLCLK, c.keys, MAKELPARAM(10, 10));
    EXPECT_EQ(help.GetInfoText(), c.showsHelp ? L"Turn the ignition on." : L"Reading...");
    SetDiagHelpText(L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpDoubleClickTest, ::testing::Values(
    DoubleClickCase{false, MK_LBUTTON, false},
    DoubleClickCase{false, MK_LBUTTON | MK_CONTROL, true},
    DoubleClickCase{true, MK_LBUTTON, false},
    DoubleClickCase{true, MK_LBUTTON | MK_CONTROL, true}));

TEST_F(PlainBarsTest, TheHelpLineHasItsTopLineIconAndField)
{
    CHelpInfoBar& help = frame->HelpInfoBar();
    help.Show(SW_SHOW);
    help.SetInfoText(L"Status");
    const RECT client = help.ClientRect();
    EXPECT_EQ(PixelOf(help.Handle(), client.right / 2, 0), RGB(0x9D, 0x9D, 0xA1)) << "the top line";
    EXPECT_EQ(PixelOf(help.Handle(), client.right - 5, client.bottom - 5), RGB(255, 255, 255));
    RECT field = {};
    GetWindowRect(help.Item(IDC_HELPINFO_TEXT), &field);
    MapWindowPoints(nullptr, help.Handle(), reinterpret_cast<POINT*>(&field), 2);
    EXPECT_EQ(field.left, 91);
    EXPECT_EQ(field.top, 2);
    EXPECT_EQ(field.right, client.right);
    EXPECT_EQ(field.bottom, client.bottom);
}

TEST_F(PlainBarsTest, FramingEdgesAreDrawnFromTheirPictures)
{
    frame->SwitchView(137, 1);  // a diagnosis screen shows the edges
    // The top edge lies just above the guide bar.
    const RECT guide = InFrame(frame->Handle(), frame->TopGuide().Handle());
    const POINT above = {guide.left + 40, guide.top - 2};
    const HWND edge = ChildWindowFromPointEx(frame->Handle(), above, CWP_SKIPINVISIBLE);
    ASSERT_NE(edge, nullptr);
    ASSERT_EQ(GetDlgCtrlID(edge), 414);
    const RECT place = InFrame(frame->Handle(), edge);
    const COLORREF pixel = PixelOf(edge, above.x - place.left, above.y - place.top);
    EXPECT_GT(GetBValue(pixel), GetRValue(pixel) + 40) << "a steel-blue edge, not the dialog grey";
}

}  // namespace
