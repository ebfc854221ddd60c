#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../screens/ScreenFixture.h"
#include "../screens/MetafileCapture.h"
#include "DSRecord.h"
#include "DSRecorderInfoMgr.h"
#include "RecorderInfoView.h"
#include "RepairInfoView.h"
#include "SharedHandles.h"
#include "ReplayView.h"

namespace {

std::tm StartAt(int second)
{
    std::tm start = {};
    start.tm_year = 2026 - 1900;
    start.tm_mon = 11;
    start.tm_mday = 10;
    start.tm_hour = 9;
    start.tm_min = 30;
    start.tm_sec = second;
    return start;
}

std::wstring DateTimeAt(int second)
{
    return L"2026-12-10 09:30:" + std::wstring(second < 10 ? L"0" : L"") + std::to_wstring(second);
}

// Two items, rows of values "rpm<r>" and "t<r>".
CDSRecord MakeRecording(int rows)
{
    CDSRecord recording;
    recording.AddItem(L"Engine speed", L"rpm");
    recording.AddItem(L"Coolant", L"degC");
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::wstring> values = {L"8" + std::to_wstring(row) + L"0", L"t" + std::to_wstring(row)};
        recording.AddSampleRow(values);
    }
    return recording;
}

class RecordingViewsTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        ResSetMakerName(L"Acme");
        ResSetLanguageCode(L"EN");
    }
    void TearDown() override
    {
        SetPrintSinkFactory({});
        ResSetLanguageCode(L"");
        ScreenTest::TearDown();
    }

    // Files a recording as the live-data screen does; its file name.
    std::wstring Store(const wchar_t* language, const wchar_t* maker, int second, int rows = 3,
                       const wchar_t* menuPath = L"Engine->Live data")
    {
        CDSRecorderInfoMgr index(programFolder.Path());
        EXPECT_EQ(index.StoreRecording(MakeRecordInfo(language, maker, menuPath, StartAt(second)), MakeRecording(rows)),
                  1);
        _stuDSRecorderInfo filed;
        index.GetRecordInfo(index.GetCount() - 1, filed);
        return filed.GetFileName();
    }
    int IndexCount() { return CDSRecorderInfoMgr(programFolder.Path()).GetCount(); }
    bool RecordingExists(const std::wstring& name)
    {
        return std::filesystem::exists(programFolder.Path() / L"Playback" / name);
    }

    CRecorderInfoView& List() { return *static_cast<CRecorderInfoView*>(frame->View(CRecorderInfoView::kViewId)); }
    CReplayView& Replay() { return *static_cast<CReplayView*>(frame->View(CReplayView::kViewId)); }
    CMultiCtrl& Table() { return *List().Engine(); }
    std::wstring Cell(CMultiCtrl& engine, int row, int column)
    {
        const wchar_t* text = engine.GetCellText(row, column);
        return text ? text : L"";
    }
    void ShowList() { frame->SwitchView(CRecorderInfoView::kViewId, 1); }
    void ClickRow(int row)
    {
        const std::vector<int> bottoms = Table().RowBottoms();
        ASSERT_GT(bottoms.size(), static_cast<size_t>(row));
        List().SendMsg(WM_LBUTTONUP, 0, MAKELPARAM(100, bottoms[static_cast<size_t>(row)] - 3));
    }
    void Command(CWindow& view, int id) { view.SendMsg(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    bool DeleteEnabled()
    {
        CBmpBtn* button = frame->ButtonBar().GetButton(CRecorderInfoView::kDeleteKey);
        return button && IsWindowEnabled(button->Handle());
    }
    void Tick() { Replay().SendMsg(WM_TIMER, CReplayView::kReplayTimer, 0); }
    std::wstring ReplayText() { return Replay().GetText(); }
    std::wstring PauseCaption()
    {
        CBmpBtn* button = frame->ButtonBar().GetButton(CReplayView::kPauseKey);
        return button ? button->GetText() : std::wstring();
    }
    // Opens the first listed recording in the replay.
    void OpenFirst()
    {
        ShowList();
        ClickRow(0);
        Command(List(), 3004);
        ASSERT_EQ(frame->CurrentViewId(), CReplayView::kViewId);
    }
};

TEST_F(RecordingViewsTest, ListsTheRecordingsOfTheMakerAndLanguageInUseAndKeepsTheOthers)
{
    Store(L"EN", L"Acme", 1, 3, L"Engine->Live data");
    Store(L"EN", L"Other", 2);
    Store(L"CN", L"Acme", 3);
    Store(L"EN", L"Acme", 4, 3, L"ABS->Live data");
    ShowList();
    ASSERT_EQ(Table().GetRowCount(), 2);
    EXPECT_EQ(Cell(Table(), 0, 0), DateTimeAt(1));
    EXPECT_EQ(Cell(Table(), 0, 1), L"Engine->Live data");
    EXPECT_EQ(Cell(Table(), 1, 0), DateTimeAt(4));
    EXPECT_EQ(Cell(Table(), 1, 1), L"ABS->Live data");
    EXPECT_FALSE(DeleteEnabled()) << "nothing is chosen yet";
    EXPECT_FALSE(List().IsCommandEnabled(3004));

    frame->SwitchView(161, 1);
    const int liveDataKeys = frame->ButtonBar().GetButtonCount();
    ShowList();
    Command(List(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 161);
    EXPECT_EQ(frame->ButtonBar().GetButtonCount(), liveDataKeys) << "each live-data key once";
    EXPECT_EQ(IndexCount(), 4) << "another maker's and another language's recordings stay";
}

TEST_F(RecordingViewsTest, LeavingDropsIndexRecordsWhoseFilesAreGone)
{
    const std::wstring gone = Store(L"EN", L"Acme", 1);
    Store(L"EN", L"Acme", 2);
    std::filesystem::remove(programFolder.Path() / L"Playback" / gone);
    ShowList();
    EXPECT_EQ(Table().GetRowCount(), 1);
    Command(List(), 3001);
    EXPECT_EQ(std::filesystem::file_size(programFolder.Path() / L"Playback" / L"EDSRecorder.0000"), 1024u);
}

TEST_F(RecordingViewsTest, BackGoesToTheViewTheOpenerNamed)
{
    const struct {
        int named;
        int expected;
        const char* why;
    } cases[] = {
        {286, 286, "a view of the frame"},
        {131, 131, "another view of the frame"},
        {161, 161, "the live-data screen"},
        {0, 161, "none named: the list's own opener"},
        {4711, 161, "no such view: the list's own opener"},
        {CRecorderInfoView::kViewId, 161, "the list itself would leave nowhere to go"},
    };
    for (const auto& c : cases) {
        frame->SwitchView(161, 1);
        List().SetReturnView(c.named);
        ShowList();
        ASSERT_EQ(frame->CurrentViewId(), CRecorderInfoView::kViewId);
        Command(List(), 3001);
        EXPECT_EQ(frame->CurrentViewId(), c.expected) << c.named << ": " << c.why;
    }

    // The live-data screen's Play key names that screen before it opens the list.
    List().SetReturnView(286);
    frame->SwitchView(161, 1);
    Command(*frame->View(161), 3009);
    ASSERT_EQ(frame->CurrentViewId(), CRecorderInfoView::kViewId);
    EXPECT_EQ(List().ReturnView(), 161);
    Command(List(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 161);
}

TEST_F(RecordingViewsTest, ARecordingWhoseFileHasGoneIsToldAndNothingOpens)
{
    const std::wstring gone = Store(L"EN", L"Acme", 1);
    ShowList();
    std::filesystem::remove(programFolder.Path() / L"Playback" / gone);  // after the list was read
    std::vector<std::wstring> said;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        said.push_back(box.text);
        return IDOK;
    });
    ClickRow(0);
    Command(List(), 3004);
    EXPECT_EQ(frame->CurrentViewId(), CRecorderInfoView::kViewId);
    ASSERT_EQ(said.size(), 1u) << "opening it did nothing without a word";
    EXPECT_NE(said[0].find(gone), std::wstring::npos) << said[0];
}

TEST_F(RecordingViewsTest, ARecordingWhoseFileCannotBeDeletedIsToldAndStaysListed)
{
    const std::wstring held = Store(L"EN", L"Acme", 1);
    Store(L"EN", L"Acme", 2);
    ShowList();
    std::vector<std::wstring> said;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        said.push_back(box.text);
        return IDOK;
    });
    {
        // Another program has the file open and does not share its deletion.
        const std::wstring path = (programFolder.Path() / L"Playback" / held).wstring();
        const HANDLE open = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(open, INVALID_HANDLE_VALUE);
        ClickRow(0);
        Command(List(), CRecorderInfoView::kDeleteKey);
        CloseHandle(open);
    }
    ASSERT_EQ(said.size(), 1u) << "the failed delete was not told";
    EXPECT_NE(said[0].find(held), std::wstring::npos) << said[0];
    EXPECT_TRUE(RecordingExists(held));
    EXPECT_EQ(Table().GetRowCount(), 2) << "the recording is still listed";
    Command(List(), 3001);
    EXPECT_EQ(IndexCount(), 2) << "the file keeps its index record, so it can be deleted later";

    ShowList();
    ClickRow(0);
    Command(List(), CRecorderInfoView::kDeleteKey);
    EXPECT_FALSE(RecordingExists(held)) << "once free, it is deleted";
    EXPECT_EQ(IndexCount(), 1);
    EXPECT_EQ(said.size(), 1u);
}

TEST_F(RecordingViewsTest, DeleteRemovesTheClickedRecordingEvenWhenAnEarlierOneHasTheSameTime)
{
    const std::wstring first = Store(L"EN", L"Acme", 5);
    const std::wstring second = Store(L"EN", L"Acme", 5);  // the clock was set back: same start text
    ASSERT_NE(first, second);
    ShowList();
    ASSERT_EQ(Table().GetRowCount(), 2);
    ClickRow(1);
    EXPECT_TRUE(DeleteEnabled());
    EXPECT_TRUE(List().IsCommandEnabled(3004));
    Command(List(), CRecorderInfoView::kDeleteKey);
    EXPECT_EQ(Table().GetRowCount(), 1);
    EXPECT_TRUE(RecordingExists(first));
    EXPECT_FALSE(RecordingExists(second));
    EXPECT_EQ(IndexCount(), 1) << "the index is rewritten at once";
    EXPECT_FALSE(DeleteEnabled()) << "a delete leaves nothing chosen";
    EXPECT_FALSE(List().IsCommandEnabled(3004));
}

TEST_F(RecordingViewsTest, ReplayShowsTheRowsInOrderPausesAndStartsAgainAfterTheEnd)
{
    Store(L"EN", L"Acme", 1, 3);
    OpenFirst();
    CMultiCtrl& engine = Replay().Engine();
    ASSERT_EQ(engine.GetRowCount(), 2);
    EXPECT_EQ(Cell(engine, 0, 0), L"Engine speed");
    EXPECT_EQ(Cell(engine, 1, 2), L"degC");
    EXPECT_EQ(Replay().StoredRows(), 3);
    EXPECT_FALSE(Replay().IsPaused());
    EXPECT_EQ(PauseCaption(), L"Pause");

    Tick();
    EXPECT_EQ(Cell(engine, 0, 1), L"800");
    EXPECT_EQ(Cell(engine, 1, 1), L"t0");
    EXPECT_EQ(ReplayText(), L" 1/3  33%");
    Command(Replay(), CReplayView::kPauseKey);
    EXPECT_TRUE(Replay().IsPaused());
    EXPECT_EQ(PauseCaption(), L"Play");
    Tick();
    EXPECT_EQ(ReplayText(), L" 1/3  33%") << "a paused replay ignores its ticks";
    Command(Replay(), CReplayView::kPauseKey);
    Tick();
    EXPECT_EQ(Cell(engine, 0, 1), L"810");
    EXPECT_EQ(ReplayText(), L" 2/3  66%");
    Tick();
    EXPECT_EQ(Cell(engine, 1, 1), L"t2");
    EXPECT_EQ(ReplayText(), L" 3/3  100%");
    EXPECT_TRUE(Replay().IsPaused()) << "the replay stops at its last row";
    EXPECT_EQ(Replay().Position(), 0);
    EXPECT_EQ(PauseCaption(), L"Play");

    Command(Replay(), CReplayView::kPauseKey);
    Tick();
    EXPECT_EQ(Cell(engine, 0, 1), L"800") << "played again from the first row";
    EXPECT_EQ(ReplayText(), L" 1/3  33%");
    const GRAPH_RECORD* record = engine.GraphRecord(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->sampleCount, 4) << "every shown value joins the item's curve";
}

TEST_F(RecordingViewsTest, ValuesAreCutTo31Characters)
{
    CDSRecord recording;
    recording.AddItem(L"A", L"");
    const std::vector<std::wstring> row = {std::wstring(40, L'x')};
    recording.AddSampleRow(row);
    Replay().LoadRecording(recording);
    Replay().StoreSample(0, std::wstring(31, L'y').c_str());
    Replay().NextRow();
    Replay().StoreSample(0, std::wstring(40, L'z').c_str());
    Replay().NextRow();
    frame->SwitchView(CReplayView::kViewId, 1);
    Replay().StartReplay();
    Tick();
    EXPECT_EQ(Cell(Replay().Engine(), 0, 1), std::wstring(31, L'y'));
    Tick();
    EXPECT_EQ(Cell(Replay().Engine(), 0, 1), std::wstring(31, L'z'));
}

TEST_F(RecordingViewsTest, BackReturnsToTheLiveDataScreenWithItsKeys)
{
    Store(L"EN", L"Acme", 1, 3);
    frame->SwitchView(161, 1);
    const int liveDataKeys = frame->ButtonBar().GetButtonCount();
    OpenFirst();
    Tick();
    Command(Replay(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 161);
    EXPECT_EQ(frame->ButtonBar().GetButtonCount(), liveDataKeys) << "each live-data key once";
    EXPECT_NE(frame->ButtonBar().GetButton(3021), nullptr) << "the live-data keys are back";
    EXPECT_NE(PauseCaption(), L"Pause");
    EXPECT_EQ(Replay().StoredRows(), 0) << "the values are freed";
    Tick();  // a tick still queued finds nothing to show
}

// A live-data request in the text form with the given number of items.
std::string LiveDataTexts(int count)
{
    std::string bytes = {0, 0, 20, static_cast<char>(0x80), 0, 0, 0, static_cast<char>(count), 0};
    bytes += std::string("Engine") + '\0';
    for (int i = 0; i < count; ++i)
        bytes += std::string("Item") + '\0' + "1" + '\0' + "V" + '\0';
    return bytes;
}

TEST_F(RecordingViewsTest, LiveDataIsAnsweredBehindTheReplayAndTheEndOfItsListFreesTheValues)
{
    Store(L"EN", L"Acme", 1, 3);
    frame->SwitchView(161, 1);  // the list is reached from the live-data screen
    OpenFirst();
    const std::string request = LiveDataTexts(1);
    std::memcpy(block, request.data(), request.size());
    frame->SendMsg(WM_APP + 0x6EF);
    EXPECT_TRUE(TokenFree()) << "answered at once";
    EXPECT_EQ(frame->CurrentViewId(), CReplayView::kViewId) << "the replay stays in front";
    Tick();
    EXPECT_EQ(ReplayText(), L" 1/3  33%");

    const std::string end = LiveDataTexts(0);
    std::memcpy(block, end.data(), end.size());
    frame->SendMsg(WM_APP + 0x6EF);
    EXPECT_TRUE(TokenFree());
    EXPECT_EQ(Replay().StoredRows(), 0) << "the list is over, and the recorded values with it";
    Tick();
    EXPECT_EQ(ReplayText(), L" 1/3  33%") << "nothing left to show";
}

class ReplayPrintTest : public RecordingViewsTest {
protected:
    void AnswerPrintDialog(print_test::CMetafileCapture& capture)
    {
        SetModalAnswerer([](const MODAL_BOX& box) -> std::optional<int> {
            return box.templateId == 1538 ? IDOK : IDCANCEL;
        });
        SetPrintSinkFactory([this, &capture]() {
            return std::make_unique<print_test::CCaptureSink>(capture, documentName);
        });
    }
    std::vector<print_test::PRINTED_TEXT> Print()
    {
        print_test::CMetafileCapture capture;
        AnswerPrintDialog(capture);
        Command(Replay(), 3005);
        return capture.Finish();
    }
    static const print_test::PRINTED_TEXT* Find(const std::vector<print_test::PRINTED_TEXT>& printed,
                                                const std::wstring& text)
    {
        const auto found = std::find_if(printed.begin(), printed.end(), [&](const auto& item) { return item.text == text; });
        return found == printed.end() ? nullptr : &*found;
    }
    std::wstring documentName;
};

TEST_F(ReplayPrintTest, PrintsTheValuesUnderTheReportHeaderAndTheSecondJobLooksLikeTheFirst)
{
    std::ofstream(programFolder.Path() / L"CONFIG.INI")
        << "[USERINFO]\r\nCompany=Bright Garage\r\nAddress=1 Long Road\r\nTelephone=555-0100\r\n";
    frame->RepairInfoView().OnMenuShown({L"Engine", L"ABS"});
    frame->RepairInfoView().OnMenuItemChosen({L"Engine", L"ABS"}, 0);
    Store(L"EN", L"Acme", 1, 3);
    OpenFirst();
    Tick();
    EXPECT_TRUE(Replay().IsCommandEnabled(3005)) << "a playing replay can be printed";

    const auto first = Print();
    EXPECT_EQ(documentName.rfind(L"Morvaks2", 0), 0u) << "no blank between the name and the date";
    for (const wchar_t* expected : {L"Engine speed", L"800", L"rpm", L"Coolant", L"t0", L"Bright Garage",
                                    L"1 Long Road", L"555-0100", L"Acme", L"Path: Acme / Engine", L"- 1 -",
                                    L" 1/3  33%"})
        EXPECT_NE(Find(first, expected), nullptr) << expected;
    const auto* company = Find(first, L"Bright Garage");
    const auto* path = Find(first, L"Path: Acme / Engine");
    const auto* name = Find(first, L"Engine speed");
    ASSERT_TRUE(company && path && name);
    EXPECT_LT(company->y, path->y);
    EXPECT_LT(path->y, name->y) << "the table starts below the header";

    Tick();
    const auto second = Print();
    const auto* company2 = Find(second, L"Bright Garage");
    const auto* name2 = Find(second, L"Engine speed");
    ASSERT_TRUE(company2 && name2);
    EXPECT_EQ(company2->x, company->x);
    EXPECT_EQ(company2->y, company->y);
    EXPECT_EQ(name2->y, name->y);
    EXPECT_NE(Find(second, L"810"), nullptr);
}

TEST_F(ReplayPrintTest, AJobThePrinterRefusedIsToldToTheUser)
{
    Store(L"EN", L"Acme", 1, 3);
    OpenFirst();
    Tick();
    std::vector<std::wstring> boxes;
    SetModalAnswerer([&boxes](const MODAL_BOX& box) -> std::optional<int> {
        if (box.templateId == 1538)
            return IDOK;
        boxes.push_back(box.text);
        return IDCANCEL;
    });
    print_test::CMetafileCapture capture;
    SetPrintSinkFactory([this, &capture]() {
        return std::make_unique<print_test::CRefusingSink>(capture, documentName, print_test::PRINT_STEP::EndPage);
    });
    Command(Replay(), 3005);
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Printing failed! The report was not printed, please check the printer."});
    EXPECT_FALSE(Replay().HoldsPrintLock());
}

}  // namespace
