// The two screens the diagnostic program polls: every request is answered at once with what the
// user did since the one before, and the turn goes straight back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "../frame/FrameFixture.h"
#include "ButtonBar.h"
#include "MakerView.h"
#include "SharedHandles.h"
#include "ShortTestView.h"
#include "StView.h"

namespace {

std::string BE16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Texts(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const std::string& text : texts)
        bytes += text + '\0';
    return bytes;
}

class PollingScreensTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
    }

    // Sends a request as the diagnostic program does and takes the answer, which must be there at
    // once; the turn is given back for the next request.
    std::string Exchange(uint8_t command, const std::string& payload, size_t answerBytes)
    {
        const std::string bytes = std::string{0, 0, static_cast<char>(command), 0} + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
        EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0) << "answered at once";
        const std::string answer(reinterpret_cast<const char*>(block), answerBytes);
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return answer;
    }

    CBmpBtn* SoftKey(int id) { return frame->ButtonBar().GetButton(id); }

    uint8_t* block = nullptr;
};

std::string ShortTest(int rows, const std::string& mode = "", const std::string& prefix = "Item")
{
    std::string payload = BE16(static_cast<uint16_t>(rows)) + Texts({"Quick"}) + mode;
    for (int i = 0; i < rows; ++i)
        payload += Texts({prefix + std::to_string(i), "OK"});
    return payload;
}

TEST_F(PollingScreensTest, AQuickTestReportsTheLastActionOnceWithTheNextAnswer)
{
    auto& view = *static_cast<CShortTestView*>(frame->View(CShortTestView::kViewId));
    EXPECT_EQ(Exchange(100, ShortTest(6, BE16(1)), 5), std::string("\x00\x05\x64\x00\xFF", 5));
    EXPECT_EQ(frame->CurrentViewId(), CShortTestView::kViewId);
    EXPECT_EQ(view.GetText(), L"Quick");
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_TRUE(SoftKey(3017)->IsVisible());
    EXPECT_TRUE(SoftKey(3017)->IsEnabled());
    EXPECT_EQ(Exchange(100, ShortTest(6), 5), std::string("\x00\x05\x64\x00\xFF", 5)) << "nothing happened";

    view.ClickRow(4);
    EXPECT_EQ(Exchange(100, ShortTest(6), 7), std::string("\x00\x07\x64\x00\x0D\x00\x04", 7));
    EXPECT_EQ(Exchange(100, ShortTest(6), 5)[4], '\xFF') << "reported once";

    view.ClickRow(1);
    view.OnBack();  // the later action replaces the earlier
    EXPECT_EQ(Exchange(100, ShortTest(6), 5)[4], 2);

    frame->ButtonBar().SendMsg(WM_COMMAND, MAKEWPARAM(3017, BN_CLICKED), reinterpret_cast<LPARAM>(SoftKey(3017)->Handle()));
    EXPECT_EQ(Exchange(100, ShortTest(6), 5)[4], 1) << "the running test switched off";
    view.OnCommand3017();
    EXPECT_EQ(Exchange(100, ShortTest(6), 5)[4], 29);
}

TEST_F(PollingScreensTest, AQuickTestOfTheSameLengthKeepsItsPage)
{
    auto& view = *static_cast<CShortTestView*>(frame->View(CShortTestView::kViewId));
    Exchange(100, ShortTest(60), 5);
    view.OnPageDown();
    const int page = view.Engine()->GetPageFirstRow();
    ASSERT_GT(page, 0);
    Exchange(100, ShortTest(60, "", "Next"), 5);
    EXPECT_EQ(view.Engine()->GetPageFirstRow(), page) << "the same rows refreshed in place";
    EXPECT_STREQ(view.Engine()->GetCellText(0, 0), L"Next0");
    Exchange(100, ShortTest(61), 5);
    EXPECT_EQ(view.Engine()->GetPageFirstRow(), 0) << "another list starts at its top";
    EXPECT_FALSE(SoftKey(3017) && SoftKey(3017)->IsVisible()) << "no mode word: no toggle key";
}

TEST_F(PollingScreensTest, TheToggleKeyFollowsTheModeWordOfEachRequest)
{
    Exchange(100, ShortTest(2), 5);
    EXPECT_FALSE(SoftKey(3017) && SoftKey(3017)->IsVisible());
    Exchange(100, ShortTest(2, BE16(1)), 5);
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_TRUE(SoftKey(3017)->IsVisible() && SoftKey(3017)->IsEnabled()) << "a mode word on a later request";
    Exchange(100, ShortTest(2), 5);
    EXPECT_TRUE(SoftKey(3017)->IsVisible()) << "a poll without a mode word keeps the key";
}

TEST_F(PollingScreensTest, ModeTwoShowsTheToggleKeyDisabled)
{
    Exchange(100, ShortTest(2, BE16(2)), 5);
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_TRUE(SoftKey(3017)->IsVisible());
    EXPECT_FALSE(SoftKey(3017)->IsEnabled());
}

// The diagnostic program starts the test with the key showing "Stop"; each press reports its code
// with the next answer and leaves the caption naming the press after it.
TEST_F(PollingScreensTest, TheToggleKeysCaptionNamesWhatTheNextPressDoes)
{
    Exchange(100, ShortTest(3, BE16(1)), 5);
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_EQ(SoftKey(3017)->GetText(), L"Stop") << "the test runs";
    struct PRESS {
        char code;
        const wchar_t* captionAfter;
    };
    for (const PRESS& press : {PRESS{1, L"Activate"}, PRESS{29, L"Stop"}, PRESS{1, L"Activate"}}) {
        frame->ButtonBar().SendMsg(WM_COMMAND, MAKEWPARAM(3017, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(SoftKey(3017)->Handle()));
        EXPECT_EQ(SoftKey(3017)->GetText(), press.captionAfter) << int(press.code);
        EXPECT_EQ(Exchange(100, ShortTest(3), 5)[4], press.code);
        EXPECT_EQ(SoftKey(3017)->GetText(), press.captionAfter) << "a poll keeps the caption";
    }
    KeepSnapshot(L"quick-test-held.png");
}

TEST_F(PollingScreensTest, ModeOneAfterModeTwoGivesTheToggleKeyBack)
{
    Exchange(100, ShortTest(2, BE16(2)), 5);
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_FALSE(SoftKey(3017)->IsEnabled());
    Exchange(100, ShortTest(2, BE16(1)), 5);
    EXPECT_TRUE(SoftKey(3017)->IsVisible());
    EXPECT_TRUE(SoftKey(3017)->IsEnabled());
    Exchange(100, ShortTest(2), 5);
    EXPECT_TRUE(SoftKey(3017)->IsEnabled()) << "a poll without a mode word keeps the key as it is";
    Exchange(100, ShortTest(2, BE16(2)), 5);
    EXPECT_FALSE(SoftKey(3017)->IsEnabled());
}

std::string StatusList(uint16_t keys, uint16_t layout, const std::string& keyBytes, const std::string& table = "")
{
    return BE16(keys) + BE16(layout) + Texts({"Tests", "main", "edit", "left", "right"}) + keyBytes + table;
}

std::string TablePage(uint16_t rows, uint16_t total, uint16_t first)
{
    std::string bytes = std::string("\x01", 1) + BE16(rows) + BE16(total) + BE16(first);
    for (uint16_t i = 0; i < rows; ++i)
        bytes += Texts({"Name" + std::to_string(i), "V", std::to_string(i)});
    return bytes;
}

class StatusListTest : public PollingScreensTest {
protected:
    CStView& view() { return *static_cast<CStView*>(frame->View(CStView::kViewId)); }
    bool Enabled(int id) { return view().CommandEnableState(id).value_or(false); }
    LONG EditStyle() { return GetWindowLongW(GetDlgItem(view().Handle(), 1168), GWL_STYLE); }
};

TEST_F(StatusListTest, APagedTableTellsWhereTheNextPageStarts)
{
    const std::string answer = Exchange(120, StatusList(0, 5, "", TablePage(10, 25, 0)), 9);
    EXPECT_EQ(answer, std::string("\x00\x09\x78\x00\xFF\x00\x00\x00\x0A", 9));
    EXPECT_EQ(frame->CurrentViewId(), CStView::kViewId);
    EXPECT_EQ(view().GetText(), L"Tests");
    EXPECT_EQ(view().Engine()->GetRowCount(), 10);
    EXPECT_STREQ(view().Engine()->GetCellText(3, 1), L"3") << "the value in the middle column";
    EXPECT_FALSE(Enabled(3002));
    EXPECT_TRUE(Enabled(3003));

    view().OnPageDown();
    EXPECT_FALSE(Enabled(3003)) << "one page request at a time";
    EXPECT_EQ(Exchange(120, StatusList(0, 5, "", TablePage(10, 25, 10)), 9),
              std::string("\x00\x09\x78\x00\x0E\x00\x0A\x00\x0A", 9));
    EXPECT_TRUE(Enabled(3002));
    EXPECT_TRUE(Enabled(3003));

    view().OnPageUp();
    EXPECT_EQ(Exchange(120, StatusList(0, 5, "", TablePage(10, 25, 0)), 9),
              std::string("\x00\x09\x78\x00\x0F\x00\x00\x00\x0A", 9)) << "the page before, from the stack";
    EXPECT_EQ(view().PageStackDepth(), 0u);
}

TEST_F(StatusListTest, LayoutThreeNeverPages)
{
    Exchange(120, StatusList(0, 3, "", TablePage(10, 25, 0)), 9);
    EXPECT_FALSE(Enabled(3002));
    EXPECT_FALSE(Enabled(3003));
}

TEST_F(StatusListTest, ARequestThatCannotBeDrawnIsStillAnswered)
{
    Exchange(120, StatusList(0, 8, ""), 9);
    const HWND main = GetDlgItem(view().Handle(), 1065);
    EXPECT_EQ(Exchange(120, StatusList(5, 8, ""), 9)[4], '\xFF');
    EXPECT_EQ(view().Layout(), 8) << "the layout stays";
    wchar_t text[32] = {};
    GetWindowTextW(main, text, 32);
    EXPECT_STREQ(text, L"main");
}

TEST_F(StatusListTest, SoftKeysFollowTheRequestAndReportTheirClick)
{
    const std::string keys = Texts({"Start"}) + '\x04' + Texts({"Stop"}) + '\x00' + Texts({""}) + '\x04';
    Exchange(120, StatusList(3, 8, keys), 9);
    ASSERT_NE(SoftKey(3017), nullptr);
    EXPECT_TRUE(SoftKey(3017)->IsVisible());
    EXPECT_TRUE(SoftKey(3017)->IsEnabled());
    EXPECT_TRUE(SoftKey(3018)->IsVisible()) << "a caption shows the key";
    EXPECT_FALSE(SoftKey(3018)->IsEnabled());
    EXPECT_FALSE(SoftKey(3019)->IsVisible()) << "an empty caption hides it";
    EXPECT_FALSE(SoftKey(3020)->IsVisible());
    EXPECT_EQ(SoftKey(3017)->GetText(), L"Start");

    frame->ButtonBar().SendMsg(WM_COMMAND, MAKEWPARAM(3018, BN_CLICKED), reinterpret_cast<LPARAM>(SoftKey(3018)->Handle()));
    EXPECT_EQ(Exchange(120, StatusList(3, 8, keys), 9)[4], 17);
}

TEST_F(StatusListTest, TheEditLineIsReadOnlyInLayoutTwelveAndEditableInEleven)
{
    Exchange(120, StatusList(0, 12, ""), 9);
    EXPECT_TRUE(EditStyle() & ES_READONLY);
    Exchange(120, StatusList(0, 11, ""), 9);
    EXPECT_FALSE(EditStyle() & ES_READONLY);
    SendMessageW(view().Handle(), WM_COMMAND, MAKEWPARAM(1168, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(GetDlgItem(view().Handle(), 1168)));
    EXPECT_EQ(Exchange(120, StatusList(0, 11, ""), 9)[4], 20);
}

// The user putting the cursor into the edit line is one action: the screen moves the focus away
// at once, and neither that nor the polls after it may report it again.
TEST_F(StatusListTest, FocusingTheEditLineIsReportedOnce)
{
    Exchange(120, StatusList(0, 11, ""), 9);
    SetForegroundWindow(frame->Handle());
    SetFocus(GetDlgItem(view().Handle(), 1168));
    EXPECT_EQ(Exchange(120, StatusList(0, 11, ""), 9)[4], 20);
    for (int poll = 0; poll < 3; ++poll)
        EXPECT_EQ(Exchange(120, StatusList(0, 11, ""), 9)[4], '\xFF') << poll;
    Exchange(120, StatusList(0, 12, ""), 9);
    EXPECT_EQ(Exchange(120, StatusList(0, 11, ""), 9)[4], '\xFF') << "a change of layout is no user action";
}

}  // namespace
