// The bottom bar: slots, places, the command-update pass, clicks and its picture.
#include "BarsFixture.h"

#include <algorithm>

#include "BottomBar.h"
#include "BottomBarModel.h"

namespace {

class BottomBarTest : public BarsFixture {
protected:
    void SetUp() override
    {
        BarsFixture::SetUp();
        frame->SwitchView(137, 1);  // a screen that shows the bar
        bar().DestroyButtons();
    }
    CBottomBar& bar() { return frame->BottomBar(); }
    int CountOf(int id) { return static_cast<int>(std::ranges::count(ChildIds(bar().Handle()), id)); }
    RECT PlaceOf(int id)
    {
        RECT rect = bar().GetButton(id)->WindowRect();
        MapWindowPoints(nullptr, bar().Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

TEST_F(BottomBarTest, PrintAndItsTwinShareOneSlot)
{
    struct Case {
        int first, second;
    };
    for (const Case& c : {Case{3005, 3029}, Case{3029, 3005}}) {
        SCOPED_TRACE(c.first);
        bar().AddButton(c.first);
        bar().AddButton(c.second);
        EXPECT_EQ(bar().GetButton(c.first), nullptr);
        EXPECT_NE(bar().GetButton(c.second), nullptr);
        EXPECT_EQ(CountOf(c.first), 0);
        EXPECT_EQ(CountOf(c.second), 1);
        bar().DestroyButtons();
    }
}

TEST_F(BottomBarTest, AddingACommandTwiceLeavesOneButtonAndUnknownIdsAddNothing)
{
    bar().AddButton(3001);
    bar().AddButton(3001);
    EXPECT_EQ(CountOf(3001), 1);
    bar().AddButton(3006);
    bar().AddButton(4242);
    EXPECT_EQ(ChildIds(bar().Handle()), std::vector<int>{3001});
    bar().DestroyButtons();
    EXPECT_TRUE(ChildIds(bar().Handle()).empty());
}

TEST_F(BottomBarTest, ButtonsTakeTheSizeOfTheirPictureAndTheirFixedPlace)
{
    struct Case {
        int id;
        RECT place;
    };
    const RECT client = bar().ClientRect();
    const int w = client.right;
    const Case cases[] = {
        {3004, {w - 143, 7, w - 93, 57}}, {3001, {w - 73, 7, w - 23, 57}},  {3005, {w - 450, 11, w - 412, 41}},
        {3028, {w - 378, 11, w - 340, 41}}, {3011, {43, 10, 81, 48}},       {3034, {195, 16, 226, 47}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        bar().AddButton(c.id);
        const RECT place = PlaceOf(c.id);
        EXPECT_TRUE(EqualRect(&place, &c.place)) << place.left << "," << place.top << " " << place.right << ","
                                                 << place.bottom;
    }
}

TEST_F(BottomBarTest, TheStorePagesMoveBackAndPaging)
{
    frame->SwitchView(446, 1);
    bar().AddButton(3001);
    bar().AddButton(3003);
    const int w = bar().ClientRect().right;
    EXPECT_EQ(PlaceOf(3001).left, w - 84);
    EXPECT_EQ(PlaceOf(3003).left, w - 182);
    frame->SwitchView(137, 1);
    bar().AddButton(3001);
    EXPECT_EQ(PlaceOf(3001).left, w - 73);
}

TEST_F(BottomBarTest, ExitStartsDisabledUntilTheUpdatePassAndTheSecondRecordButtonHidden)
{
    bar().AddButton(3011);
    bar().AddButton(3031);
    EXPECT_FALSE(bar().GetButton(3011)->IsEnabled());
    EXPECT_FALSE(bar().GetButton(3031)->IsVisible());
    EXPECT_TRUE(bar().GetButton(3011)->IsVisible());
    bar().UpdateCommandStates();
    EXPECT_TRUE(bar().GetButton(3011)->IsEnabled()) << "every view answers Exit";
}

TEST_F(BottomBarTest, TheUpdatePassFollowsTheActiveView)
{
    for (int id : {3004, 3001, 3002, 3003, 3028, 3029, 3030, 3011})
        bar().AddButton(id);
    CFormViewEx* view = frame->View(137);
    view->SetButtonState(3002, false);
    view->SetButtonState(3004, false);
    bar().UpdateCommandStates();
    struct Case {
        int id;
        bool enabled;
    };
    const Case cases[] = {{3004, false}, {3001, true}, {3002, false}, {3003, true},
                          {3028, true},  {3029, false}, {3030, false}, {3011, true}};
    for (const Case& c : cases)
        EXPECT_EQ(bar().GetButton(c.id)->IsEnabled(), c.enabled) << c.id;

    view->SetButtonState(3002, true);
    view->SetButtonState(3004, true);
    frame->SwitchView(161, 1);  // a switch runs the pass for the new view
    frame->SwitchView(137, 0);
    EXPECT_TRUE(bar().GetButton(3002)->IsEnabled());
    EXPECT_TRUE(bar().GetButton(3004)->IsEnabled());
}

TEST_F(BottomBarTest, AClickReachesTheActiveView)
{
    AnswerBoxes(IDCANCEL);
    bar().AddButton(3011);
    bar().UpdateCommandStates();
    CCommandSpy spy(frame->View(137)->Handle());
    Click(bar().GetButton(3011));
    EXPECT_EQ(spy.Commands(), std::vector<int>{3011});
    ASSERT_EQ(asked.size(), 1u) << "the view's exit question";
    EXPECT_EQ(asked[0], L"Are you sure to exit this system?");
}

TEST_F(BottomBarTest, DrawsItsBackgroundAndButtons)
{
    bar().AddButton(3001);
    bar().UpdateCommandStates();
    const RECT client = bar().ClientRect();
    const COLORREF stripe = PixelOf(bar().Handle(), 2, client.bottom / 2);
    EXPECT_TRUE(Near(stripe, RGB(246, 170, 40))) << "the amber stripe of the normal layout";
    const COLORREF background = PixelOf(bar().Handle(), 400, client.bottom / 2);
    EXPECT_LT(GetRValue(background) + GetGValue(background) + GetBValue(background), 250) << "a dark bar";
    const RECT back = PlaceOf(3001);
    const COLORREF face = PixelOf(bar().Handle(), back.left + 10, (back.top + back.bottom) / 2);
    EXPECT_GT(GetBValue(face), 180) << "a light button face";

    frame->SwitchView(446, 1);
    EXPECT_FALSE(Near(PixelOf(bar().Handle(), 2, client.bottom / 2), RGB(246, 170, 40))) << "the wide layout's picture";
}

}  // namespace
