#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "../frame/FrameFixture.h"
#include "DataResWriter.h"
#include "DbFileWriter.h"
#include "DtcView.h"
#include "MakerView.h"
#include "MetafileCapture.h"
#include "SharedHandles.h"
#include "ShellTextIds.h"
#include "StringFile.h"
#include "VehicleDataHost.h"

namespace {

using Bytes = std::string;

class DtcViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        ResSetSoftwareDir(software.Path().wstring() + L"\\");
        ResSetLanguageCode(L"EN");
        ResSetLanguageCodeA("EN");
        SetGlobalFloat1(3.25f);
        ResSetDbFormat(0);
        previousShower = SetDbMessageShower([this](const std::wstring& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        SetPrintSinkFactory({});
        SetDbMessageShower(previousShower);
        ResSetSoftwareDir(L"");
        ResSetLanguageCode(L"");
        ResSetLanguageCodeA("");
        SetGlobalFloat1(0);
        MainFrameTest::TearDown();
    }

    void WriteCodes(const std::vector<DB_RECORD>& records)
    {
        DB_HEADER_FIELDS header;
        header.keyLength = 6;
        ASSERT_FALSE(WriteDbFile(software.Path(), L"EN_DTC.DB", EncodeDbFile(header, records)).empty());
    }

    // Sends a trouble-code request as the diagnostic program does; the screen fills its table when
    // its build timer fires.
    void Send(uint8_t option, uint16_t count, const std::string& title, const Bytes& entries)
    {
        Bytes bytes = {0, 0, 10, static_cast<char>(option), static_cast<char>(count >> 8), static_cast<char>(count)};
        bytes += title + '\0' + entries;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
        Dtc().SendMsg(WM_TIMER, CDtcView::kBuildTimer, 0);
    }

    bool TokenFree()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return false;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return true;
    }
    Bytes TakeAnswer(size_t bytes)
    {
        EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0) << "the screen answered";
        return Bytes(reinterpret_cast<const char*>(block), bytes);
    }
    void ReturnTurn() { ReleaseSemaphore(ExchangeToken(), 1, nullptr); }

    CDtcView& Dtc() { return *static_cast<CDtcView*>(frame->View(CDtcView::kViewId)); }
    CMultiCtrl& Engine() { return *Dtc().Engine(); }
    std::wstring Cell(int row, int column)
    {
        const wchar_t* text = Engine().GetCellText(row, column);
        return text ? text : L"";
    }
    void ClickRow(int row)
    {
        const std::vector<int> bottoms = Engine().RowBottoms();
        ASSERT_GT(bottoms.size(), static_cast<size_t>(row));
        Dtc().SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, bottoms[static_cast<size_t>(row)] - 3));
    }

    CTempFolder software;
    uint8_t* block = nullptr;
    std::vector<std::wstring> messages;
    DbMessageShower previousShower;
};

const Bytes kFound("\x00\x01\x00\x00\x01\x00", 6);
const Bytes kNoDescription("\x00\x01\x00\x00\x02\x00", 6);
const Bytes kMissing("\x00\x00\x00\x00\xAB\x0C", 6);
const Bytes kLong("\x00\x01\x00\x00\x03\x00", 6);

TEST_F(DtcViewTest, DatabaseCodesFillTheirRows)
{
    WriteCodes({{kFound, {"P0100", "Mass air flow circuit"}},
                {kNoDescription, {"P0200"}},
                {kLong, {"P0300", std::string(200, 'd')}}});
    Send(0, 5, "",
         kFound + Bytes("intermittent\0", 13) + kNoDescription + Bytes("\0", 1) + kMissing + Bytes("\0", 1) +
             kMissing + Bytes("\0SAE:P0420\0", 11) + kLong + Bytes("\0", 1));
    EXPECT_EQ(frame->CurrentViewId(), CDtcView::kViewId);
    EXPECT_FALSE(TokenFree()) << "the screen keeps the turn until the user answers";
    ASSERT_EQ(Engine().GetRowCount(), 5);
    ASSERT_EQ(Engine().GetColumnCount(), 3);
    EXPECT_EQ(std::wstring(Engine().GetColumnTitle(0)), L"DTC");
    EXPECT_EQ(std::wstring(Engine().GetColumnTitle(1)), L"Description");
    EXPECT_EQ(std::wstring(Engine().GetColumnTitle(2)), L"Status");

    EXPECT_EQ(Cell(0, 0), L"P0100");
    EXPECT_EQ(Cell(0, 1), L"Mass air flow circuit");
    EXPECT_EQ(Cell(0, 2), L"intermittent");
    EXPECT_EQ(Cell(1, 0), L"P0200");
    EXPECT_EQ(Cell(1, 1), L"Undefined trouble code");
    EXPECT_EQ(Cell(2, 0), L"AB0C") << "a code not in the database shows its last two key bytes";
    EXPECT_EQ(Cell(2, 1), L"Undefined trouble code");
    EXPECT_EQ(Cell(3, 0), L"P0420") << "the display code without its SAE: mark";
    EXPECT_EQ(Cell(4, 1), std::wstring(147, L'd') + L"...");
    EXPECT_EQ(Dtc().RowKey(2), "00000000ab0c");
    EXPECT_EQ(Dtc().RowKey(0), "000100000100");

    EXPECT_EQ(Dtc().GetText(), L"DTC information");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"DTC information");
    EXPECT_TRUE(messages.empty());
}

TEST_F(DtcViewTest, ColumnsShareTheViewsWidth)
{
    Send(kDtcFreeTextOption, 1, "Engine codes", Bytes("P0100\0Air\0stored\0", 17));
    // The view's width when it was first shown, which the engine was attached to.
    const RECT area = Engine().Area();
    const int width = area.right - area.left;
    EXPECT_EQ(Engine().GetColumnWidth(0), width / 5);
    EXPECT_EQ(Engine().GetColumnWidth(1), 2 * width / 5 + width / 10);
    EXPECT_EQ(Engine().GetColumnWidth(2), 2 * width / 5 - width / 10);
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Engine codes");
    ReturnTurn();

    Send(kDtcFreeTextOption, 1, "Engine codes", Bytes("P0100\0Air\0\0", 12));
    ASSERT_EQ(Engine().GetColumnCount(), 2);
    EXPECT_EQ(Engine().GetColumnWidth(1), 4 * width / 5);
    EXPECT_EQ(Engine().GetColumnWidth(0) + Engine().GetColumnWidth(1), width) << "the engine gives the rest to column 0";
}

struct FreeTextCase {
    const char* name;
    Bytes entries;
    int columns;
};

void PrintTo(const FreeTextCase& c, std::ostream* out) { *out << c.name; }

class DtcFreeTextTest : public DtcViewTest, public ::testing::WithParamInterface<FreeTextCase> {};

TEST_P(DtcFreeTextTest, AStatusAnywhereAddsTheStatusColumn)
{
    Send(kDtcFreeTextOption, 3, "T", GetParam().entries);
    EXPECT_EQ(Engine().GetColumnCount(), GetParam().columns);
    EXPECT_EQ(Engine().GetRowCount(), 3);
    EXPECT_EQ(Cell(2, 0), L"C3");
    EXPECT_EQ(Cell(1, 1), L"") << "an empty text leaves its cell empty";
}

INSTANTIATE_TEST_SUITE_P(Cases, DtcFreeTextTest, ::testing::Values(
    FreeTextCase{"NoStatus", Bytes("C1\0D1\0\0C2\0\0\0C3\0D3\0\0", 21), 2},
    FreeTextCase{"LastHasStatus", Bytes("C1\0D1\0\0C2\0\0\0C3\0D3\0on\0", 23), 3}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(DtcViewTest, WithoutTheDatabaseEveryCodeIsUnknownInTwoColumns)
{
    Send(0, 2, "T", kFound + Bytes("on\0", 3) + kMissing + Bytes("\0", 1));
    EXPECT_EQ(Engine().GetColumnCount(), 2);
    EXPECT_EQ(Cell(0, 0), L"0100");
    EXPECT_EQ(Cell(0, 1), L"Undefined trouble code");
    EXPECT_EQ(Cell(1, 0), L"AB0C");
}

TEST_F(DtcViewTest, WideKeysReadTheFoldersPackedDatabase)
{
    // Keys starting with a letter of a display code would be read as one: the format's own limit.
    const std::vector<TEXT_DB_ENTRY> texts = {{TextDbKey("KODE01"), u"P1234"}, {TextDbKey("DESC01"), u"Throttle stuck"}};
    // A name without "_<language>" has no language to check a header against: the maker's file is
    // of a type that is not checked.
    DRDB_HEADER_FIELDS header;
    header.type = 2;
    ASSERT_TRUE(WriteFixtureFile(software.Path() / "sub" / "EN.dat", EncodeTextDatabase(header, texts)));
    const Bytes literal = Bytes("\xFF\xFF\xFF\xFF\xFF\xFE", 6) + Bytes("LIT1\0SAE:3FFE4123\0", 18);
    Send(0, 5, "T",
         Bytes("\xFE\x00sub\0", 6) + Bytes("KODE01DESC01\0", 13) + Bytes("KODE01MISS01\0", 13) + literal +
             Bytes("\xFF\xFF\xFF\xFF\xFF\xFE" "LIT2\0", 11) + Bytes("MISS02DESC01\0", 13));
    ASSERT_EQ(Engine().GetRowCount(), 5);
    EXPECT_EQ(Cell(0, 0), L"P1234");
    EXPECT_EQ(Cell(0, 1), L"Throttle stuck");
    EXPECT_EQ(Cell(1, 1), L"Undefined trouble code");
    EXPECT_EQ(Cell(2, 0), L"C4123") << "a marked code takes its system letter";
    EXPECT_EQ(Cell(3, 0), L"LIT2");
    EXPECT_EQ(Cell(3, 1), L"Undefined trouble code");
    EXPECT_EQ(Cell(4, 0), L"3032") << "a code the database lacks is shown as the short form shows it";
    EXPECT_EQ(Cell(4, 1), L"Throttle stuck");
}

// Back before the list is built answers the request; the late build must not read whatever the
// diagnostic program writes next as trouble codes.
TEST_F(DtcViewTest, AnAnswerCancelsTheBuildStillPending)
{
    Bytes bytes = {0, 0, 10, static_cast<char>(kDtcFreeTextOption), 0, 1};
    bytes += Bytes("T\0C1\0D1\0\0", 10);
    std::memcpy(block, bytes.data(), bytes.size());
    frame->SendMsg(WM_APP + 0x6EF);
    Dtc().SendMsg(WM_COMMAND, 3001, 0);
    EXPECT_EQ(TakeAnswer(5), Bytes("\x00\x05\x0A\x80\x0B", 5));
    std::memset(block, 0x41, 64);  // the next request is being written
    Dtc().SendMsg(WM_TIMER, CDtcView::kBuildTimer, 0);
    EXPECT_EQ(Engine().GetRowCount(), 0);
    ReturnTurn();
}

// After a message box the frame leaves the showing of the trouble codes to the screen.
TEST_F(DtcViewTest, ADatabaseListAfterAMessageIsShown)
{
    WriteCodes({{kFound, {"P0100", "Air flow"}}});
    frame->SwitchView(164, 1);
    Send(0, 1, "T", kFound);
    EXPECT_EQ(frame->CurrentViewId(), CDtcView::kViewId);
    EXPECT_TRUE(Dtc().IsVisible());
}

TEST_F(DtcViewTest, BackAnswers11Once)
{
    Send(kDtcFreeTextOption, 1, "T", Bytes("C1\0D1\0\0", 7));
    Dtc().SendMsg(WM_COMMAND, 3001, 0);
    EXPECT_EQ(TakeAnswer(5), Bytes("\x00\x05\x0A\x80\x0B", 5));
    EXPECT_EQ(Dtc().KeyCode(), 11);
    std::memset(block, 0x5A, 8);  // the diagnostic program's next bytes
    Dtc().OnBack();
    EXPECT_EQ(block[1], 0x5A) << "nothing is written after the answer";
    ReturnTurn();
    EXPECT_TRUE(TokenFree());
}

TEST_F(DtcViewTest, AClickAsksForHelpOnlyWhenTheHelpDatabaseIsThere)
{
    Send(0, 3, "T", kFound + Bytes("\0", 1) + kMissing + Bytes("\0", 1) + kLong + Bytes("\0", 1));
    EXPECT_FALSE(Dtc().HelpAvailable());
    ClickRow(1);
    EXPECT_FALSE(TokenFree()) << "without a help database a click answers nothing";

    ASSERT_FALSE(software.Write("EN_DTC_H.db", "help").empty());
    Dtc().ShowRequest();  // the same request built again
    Dtc().SendMsg(WM_TIMER, CDtcView::kBuildTimer, 0);
    EXPECT_TRUE(Dtc().HelpAvailable());
    ClickRow(1);
    const Bytes answer = TakeAnswer(8);
    EXPECT_EQ(answer.substr(0, 5), Bytes("\x00\x05\x0A\x00\xFF", 5));
    EXPECT_EQ(answer.substr(6, 2), Bytes("\x00\x01", 2)) << "the clicked row";
    ReturnTurn();
}

struct HelpCase {
    const char* name;
    bool databaseListBefore;  // a list of database keys came first, with the help database there
    bool helpDatabase;        // the help database is there for the text list
};

void PrintTo(const HelpCase& c, std::ostream* out) { *out << c.name; }

class DtcTextListHelpTest : public DtcViewTest, public ::testing::WithParamInterface<HelpCase> {};

// A text list looks for the folder's help database itself: what a list before it found does not
// decide whether a click asks for help.
TEST_P(DtcTextListHelpTest, AClickAnswersExactlyWhenTheHelpDatabaseIsThere)
{
    const std::filesystem::path help = software.Path() / "EN_DTC_H.db";
    if (GetParam().databaseListBefore) {
        ASSERT_FALSE(software.Write("EN_DTC_H.db", "help").empty());
        Send(0, 1, "T", kFound + Bytes("\0", 1));
        ASSERT_TRUE(Dtc().HelpAvailable());
        Dtc().SendMsg(WM_COMMAND, 3001);
        TakeAnswer(5);
        ReturnTurn();
    }
    if (GetParam().helpDatabase)
        ASSERT_FALSE(software.Write("EN_DTC_H.db", "help").empty());
    else
        std::filesystem::remove(help);
    Send(kDtcFreeTextOption, 2, "T", Bytes("C1\0D1\0\0C2\0D2\0\0", 14));
    EXPECT_EQ(Dtc().HelpAvailable(), GetParam().helpDatabase);
    ClickRow(1);
    if (!GetParam().helpDatabase) {
        EXPECT_FALSE(TokenFree()) << "without a help database a click answers nothing";
        return;
    }
    const Bytes answer = TakeAnswer(8);
    EXPECT_EQ(answer.substr(0, 5), Bytes("\x00\x05\x0A\x80\xFF", 5));
    EXPECT_EQ(answer.substr(6, 2), Bytes("\x00\x01", 2)) << "the clicked row";
    ReturnTurn();
}

INSTANTIATE_TEST_SUITE_P(Cases, DtcTextListHelpTest, ::testing::Values(
    HelpCase{"FirstListWithHelp", false, true},
    HelpCase{"FirstListWithoutHelp", false, false},
    HelpCase{"AfterADatabaseListWithHelp", true, true},
    HelpCase{"HelpGoneAfterADatabaseList", true, false}),
    [](const auto& c) { return std::string(c.param.name); });

class DtcPrintTest : public DtcViewTest {
protected:
    // Every other box is answered "No" and its text kept.
    void AnswerPrintDialog(int answer, print_test::PRINT_STEP refused = print_test::PRINT_STEP::None)
    {
        SetModalAnswerer([this, answer](const MODAL_BOX& box) -> std::optional<int> {
            if (box.templateId == 1538)
                return answer;
            boxes.push_back(box.text);
            return IDCANCEL;
        });
        SetPrintSinkFactory([this, refused]() {
            ++sinksMade;
            return std::make_unique<print_test::CRefusingSink>(capture, documentName, refused);
        });
    }
    // A click on a button of the bottom bar, which only an enabled button gets.
    void Click(int id)
    {
        CBmpBtn* button = frame->BottomBar().GetButton(id);
        ASSERT_NE(button, nullptr) << id;
        ASSERT_TRUE(button->IsEnabled()) << id;
        frame->BottomBar().SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
    }
    bool Enabled(int id) { return frame->BottomBar().GetButton(id)->IsEnabled(); }
    static Bytes Codes(int count)
    {
        Bytes entries;
        for (int code = 1; code <= count; ++code)
            entries += "P" + std::to_string(1000 + code) + '\0' + "Description of code " + std::to_string(code) + '\0' + '\0';
        return entries;
    }

    print_test::CMetafileCapture capture;
    std::wstring documentName;
    int sinksMade = 0;
    std::vector<std::wstring> boxes;
};

TEST_F(DtcPrintTest, PrintsTheListUnderItsTitle)
{
    Send(kDtcFreeTextOption, 2, "T", Bytes("P0100\0Air flow\0stored\0U0001\0Bus off\0\0", 38));
    AnswerPrintDialog(IDOK);
    Dtc().OnPrint();
    ASSERT_EQ(sinksMade, 1);
    EXPECT_EQ(documentName.rfind(L"Morvaks", 0), 0u) << "the program's name, then the date";
    EXPECT_EQ(documentName.substr(documentName.size() - 4), L" DTC");
    const auto texts = print_test::TextsOf(capture.Finish());
    for (const wchar_t* expected : {L"DTC", L"Description", L"Status", L"P0100", L"Air flow", L"stored", L"U0001",
                                    L"Bus off", L"- 1 -"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    EXPECT_FALSE(Dtc().HoldsPrintLock()) << "the print lock goes back when the print ends";
    EXPECT_FALSE(TokenFree()) << "printing does not answer";
}

TEST_F(DtcPrintTest, ALongListRunsOverPagesEachWithItsHeaderAndNumber)
{
    Bytes entries;
    for (int code = 1; code <= 120; ++code)
        entries += "P" + std::to_string(1000 + code) + '\0' + "Description of code " + std::to_string(code) + '\0' + '\0';
    Send(kDtcFreeTextOption, 120, "T", entries);
    AnswerPrintDialog(IDOK);
    Dtc().OnPrint();
    const auto printed = capture.Finish();
    std::map<std::wstring, int> seen;
    std::map<int, std::vector<std::wstring>> pages;
    for (const auto& item : printed) {
        ++seen[item.text];
        pages[item.page].push_back(item.text);
    }
    ASSERT_GT(pages.size(), 1u) << "120 codes do not fit one page";
    for (const auto& [page, texts] : pages) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), L"DTC"), texts.end()) << "title on page " << page;
        EXPECT_NE(std::find(texts.begin(), texts.end(), L"- " + std::to_wstring(page + 1) + L" -"), texts.end()) << page;
    }
    for (int code = 1; code <= 120; ++code)
        EXPECT_EQ(seen[L"P" + std::to_wstring(1000 + code)], 1) << code;
    EXPECT_EQ(seen[L"Description"], 1) << "the table's header row leads the first page only";
}

TEST_F(DtcPrintTest, ACancelledDialogPrintsNothing)
{
    Send(kDtcFreeTextOption, 1, "T", Bytes("P0100\0Air flow\0\0", 16));
    AnswerPrintDialog(IDCANCEL);
    Dtc().OnPrint();
    EXPECT_EQ(sinksMade, 0);
    EXPECT_TRUE(capture.Finish().empty());
}

// Paging is the shell's own business: the list stays printable on every page, and so does the
// next list.
TEST_F(DtcPrintTest, PagingLeavesPrintToTheScreen)
{
    for (int id : {3002, 3003, 3005})  // the keys the chooser left on the bar
        frame->BottomBar().AddButton(id);
    Send(kDtcFreeTextOption, 60, "T", Codes(60));
    frame->BottomBar().UpdateCommandStates();
    EXPECT_TRUE(Enabled(3005));
    Click(3003);
    EXPECT_TRUE(Enabled(3002)) << "on the second page";
    EXPECT_TRUE(Enabled(3005)) << "after page down";
    Click(3002);
    EXPECT_FALSE(Enabled(3002)) << "back on the first page";
    EXPECT_TRUE(Enabled(3005)) << "after page up";
    AnswerPrintDialog(IDOK);
    Click(3005);
    EXPECT_EQ(sinksMade, 1);

    Click(3003);
    Dtc().SendMsg(WM_COMMAND, 3001);
    TakeAnswer(5);
    ReturnTurn();
    Send(kDtcFreeTextOption, 2, "Next", Codes(2));
    frame->BottomBar().UpdateCommandStates();
    Click(3005);
    EXPECT_EQ(sinksMade, 2) << "the next list prints too";
    EXPECT_TRUE(boxes.empty());
}

struct RefusedCase {
    const char* name;
    print_test::PRINT_STEP refused;
    int dialogAnswer;
    bool told;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class DtcRefusedPrintTest : public DtcPrintTest, public ::testing::WithParamInterface<RefusedCase> {};

// A job the printer refused never passes for a printed list; a print the user called off is no failure.
TEST_P(DtcRefusedPrintTest, TheUserIsToldWhenTheJobFailed)
{
    Send(kDtcFreeTextOption, 60, "T", Codes(60));
    AnswerPrintDialog(GetParam().dialogAnswer, GetParam().refused);
    frame->SendMsg(WM_COMMAND, 3005);
    if (GetParam().told) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], L"Printing failed! The report was not printed, please check the printer.");
    } else {
        EXPECT_TRUE(boxes.empty());
    }
    EXPECT_FALSE(Dtc().HoldsPrintLock());
    EXPECT_FALSE(TokenFree()) << "printing does not answer";
}

INSTANTIATE_TEST_SUITE_P(Cases, DtcRefusedPrintTest, ::testing::Values(
    RefusedCase{"Printed", print_test::PRINT_STEP::None, IDOK, false},
    RefusedCase{"Cancelled", print_test::PRINT_STEP::None, IDCANCEL, false},
    RefusedCase{"DocumentRefused", print_test::PRINT_STEP::BeginDocument, IDOK, true},
    RefusedCase{"PageRefused", print_test::PRINT_STEP::BeginPage, IDOK, true},
    RefusedCase{"PageEndRefused", print_test::PRINT_STEP::EndPage, IDOK, true}),
    [](const auto& c) { return std::string(c.param.name); });

// Both notices about printing come from the language's string file, under the shell's own ids; a
// file that carries the system's texts under the neighbouring prompt numbers leaves them English.
struct NoticeCase {
    const char* name;
    std::vector<TAG_STRING_RESOURCE_ITEM> texts;
    std::vector<std::wstring> expected;
};

class DtcPrintNoticeTest : public DtcPrintTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(DtcPrintNoticeTest, ThePrintNoticesSpeakTheLanguage)
{
    std::filesystem::create_directories(programFolder.Path() / "SysString");
    ASSERT_TRUE(WriteStringFile(programFolder.Path() / "SysString" / "STRRES.DE", GetParam().texts));
    ResSetLanguageCode(L"DE");
    ASSERT_EQ(ResLoadStringFile(), 1);
    Send(kDtcFreeTextOption, 1, "T", Codes(1));

    AnswerPrintDialog(IDOK, print_test::PRINT_STEP::BeginPage);
    HANDLE elsewhere = CreateSemaphoreW(nullptr, 1, 1, L"CANPRINT");  // another program prints
    ASSERT_EQ(WaitForSingleObject(elsewhere, 0), WAIT_OBJECT_0);
    frame->SendMsg(WM_COMMAND, 3005);
    ReleaseSemaphore(elsewhere, 1, nullptr);
    CloseHandle(elsewhere);
    frame->SendMsg(WM_COMMAND, 3005);
    EXPECT_EQ(boxes, GetParam().expected);
    ResFreeStrings();
}

INSTANTIATE_TEST_SUITE_P(Cases, DtcPrintNoticeTest, ::testing::Values(
    NoticeCase{"OwnIds", {{shell_text::kPrintingBusy, L"Drucker belegt"}, {shell_text::kPrintFailed, L"Drucken fehlgeschlagen"}},
               {L"Drucker belegt", L"Drucken fehlgeschlagen"}},
    NoticeCase{"SystemPromptNumbers", {{0x10000D14, L"Kundendaten"}, {0x10000D15, L"Fahrgestellnummer"}},
               {L"Printing is busy with another job.\r\nPlease print again when it has finished.",
                L"Printing failed! The report was not printed, please check the printer."}}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
