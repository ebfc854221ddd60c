// The tile grid as a window: what a click on each part of a tile tells the owner, and the
// progress bar on its page.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "ScopedWin.h"
#include "SoftwareBtn.h"

namespace {

struct SENT {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The owner of the grid: keeps what the grid sends.
class CGridOwner : public CWindow {
public:
    std::vector<SENT> sent;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == CSoftwareBtn::kActionClicked || message == CSoftwareBtn::kSelectClicked ||
            message == CSoftwareBtn::kInfoClicked || message == CSoftwareBtn::kPageMoved) {
            sent.push_back({message, wParam, lParam});
            result = 0;
            return true;
        }
        return false;
    }
    bool OnCommand(int id, int, HWND) override
    {
        sent.push_back({WM_COMMAND, static_cast<WPARAM>(id), 0});
        return true;
    }
};

// Delivers what was posted, as the program's loop does.
void PumpPosted()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class SoftwareBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.rect = {0, 0, 1000, 400};
        ASSERT_TRUE(owner.Create(args));
        ASSERT_TRUE(grid.CreateGrid(owner.Handle(), 3040, RECT{0, 0, 900, 300}));
        grid.CalcLayout(450, 150);  // 2 x 2 tiles
        grid.LoadBitmaps();
        for (size_t i = 0; i < 7; ++i)
            grid.AddItem(i, L"Maker " + std::to_wstring(i), L"V1.0" + std::to_wstring(i), nullptr);
        Draw();
    }
    // Drawing writes the hit rectangles; the picture is kept for looking at pixels.
    void Draw()
    {
        CClientDc screen(nullptr);
        picture.Reset(CreateCompatibleBitmap(screen.Get(), 900, 300));
        CMemoryDc memory(screen.Get());
        CSelectObject chosen(memory.Get(), picture.Get());
        grid.DrawGrid(memory.Get(), RECT{0, 0, 900, 300});
    }
    COLORREF PixelAt(int x, int y)
    {
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CSelectObject chosen(memory.Get(), picture.Get());
        return GetPixel(memory.Get(), x, y);
    }

    CGridOwner owner;
    CSoftwareBtn grid;
    CScopedBitmap picture;
};

TEST_F(SoftwareBtnTest, EachPartOfATileTellsItsOwnMessage)
{
    grid.Press(Centre(grid.Tile(1).rcSelect));
    ASSERT_EQ(owner.sent.size(), 1u);
    EXPECT_EQ(owner.sent[0].message, CSoftwareBtn::kSelectClicked);
    EXPECT_EQ(owner.sent[0].wParam, 1u);
    EXPECT_EQ(owner.sent[0].lParam, 1) << "an unselected tile asks to be selected";
    EXPECT_FALSE(grid.IsSelected(1)) << "the grid itself never selects";

    grid.Press(Centre(grid.Tile(2).rcAction));
    EXPECT_EQ(owner.sent.back().message, CSoftwareBtn::kActionClicked);
    EXPECT_EQ(owner.sent.back().wParam, 2u);

    grid.Press(Centre(grid.Tile(0).rcInfo));
    EXPECT_EQ(owner.sent.size(), 2u) << "outside the store the info area is not clickable";
}

TEST_F(SoftwareBtnTest, SwitchedOffPartsSendNothing)
{
    grid.SetSelectable(0, false);
    grid.SetActionEnabled(3, false);
    Draw();
    grid.Press(Centre(grid.Tile(0).rcSelect));
    EXPECT_TRUE(owner.sent.empty());
    // Outside the store there is no picture of a disabled action button, so nothing to press.
    EXPECT_TRUE(IsRectEmpty(&grid.Tile(3).rcAction));
    grid.SetMarked(3, true);
    EXPECT_TRUE(grid.IsSelectable(3)) << "a marked tile becomes selectable";
    EXPECT_TRUE(grid.IsMarked(3));
}

TEST_F(SoftwareBtnTest, TheProgressBarShowsOnlyOnItsTilesPage)
{
    grid.ShowProgress(5);
    grid.SetProgress(0, 100);
    EXPECT_FALSE(grid.IsProgressShown()) << "tile 5 is on the second page";
    grid.MoveHot(VK_NEXT);
    EXPECT_TRUE(grid.IsProgressShown());
    Draw();
    // Tile 5 is the second cell of its page: the bar starts 176 left of the cell's right edge.
    EXPECT_EQ(PixelAt(900 - 176 + 5, 75 - 12 + 3), RGB(255, 121, 0)) << "all of it filled at 100 %";
    grid.SetProgress(0, 0);
    Draw();
    EXPECT_EQ(PixelAt(900 - 176 + 5, 75 - 12 + 3), RGB(255, 255, 255));
    grid.MoveHot(VK_PRIOR);
    EXPECT_FALSE(grid.IsProgressShown());
}

// Keys come as the message loop delivers them to the focused grid.
TEST_F(SoftwareBtnTest, KeysThroughTheMessageLoopPageAndTellTheOwner)
{
    SetFocus(grid.Handle());
    PostMessageW(grid.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    PostMessageW(grid.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    PostMessageW(grid.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PumpPosted();
    EXPECT_EQ(grid.Grid().PageStart(), 4u);
    EXPECT_EQ(grid.GetHotIndex(), 5u);
    ASSERT_EQ(owner.sent.size(), 2u);
    EXPECT_EQ(owner.sent[0].message, CSoftwareBtn::kPageMoved);
    EXPECT_EQ(owner.sent[1].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(owner.sent[1].wParam, 3040u);
    EXPECT_EQ(SendMessageW(grid.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

TEST_F(SoftwareBtnTest, EnterTellsTheOwnerAndAnIndexOutsideIsRefused)
{
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(owner.sent.size(), 1u);
    EXPECT_EQ(owner.sent[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(owner.sent[0].wParam, 3040u);
    EXPECT_THROW(grid.IsSelected(7), std::out_of_range);
    grid.RemoveItem(0);
    grid.Renumber();
    EXPECT_EQ(grid.GetItemId(0), 0);
    EXPECT_EQ(grid.GetItemName(0), L"Maker 1");
}

}  // namespace
