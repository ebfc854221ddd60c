#include "ScreenFixture.h"

#include "BarView.h"
#include "TextProgressCtrl.h"
#include "VersionView.h"
#include "resource.h"

namespace {

constexpr uint8_t kProgress = 80;

class BarViewTest : public ScreenTest {
protected:
    // Sends a progress request and takes its answer, which comes at once.
    std::string Poll(uint8_t position, const std::string& text, uint8_t textIsTitle)
    {
        Send(kProgress, std::string{static_cast<char>(position)} + text + '\0' + static_cast<char>(textIsTitle));
        const std::string answer = TakeAnswer(5);
        ReturnTurn();
        return answer;
    }
    CBarView& Screen() { return *static_cast<CBarView*>(frame->View(CBarView::kViewId)); }
    void PressCancel() { frame->ButtonBar().GetButton(IDCANCEL)->SendMsg(BM_CLICK); }
};

TEST_F(BarViewTest, EveryRequestIsAnsweredAtOnceAndCancelTravelsWithTheNextOne)
{
    EXPECT_EQ(Poll(10, "Writing", 0), KeyAnswer(kProgress, 255));
    ASSERT_EQ(frame->CurrentViewId(), CBarView::kViewId);
    ASSERT_NE(frame->ButtonBar().GetButton(IDCANCEL), nullptr);
    EXPECT_EQ(frame->ButtonBar().GetButton(IDCANCEL)->GetText(), L"Cancel");
    EXPECT_EQ(Poll(20, "Writing", 0), KeyAnswer(kProgress, 255));
    PressCancel();
    EXPECT_EQ(Poll(30, "Writing", 0), KeyAnswer(kProgress, 2));
    EXPECT_EQ(Poll(40, "Writing", 0), KeyAnswer(kProgress, 255)) << "a press counts once";
    EXPECT_TRUE(TokenFree());
}

TEST_F(BarViewTest, TextTitleAndBar)
{
    Poll(45, "Programming the module", 0);
    EXPECT_EQ(Screen().MessageText(), L"Programming the module");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Progress bar");
    EXPECT_EQ(Screen().Progress().GetPos(), 45);

    Poll(100, "", 0);  // an empty text keeps the message
    EXPECT_EQ(Screen().MessageText(), L"Programming the module");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Progress bar");
    EXPECT_EQ(Screen().Progress().GetPos(), 100);

    Poll(50, "Coding", 1);
    EXPECT_EQ(Screen().MessageText(), L"Coding");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Coding");
    EXPECT_EQ(Screen().GetText(), L"Coding");
}

TEST_F(BarViewTest, TheBarRunsAlongTheBottomAndShowsItsPercentage)
{
    Poll(100, "Done", 0);
    const RECT client = Screen().ClientRect();
    RECT bar = Screen().Progress().WindowRect();
    MapWindowPoints(nullptr, Screen().Handle(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.bottom - bar.top, 60);

    UpdateWindow(Screen().Progress().Handle());
    CClientDc dc(Screen().Progress().Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(160, 160, 160)) << "the frame";
    EXPECT_EQ(GetPixel(dc.Get(), 10, 10), RGB(255, 121, 0)) << "filled to the end";
    EXPECT_EQ(GetPixel(dc.Get(), bar.right - bar.left - 10, 10), RGB(255, 121, 0));
}

TEST_F(BarViewTest, VersionViewAndProgressScreenDrawTheirBarsThemselves)
{
    for (auto [viewId, controlId] : {std::pair{CBarView::kViewId, IDC_BAR_PROGRESS},
                                     std::pair{CVersionView::kViewId, IDC_VERSION_PROGRESS}}) {
        const HWND control = frame->View(viewId)->Item(controlId);
        ASSERT_NE(control, nullptr) << viewId;
        EXPECT_NE(dynamic_cast<CTextProgressCtrl*>(CWindow::FromHandle(control)), nullptr) << viewId;
    }
}

}  // namespace
