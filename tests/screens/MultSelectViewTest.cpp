// The selection screen in the frame: preselection, the two forms' answers, Select All and loading a
// saved selection.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>

#include "../frame/FrameFixture.h"
#include "ButtonBar.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "MultSelectView.h"
#include "OpenFileDialog.h"
#include "ProcessValues.h"
#include "SharedHandles.h"

namespace {

namespace fs = std::filesystem;

std::string BE16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

class MultSelectViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            told.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        SetOpenFileAnswerer({});
        MainFrameTest::TearDown();
    }

    // A request of `count` items "I0", "I1", ...; the screen keeps the turn until Accept or Back.
    void Send(uint8_t option, uint16_t count, uint16_t firstRow, const std::string& bits, uint16_t maximum)
    {
        std::string bytes = std::string{0, 0, 40, static_cast<char>(option)} + BE16(count) + BE16(firstRow) + '\0';
        for (uint16_t i = 0; i < count; ++i)
            bytes += "I" + std::to_string(i) + '\0';
        bytes += bits + BE16(maximum);
        bytes[0] = static_cast<char>(bytes.size() >> 8);
        bytes[1] = static_cast<char>(bytes.size());
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
    }
    std::string TakeAnswer(size_t bytes)
    {
        EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0) << "the turn came back";
        const std::string answer(reinterpret_cast<const char*>(block), bytes);
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return answer;
    }
    bool TurnHeld()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return true;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return false;
    }

    CMultSelectView& view() { return *static_cast<CMultSelectView*>(frame->View(CMultSelectView::kViewId)); }
    CMultiCtrl& engine() { return *view().Engine(); }
    // A click on a row of the page shown, as the user gives it.
    void Click(int rowOnPage)
    {
        const std::vector<int> bottoms = engine().RowBottoms();
        ASSERT_LT(static_cast<size_t>(rowOnPage), bottoms.size());
        const RECT area = engine().Area();
        const int y = area.top + bottoms[static_cast<size_t>(rowOnPage)] - 3;
        view().SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.left + 300, y));
    }
    // The bottom bar's keys stay from the chooser that began the diagnosis.
    void ShowBottomKeys()
    {
        for (int id : {3001, 3002, 3003, 3004})
            frame->BottomBar().AddButton(id);
    }
    bool AcceptEnabled()
    {
        const CBmpBtn* key = frame->BottomBar().GetButton(3004);
        EXPECT_NE(key, nullptr);
        EXPECT_EQ(key && key->IsEnabled(), view().IsCommandEnabled(3004)) << "the key shows the view's state";
        return view().IsCommandEnabled(3004);
    }

    uint8_t* block = nullptr;
    std::vector<std::wstring> told;
};

TEST_F(MultSelectViewTest, APreselectionAcceptedUnchangedComesBackAsItWent)
{
    Send(0, 9, 0, std::string("\x80\x80", 2), 9);
    EXPECT_EQ(frame->CurrentViewId(), CMultSelectView::kViewId);
    EXPECT_EQ(view().GetText(), L"Multiple selection");
    EXPECT_TRUE(engine().IsRowSelected(0));
    EXPECT_TRUE(engine().IsRowSelected(8));
    EXPECT_FALSE(engine().IsRowSelected(1));
    EXPECT_TRUE(TurnHeld()) << "the user has not answered yet";
    view().OnAccept();
    EXPECT_EQ(TakeAnswer(9), std::string("\x00\x09\x28\x00\x01\x00\x00\x80\x80", 9));
}

TEST_F(MultSelectViewTest, TheSingleChoiceAnswersTheRowAndItsPage)
{
    Send(1, 40, 3, std::string(5, '\0'), 0);
    ASSERT_TRUE(view().IsSingleChoice());
    ASSERT_EQ(engine().GetPageFirstRow(), 3);
    view().ClickRow(5);
    EXPECT_STREQ(engine().GetCellText(5, 0), L"Y");
    view().ClickRow(6);
    EXPECT_STREQ(engine().GetCellText(5, 0), L"") << "one mark at a time";
    view().ClickRow(5);
    view().OnAccept();
    EXPECT_EQ(TakeAnswer(8).substr(3), std::string("\x01\x00\x05\x00\x03", 5));
}

// The single choice answers a row the user chose: Accept waits for a click on a row, unless the
// request preselected one.
TEST_F(MultSelectViewTest, TheSingleChoiceAcceptsOnlyAChosenRow)
{
    ShowBottomKeys();
    Send(1, 6, 0, std::string("\x00", 1), 0);
    ASSERT_TRUE(view().IsSingleChoice());
    EXPECT_FALSE(AcceptEnabled());
    frame->SendMsg(WM_COMMAND, 3004);
    EXPECT_TRUE(TurnHeld()) << "no row chosen: nothing is answered";
    KeepSnapshot(L"single-choice-unchosen.png");
    Click(2);
    EXPECT_STREQ(engine().GetCellText(2, 0), L"Y");
    EXPECT_TRUE(AcceptEnabled());
    KeepSnapshot(L"single-choice-chosen.png");
    frame->SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(TakeAnswer(8), std::string("\x00\x08\x28\x01\x00\x02\x00\x00", 8));
    EXPECT_FALSE(AcceptEnabled());
}

TEST_F(MultSelectViewTest, APreselectedRowIsAChoice)
{
    ShowBottomKeys();
    Send(1, 6, 0, std::string("\x20", 1), 1);
    EXPECT_STREQ(engine().GetCellText(2, 0), L"Y");
    EXPECT_TRUE(AcceptEnabled());
    frame->SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(TakeAnswer(6).substr(3), std::string("\x01\x00\x02", 3));
}

// The answer names the first row shown with the choice: for a preselected row, the page the request
// opened, not the one the table showed before it scrolled there.
TEST_F(MultSelectViewTest, APreselectedRowIsAnsweredWithThePageItWasShownOn)
{
    ShowBottomKeys();
    std::string bits(8, '\0');
    bits[4] = '\x10';  // row 35
    Send(1, 60, 30, bits, 1);
    const int shownFirst = engine().GetPageFirstRow();
    ASSERT_GT(shownFirst, 0);
    frame->SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(TakeAnswer(8).substr(3), std::string("\x01\x00\x23", 3) + BE16(static_cast<uint16_t>(shownFirst)));
}

// Paging turns the keys of the page over; Accept stays as the choice makes it.
TEST_F(MultSelectViewTest, PagingKeepsAcceptAsTheChoiceMakesIt)
{
    ShowBottomKeys();
    struct PAGE_CASE {
        uint8_t option;
        bool click;
        bool accept;
    };
    for (const PAGE_CASE& c : {PAGE_CASE{1, false, false}, PAGE_CASE{1, true, true}, PAGE_CASE{0, false, true}}) {
        Send(c.option, 60, 0, std::string(8, '\0'), 0);
        if (c.click)
            Click(1);
        ASSERT_TRUE(view().IsCommandEnabled(3003));
        frame->SendMsg(WM_COMMAND, 3003);
        ASSERT_GT(engine().GetPageFirstRow(), 0);
        EXPECT_EQ(AcceptEnabled(), c.accept) << int(c.option) << c.click;
        frame->SendMsg(WM_COMMAND, 3002);
        EXPECT_EQ(AcceptEnabled(), c.accept) << int(c.option) << c.click;
        frame->SendMsg(WM_COMMAND, 3001);
        TakeAnswer(5);
    }
}

TEST_F(MultSelectViewTest, SelectAllTwiceLeavesNothingSelected)
{
    Send(0, 5, 0, std::string("\x00", 1), 0);
    view().OnSelectAll();
    for (int row = 0; row < 5; ++row)
        EXPECT_TRUE(engine().IsRowSelected(row)) << row;
    view().OnSelectAll();
    for (int row = 0; row < 5; ++row)
        EXPECT_FALSE(engine().IsRowSelected(row)) << row;
    EXPECT_EQ(frame->ButtonBar().GetButton(3025)->GetText(), L"Select all");
    EXPECT_TRUE(TurnHeld()) << "Select All answers nothing";
    view().OnBack();
    EXPECT_EQ(TakeAnswer(5), std::string("\x00\x07\x28\x00\x02", 5));
}

// The screen's own keys sit in the soft-button row: the row must be there to press them, and the
// help line and the list must not cover it.
TEST_F(MultSelectViewTest, ItsKeysCanBePressedInTheSoftButtonRow)
{
    Send(0, 5, 0, std::string("\x00", 1), 0);
    ASSERT_TRUE(frame->ButtonBar().IsVisible());
    for (int id : {3011, 3025}) {
        CBmpBtn* key = frame->ButtonBar().GetButton(id);
        ASSERT_NE(key, nullptr) << id;
        EXPECT_TRUE(key->IsVisible() && key->IsEnabled()) << id;
    }
    const RECT row = InFrame(frame->Handle(), frame->ButtonBar().Handle());
    const RECT help = InFrame(frame->Handle(), frame->HelpInfoBar().Handle());
    const RECT list = InFrame(frame->Handle(), view().Handle());
    EXPECT_LE(help.bottom, row.top);
    EXPECT_LE(list.bottom, frame->HelpInfoBar().IsVisible() ? help.top : row.top);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(std::wstring(engine().GetCellText(r, 0)), L"I" + std::to_wstring(r)) << "each item in its own row";
    const std::vector<int> bottoms = engine().RowBottoms();
    ASSERT_GE(bottoms.size(), 2u);
    EXPECT_GE(bottoms[0] - (bottoms[1] - bottoms[0]), 37) << "the first row lies under the table's header";
    CBmpBtn* selectAll = frame->ButtonBar().GetButton(3025);
    frame->ButtonBar().SendMsg(WM_COMMAND, MAKEWPARAM(3025, BN_CLICKED), reinterpret_cast<LPARAM>(selectAll->Handle()));
    for (int r = 0; r < 5; ++r)
        EXPECT_TRUE(engine().IsRowSelected(r)) << r;
    KeepSnapshot(L"multiple-selection.png");
}

TEST_F(MultSelectViewTest, TheFormFollowsEachRequest)
{
    Send(1, 4, 0, std::string("\x00", 1), 0);
    EXPECT_TRUE(view().IsSingleChoice());
    view().OnBack();
    TakeAnswer(5);
    Send(0, 4, 0, std::string("\x00", 1), 0);
    EXPECT_FALSE(view().IsSingleChoice());
    EXPECT_NE(frame->ButtonBar().GetButton(3025), nullptr) << "the keys of the multiple selection";
    EXPECT_EQ(engine().GetColumnCount(), 1);
    view().OnBack();
    TakeAnswer(5);
}

TEST_F(MultSelectViewTest, ASavedSelectionOfThisSoftwareIsLoaded)
{
    const fs::path software = programFolder / "Scan" / "EU" / "ALFA" / "V1";
    fs::create_directories(software);
    ResSetSoftwareDir(software.wstring() + L"\\");
    Send(0, 12, 0, std::string("\x80\x00", 2), 12);
    const fs::path record = software / "save" / "20261210.txt";
    SetOpenFileAnswerer([&](const std::wstring& folder) -> std::optional<std::wstring> {
        EXPECT_EQ(folder, (software / "save").wstring());
        return record.wstring();
    });

    view().ImportSelection();
    EXPECT_EQ(told, (std::vector<std::wstring>{L"Open failed!"})) << "no such file yet";
    std::ofstream(record, std::ios::binary) << "c:\\elsewhere\\\n1\n2;\n";
    view().ImportSelection();
    EXPECT_EQ(told.back(), L"You choosed the wrong file, Please try again.");
    EXPECT_TRUE(engine().IsRowSelected(0)) << "a refused file changes nothing";

    std::string folder = software.string() + "\\";
    std::ofstream(record, std::ios::binary) << folder << "\n2\n3;11;\n";
    view().ImportSelection();
    EXPECT_EQ(told.size(), 2u);
    EXPECT_FALSE(engine().IsRowSelected(0));
    EXPECT_TRUE(engine().IsRowSelected(3));
    EXPECT_TRUE(engine().IsRowSelected(11));

    SetOpenFileAnswerer([](const std::wstring&) { return std::optional<std::wstring>(); });
    view().ImportSelection();
    EXPECT_EQ(told.size(), 2u) << "a cancelled dialog says nothing";
    EXPECT_TRUE(fs::is_directory(software / "save"));
}

}  // namespace
