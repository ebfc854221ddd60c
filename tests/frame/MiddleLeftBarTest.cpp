// The middle-left item bar: items and their buttons, the chosen item, and what choosing one does.
#include "BarsFixture.h"

#include "MShowView.h"
#include "MakerView.h"
#include "MiddleLeftBar.h"
#include "ProcessValues.h"

namespace {

class MiddleLeftBarTest : public BarsFixture {
protected:
    CMiddleLeftBar& bar() { return frame->MiddleLeftBar(); }
    void AddItems(int count)
    {
        for (int i = 0; i < count; ++i)
            bar().AddItem(L"Item " + std::to_wstring(i), L"", frame->ActiveViewEx());
    }
    std::vector<bool> Latches()
    {
        std::vector<bool> latches;
        for (int i = 0; i < kMaxItemButtons; ++i) {
            if (CBmpBtn* button = bar().GetButton(i))
                latches.push_back(button->GetChecked());
        }
        return latches;
    }
};

TEST_F(MiddleLeftBarTest, TenItemsGetSevenButtonsAndTheCurrentItemIsChosen)
{
    frame->SwitchView(137, 1);
    AddItems(10);
    bar().SetCurrentItem(3);
    bar().CreateButtons();
    EXPECT_EQ(bar().GetItemCount(), 10);
    EXPECT_EQ(ChildIds(bar().Handle()), (std::vector<int>{1090, 1091, 1092, 1093, 1094, 1095, 1096}));
    EXPECT_EQ(bar().GetButton(6)->GetText(), L"Item 6");
    EXPECT_EQ(Latches(), (std::vector<bool>{false, false, false, true, false, false, false}));
    EXPECT_EQ(ResGetGuideIndex(), 3);
    EXPECT_EQ(bar().GetCurrentItem(), 3);

    const RECT first = InFrame(bar().Handle(), bar().GetButton(0)->Handle());
    const RECT second = InFrame(bar().Handle(), bar().GetButton(1)->Handle());
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(second.top, first.bottom) << "stacked without gaps";
    EXPECT_EQ(first.left, 0);
}

TEST_F(MiddleLeftBarTest, AViewWithoutItemsGetsNoButtonsAndNoChoice)
{
    frame->SwitchView(131, 1);
    bar().ClearItemList();  // the chooser's own regions are not the subject here
    ResSetGuideIndex(5);
    frame->MakerView().SetCurrentRegion(4);
    bar().CreateButtons();
    EXPECT_TRUE(ChildIds(bar().Handle()).empty());
    EXPECT_EQ(ResGetGuideIndex(), 5);
    EXPECT_EQ(frame->MakerView().CurrentRegion(), 4);
}

TEST_F(MiddleLeftBarTest, AClickMovesTheMarkAndTellsTheMakerChooser)
{
    frame->SwitchView(131, 1);
    bar().ClearItemList();
    AddItems(4);
    bar().CreateButtons();
    Click(bar().GetButton(2));
    EXPECT_EQ(Latches(), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(bar().GetCurrentItem(), 2);
    EXPECT_EQ(frame->MakerView().CurrentRegion(), 2);
    bar().OnItemButton(1099);  // the ids past the seventh wrap round
    EXPECT_EQ(bar().GetCurrentItem(), 2);
}

// 1090-1099 are also the views' guide commands: the bar's item buttons are the bar's own.
TEST_F(MiddleLeftBarTest, ItsButtonsNeverReachTheView)
{
    frame->SwitchView(137, 1);
    AddItems(3);
    bar().CreateButtons();
    CCommandSpy spy(frame->View(137)->Handle());
    Click(bar().GetButton(2));
    EXPECT_EQ(bar().GetCurrentItem(), 2);
    EXPECT_TRUE(spy.Commands().empty());
}

TEST_F(MiddleLeftBarTest, TheFlagDecidesWhetherAnItemLeadsBack)
{
    struct Case {
        int view;
        bool flag;
        int reached;
    };
    const Case cases[] = {{136, false, 136}, {136, true, 131}, {476, false, 476},
                          {476, true, 446},  {491, false, 491}, {491, true, 131}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        frame->SwitchView(c.view, 1);
        AddItems(3);
        bar().SetFlag(false);  // a view that shows may have set it already
        bar().CreateButtons();
        bar().SetFlag(c.flag);  // after the buttons: the first choice must not lead back
        EXPECT_EQ(frame->CurrentViewId(), c.view);
        g_hDocumentReader = frame->Handle();  // answers the close as a reader would
        Click(bar().GetButton(1));
        EXPECT_EQ(frame->CurrentViewId(), c.reached);
        if (c.view == 491) {
            EXPECT_EQ(g_hDocumentReader, c.flag ? nullptr : frame->Handle()) << "the reader closes when the view is left";
        }
        if (c.reached == 131) {
            EXPECT_EQ(frame->MakerView().CurrentRegion(), 1);
        }
        g_hDocumentReader = nullptr;
    }
}

TEST_F(MiddleLeftBarTest, SelectButtonMarksOneOrAllButOne)
{
    frame->SwitchView(137, 1);
    AddItems(3);
    bar().CreateButtons();
    bar().SelectButton(2, true);
    EXPECT_EQ(Latches(), (std::vector<bool>{false, false, true}));
    bar().SelectButton(1, false);
    EXPECT_EQ(Latches(), (std::vector<bool>{true, false, true}));
}

TEST_F(MiddleLeftBarTest, ASwitchForgetsItemsButtonsChoiceFlagAndLogo)
{
    frame->SwitchView(137, 1);
    AddItems(3);
    bar().SetCurrentItem(2);
    bar().CreateButtons();
    bar().SetFlag(true);
    bar().SetLogo(CreateBitmap(40, 40, 1, 32, nullptr));
    frame->SwitchView(161, 1);
    EXPECT_EQ(bar().GetItemCount(), 0);
    EXPECT_TRUE(ChildIds(bar().Handle()).empty());
    EXPECT_EQ(bar().GetCurrentItem(), 0);
    EXPECT_FALSE(bar().GetFlag());
    EXPECT_EQ(bar().Logo(), nullptr);
    EXPECT_EQ(ResGetGuideIndex(), 2) << "the guide index outlives the switch";
}

TEST_F(MiddleLeftBarTest, DrawsTheMakersLogoInItsFrame)
{
    frame->SwitchView(137, 1);
    // A logo with a 10-pixel border and a red middle; only the middle is shown.
    const int width = 120, height = 90;
    std::vector<uint32_t> pixels(static_cast<size_t>(width * height), 0x000000FF);
    for (int y = 13; y < height - 13; ++y)
        for (int x = 10; x < width - 8; ++x)
            pixels[static_cast<size_t>(y * width + x)] = 0x00FF0000;
    bar().SetLogo(CreateBitmap(width, height, 1, 32, pixels.data()));
    const RECT client = bar().ClientRect();
    const COLORREF middle = PixelOf(bar().Handle(), client.right / 2, 10 + 50);
    EXPECT_EQ(middle, RGB(255, 0, 0));
    SetTimer(bar().Handle(), CMiddleLeftBar::kRepaintTimer, 10, nullptr);
    bar().SendMsg(WM_TIMER, CMiddleLeftBar::kRepaintTimer);  // the one repaint, and the timer is gone
    EXPECT_FALSE(KillTimer(bar().Handle(), CMiddleLeftBar::kRepaintTimer));
}

}  // namespace
