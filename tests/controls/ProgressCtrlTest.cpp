#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "MemDC.h"
#include "ScaleProgressCtrl.h"
#include "ScopedWin.h"
#include "TextProgressCtrl.h"

namespace {

constexpr COLORREF kGrey = RGB(160, 160, 160);
constexpr COLORREF kOrange = RGB(255, 121, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A drawing surface of its own, to look at the pixels a control drew.
class Canvas {
public:
    Canvas(int width, int height)
        : m_screen(nullptr), m_memory(m_screen.Get()), m_bitmap(CreateCompatibleBitmap(m_screen.Get(), width, height)),
          m_selected(m_memory.Get(), m_bitmap.Get())
    {
    }
    HDC Get() const { return m_memory.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(m_memory.Get(), x, y); }
    bool HasColourIn(COLORREF colour, int left, int top, int right, int bottom) const
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) == colour)
                    return true;
        return false;
    }

private:
    CClientDc m_screen;
    CMemoryDc m_memory;
    CScopedBitmap m_bitmap;
    CSelectObject m_selected;
};

TEST(TextProgressCtrl, EmptyBarIsWhiteFullBarOrangeEachWithItsPercentage)
{
    const RECT client = {0, 0, 200, 30};
    Canvas empty(200, 30);
    CTextProgressCtrl::DrawBar(empty.Get(), client, 0);
    EXPECT_EQ(empty.At(1, 1), kGrey);
    EXPECT_EQ(empty.At(5, 15), kWhite);
    EXPECT_EQ(empty.At(195, 15), kWhite);
    EXPECT_TRUE(empty.HasColourIn(kBlack, 80, 3, 120, 27)) << "the text 0% in the middle";

    Canvas full(200, 30);
    CTextProgressCtrl::DrawBar(full.Get(), client, 100);
    EXPECT_EQ(full.At(198, 28), kGrey);
    EXPECT_EQ(full.At(5, 15), kOrange);
    EXPECT_EQ(full.At(195, 15), kOrange);
    EXPECT_FALSE(full.HasColourIn(kWhite, 3, 3, 197, 27));
    EXPECT_TRUE(full.HasColourIn(kBlack, 80, 3, 120, 27)) << "the text 100% in the middle";
}

// A standard progress control of 200 x 30 for a bar to take over.
HWND NewProgressControl(DWORD style)
{
    return CreateWindowExW(0, PROGRESS_CLASSW, L"", style, 0, 0, 200, 30, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

TEST(TextProgressCtrl, PaintsTheStandardControlItTookOver)
{
    const HWND control = NewProgressControl(WS_POPUP | WS_VISIBLE);
    ASSERT_NE(control, nullptr);
    {
        CTextProgressCtrl bar;
        ASSERT_TRUE(bar.Subclass(control));
        bar.SetPos(50);
        EXPECT_EQ(bar.GetPos(), 50);
        UpdateWindow(control);
        CClientDc dc(control);
        EXPECT_EQ(GetPixel(dc.Get(), 10, 15), kOrange);
        EXPECT_EQ(GetPixel(dc.Get(), 190, 15), kWhite);
        bar.Destroy();
    }
}

// The bar keeps its position itself: a new one is drawn at the window's next paint (never at once,
// as the standard control would), and stays within the control's range as the standard one does.
TEST(TextProgressCtrl, KeepsItsPositionWithinTheRangeAndDrawsItAtTheNextPaint)
{
    const HWND control = NewProgressControl(WS_POPUP | WS_VISIBLE);
    ASSERT_NE(control, nullptr);
    CTextProgressCtrl bar;
    ASSERT_TRUE(bar.Subclass(control));
    UpdateWindow(control);
    const auto waitsForPaint = [&] { return GetUpdateRect(control, nullptr, FALSE) != FALSE; };

    EXPECT_EQ(SendMessageW(control, PBM_SETPOS, 40, 0), 0) << "the position before";
    EXPECT_EQ(bar.GetPos(), 40);
    EXPECT_TRUE(waitsForPaint());
    UpdateWindow(control);
    {
        CClientDc dc(control);
        EXPECT_EQ(GetPixel(dc.Get(), 10, 15), kOrange);
    }
    bar.SetPos(40);
    EXPECT_FALSE(waitsForPaint()) << "the same position draws nothing again";

    struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int position;
    } const steps[] = {
        {PBM_SETPOS, 150, 0, 100},          {PBM_SETPOS, static_cast<WPARAM>(-5), 0, 0},
        {PBM_DELTAPOS, 30, 0, 30},          {PBM_SETRANGE32, 0, 20, 20},
        {PBM_SETRANGE, 0, MAKELPARAM(25, 60), 25},
    };
    for (const auto& step : steps) {
        SendMessageW(control, step.message, step.wParam, step.lParam);
        EXPECT_EQ(bar.GetPos(), step.position) << "after message " << step.message;
    }
    bar.Destroy();
}

TEST(ScaleProgressCtrl, SetRangeStartsAtTheLowerBound)
{
    const HWND control = NewProgressControl(WS_POPUP);
    ASSERT_NE(control, nullptr);
    CScaleProgressCtrl bar;
    ASSERT_TRUE(bar.Subclass(control));
    bar.SetPos(70);
    bar.SetRange(10, 90);
    EXPECT_EQ(bar.GetPos(), 10);
    EXPECT_EQ(SendMessageW(control, PBM_GETRANGE, TRUE, 0), 10);
    EXPECT_EQ(SendMessageW(control, PBM_GETRANGE, FALSE, 0), 90);
    bar.Destroy();
}

TEST(ScaleProgressCtrl, LinesAcrossTheBarCarryTheirNumbers)
{
    CScaleProgressCtrl bar;
    bar.SetScale(1, CScaleProgressCtrl::ScaleAcross, 10);
    bar.SetPos(50);  // no window: only the stored position counts for drawing
    Canvas canvas(201, 40);
    bar.DrawBar(canvas.Get(), RECT{0, 0, 201, 40});
    const COLORREF barColour = RGB(36, 173, 225);
    EXPECT_EQ(canvas.At(50, 10), barColour);
    EXPECT_EQ(canvas.At(150, 10), kWhite);
    EXPECT_EQ(canvas.At(150, 37), GetSysColor(COLOR_BTNFACE)) << "the strip under the bar";
    EXPECT_TRUE(canvas.HasColourIn(kBlack, 100, 0, 101, 35)) << "the tick line at 50";
    EXPECT_TRUE(canvas.HasColourIn(kBlack, 180, 15, 201, 35)) << "100 at the right end";
    EXPECT_TRUE(canvas.HasColourIn(kBlack, 200, 0, 201, 35)) << "the last line at the right end";
    EXPECT_FALSE(canvas.HasColourIn(kBlack, 198, 0, 200, 35)) << "100 ends clear of that line";
}

TEST(MemDC, CopiesWhatWasDrawnWhenItGoes)
{
    Canvas target(50, 50);
    IntersectClipRect(target.Get(), 10, 10, 40, 40);
    {
        CMemDC memory(target.Get());
        EXPECT_TRUE(memory.DrawsOffScreen());
        CScopedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        RECT area = {10, 10, 40, 40};
        FillRect(memory.Get(), &area, red.Get());
        EXPECT_NE(target.At(20, 20), RGB(255, 0, 0)) << "nothing on the target yet";
    }
    EXPECT_EQ(target.At(20, 20), RGB(255, 0, 0));
    EXPECT_EQ(target.At(39, 39), RGB(255, 0, 0));
}

}  // namespace
