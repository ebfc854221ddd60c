// The special-function screen in the frame: answered at once with the key pressed since the last
// request, its keys, rows, status line and bar from the request and the data-stream database.
#include <filesystem>

#include "DbFileWriter.h"
#include "HelpInfoBar.h"
#include "ScreenFixture.h"
#include "SpecialFuncView.h"
#include "VehicleDataWin.h"
#include "resource.h"

using namespace std::string_literals;

namespace {

constexpr uint8_t kSpecialFunction = 110;

std::string Key(uint8_t number)
{
    return "\x01\0\0\0\0"s + static_cast<char>(number);
}

std::string Be16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

struct ROW {
    uint8_t key;
    std::string value;
};

// A request: buttons as (key, flag), rows as (key, value), the text and the bar's bounds.
std::string Request(const std::string& title, const std::vector<std::pair<uint8_t, uint8_t>>& buttons,
                    const std::vector<ROW>& rows, const std::string& text, uint16_t lower, uint16_t upper)
{
    std::string bytes = Be16(static_cast<uint16_t>(buttons.size())) + title + '\0';
    for (auto [key, flag] : buttons)
        bytes += Key(key) + static_cast<char>(flag);
    bytes += '\0' + Be16(static_cast<uint16_t>(rows.size()));
    for (const ROW& row : rows)
        bytes += Key(row.key) + row.value + '\0';
    return bytes + text + '\0' + Be16(lower) + Be16(upper) + Be16(0);
}

class SpecialFuncViewTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        InstallVehicleDataServices();
        ResSetSoftwareDir(software.Path().wstring() + L"\\");
        ResSetLanguageCode(L"EN");
        SetGlobalFloat1(3.25f);
        DB_HEADER_FIELDS header;
        header.keyLength = 6;
        database = WriteDbFile(software.Path(), L"EN_DS.DB",
                               EncodeDbFile(header, {{Key(1), {"Pressure", "kPa"}}, {Key(2), {"Valve", ""}},
                                                     {Key(7), {"Start"}}, {Key(8), {"Stop"}}, {Key(9), {"Reset"}}}));
    }
    void TearDown() override
    {
        ResSetSoftwareDir(L"");
        SetGlobalFloat1(0);
        ScreenTest::TearDown();
    }

    // Sends a request and takes its answer, which must come at once.
    std::string Poll(uint8_t option, const std::string& payload)
    {
        const std::string bytes = std::string{0, 0, static_cast<char>(kSpecialFunction), static_cast<char>(option)} + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
        const std::string answer = TakeAnswer(5);
        ReturnTurn();
        return answer;
    }
    CSpecialFuncView& Screen() { return *static_cast<CSpecialFuncView*>(frame->View(CSpecialFuncView::kViewId)); }
    CBmpBtn* Button(int id) { return frame->ButtonBar().GetButton(id); }
    std::wstring TextArea()
    {
        wchar_t text[256] = {};
        GetWindowTextW(Screen().Item(IDC_SPECIAL_TEXT), text, 256);
        return text;
    }

    CTempFolder software;
    std::filesystem::path database;
};

std::string Answer(uint8_t key)
{
    return std::string{0, 5, static_cast<char>(kSpecialFunction), 0, static_cast<char>(key)};
}

TEST_F(SpecialFuncViewTest, EveryRequestIsAnsweredAtOnceAndAKeyTravelsWithTheNextOne)
{
    frame->HelpInfoBar().SetInfoText(L"left by another screen");
    const std::string request =
        Request("", {{7, 2}, {8, 0}, {9, 1}, {3, 0}, {8, 1}}, {{1, "42"}}, "", 0, 100);
    EXPECT_EQ(Poll(0, request), Answer(255));
    ASSERT_EQ(frame->CurrentViewId(), CSpecialFuncView::kViewId);
    EXPECT_EQ(Screen().GetText(), L"Function test");
    EXPECT_EQ(TextArea(), L"1") << "an empty text area";
    EXPECT_EQ(frame->HelpInfoBar().GetInfoText(), L"");

    const wchar_t* captions[] = {L"Start", L"Stop", L"Reset", L"????", L"Stop"};
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(Button(3017 + i), nullptr) << i;
        EXPECT_TRUE(Button(3017 + i)->IsVisible()) << i;
        EXPECT_EQ(Button(3017 + i)->GetText(), captions[i]) << i;
    }
    EXPECT_FALSE(Button(3017)->IsEnabled()) << "flag 2";
    EXPECT_TRUE(Button(3018)->IsEnabled());
    for (int id = 3022; id <= 3048; ++id) {
        ASSERT_NE(Button(id), nullptr) << id;
        EXPECT_FALSE(Button(id)->IsVisible()) << id;
    }

    EXPECT_EQ(Poll(0, request), Answer(255)) << "no key since the last request";
    Screen().SendMsg(WM_COMMAND, 3019);
    EXPECT_EQ(Poll(0, request), Answer(2));
    EXPECT_EQ(Poll(0, request), Answer(255)) << "a key counts once";
    Screen().SendMsg(WM_COMMAND, 3017);
    Screen().SendMsg(WM_COMMAND, 3021);  // a second key before the next request replaces the first
    EXPECT_EQ(Poll(0, request), Answer(4));
    EXPECT_TRUE(TokenFree());
}

TEST_F(SpecialFuncViewTest, RowsStatusLineAndBar)
{
    Poll(0, Request("Bleeding", {}, {{1, "-20"}, {2, "37"}, {5, "99"}}, "Open the\nvalve", 0, 100));
    EXPECT_EQ(Screen().GetText(), L"Bleeding");
    EXPECT_EQ(TextArea(), L"Open the\r\nvalve");
    CMultiCtrl& engine = *Screen().Engine();
    ASSERT_EQ(engine.GetRowCount(), 3);
    EXPECT_STREQ(engine.GetCellText(0, 0), L"Pressure");
    EXPECT_STREQ(engine.GetCellText(0, 1), L"-20");
    EXPECT_STREQ(engine.GetCellText(0, 2), L"kPa");
    EXPECT_STREQ(engine.GetCellText(2, 0), L"????") << "a key the database lacks";
    EXPECT_STREQ(engine.GetCellText(2, 1), L"99");
    // The last named row stays on the status line; the unknown one after it does not count.
    EXPECT_EQ(Screen().StatusLine(), L"Valve 37 ");
    EXPECT_EQ(Screen().Progress().GetPos(), 37);

    Poll(0, Request("Bleeding", {}, {{1, "-20"}}, "x", 0, 100));
    EXPECT_EQ(Screen().StatusLine(), L"Pressure -20 kPa");
    EXPECT_EQ(Screen().Progress().GetPos(), 0) << "raised to the lower bound";
    EXPECT_EQ(engine.GetRowCount(), 1);

    // The update form names the same keys from what it kept: the database is not read again.
    std::filesystem::remove(database);
    Poll(0x80, Request("Bleeding", {}, {{1, "250"}}, "x", 0, 200));
    EXPECT_STREQ(engine.GetCellText(0, 0), L"Pressure");
    EXPECT_STREQ(engine.GetCellText(0, 1), L"250");
    EXPECT_EQ(Screen().StatusLine(), L"Pressure 250 kPa");
    EXPECT_EQ(Screen().Progress().GetPos(), 200) << "lowered to the upper bound";

    // Without its database a full request leaves its rows unnamed, and asks only once.
    Poll(0, Request("Bleeding", {}, {{1, "5"}}, "x", 0, 200));
    EXPECT_STREQ(engine.GetCellText(0, 0), L"????");
    EXPECT_EQ(Screen().StatusLine(), L"Pressure 250 kPa") << "no named row: the line stays";
}

// At the program's window size the live values must show rows, not only their header, and a list
// longer than the table pages with the page keys.
TEST_F(SpecialFuncViewTest, TheLiveValuesShowSeveralRowsAndPage)
{
    std::vector<ROW> rows;
    for (int i = 0; i < 30; ++i)
        rows.push_back({1, std::to_string(i)});
    Poll(0, Request("Bleeding", {}, rows, "x", 0, 100));
    CMultiCtrl& engine = *Screen().Engine();
    EXPECT_GE(engine.RowBottoms().size(), 3u) << "rows on the first page";
    EXPECT_FALSE(Screen().CommandEnableState(3002).value_or(true));
    EXPECT_TRUE(Screen().CommandEnableState(3003).value_or(false));
    KeepSnapshot(L"special-function.png");
}

TEST_F(SpecialFuncViewTest, TheBarDrawsItsScaleAcross)
{
    Poll(0, Request("", {}, {{1, "50"}}, "x", 0, 100));
    const HWND bar = Screen().Progress().Handle();
    UpdateWindow(bar);
    RECT client = {};
    GetClientRect(bar, &client);
    CClientDc dc(bar);
    EXPECT_EQ(GetPixel(dc.Get(), client.right / 4 + 3, 3), RGB(36, 173, 225)) << "filled up to 50";
    EXPECT_EQ(GetPixel(dc.Get(), client.right * 3 / 4 + 3, 3), RGB(255, 255, 255));
}

}  // namespace
