// The picture button: where its parts go, which strip slice it shows, the red frame of the button
// clicked last, the check state, and the disabled icon.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "BmpBytes.h"
#include "PicButton.h"
#include "PicButtonLayout.h"
#include "ScopedWin.h"
#include "TempFolder.h"

namespace {

TEST(PicButtonLayoutTest, PicturesGoLeftOrAboveTheCaptionOrInTheMiddle)
{
    PIC_BUTTON_PARTS parts;
    parts.hasIcon = true;
    parts.icon = {20, 10};
    parts.hasCaption = true;
    PIC_BUTTON_LAYOUT beside = LayOutPicButton({3, 3, 103, 43}, parts);
    EXPECT_EQ(beside.icon.x, 2);
    EXPECT_EQ(beside.icon.y, (43 - 10 - 0) / 2);
    EXPECT_EQ(beside.caption.left, 0 + 20 + 4) << "the caption starts right of the icon";

    parts.picturesAbove = true;
    PIC_BUTTON_LAYOUT above = LayOutPicButton({3, 3, 103, 43}, parts);
    EXPECT_EQ(above.icon.x, (106 - 20 - 0) / 2);
    EXPECT_EQ(above.icon.y, 0);
    EXPECT_EQ(above.caption.top, 0 + 10);

    parts.hasCaption = false;
    PIC_BUTTON_LAYOUT alone = LayOutPicButton({3, 3, 103, 43}, parts);
    EXPECT_EQ(alone.icon.x, 0 + (106 - 20) / 2);
    EXPECT_EQ(alone.icon.y, 0 + (43 - 10) / 2);

    PIC_BUTTON_PARTS strip;
    strip.hasStrip = true;
    strip.slice = {16, 16};
    strip.hasCaption = true;
    strip.stripRight = true;
    PIC_BUTTON_LAYOUT right = LayOutPicButton({3, 3, 103, 43}, strip);
    EXPECT_EQ(right.slice.x, 106 - 16 + 3);
    EXPECT_EQ(right.caption.right, 106 - 16 - 4);
    EXPECT_EQ(right.caption.left, 2) << "a caption never touches the left edge";
}

TEST(PicButtonLayoutTest, TheSliceFollowsTheState)
{
    EXPECT_EQ(PicButtonSlice(false, false, false, false, false), 0);
    EXPECT_EQ(PicButtonSlice(false, false, false, false, true), 1);
    EXPECT_EQ(PicButtonSlice(false, false, false, true, true), 2);
    EXPECT_EQ(PicButtonSlice(false, false, true, true, true), 3) << "disabled wins";
    EXPECT_EQ(PicButtonSlice(true, true, true, false, false), 0) << "a check box shows its check";
    EXPECT_EQ(PicButtonSlice(true, false, false, true, false), 1);
}

// A picture of one colour whose top-left pixel, the transparent key, is white.
std::string KeyedBmp(int width, int height, COLORREF colour)
{
    std::string bytes = SolidBmp(width, height, colour);
    const size_t stride = static_cast<size_t>((width * 3 + 3) & ~3);
    const size_t topLeft = 54 + stride * static_cast<size_t>(height - 1);  // rows are stored bottom-up
    bytes[topLeft] = bytes[topLeft + 1] = bytes[topLeft + 2] = static_cast<char>(0xFF);
    return bytes;
}

class PicButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.rect = {0, 0, 400, 200};
        ASSERT_TRUE(parent.Create(args));
        first.SubclassButton(MakeButton(L"First", 101, BS_PUSHBUTTON, 10));
        second.SubclassButton(MakeButton(L"Second", 102, BS_PUSHBUTTON, 130));
    }

    HWND MakeButton(const wchar_t* caption, int id, DWORD style, int x)
    {
        return CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | style, x, 10, 110, 40, parent.Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    void Click(CPicButton& button)
    {
        SendMessageW(parent.Handle(), WM_COMMAND, MAKEWPARAM(button.ControlId(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button.Handle()));
    }
    // The button drawn into a bitmap; the colour at a point of it.
    COLORREF Drawn(CPicButton& button, UINT state, int x, int y)
    {
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CScopedBitmap target(CreateCompatibleBitmap(screen.Get(), 120, 50));
        CSelectObject selected(memory.Get(), target.Get());
        button.DrawButton(memory.Get(), RECT{3, 3, 113, 43}, state);
        return GetPixel(memory.Get(), x, y);
    }

    CWindow parent;
    CPicButton first;
    CPicButton second;
    CTempFolder folder;
};

TEST_F(PicButtonTest, TheRedFrameMovesToTheButtonClickedLast)
{
    constexpr COLORREF kRed = RGB(220, 36, 34);
    Click(first);
    EXPECT_TRUE(first.IsMarked());
    EXPECT_EQ(Drawn(first, 0, 2, 20), kRed) << "the frame at the caption's left edge";
    Click(second);
    EXPECT_FALSE(first.IsMarked());
    EXPECT_TRUE(second.IsMarked());
    EXPECT_NE(Drawn(first, 0, 2, 20), kRed);

    CPicButton bare;
    bare.SubclassButton(MakeButton(L"", 103, BS_PUSHBUTTON, 250));
    Click(bare);
    EXPECT_NE(Drawn(bare, 0, 2, 20), kRed) << "a button without caption has no frame";
}

TEST_F(PicButtonTest, CheckStateAndCheckBoxes)
{
    first.SendMsg(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_TRUE(first.GetCheck());
    EXPECT_EQ(first.SendMsg(BM_GETCHECK), BST_CHECKED);
    EXPECT_FALSE(first.IsCheckBox());

    CPicButton box;
    ASSERT_TRUE(box.SubclassButton(MakeButton(L"Box", 104, BS_AUTOCHECKBOX, 250)));
    EXPECT_TRUE(box.IsCheckBox());
    EXPECT_EQ(GetWindowLongPtrW(box.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    Click(box);
    EXPECT_TRUE(box.GetCheck());
    Click(box);
    EXPECT_FALSE(box.GetCheck());
}

TEST_F(PicButtonTest, ADisabledButtonShowsItsDisabledIcon)
{
    const auto normal = folder.Write("normal.bmp", KeyedBmp(16, 16, RGB(200, 0, 0)));
    const auto disabled = folder.Write("disabled.bmp", KeyedBmp(16, 16, RGB(0, 0, 200)));
    CPicButton icon;
    icon.SubclassButton(MakeButton(L"", 105, BS_PUSHBUTTON, 250));
    ASSERT_TRUE(icon.LoadIconFiles(normal.wstring(), disabled.wstring()));
    // Without a caption the icon stands in the middle of the widened rectangle (0..116 x 0..43).
    EXPECT_EQ(Drawn(icon, 0, 58, 21), RGB(200, 0, 0));
    EXPECT_EQ(Drawn(icon, ODS_DISABLED, 58, 21), RGB(0, 0, 200));
    EXPECT_EQ(Drawn(icon, 0, 50, 13), RGB(224, 223, 227)) << "the key pixel lets the background through";
}

}  // namespace
