#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ActiveTestView.h"
#include "DbFileWriter.h"
#include "ProcessValues.h"
#include "ScreenFixture.h"
#include "VehicleDataWin.h"

using namespace std::string_literals;

namespace {

std::string Be16(size_t value)
{
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string Id(uint8_t number)
{
    return "\x01\0\0\0\0"s + static_cast<char>(number);
}

// Test records: six caption bytes and the state byte.
std::string Buttons(const std::vector<std::pair<std::string, char>>& buttons)
{
    std::string bytes;
    for (const auto& [caption, state] : buttons)
        bytes += caption + std::string(6 - caption.size(), '\0') + state;
    return bytes;
}

class ActiveTestViewTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        InstallVehicleDataServices();
        ResSetSoftwareDir(software.Path().wstring() + L"\\");
        ResSetLanguageCode(L"EN");
        ResSetLanguageCodeA("EN");
        SetGlobalFloat1(3.25f);
        DB_HEADER_FIELDS header;
        header.keyLength = 6;
        WriteDbFile(software.Path(), L"EN_DS.DB",
                    EncodeDbFile(header, {{Id(1), {"Injector 1", "ms"}}, {Id(2), {"Fan"}}}));
    }
    void TearDown() override
    {
        ResSetSoftwareDir(L"");
        SetGlobalFloat1(0);
        ScreenTest::TearDown();
    }

    // An id-form request: title, test records, row layout 0 and rows of id and value.
    void SendIdRows(uint8_t option, const std::string& buttons, size_t buttonCount,
                    const std::vector<std::pair<std::string, std::string>>& rows, const std::string& help = "")
    {
        std::string payload = Be16(buttonCount) + "Injectors\0"s + buttons + "\0"s + Be16(rows.size());
        for (const auto& [id, value] : rows)
            payload += id + value + '\0';
        payload += help + '\0';
        SendOption(option, payload);
    }
    void SendOption(uint8_t option, const std::string& payload)
    {
        const std::string bytes = "\0\0\x1E"s + static_cast<char>(option) + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
    }
    CActiveTestView& Screen() { return *static_cast<CActiveTestView*>(frame->View(166)); }
    std::wstring Cell(int row, int column)
    {
        const wchar_t* text = Screen().Engine()->GetCellText(row, column);
        return text ? text : L"(none)";
    }

    CTempFolder software;
};

TEST_F(ActiveTestViewTest, KeyModeAnswersAtOnceAndPostsButtonsThroughTheMailbox)
{
    SendIdRows(0x00, Buttons({{"On", 0}, {"Off", 2}}), 2, {{Id(1), "1.5"}, {Id(2), "on"}, {Id(9), "7"}});
    EXPECT_EQ(frame->CurrentViewId(), 166);
    EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\x00\xFF"s);
    ReturnTurn();
    EXPECT_EQ(Cell(0, 0), L"Injector 1");
    EXPECT_EQ(Cell(0, 2), L"ms");
    EXPECT_EQ(Cell(1, 1), L"on");
    EXPECT_EQ(Cell(2, 0), L"7") << "an id the database lacks shows its value alone";
    EXPECT_EQ(Screen().RowNames()[2], L"????");
    EXPECT_EQ(Screen().Engine()->GetColumnCount(), 3);
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Injectors");
    ASSERT_NE(frame->ButtonBar().GetButton(3017), nullptr);
    EXPECT_EQ(frame->ButtonBar().GetButton(3017)->GetText(), L"On");
    EXPECT_TRUE(frame->ButtonBar().GetButton(3017)->IsEnabled());
    EXPECT_FALSE(frame->ButtonBar().GetButton(3018)->IsEnabled()) << "state 2 disables the button";
    EXPECT_FALSE(frame->View(166)->IsCommandEnabled(3001));

    block[exchange::kMailboxMarker] = 0;
    frame->SendMsg(WM_COMMAND, 3017);
    EXPECT_EQ(block[exchange::kMailboxKey], 1) << "button 3017 posts key 1";
    EXPECT_TRUE(TokenFree()) << "a key mode button ends no turn";
    block[exchange::kMailboxKey] = 0x33;
    frame->SendMsg(WM_COMMAND, 3018);
    EXPECT_EQ(block[exchange::kMailboxKey], 0x33) << "a key not yet taken is not overwritten";
}

TEST_F(ActiveTestViewTest, AnswerModeWaitsForAButtonOrARow)
{
    SendIdRows(0xFF, Buttons({{"Start", 0}, {"Stop", 0}}), 2, {{Id(1), "1"}, {Id(2), "2"}, {Id(1), "3"}, {Id(2), "4"}});
    EXPECT_FALSE(Screen().KeyMode());
    EXPECT_FALSE(TokenFree()) << "the screen waits for the user";
    frame->SendMsg(WM_COMMAND, 3018);
    EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\xFF\x01"s) << "the button's index";
    ReturnTurn();
    frame->SendMsg(WM_COMMAND, 3017);
    EXPECT_EQ(block[4], 1) << "one answer per request";

    SendIdRows(0xFF, Buttons({{"Go", 0}, {"Halt", 0}}), 2, {{Id(1), "1"}, {Id(2), "2"}, {Id(1), "3"}, {Id(2), "4"}});
    EXPECT_EQ(frame->ButtonBar().GetButton(3017)->GetText(), L"Go") << "the same count keeps the buttons";
    const std::vector<int> bottoms = Screen().Engine()->RowBottoms();
    ASSERT_GE(bottoms.size(), 4u);
    const RECT area = Screen().Engine()->Area();
    Screen().SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.left + 20, area.top + bottoms[3] - 3));
    EXPECT_EQ(TakeAnswer(8), "\0\x05\x1E\xFF\xFF"s + static_cast<char>(block[5]) + "\0\x03"s);
    ReturnTurn();

    frame->SendMsg(WM_COMMAND, 3018);
    SendIdRows(0xFF, Buttons({{"Go", 0}, {"Halt", 0}}), 2, {{Id(1), "1"}});
    frame->SendMsg(WM_COMMAND, 3018);
    EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\xFF\x01"s);
    ReturnTurn();
    SendIdRows(0x00, Buttons({{"Go", 0}, {"Halt", 0}}), 2, {{Id(1), "1"}});
    EXPECT_TRUE(Screen().KeyMode()) << "the mode follows each request";
    EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\x00\xFF"s) << "the answered button is not sent again";
    ReturnTurn();
}

// In key mode the diagnostic program polls the same list: the page the user turned to stays, and a
// refused database is reported once per list, not at every poll.
TEST_F(ActiveTestViewTest, PollingKeepsThePageAndReportsARefusedDatabaseOnce)
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back({Id(1), std::to_string(i)});
    SendIdRows(0x00, Buttons({{"On", 0}}), 1, rows);
    TakeAnswer(5);
    ReturnTurn();
    Screen().OnPageDown();
    const int page = Screen().Engine()->GetPageFirstRow();
    ASSERT_GT(page, 0);
    SendIdRows(0x00, Buttons({{"On", 0}}), 1, rows);
    TakeAnswer(5);
    ReturnTurn();
    EXPECT_EQ(Screen().Engine()->GetPageFirstRow(), page);

    DB_HEADER_FIELDS broken;
    broken.magic = "XX";
    WriteDbFile(software.Path(), L"EN_DS.DB", EncodeDbFile(broken, {{Id(1), {"Injector 1", "ms"}}}));
    std::vector<std::wstring> boxes;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        boxes.push_back(box.text);
        return IDOK;
    });
    for (int poll = 0; poll < 3; ++poll) {
        SendIdRows(0x00, Buttons({{"On", 0}}), 1, {{Id(1), "1"}});
        TakeAnswer(5);
        ReturnTurn();
    }
    EXPECT_EQ(boxes.size(), 1u);
    SetModalAnswerer({});
}

// The bottom bar's Snapshot (3028) has an id inside the range of the test buttons: it must take a
// snapshot, and neither answer button 11 nor start test 12.
TEST_F(ActiveTestViewTest, TheBottomBarsSnapshotIsNeverATestButton)
{
    std::vector<std::pair<std::string, char>> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back({"T" + std::to_string(i), 0});
    frame->BottomBar().DestroyButtons();
    frame->BottomBar().AddButton(3028);
    for (uint8_t option : {uint8_t{0xFF}, uint8_t{0x00}}) {
        SCOPED_TRACE(option);
        SendIdRows(option, Buttons(twelve), 12, {{Id(1), "1"}});
        if (option == 0x00) {
            EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\x00\xFF"s);
            ReturnTurn();
        }
        block[exchange::kMailboxMarker] = 0;
        block[exchange::kMailboxKey] = 0;
        CBmpBtn* snapshot = frame->BottomBar().GetButton(3028);
        ASSERT_NE(snapshot, nullptr);
        frame->BottomBar().SendMsg(WM_COMMAND, MAKEWPARAM(3028, BN_CLICKED), reinterpret_cast<LPARAM>(snapshot->Handle()));
        EXPECT_EQ(block[exchange::kMailboxKey], 0) << "no test started";
        if (option == 0xFF) {
            EXPECT_FALSE(TokenFree()) << "no button answered";
            frame->SendMsg(WM_COMMAND, 3028);  // the soft-button row's twelfth button still answers
            EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\xFF\x0B"s);
            ReturnTurn();
        }
    }
}

TEST_F(ActiveTestViewTest, TheTextFormWithHelpAndMoreThan32Records)
{
    std::vector<std::pair<std::string, char>> records;
    for (int i = 0; i < 40; ++i)
        records.push_back({"B" + std::to_string(i), 0});
    std::string payload = Be16(40) + "\0"s + Buttons(records) + "\0"s + Be16(2) + "Speed\0" "10\0" "km/h\0"
                          "Valve\0" "open\0" "\0" "Turn the key\0"s;
    SendOption(0x80, payload);
    EXPECT_EQ(TakeAnswer(5), "\0\x05\x1E\x80\xFF"s);
    ReturnTurn();
    EXPECT_EQ(frame->ButtonBar().GetButtonCount(), 32);
    EXPECT_EQ(Cell(0, 2), L"km/h");
    EXPECT_EQ(Cell(1, 1), L"open");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Function test");
    EXPECT_EQ(frame->HelpInfoBar().GetInfoText(), L"Turn the key");
}

}  // namespace
