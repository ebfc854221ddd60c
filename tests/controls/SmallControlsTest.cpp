// The small controls of single screens: the value-input field's character filter, the line list
// box and the version button, in real windows and drawn into bitmaps.
#include <gtest/gtest.h>

#include <climits>

#include <windows.h>

#include <string>

#include "KeyEdit.h"
#include "LineListBox.h"
#include "ScopedWin.h"
#include "VersionBtn.h"

namespace {

constexpr int kControlId = 77;

// A bitmap of the screen's format filled white, to draw into and read back.
class CTestPicture {
public:
    CTestPicture(int width, int height) : m_memory(m_screen.Get())
    {
        m_bitmap.Reset(CreateCompatibleBitmap(m_screen.Get(), width, height));
        m_selected = SelectObject(m_memory.Get(), m_bitmap.Get());
        const RECT all = {0, 0, width, height};
        FillRect(m_memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~CTestPicture() { SelectObject(m_memory.Get(), m_selected); }
    HDC Dc() const { return m_memory.Get(); }
    int CountNotWhite(const RECT& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += GetPixel(m_memory.Get(), x, y) != RGB(255, 255, 255);
        }
        return count;
    }
    int Count(const RECT& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += GetPixel(m_memory.Get(), x, y) == colour;
        }
        return count;
    }

private:
    CClientDc m_screen{nullptr};
    CMemoryDc m_memory;
    CScopedBitmap m_bitmap;
    HGDIOBJ m_selected = nullptr;
};

class SmallControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.rect = {0, 0, 500, 400};
        ASSERT_TRUE(parent.Create(args));
        parent.Show();
    }
    HWND CreateChild(const wchar_t* className, DWORD style)
    {
        return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 320, 200, parent.Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleW(nullptr),
                               nullptr);
    }
    void Type(CWindow& control, const std::wstring& text)
    {
        for (wchar_t c : text)
            control.SendMsg(WM_CHAR, c, 1);
    }

    CWindow parent;
};

struct TypingCase {
    const wchar_t* rule;
    const wchar_t* typed;
    const wchar_t* shown;
};

class KeyEditTypingTest : public SmallControlsTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(KeyEditTypingTest, KeepsOnlyWhatTheRuleLetsThrough)
{
    CKeyEdit edit;
    ASSERT_TRUE(edit.Subclass(CreateChild(L"EDIT", ES_AUTOHSCROLL)));
    EXPECT_TRUE(edit.SetInputRule(GetParam().rule, L"10", L"20"));
    Type(edit, GetParam().typed);
    EXPECT_EQ(edit.GetText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rules, KeyEditTypingTest, ::testing::Values(
    TypingCase{L"9", L"-1-2a3.4 -", L"-1-234-"},
    TypingCase{L"X", L"0aFgG9z", L"0aF9"},
    TypingCase{L"A", L"a1_{Zb", L"aZb"},
    TypingCase{L"?", L"a1_{Z", L"a1_{Z"},
    TypingCase{L"9", L"12\b3", L"13"},            // Backspace passes
    TypingCase{L"A", L"ab\x00E4\x4E2D", L"ab\x00E4\x4E2D"}));  // beyond ASCII passes

TEST_F(SmallControlsTest, KeyEditDoesNotFilterPastedTextAndKeepsThePreviousText)
{
    CKeyEdit edit;
    ASSERT_TRUE(edit.Subclass(CreateChild(L"EDIT", ES_AUTOHSCROLL)));
    edit.SetInputRule(L"9", L"", L"");
    Type(edit, L"12");
    edit.SendMsg(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"xy"));
    EXPECT_EQ(edit.GetText(), L"12xy");
    Type(edit, L"z");
    EXPECT_EQ(edit.PreviousText(), L"12xy") << "the text before the last typed character";
    EXPECT_EQ(edit.GetText(), L"12xy");
}

TEST_F(SmallControlsTest, LineListBoxRowsAre28PixelsHighAndEndInAnEtchedLine)
{
    CLineListBox list;
    ASSERT_TRUE(list.Subclass(CreateChild(L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY)));
    list.SendMsg(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"  V10.1"));
    EXPECT_EQ(list.SendMsg(LB_GETITEMHEIGHT, 0, 0), CLineListBox::kRowHeight);

    // Drawn as the list box asks its parent, which hands the request to the list.
    CTestPicture picture(320, 28);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = kControlId;
    item.itemID = 0;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = list.Handle();
    item.hDC = picture.Dc();
    item.rcItem = {0, 0, 320, 28};
    parent.SendMsg(WM_DRAWITEM, kControlId, reinterpret_cast<LPARAM>(&item));
    EXPECT_GT(picture.CountNotWhite({0, 4, 120, 24}), 0) << "the row's text";
    EXPECT_GT(picture.Count({0, 26, 320, 28}, GetSysColor(COLOR_BTNSHADOW)), 200) << "the etched line";
    EXPECT_EQ(picture.CountNotWhite({150, 0, 320, 25}), 0);

    CTestPicture empty(320, 28);
    item.hDC = empty.Dc();
    item.itemID = static_cast<UINT>(-1);
    parent.SendMsg(WM_DRAWITEM, kControlId, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(empty.CountNotWhite({0, 0, 320, 28}), 0) << "an empty list draws nothing";
}

TEST_F(SmallControlsTest, LineListBoxTogglesTheFocusRectangleOnFocusChanges)
{
    CTestPicture picture(320, 28);
    DRAWITEMSTRUCT item = {};
    item.itemAction = ODA_FOCUS;
    item.hDC = picture.Dc();
    item.rcItem = {0, 0, 320, 28};
    CLineListBox::DrawRow(item, L"");
    const int withFocus = picture.CountNotWhite({0, 0, 320, 2});
    EXPECT_GT(withFocus, 100);
    item.itemAction = ODA_DRAWENTIRE;
    CLineListBox::DrawRow(item, L"");
    EXPECT_EQ(picture.CountNotWhite({0, 0, 320, 2}), withFocus) << "a whole-row drawing leaves the focus alone";
}

// The picture (bitmap 320, 103 x 29) stands at the left; the two lines from x = 113 in 30-pixel
// bands centred on the button: on an 80-pixel button 10 to 40 and 40 to 70.
struct VersionTextCase {
    const wchar_t* caption;
    const wchar_t* subText;
    bool showText;
    bool firstLine;
    bool secondLine;
};

class VersionBtnTest : public SmallControlsTest, public ::testing::WithParamInterface<VersionTextCase> {};

TEST_P(VersionBtnTest, DrawsTheLinesItHasBesideItsPicture)
{
    CVersionBtn button;
    ASSERT_TRUE(button.Create(WS_VISIBLE, RECT{0, 0, 320, 80}, parent.Handle(), kControlId));
    button.SetText(GetParam().caption);
    button.SetSubText(GetParam().subText);
    button.SetShowText(GetParam().showText);
    CTestPicture picture(320, 80);
    button.DrawButton(picture.Dc(), RECT{0, 0, 320, 80}, 0);
    EXPECT_GT(picture.CountNotWhite({0, 26, 103, 55}), 1000) << "the picture, vertically centred";
    EXPECT_EQ(picture.CountNotWhite({0, 0, 103, 25}), 0);
    EXPECT_EQ(picture.CountNotWhite({113, 10, 305, 40}) > 0, GetParam().firstLine);
    EXPECT_EQ(picture.CountNotWhite({113, 40, 305, 70}) > 0, GetParam().secondLine);
    EXPECT_EQ(picture.CountNotWhite({305, 0, 320, 80}), 0) << "nothing right of the text band";
}

INSTANTIATE_TEST_SUITE_P(Lines, VersionBtnTest, ::testing::Values(
    VersionTextCase{L"V10.1", L"2026-11-02", true, true, true},
    VersionTextCase{L"", L"2026-11-02", true, false, true},
    VersionTextCase{L"V10.1", L"", true, true, false},
    VersionTextCase{L"V10.1", L"2026-11-02", false, false, false}));

// The owner's two numbers: each kept as given, apart from each other and from the latched state,
// and neither changes what the button draws.
struct VersionNumbersCase {
    int index;
    int state;
    bool latched;
};

class VersionBtnNumbersTest : public SmallControlsTest, public ::testing::WithParamInterface<VersionNumbersCase> {};

TEST_P(VersionBtnNumbersTest, KeepsItsIndexAndStateApartFromItsLatch)
{
    CVersionBtn button;
    ASSERT_TRUE(button.Create(WS_VISIBLE, RECT{0, 0, 320, 80}, parent.Handle(), kControlId));
    EXPECT_EQ(button.GetIndex(), 0);
    EXPECT_EQ(button.GetState(), 0);
    button.SetText(L"V10.1");
    button.SetSubText(L"2026-11-02");
    button.SetShowText(true);
    CTestPicture before(320, 80);
    button.DrawButton(before.Dc(), RECT{0, 0, 320, 80}, 0);

    button.SetIndex(GetParam().index);
    button.SetChecked(GetParam().latched);
    button.SetState(GetParam().state);
    EXPECT_EQ(button.GetIndex(), GetParam().index);
    EXPECT_EQ(button.GetState(), GetParam().state);
    EXPECT_EQ(button.GetChecked(), GetParam().latched);
    EXPECT_EQ(button.GetText(), L"V10.1");
    CTestPicture after(320, 80);
    button.DrawButton(after.Dc(), RECT{0, 0, 320, 80}, 0);
    for (const RECT& area : {RECT{0, 0, 113, 80}, RECT{113, 10, 305, 40}, RECT{113, 40, 305, 70}})
        EXPECT_EQ(after.CountNotWhite(area), before.CountNotWhite(area));
}

INSTANTIATE_TEST_SUITE_P(Numbers, VersionBtnNumbersTest, ::testing::Values(
    VersionNumbersCase{3, 2, false},
    VersionNumbersCase{-1, 0, true},
    VersionNumbersCase{0, 1, true},
    VersionNumbersCase{INT_MAX, INT_MIN, false}));

TEST_F(SmallControlsTest, VersionBtnKeepsItsTextsAndTakesItsPicture)
{
    CVersionBtn button;
    ASSERT_TRUE(button.Create(WS_VISIBLE, RECT{0, 0, 320, 80}, parent.Handle(), kControlId));
    button.SetText(L"V2.00");
    button.SetSubText(L"second");
    EXPECT_EQ(button.GetText(), L"V2.00");
    EXPECT_EQ(button.GetSubText(), L"second");

    CClientDc screen(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen.Get(), 40, 20);
    button.SetImage(picture);
    CTestPicture drawn(320, 80);
    button.DrawButton(drawn.Dc(), RECT{0, 0, 320, 80}, 0);
    EXPECT_EQ(drawn.CountNotWhite({0, 30, 40, 50}), 40 * 20) << "the given picture, black, at 0, 30";
    EXPECT_EQ(drawn.CountNotWhite({40, 0, 320, 80}), 0);
}

}  // namespace
