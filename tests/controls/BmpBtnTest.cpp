#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "BitmapFile.h"
#include "BmpBtn.h"
#include "BmpButton.h"
#include "ModalSeam.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

// Every character 10 wide and 16 high.
const CharacterMeasure kFixedMeasure = [](wchar_t) { return SIZE{10, 16}; };

struct ImageCase {
    bool disabled, selected, latched, hasPressed, hasDisabled;
    BUTTON_IMAGE expected;
};

class ButtonImageTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ButtonImageTest, ShowsTheImageOfItsState)
{
    const ImageCase& c = GetParam();
    EXPECT_EQ(ChooseButtonImage(c.disabled, c.selected, c.latched, c.hasPressed, c.hasDisabled), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonImageTest, ::testing::Values(
    ImageCase{false, false, false, true, true, BUTTON_IMAGE::Normal},
    ImageCase{false, true, false, true, true, BUTTON_IMAGE::Pressed},
    ImageCase{false, false, true, true, true, BUTTON_IMAGE::Pressed},
    ImageCase{true, false, true, true, true, BUTTON_IMAGE::Disabled},
    ImageCase{true, true, false, true, true, BUTTON_IMAGE::Disabled},
    ImageCase{true, false, false, true, false, BUTTON_IMAGE::Normal},
    ImageCase{false, true, false, false, true, BUTTON_IMAGE::Normal}));

TEST(CaptionColour, GreyWhenDisabledUnlessCustom)
{
    EXPECT_EQ(CaptionColour(false, false, 0), RGB(0, 0, 0));
    EXPECT_EQ(CaptionColour(true, false, 0), RGB(128, 128, 128));
    EXPECT_EQ(CaptionColour(true, true, RGB(255, 255, 255)), RGB(255, 255, 255));
}

struct LineCase {
    int width;
    const wchar_t* caption;
    int margin;
    int expected;
};

class TwoLineHeightTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TwoLineHeightTest, TellsWhenACaptionNeedsTwoLines)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(TwoLineHeight(c.width, c.caption, c.margin, kFixedMeasure), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoLineHeightTest, ::testing::Values(
    LineCase{100, L"", 8, 0},
    LineCase{100, L"abcdefgh", 8, 0},     // the last character may overhang: nothing follows it
    LineCase{100, L"abcdefghi", 8, 32},
    LineCase{96, L"abcdefgh", 8, 0},
    LineCase{96, L"abcdefgh", 10, 32},
    LineCase{0, L"ab", 8, 32}));

TEST(LayoutCaption, PlacesEachCaptionWhereItsFlagSays)
{
    const RECT item = {0, 0, 100, 60};
    CAPTION_PLACEMENT_FLAGS all;
    all.centred = all.left = all.bottomWrapped = all.bottomCentred = true;

    const auto oneLine = LayoutCaption(all, item, L"OK", kFixedMeasure);
    ASSERT_EQ(oneLine.size(), 4u);
    EXPECT_EQ(oneLine[0].format, UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_EQ(oneLine[1].rect.left, 3);
    EXPECT_EQ(oneLine[2].rect.top, 30);
    EXPECT_EQ(oneLine[2].format, UINT(DT_SINGLELINE));
    EXPECT_EQ(oneLine[3].format, UINT(DT_CENTER | DT_BOTTOM | DT_SINGLELINE));

    const auto twoLines = LayoutCaption(all, item, L"abcdefghijk", kFixedMeasure);
    EXPECT_EQ(twoLines[0].rect.left, 9);
    EXPECT_EQ(twoLines[0].rect.top, 14);  // (60 - 32) / 2
    EXPECT_EQ(twoLines[0].rect.bottom, 46);
    EXPECT_EQ(twoLines[0].format, UINT(DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL));
    EXPECT_EQ(twoLines[2].rect.top, 60 - 32 - 12);

    const RECT low = {0, 0, 100, 20};  // two lines do not fit: one centred line
    CAPTION_PLACEMENT_FLAGS centred;
    centred.centred = true;
    EXPECT_EQ(LayoutCaption(centred, low, L"abcdefghijk", kFixedMeasure)[0].format,
              UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_TRUE(LayoutCaption(CAPTION_PLACEMENT_FLAGS{}, item, L"OK", kFixedMeasure).empty());
}

// A button drawn into a memory bitmap, for looking at its pixels.
class ButtonRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW;
        args.rect = {0, 0, 300, 200};
        ASSERT_TRUE(parent.Create(args));
        ASSERT_TRUE(button.Create(L"", WS_VISIBLE, RECT{10, 10, 113, 39}, parent.Handle(), 3001));
        button.SetBitmaps(IDB_SOFTROW_BUTTON, IDB_SOFTROW_BUTTON_DOWN, IDB_SOFTROW_BUTTON_OFF, 0);
    }

    COLORREF CentreOf(UINT state)
    {
        const RECT item = {0, 0, 103, 29};
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CScopedBitmap target(CreateCompatibleBitmap(screen.Get(), 103, 29));
        CSelectObject selected(memory.Get(), target.Get());
        button.DrawButton(memory.Get(), item, state);
        return GetPixel(memory.Get(), 51, 20);
    }

    static COLORREF ImageCentre(int id)
    {
        CScopedBitmap image(LoadProgramBitmap(id));
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        CSelectObject selected(memory.Get(), image.Get());
        return GetPixel(memory.Get(), 51, 20);
    }

    CWindow parent;
    CBmpBtn button;
};

TEST_F(ButtonRenderTest, DrawsTheImageOfItsState)
{
    EXPECT_EQ(CentreOf(0), ImageCentre(IDB_SOFTROW_BUTTON));
    EXPECT_EQ(CentreOf(ODS_SELECTED), ImageCentre(IDB_SOFTROW_BUTTON_DOWN));
    EXPECT_EQ(CentreOf(ODS_DISABLED), ImageCentre(IDB_SOFTROW_BUTTON_OFF));
    button.SetChecked(true);
    EXPECT_EQ(CentreOf(0), ImageCentre(IDB_SOFTROW_BUTTON_DOWN));
    EXPECT_EQ(CentreOf(ODS_DISABLED), ImageCentre(IDB_SOFTROW_BUTTON_OFF));
}

TEST_F(ButtonRenderTest, WithoutImagesDrawsTheDefaultImage)
{
    button.SetBitmaps(0, 0, 0, 0);
    EXPECT_EQ(CentreOf(ODS_SELECTED), ImageCentre(IDB_BUTTON_DEFAULT));
}

TEST_F(ButtonRenderTest, DrawsItsCaptionInsideTheButton)
{
    const COLORREF plain = CentreOf(0);
    button.SetText(L"\u2588\u2588\u2588\u2588\u2588\u2588");  // solid blocks cover the centre
    button.SetCenterText(true);
    const RECT item = {0, 0, 103, 29};
    CClientDc screen(nullptr);
    CMemoryDc memory(screen.Get());
    CScopedBitmap target(CreateCompatibleBitmap(screen.Get(), 103, 29));
    CSelectObject selected(memory.Get(), target.Get());
    button.DrawButton(memory.Get(), item, 0);
    int dark = 0;
    for (int x = 20; x < 83; ++x)
        dark += GetPixel(memory.Get(), x, 14) != plain;
    EXPECT_GT(dark, 10) << "no caption drawn across the middle";
}

TEST_F(ButtonRenderTest, LatchingTwiceRepaintsOnce)
{
    button.Show();
    parent.Show();
    UpdateWindow(parent.Handle());
    ValidateRect(button.Handle(), nullptr);
    button.SetChecked(false);  // no change
    EXPECT_FALSE(GetUpdateRect(button.Handle(), nullptr, FALSE));
    button.SetChecked(true);
    EXPECT_TRUE(GetUpdateRect(button.Handle(), nullptr, FALSE));
    EXPECT_TRUE(button.GetChecked());
}

// Both skinned buttons (the captioned one and the strip one of the navigation bar) clip to their
// region, take the capture and the focus while the pointer is over them, and give them up.
template <typename BUTTON>
class SkinnedHoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.rect = {0, 0, 300, 200};
        ASSERT_TRUE(parent.Create(args));
        SetForegroundWindow(parent.Handle());
        SetActiveWindow(parent.Handle());
        ASSERT_TRUE(CreateButton());
    }
    bool CreateButton();
    void MoveMouse(int x, int y) { button.SendMsg(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    CWindow parent;
    BUTTON button;
};

template <>
bool SkinnedHoverTest<CBmpBtn>::CreateButton()
{
    return button.Create(L"", WS_VISIBLE, RECT{10, 10, 113, 39}, parent.Handle(), 3001);
}

template <>
bool SkinnedHoverTest<CBmpButton>::CreateButton()
{
    return button.Create(WS_VISIBLE, RECT{10, 10, 141, 70}, parent.Handle(), 1201);
}

using SkinnedButtons = ::testing::Types<CBmpBtn, CBmpButton>;
TYPED_TEST_SUITE(SkinnedHoverTest, SkinnedButtons);

TYPED_TEST(SkinnedHoverTest, HoversWhileThePointerIsOverItAndLetsGo)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(this->button.Handle(), region), ERROR) << "a window region";
    DeleteObject(region);

    this->MoveMouse(5, 5);
    EXPECT_TRUE(this->button.IsHovering());
    EXPECT_EQ(GetCapture(), this->button.Handle());
    EXPECT_EQ(GetFocus(), this->button.Handle());
    this->MoveMouse(500, 5);  // out, the button up
    EXPECT_FALSE(this->button.IsHovering());
    EXPECT_NE(GetCapture(), this->button.Handle());

    this->MoveMouse(5, 5);
    SetCapture(this->parent.Handle());  // another window takes the capture: it keeps it
    EXPECT_EQ(GetCapture(), this->parent.Handle());
    ReleaseCapture();
    this->MoveMouse(5, 5);
    SetFocus(this->parent.Handle());
    EXPECT_FALSE(this->button.IsHovering()) << "losing the focus ends the hover";
    ReleaseCapture();
}

class BitmapFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            messages.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override { SetModalAnswerer({}); }

    std::wstring Write(const std::string& name, const std::string& bytes) { return folder.Write(name, bytes).wstring(); }

    CTempFolder folder;
    std::vector<std::wstring> messages;
};

std::string TwoByTwoBmp(uint32_t infoSize = 40)
{
    std::string bytes(14 + 40 + 16, '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<uint32_t>(bytes.size()));
    put(10, 54);
    put(14, infoSize);
    put(18, 2);
    put(22, 2);
    bytes[26] = 1;
    bytes[28] = 24;
    for (size_t i = 54; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(0xFF);
    return bytes;
}

TEST_F(BitmapFileTest, LoadsAWindows30File)
{
    CBitmapFile bitmap;
    EXPECT_TRUE(bitmap.LoadBmpFile(Write("good.bmp", TwoByTwoBmp())));
    EXPECT_NE(bitmap.Handle(), nullptr);
    EXPECT_TRUE(messages.empty());
}

TEST_F(BitmapFileTest, RefusesBadFilesWithTheirMessage)
{
    CBitmapFile bitmap;
    ASSERT_TRUE(bitmap.LoadBmpFile(Write("good.bmp", TwoByTwoBmp())));
    std::string oneMore = TwoByTwoBmp() + "x";

    EXPECT_FALSE(bitmap.LoadBmpFile(Write("text.bmp", "hello")));
    EXPECT_FALSE(bitmap.LoadBmpFile(Write("long.bmp", oneMore)));
    EXPECT_FALSE(bitmap.LoadBmpFile(Write("os2.bmp", TwoByTwoBmp(12))));
    EXPECT_NE(bitmap.Handle(), nullptr) << "a failed check keeps the previous bitmap";
    const std::wstring missing = (folder / "missing.bmp").wstring();
    EXPECT_FALSE(bitmap.LoadBmpFile(missing));
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"The file is not a BMP file!", L"The BMP file header error!",
                                                   L"The BMP is not Windows 3.0 format!",
                                                   L"BMP file open error:" + missing}));
}

}  // namespace
