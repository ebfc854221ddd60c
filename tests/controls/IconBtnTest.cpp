// The icon grid as a window: what it draws, and what keys and the mouse do to it.
#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>
#include <vector>

#include "IconBtn.h"
#include "ScopedWin.h"
#include "resource.h"

namespace {

constexpr int kGridId = 3032;
constexpr COLORREF kCaptionColour = RGB(100, 100, 100);
constexpr COLORREF kGridLineColour = RGB(157, 157, 161);

COLORREF IconColour(int item)
{
    return RGB(20 + item * 8, 200 - item * 6, 40);
}

class CCommandParent : public CWindow {
public:
    std::vector<std::tuple<int, int, HWND>> commands;

protected:
    bool OnCommand(int id, int code, HWND control) override
    {
        commands.emplace_back(id, code, control);
        return true;
    }
};

// A grid of 661 x 520 pixels with cells of 160 x 170: 4 x 3 cells of 165 x 173 pixels, and a strip of
// one pixel right of the last column and below the last row.
class IconBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.rect = {0, 0, 720, 600};
        ASSERT_TRUE(parent.Create(args));
        ASSERT_TRUE(grid.Create(WS_VISIBLE, RECT{0, 0, 661, 520}, parent.Handle(), kGridId));
        grid.LoadFrameBitmaps();
        Fill(25);
        const GRID_PITCH pitch = grid.SetCellSize(160, 170);
        ASSERT_EQ(pitch.x, 165);
        ASSERT_EQ(pitch.y, 173);
        parent.Show();
    }
    void TearDown() override
    {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }

    void Fill(int count)
    {
        grid.RemoveAllItems();
        icons.clear();
        CClientDc screen(nullptr);
        for (int i = 0; i < count; ++i) {
            icons.emplace_back(CreateCompatibleBitmap(screen.Get(), 60, 50));
            CMemoryDc memory(screen.Get());
            CSelectObject selected(memory.Get(), icons.back().Get());
            CScopedBrush brush(CreateSolidBrush(IconColour(i)));
            const RECT all = {0, 0, 60, 50};
            FillRect(memory.Get(), &all, brush.Get());
            grid.SetItem(grid.GetItemCount(), L"Item " + std::to_wstring(i), icons.back().Get());
        }
    }

    // Draws the grid into `picture` as the control would draw itself.
    void Draw(UINT state)
    {
        CClientDc screen(nullptr);
        picture.Reset(CreateCompatibleBitmap(screen.Get(), 661, 520));
        CMemoryDc memory(screen.Get());
        CSelectObject selected(memory.Get(), picture.Get());
        grid.DrawGrid(memory.Get(), RECT{0, 0, 661, 520}, state);
    }
    COLORREF Pixel(int x, int y) const
    {
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CSelectObject selected(memory.Get(), picture.Get());
        return GetPixel(memory.Get(), x, y);
    }
    int CountInRect(const RECT& area, COLORREF colour) const
    {
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CSelectObject selected(memory.Get(), picture.Get());
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += GetPixel(memory.Get(), x, y) == colour;
        }
        return count;
    }
    // The top left of the item frame in a cell, as the grid places it below its caption's height.
    POINT FrameOrigin(int cellLeft, int cellTop, const std::wstring& caption) const
    {
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        SIZE text = {};
        GetTextExtentPoint32W(memory.Get(), caption.c_str(), static_cast<int>(caption.size()), &text);
        return POINT{cellLeft + (165 - 125) / 2, cellTop + (173 - text.cy - 116) / 3};
    }
    void Click(int x, int y)
    {
        grid.SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        grid.SendMsg(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    LRESULT Key(WPARAM key) { return grid.SendMsg(WM_KEYDOWN, key, 0); }

    CCommandParent parent;
    CIconBtn grid;
    std::vector<CScopedBitmap> icons;
    CScopedBitmap picture;
};

TEST_F(IconBtnTest, DrawsFramedIconsWithCaptionsAndGridLines)
{
    Draw(0);
    const POINT frame = FrameOrigin(0, 0, L"Item 0");
    EXPECT_EQ(Pixel(frame.x + 62, frame.y + 58), IconColour(0)) << "the icon sits in the middle of its frame";
    const POINT sixth = FrameOrigin(165, 173, L"Item 5");
    EXPECT_EQ(Pixel(sixth.x + 62, sixth.y + 58), IconColour(5));
    EXPECT_NE(Pixel(frame.x + 2, frame.y + 2), RGB(255, 255, 255)) << "the item frame is drawn";
    EXPECT_GT(CountInRect(RECT{0, 173 - 45, 165, 173}, kCaptionColour), 10) << "the caption below the frame";
    EXPECT_EQ(Pixel(660, 300), kGridLineColour) << "the line at the right edge";
    EXPECT_TRUE(Pixel(300, 172) == kGridLineColour || Pixel(300, 173) == kGridLineColour) << "the line between rows";
    EXPECT_TRUE(Pixel(164, 300) == kGridLineColour || Pixel(165, 300) == kGridLineColour) << "between columns";
    EXPECT_EQ(grid.LastDrawnSelected(), -1) << "the selection is shown only with the focus";
}

TEST_F(IconBtnTest, TheFocusedGridFramesItsSelectedItem)
{
    grid.SendMsg(WM_MOUSEMOVE, 0, MAKELPARAM(165 + 80, 80));  // the selection follows the mouse
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    const POINT frame = FrameOrigin(165, 0, L"Item 1");
    Draw(0);
    const COLORREF plain = Pixel(frame.x - 1, frame.y - 4);
    Draw(ODS_FOCUS);
    EXPECT_EQ(grid.LastDrawnSelected(), 1);
    EXPECT_NE(Pixel(frame.x - 1, frame.y - 4), plain) << "the selection frame lies around the item frame";
    EXPECT_EQ(Pixel(frame.x + 62, frame.y + 58), IconColour(1)) << "the icon is drawn over the selection frame";
}

TEST_F(IconBtnTest, PageKeysShowTheNextItems)
{
    EXPECT_EQ(Key(VK_NEXT), 0);
    EXPECT_EQ(grid.Grid().First(), 12);
    Draw(0);
    const POINT frame = FrameOrigin(0, 0, L"Item 12");
    EXPECT_EQ(Pixel(frame.x + 62, frame.y + 58), IconColour(12));
    Key(VK_NEXT);
    Draw(0);
    EXPECT_EQ(Pixel(frame.x + 62, frame.y + 58), IconColour(24));
    const POINT second = FrameOrigin(165, 0, L"Item 25");
    EXPECT_EQ(Pixel(second.x + 62, second.y + 58), RGB(255, 255, 255)) << "nothing after the last item";
    EXPECT_EQ(grid.OnNavigateKey(VK_PRIOR), 1);
    EXPECT_EQ(grid.Grid().First(), 12);
}

TEST_F(IconBtnTest, EnterAndSpaceChooseTheSelectedItem)
{
    Key(VK_RIGHT);
    Key(VK_RETURN);
    Key(VK_SPACE);
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[0], std::make_tuple(kGridId, 0, HWND(nullptr)));
    EXPECT_EQ(grid.GetSelectedItem(), 1);

    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(VK_RETURN);
    Key(VK_NEXT);
    EXPECT_EQ(parent.commands.size(), 2u) << "keys with Shift, Ctrl or Alt are not the grid's";
    EXPECT_EQ(grid.Grid().First(), 0);
}

TEST_F(IconBtnTest, AnEmptyGridTakesNoKeyAndChoosesNothing)
{
    Fill(0);
    Key(VK_RETURN);
    Key(VK_NEXT);
    Click(80, 80);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(grid.OnNavigateKey(VK_NEXT), 0);
}

TEST_F(IconBtnTest, AClickChoosesTheItemUnderTheMouse)
{
    Click(3 * 165 + 20, 173 + 20);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(grid.GetSelectedItem(), 7);
    EXPECT_EQ(std::get<0>(parent.commands[0]), kGridId);
}

TEST_F(IconBtnTest, ClicksInTheEdgeStripsChooseNothing)
{
    Click(660, 20);  // right of the last column: not the first cell of the next row
    Click(20, 519);  // below the last row: not an item of the next page
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(grid.GetSelectedItem(), 0);
}

TEST_F(IconBtnTest, ResizingGoesBackToTheFirstPage)
{
    Draw(0);
    Key(VK_NEXT);
    Key(VK_RIGHT);
    grid.Move(0, 0, 500, 400);
    EXPECT_EQ(grid.Grid().First(), 0);
    EXPECT_EQ(grid.Grid().SelectedCell(), 0);
}

TEST_F(IconBtnTest, AGridTooSmallForOneCellDrawsNoItem)
{
    grid.Move(0, 0, 100, 100);
    const GRID_PITCH pitch = grid.SetCellSize(160, 170);
    EXPECT_EQ(pitch.x, 160);
    EXPECT_EQ(pitch.y, 170);
    CClientDc screen(nullptr);
    picture.Reset(CreateCompatibleBitmap(screen.Get(), 100, 100));
    CMemoryDc memory(screen.Get());
    CSelectObject selected(memory.Get(), picture.Get());
    grid.DrawGrid(memory.Get(), RECT{0, 0, 100, 100}, ODS_FOCUS);
    int white = 0;
    for (int y = 0; y < 100; ++y)
        white += GetPixel(memory.Get(), 50, y) == RGB(255, 255, 255);
    EXPECT_EQ(white, 100);
    EXPECT_LT(grid.GetSelectedItem(), 0) << "nothing can be selected";
}

}  // namespace
