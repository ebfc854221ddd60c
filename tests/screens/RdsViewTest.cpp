#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <filesystem>

#include "../frame/FrameFixture.h"
#include "DSRecorderInfoMgr.h"
#include "DataResWriter.h"
#include "DbFileWriter.h"
#include "ExchangeBuffer.h"
#include "MakerView.h"
#include "RdsView.h"
#include "SharedHandles.h"
#include "UnitConversion.h"
#include "VehicleDataWin.h"
#include "MetafileCapture.h"
#include "ModalSeam.h"

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

struct TEXT_ITEM {
    std::string name;
    std::string value;
    std::string unit;
};

struct ID_ITEM {
    std::string id;
    std::string value;
};

// The live-data screen in the frame, with a vehicle-software folder holding the language's live-data
// database, and the exchange block and turn token of a running diagnosis.
class RdsViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        InstallVehicleDataServices();
        ResSetSoftwareDir(software.Path().wstring() + L"\\");
        ResSetLanguageCode(L"EN");
        ResSetLanguageCodeA("EN");
        SetGlobalFloat1(3.25f);
        SetDataResourceVersion(3.25f);
        ResSetUnitMode(0);
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        DB_HEADER_FIELDS header;
        header.keyLength = 6;
        WriteDbFile(software.Path(), L"EN_DS.DB",
                    EncodeDbFile(header, {{Id(1), {"Engine speed", "rpm"}}, {Id(2), {"Vehicle speed", "km/h"}},
                                          {Id(3), {"Name without unit"}}}));
    }
    void TearDown() override
    {
        ResSetSoftwareDir(L"");
        ResSetUnitMode(0);
        SetGlobalFloat1(0);
        SetDataResourceVersion(0);
        MainFrameTest::TearDown();
    }

    // Sends a request as the diagnostic program does and takes the answer it was given at once.
    void Send(uint8_t option, const std::string& payload)
    {
        const std::string bytes = "\0\0\x14"s + static_cast<char>(option) + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
        ASSERT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0) << "every request is answered at once";
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
    }
    void SendTexts(const std::vector<TEXT_ITEM>& items, const std::string& title = "Engine")
    {
        std::string payload = "\0\0"s + Be16(items.size()) + "\0"s + title + '\0';
        for (const TEXT_ITEM& item : items)
            payload += item.name + '\0' + item.value + '\0' + item.unit + '\0';
        Send(0x80, payload);
    }
    void SendIds(const std::vector<ID_ITEM>& items, const std::string& database = "", char mode = 0)
    {
        std::string payload = mode + "\0"s + Be16(items.size()) + database + '\0' + "Live data\0"s;
        for (const ID_ITEM& item : items)
            payload += item.id + item.value + '\0';
        Send(0x00, payload);
    }
    // A page of `count` items from `base` out of `total`, sent by the diagnostic program.
    void SendPage(size_t total, size_t base, size_t count)
    {
        std::string payload = "\0\0"s + Be16(count) + Be16(total) + Be16(base) + "\0\0"s;
        for (size_t i = 0; i < count; ++i)
            payload += "Item " + std::to_string(base + i) + '\0' + std::to_string(i) + "\0V\0"s;
        Send(0x81, payload);
    }

    std::string Answer(size_t bytes) const { return std::string(reinterpret_cast<const char*>(block), bytes); }
    CRdsView& Screen() { return *static_cast<CRdsView*>(frame->View(161)); }
    CMultiCtrl& Engine() { return *Screen().Engine(); }
    std::wstring Cell(int row, int column)
    {
        const wchar_t* text = Engine().GetCellText(row, column);
        return text ? text : L"(none)";
    }
    void Click(int row)
    {
        const std::vector<int> bottoms = Engine().RowBottoms();
        ASSERT_LT(static_cast<size_t>(row), bottoms.size());
        const RECT area = Engine().Area();
        const int y = area.top + bottoms[static_cast<size_t>(row)] - 3;
        Screen().SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.left + 20, y));
    }

    CTempFolder software;
    uint8_t* block = nullptr;
};

TEST_F(RdsViewTest, TheTextFormShowsEveryValueInTheChosenUnits)
{
    ResSetUnitMode(1);
    SendTexts({{"Speed", "100", "km/h"}, {"Coolant", "90", "\xE2\x84\x83"}, {"Status", "open", ""}});
    EXPECT_EQ(frame->CurrentViewId(), 161);
    EXPECT_EQ(Answer(5), "\0\x05\x14\x80\xFF"s) << "nothing pressed: the refresh key";
    EXPECT_EQ(Cell(0, 0), L"Speed");
    EXPECT_EQ(Cell(0, 1), ConvertValueByUnit(L"km/h", L"100", 1));
    EXPECT_EQ(Cell(0, 2), L"mph");
    EXPECT_EQ(Cell(1, 1), ConvertValueByUnit(L"\u2103", L"90", 1));
    EXPECT_EQ(Cell(2, 1), L"open");
    EXPECT_EQ(Cell(2, 2), L"");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Engine");
    EXPECT_EQ(Engine().GetColumnTitle(2), std::wstring(L"Unit"));

    SendTexts({{"Speed", "120", "km/h"}}, "");
    EXPECT_EQ(Engine().GetRowCount(), 1);
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Data stream");
}

TEST_F(RdsViewTest, AnIdListIsNamedFromTheDatabaseAndUpdatedInPlace)
{
    ResSetUnitMode(1);
    SendIds({{Id(1), "800"}, {Id(2), "100"}, {Id(3), "7"}, {Id(9), "1"}});
    ASSERT_EQ(Engine().GetRowCount(), 4);
    EXPECT_EQ(Cell(0, 0), L"Engine speed");
    EXPECT_EQ(Cell(1, 0), L"Vehicle speed");
    EXPECT_EQ(Cell(1, 1), ConvertValueByUnit(L"km/h", L"100", 1)) << "in the unit shown from the first drawing";
    EXPECT_EQ(Cell(1, 2), L"mph");
    EXPECT_EQ(Cell(2, 2), L"") << "a record without a unit";
    EXPECT_EQ(Cell(3, 0), L"????");
    EXPECT_EQ(Cell(3, 2), L"????");

    SendIds({{Id(1), "900"}, {Id(2), "100"}, {Id(3), "7"}, {Id(9), "1"}});
    EXPECT_EQ(Cell(0, 1), L"900");
    EXPECT_EQ(Cell(1, 1), ConvertValueByUnit(L"km/h", L"100", 1)) << "the same list converts its values";

    SendIds({{Id(2), "50"}, {Id(1), "700"}});
    EXPECT_EQ(Cell(0, 0), L"Vehicle speed") << "another order is another list";
    EXPECT_EQ(Cell(0, 1), ConvertValueByUnit(L"km/h", L"50", 1));
    EXPECT_EQ(Screen().ItemNames(), (std::vector<std::wstring>{L"Vehicle speed", L"Engine speed"}));
}

// In British units every value shown is in the unit shown beside it, also at the first drawing of
// a list and of a page turned here, where the names are looked up anew.
TEST_F(RdsViewTest, EveryDrawingShowsTheValuesInTheUnitsShown)
{
    ResSetUnitMode(1);
    const std::wstring converted = ConvertValueByUnit(L"km/h", L"100", 1);
    ASSERT_NE(converted, L"100");
    std::vector<ID_ITEM> items(60, ID_ITEM{Id(2), "100"});
    const auto expectConverted = [&](const char* when) {
        for (int row = 0; row < Engine().GetRowCount(); ++row) {
            ASSERT_EQ(Cell(row, 2), L"mph") << when << row;
            ASSERT_EQ(Cell(row, 1), converted) << when << row;
        }
    };
    SendIds(items);
    expectConverted("a new list: ");
    SendIds(items);
    expectConverted("a refresh: ");
    ASSERT_TRUE(frame->View(161)->IsCommandEnabled(3003));
    frame->SendMsg(WM_COMMAND, 3003);
    SendIds(items);
    ASSERT_GT(Engine().GetPageBase(), 0);
    expectConverted("a page turned: ");
    KeepSnapshot(L"live-data-british.png");
    frame->SendMsg(WM_COMMAND, 3002);
    SendIds(items);
    expectConverted("a page back: ");
}

TEST_F(RdsViewTest, OnlyALowerCaseDatNameChoosesThePackedDatabase)
{
    WriteFixtureFile(software.Path() / "LIVE_EN.dat", EncodeTextDatabase({}, {{TextDbKey(Id(1)), u"Packed speed"}}));
    SendIds({{Id(1), "1"}, {Id(2), "2"}}, "LIVE_EN.dat");
    EXPECT_EQ(Cell(0, 0), L"Packed speed");
    EXPECT_EQ(Cell(1, 0), L"????") << "a key the packed file lacks is no record";

    for (const std::string name : {"LIVE_EN.DAT", ".dat"}) {
        SendIds({{Id(2), "2"}}, name);
        EXPECT_EQ(Cell(0, 0), L"Vehicle speed") << name;
    }
}

TEST_F(RdsViewTest, TheSecondFieldNamesTheUnit)
{
    ResSetUnitMode(1);
    const std::string unitKey = "\x02\0\0\0\0\x07"s;
    WriteFixtureFile(software.Path() / "LIVE_EN.dat",
                     EncodeTextDatabase({}, {{TextDbKey(Id(1)), u"Packed speed"}, {TextDbKey(unitKey), u"km/h"}}));
    const auto send = [&](const std::string& database, const std::string& second) {
        Send(0x00, "\0\x01\0\x02"s + database + "\0Live\0"s + Id(1) + second + "100\0"s + Id(9) + second + "5\0"s);
    };
    send("", "km/h\0\0"s);
    EXPECT_EQ(Cell(0, 0), L"Engine speed");
    EXPECT_EQ(Cell(0, 2), L"mph") << "the second field is the unit's text";
    EXPECT_EQ(Cell(1, 0), L"????");
    EXPECT_EQ(Cell(1, 2), L"mph");
    send("LIVE_EN.dat", unitKey);
    EXPECT_EQ(Cell(0, 0), L"Packed speed");
    EXPECT_EQ(Cell(0, 2), L"mph") << "a packed database names the unit under the second field";
    send("LIVE_EN.dat", unitKey);
    EXPECT_EQ(Cell(0, 1), ConvertValueByUnit(L"km/h", L"100", 1));
}

TEST_F(RdsViewTest, AMissingDatabaseAnswersAndKeepsTheTable)
{
    SendIds({{Id(1), "1"}});
    SendIds({{Id(2), "2"}}, "NONE_EN.dat");
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\xFF"s);
    EXPECT_EQ(Cell(0, 0), L"Engine speed");
}

TEST_F(RdsViewTest, ARefusedDatabaseIsReportedOncePerList)
{
    DB_HEADER_FIELDS broken;
    broken.magic = "XX";
    WriteDbFile(software.Path(), L"EN_DS.DB", EncodeDbFile(broken, {{Id(1), {"Engine speed"}}}));
    std::vector<std::wstring> boxes;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        boxes.push_back(box.text);
        return IDOK;
    });
    for (int refresh = 0; refresh < 3; ++refresh)
        SendIds({{Id(1), "1"}});
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"DB Information Error, Error Code:2"});
    SendIds({{Id(2), "1"}});
    EXPECT_EQ(boxes.size(), 2u) << "another list tries again";
}

TEST_F(RdsViewTest, AnEmptyListAndBackLeaveWithKey11)
{
    SendIds({{Id(1), "1"}});
    SendIds({});
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\x0B"s);
    EXPECT_TRUE(Screen().ItemNames().empty());
    SendIds({{Id(1), "1"}});
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\xFF"s) << "the key went with one answer";

    frame->SendMsg(WM_COMMAND, 3001);
    EXPECT_EQ(Screen().PendingKey(), 11);
    SendIds({{Id(2), "2"}});
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\x0B"s);
    EXPECT_EQ(Engine().GetRowCount(), 0) << "a request that leaves is answered, not drawn, and the table goes";
}

TEST_F(RdsViewTest, PageDownWhileTheProgramPagesAsksForTheNextPage)
{
    SendPage(45, 0, 20);
    EXPECT_EQ(Answer(9), "\0\x05\x14\x81\xFF\0\0\0"s + static_cast<char>(Engine().GetLiveDataPageRows()));
    const int rows = Engine().GetLiveDataPageRows();
    ASSERT_GT(rows, 0);
    block[exchange::kMailboxMarker] = 0;
    Screen().OnPageDown();
    EXPECT_EQ(block[exchange::kMailboxKey], 1) << "the key is posted through the mailbox at once";

    SendPage(45, 0, 20);
    EXPECT_EQ(Answer(9), "\0\x05\x14\x81\x0E"s + Be16(static_cast<size_t>(rows)) + "\0\x14"s);

    SendPage(45, static_cast<size_t>(rows), 20);
    EXPECT_EQ(Screen().PageBase(), rows);
    EXPECT_EQ(Cell(0, 0), L"Item " + std::to_wstring(rows));
    EXPECT_FALSE(frame->View(161)->IsCommandEnabled(3002)) << "the keys wait for the page to be shown once";
    SendPage(45, static_cast<size_t>(rows), 20);
    EXPECT_TRUE(frame->View(161)->IsCommandEnabled(3002));
    EXPECT_TRUE(frame->View(161)->IsCommandEnabled(3003));

    Screen().OnPageUp();
    SendPage(45, static_cast<size_t>(rows), 20);
    EXPECT_EQ(Answer(9), "\0\x05\x14\x81\x0F\0\0\0\x14"s) << "back to the stacked first page";
}

// Paged here, a page follows on from the last row the one before showed, however many fit.
TEST_F(RdsViewTest, LocalPagingLeavesNoRowUnseen)
{
    std::vector<TEXT_ITEM> items;
    for (int i = 0; i < 60; ++i)
        items.push_back({"Item " + std::to_string(i), std::to_string(i), "V"});
    SendTexts(items);
    SendTexts(items);
    const int rows = Engine().GetLiveDataPageRows();
    ASSERT_GT(rows, 0);
    ASSERT_LT(rows, 60);
    Screen().OnPageDown();
    SendTexts(items);
    EXPECT_EQ(Engine().GetPageBase(), rows) << "the second page starts with the first row not yet shown";
    Screen().OnPageUp();
    SendTexts(items);
    EXPECT_EQ(Engine().GetPageBase(), 0);
}

TEST_F(RdsViewTest, TheWaveKeyDrawsTheChosenRowsValues)
{
    SendTexts({{"Speed", "10", "km/h"}, {"Load", "20", "%"}});
    Click(1);
    EXPECT_EQ(Engine().CurrentGraphRow(), 1);
    Screen().OnWave();
    GRAPH_RECORD* record = Engine().GraphRecord(1);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->graphShown, 1);
    EXPECT_EQ(frame->ButtonBar().GetButton(3010)->GetText(), L"Data stream");
    SendTexts({{"Speed", "11", "km/h"}, {"Load", "25", "%"}});
    SendTexts({{"Speed", "12", "km/h"}, {"Load", "abc", "%"}});
    EXPECT_EQ(record->sampleCount, 2) << "a value that is no number adds no sample";
    EXPECT_EQ(record->graphUnavailable, 1);
    EXPECT_EQ(Engine().GraphRecord(0)->sampleCount, 0);

    Screen().OnWave();
    EXPECT_EQ(record->graphShown, 0);
    EXPECT_EQ(frame->ButtonBar().GetButton(3010)->GetText(), L"Wave");
}

TEST_F(RdsViewTest, TheRecordingListInFrontStaysThereWhileRequestsAreAnswered)
{
    SendTexts({{"Speed", "10", "km/h"}});
    frame->SendMsg(WM_COMMAND, 3009);
    EXPECT_EQ(frame->CurrentViewId(), 249);
    SendTexts({{"Speed", "11", "km/h"}, {"Load", "1", "%"}});
    EXPECT_EQ(frame->CurrentViewId(), 249);
    EXPECT_EQ(Engine().GetRowCount(), 2);
}

TEST_F(RdsViewTest, InGroupModeThePageKeysAskForTheNeighbouringGroups)
{
    const std::vector<ID_ITEM> group = {{Id(1), "1"}, {Id(2), "2"}};
    SendIds(group, "", 1);
    EXPECT_TRUE(frame->ButtonBar().GetButton(3008)->IsEnabled()) << "the channel key belongs to group mode";
    EXPECT_TRUE(frame->View(161)->IsCommandEnabled(3003));

    Screen().OnPageDown();  // the group fits one page: the next group is asked for
    SendIds({{Id(1), "5"}, {Id(2), "6"}}, "", 1);
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\x09"s);

    SendIds({{Id(3), "7"}, {Id(1), "1"}}, "", 1);
    SendIds({{Id(3), "8"}, {Id(1), "9"}}, "", 1);
    EXPECT_EQ(Cell(0, 0), L"Name without unit");
    EXPECT_EQ(Cell(1, 1), L"9") << "the next group's values are updated whole";
    Screen().OnPageUp();
    SendIds({{Id(3), "8"}, {Id(1), "9"}}, "", 1);
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\x08"s);
    Screen().OnChannel();
    SendIds({{Id(3), "8"}, {Id(1), "9"}}, "", 1);
    EXPECT_EQ(Answer(5), "\0\x05\x14\x00\x0C"s);
}


// Recording: the program folder is a temporary one, so "Playback\" is the test's own.
class RdsRecordTest : public RdsViewTest {
protected:
    void SetUp() override
    {
        RdsViewTest::SetUp();
        previousAppDir = ResGetAppDir();
        ResSetAppDir(program.Path().wstring() + L"\\");
        ResSetMakerName(L"Alder");
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        SetPrintSinkFactory({});
        ResSetAppDir(previousAppDir);
        ResSetMakerName(L"");
        RdsViewTest::TearDown();
    }
    void SendItems(int count, int value)
    {
        std::vector<TEXT_ITEM> items;
        for (int i = 0; i < count; ++i)
            items.push_back({"Item " + std::to_string(i), std::to_string(value + i), "km/h"});
        SendTexts(items);
    }
    std::vector<_stuDSRecorderInfo> Index()
    {
        CDSRecorderInfoMgr index(program.Path());
        std::vector<_stuDSRecorderInfo> records(static_cast<size_t>(index.GetCount()));
        for (int i = 0; i < index.GetCount(); ++i)
            index.GetRecordInfo(i, records[static_cast<size_t>(i)]);
        return records;
    }
    void Record() { frame->SendMsg(WM_COMMAND, 3021); }

    CTempFolder program;
    std::wstring previousAppDir;
};

TEST_F(RdsRecordTest, FourItemsAreRecordedAndFiledWithTheirIndexEntry)
{
    SendItems(4, 10);
    Record();
    ASSERT_TRUE(Screen().IsRecording());
    EXPECT_EQ(frame->ButtonBar().GetButton(3021)->GetText(), L"Stop");
    EXPECT_FALSE(frame->View(161)->IsCommandEnabled(3001)) << "Back waits for the recording to end";
    EXPECT_FALSE(frame->View(161)->IsCommandEnabled(3005));
    EXPECT_FALSE(frame->ButtonBar().GetButton(3009)->IsEnabled());
    SendItems(4, 20);
    SendItems(4, 30);
    Record();
    EXPECT_FALSE(Screen().IsRecording());
    EXPECT_EQ(frame->ButtonBar().GetButton(3021)->GetText(), L"Record");
    EXPECT_TRUE(frame->View(161)->IsCommandEnabled(3001));
    EXPECT_TRUE(frame->ButtonBar().GetButton(3009)->IsEnabled());

    const auto index = Index();
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].GetLanguage(), L"EN");
    EXPECT_EQ(index[0].GetMaker(), L"Alder");
    const std::wstring name = index[0].GetFileName();
    EXPECT_EQ(name.substr(0, 5), L"Alder");
    EXPECT_EQ(name.size(), 5u + 14u) << "maker and start time";
    CDSRecord recording;
    ASSERT_EQ(recording.LoadFromFile(program.Path() / "Playback" / name), 1) << "the entry names the file";
    EXPECT_EQ(recording.GetItemCount(), 4);
    EXPECT_EQ(std::wstring(recording.GetItemName(3)), L"Item 3");
    ASSERT_EQ(recording.GetRowCount(), 2);
    EXPECT_EQ(std::wstring(recording.GetSample(0, 0)), L"20");
    EXPECT_EQ(std::wstring(recording.GetSample(1, 3)), L"33");
}

TEST_F(RdsRecordTest, FiveItemsAreTooManyAndYesLeavesTheList)
{
    SendItems(5, 1);
    std::vector<std::wstring> asked;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        asked.push_back(box.text);
        return IDOK;
    });
    Record();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find(L"Too many items to record"), std::wstring::npos);
    EXPECT_FALSE(Screen().IsRecording());
    EXPECT_EQ(Screen().PendingKey(), 11) << "Yes goes back to the list";
    EXPECT_TRUE(Index().empty());
}

TEST_F(RdsRecordTest, TheTimerStopsAndFilesARecordingLeftRunning)
{
    SendItems(2, 1);
    Record();
    SendItems(2, 2);
    Screen().SendMsg(WM_TIMER, CRdsView::kRecordTimer, 0);
    EXPECT_FALSE(Screen().IsRecording());
    ASSERT_EQ(Index().size(), 1u);
    Screen().SendMsg(WM_TIMER, CRdsView::kRecordTimer, 0);
    EXPECT_FALSE(Screen().IsRecording()) << "a stale timer never starts a recording";
}

TEST_F(RdsRecordTest, HomeAndAnEmptyListFileWhatWasRecorded)
{
    SendItems(1, 1);
    Record();
    SendItems(1, 2);
    SendIds({});  // the diagnostic program leaves the list
    EXPECT_FALSE(Screen().IsRecording());
    EXPECT_EQ(Index().size(), 1u);

    SendItems(1, 3);
    Record();  // within the same second: filed under a name of its own

    SendItems(1, 4);
    frame->SendMsg(WM_COMMAND, 3007);
    EXPECT_FALSE(Screen().IsRecording());
    EXPECT_EQ(Index().size(), 2u);
}

// In British units the screen shows mph; the recording must hold the same numbers under the same
// names, or a replay shows km/h values labelled mph.
TEST_F(RdsRecordTest, ARecordingHoldsTheValuesAndUnitsShown)
{
    ResSetUnitMode(1);
    SendItems(1, 100);
    Record();
    SendItems(1, 100);
    const std::wstring shownValue = Screen().Engine()->GetCellText(0, 1);
    const std::wstring shownUnit = Screen().Engine()->GetCellText(0, 2);
    Record();
    ResSetUnitMode(0);
    ASSERT_NE(shownValue, L"100") << "the screen converts";
    const auto index = Index();
    ASSERT_EQ(index.size(), 1u);
    CDSRecord recording;
    ASSERT_EQ(recording.LoadFromFile(program.Path() / "Playback" / index[0].GetFileName()), 1);
    EXPECT_EQ(std::wstring(recording.GetItemUnit(0)), shownUnit);
    ASSERT_EQ(recording.GetRowCount(), 1);
    EXPECT_EQ(std::wstring(recording.GetSample(0, 0)), shownValue);
}

TEST_F(RdsRecordTest, ARecordingThatCannotBeSavedIsReported)
{
    program.Write("Playback", "a file where the folder should be");
    std::vector<std::wstring> told;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        told.push_back(box.text);
        return IDOK;
    });
    SendItems(2, 1);
    Record();
    SendItems(2, 2);
    Record();
    EXPECT_FALSE(Screen().IsRecording());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(L"could not be saved"), std::wstring::npos);
}

TEST_F(RdsRecordTest, PrintPutsTheLiveDataTableOnPaper)
{
    SendTexts({{"Speed", "100", "km/h"}, {"Load", "20", "%"}});
    print_test::CMetafileCapture capture;
    std::wstring documentName;
    SetModalAnswerer([](const MODAL_BOX& box) -> std::optional<int> { return box.templateId == 1538 ? IDOK : IDCANCEL; });
    SetPrintSinkFactory([&]() { return std::make_unique<print_test::CCaptureSink>(capture, documentName); });
    EXPECT_TRUE(frame->View(161)->IsCommandEnabled(3005));
    frame->SendMsg(WM_COMMAND, 3005);
    EXPECT_EQ(documentName.rfind(L"Morvaks", 0), 0u) << "the program's name, the date, then the title";
    EXPECT_EQ(documentName.substr(documentName.size() - 10), L" Live Data");
    const auto texts = print_test::TextsOf(capture.Finish());
    for (const wchar_t* expected : {L"Live Data", L"Name", L"Value", L"Unit", L"Speed", L"100", L"Load", L"%"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    EXPECT_FALSE(Screen().HoldsPrintLock());
}

}  // namespace
