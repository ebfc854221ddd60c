// The repair-information pages and the product data of the generated demo installation, in the
// program's own frame: the pages written for the demo diagnosis's engine are found for the menu path
// the demo diagnosis builds (English and German) and their link is followed; the product data
// browser lists the snapshots taken on the way. No screen of the program opens either of them, so
// the test opens them as the frame's views and dialogs are opened in the other window tests. The
// demo's screen recorder records from the home page's recording tile.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../documents/RepairPageShown.h"
#include "../frame/FrameFixture.h"
#include "BmpBtn.h"
#include "DataRecordView.h"
#include "MainPageView.h"
#include "ProcessValues.h"
#include "ProductdataDlg.h"
#include "ProgramRun.h"
#include "RepairInfoView.h"
#include "RecordingList.h"
#include "RepairPageBrowser.h"
#include "ScreenRecordDlg.h"
#include "SharedHandles.h"
#include "ShellTextIds.h"
#include "Snapshot.h"
#include "StringResources.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMaker = "BRANNOC";

// The demo diagnosis's menus as it sends them, and what the pages of its engine codes say.
struct LANGUAGE_CASE {
    const wchar_t* language;
    std::vector<std::wstring> systems;    // the top menu; the engine is its second item
    std::vector<std::wstring> functions;  // the engine's menu; reading the codes is its first item
    const wchar_t* mainPageSays;
    const wchar_t* linkedPage;
    const wchar_t* linkedPageSays;
    const wchar_t* snapshot;
};

const LANGUAGE_CASE kLanguages[] = {
    {L"EN",
     {L"Short test of all systems", L"Engine", L"Automatic transmission", L"Anti-lock brakes", L"Airbag",
      L"Body control"},
     {L"Read trouble codes", L"Clear trouble codes", L"Live data", L"Actuator tests", L"Special functions",
      L"Component status", L"Version information"},
     L"P0115: check the coolant temperature sensor.", L"Coolant temperature sensor",
     L"2.5 k\x2126 at 20 \xB0" L"C", L"demo-repair-page-en.png"},
    {L"DE",
     {L"Kurztest aller Systeme", L"Motor", L"Automatikgetriebe", L"Antiblockiersystem", L"Airbag",
      L"Karosseriesteuerung"},
     {L"Fehlerspeicher lesen", L"Fehlerspeicher l\xF6schen", L"Istwerte", L"Stellgliedtests", L"Sonderfunktionen",
      L"Bauteilzustand", L"Versionsinformation"},
     L"P0115: K\xFChlmitteltemperatursensor pr\xFC" L"fen.", L"Kuehlmitteltemperatursensor",
     L"2,5 k\x2126 bei 20 \xB0" L"C", L"demo-repair-page-de.png"},
};

class DemoPagesTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        const fs::path demo = BuildProgramFolder().parent_path().parent_path() / "demo-test";
        ASSERT_TRUE(fs::exists(demo / "Scan" / "EUROPE" / kMaker / "repair_info")) << "demo/generate runs first";
        const fs::path maker = programFolder.Path() / "Scan" / "EUROPE" / kMaker;
        fs::create_directories(maker.parent_path());
        fs::copy(demo / "Scan" / "EUROPE" / kMaker, maker, fs::copy_options::recursive);
        ResSetMakerDir(maker.wstring() + L"\\");
        frame->SwitchView(CRepairInfoView::kViewId, 1);
        view = static_cast<CRepairInfoView*>(frame->View(CRepairInfoView::kViewId));
    }
    void TearDown() override
    {
        view->ClearNodes();
        MainFrameTest::TearDown();
    }

    std::wstring Shown() const { return RepairPageShown(*view); }

    CRepairInfoView* view = nullptr;
};

TEST_F(DemoPagesTest, TheEngineCodesPageOfTheDemoMenuPathOpensAndLinksOn)
{
    std::vector<std::wstring> snapshots;
    for (const LANGUAGE_CASE& c : kLanguages) {
        ResSetLanguageCode(c.language);
        view->ClearNodes();
        view->OnMenuShown(c.systems);
        view->OnMenuItemChosen(c.systems, 1);
        view->OnMenuShown(c.functions);
        view->OnMenuItemChosen(c.functions, 0);
        frame->SwitchView(286, 1);  // each visit starts with no history
        frame->SwitchView(CRepairInfoView::kViewId, 1);
        ASSERT_TRUE(view->OpenMainPage(c.functions[0])) << c.language;
        EXPECT_NE(Shown().find(c.mainPageSays), std::wstring::npos) << c.language;
        KeepSnapshot(c.snapshot);

        const std::wstring mainPage = view->History().Pages().at(0);
        view->Browser()->Navigate(mainPage.substr(0, mainPage.rfind(L'\\') + 1) + c.linkedPage + L".mht");
        EXPECT_NE(Shown().find(c.linkedPageSays), std::wstring::npos) << c.language;
        EXPECT_EQ(view->History().Index(), 1) << c.language;
        const CBmpBtn* back = frame->ButtonBar().GetButton(CRepairInfoView::kHistoryBack);
        EXPECT_TRUE(back && back->IsEnabled());
        snapshots.push_back(SaveFrameSnapshot(frame->Handle()));
        EXPECT_FALSE(snapshots.back().empty());
    }

    // The snapshots the technician took are what the product data browser lists.
    CProductdataDlg browser(frame->Handle());
    browser.SetSize(640, 480);
    ASSERT_TRUE(browser.CreateModeless());
    std::vector<std::wstring> listed, taken;
    for (const DocumentEntry& entry : browser.Entries()[1])
        listed.push_back(entry.strFileName);
    for (const auto& file : fs::directory_iterator(programFolder.Path() / "Snapshot"))
        taken.push_back(file.path().filename().wstring());
    std::sort(listed.begin(), listed.end());
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(listed, taken);
    for (const std::wstring& file : snapshots)
        EXPECT_NE(std::find(listed.begin(), listed.end(), fs::path(file).filename().wstring()), listed.end());
    browser.ShowKind(L"Snapshot");
    SetWindowPos(browser.Handle(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    KeepSnapshotOf(browser.Handle(), L"demo-product-data.png");
}

// The demo's screen recorder, as the installation places it: the home page's recording tile opens
// the recording page, which records with it.
class DemoRecorderTest : public MainFrameTest {
protected:
    void TearDown() override
    {
        if (panel && panel->Button(CScreenRecordDlg::kStop) && panel->Button(CScreenRecordDlg::kStop)->IsEnabled())
            panel->OnStop();  // a recorder left running would outlive the test
        ResFreeStrings();
        ResSetLanguageCode(L"");
        MainFrameTest::TearDown();
    }
    static void Click(CWindow& parent, const CWindow& button, int id)
    {
        parent.SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button.Handle()));
    }

    CScreenRecordDlg* panel = nullptr;
};

TEST_F(DemoRecorderTest, TheRecordingTileRecordsWithTheDemoRecorder)
{
    const fs::path recorder = BuildProgramFolder().parent_path().parent_path() / "demo-test" / "tools" /
                              "DataRecord" / "ScreenRecorder.exe";
    ASSERT_TRUE(fs::exists(recorder)) << "the demo installation has no screen recorder";
    fs::create_directories(programFolder.Path() / "tools" / "DataRecord");
    fs::copy_file(recorder, programFolder.Path() / "tools" / "DataRecord" / "ScreenRecorder.exe");
    fs::copy(recorder.parent_path().parent_path().parent_path() / "SysString", programFolder.Path() / "SysString");
    ResSetLanguageCode(L"EN");
    ASSERT_EQ(ResLoadStringFile(), 1);

    frame->SwitchView(286, 1);
    auto* home = dynamic_cast<CMainPageView*>(frame->View(286));
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(home->GetTile(1108)->IsEnabled());
    Click(*home, *home->GetTile(1108), 1108);
    ASSERT_EQ(frame->CurrentViewId(), CDataRecordView::kViewId);
    panel = dynamic_cast<CDataRecordView*>(frame->View(CDataRecordView::kViewId))->Panel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->Button(CScreenRecordDlg::kStart)->IsEnabled());
    const std::pair<int, const wchar_t*> captions[] = {{CScreenRecordDlg::kStart, L"Record"},
                                                       {CScreenRecordDlg::kPause, L"Pause"},
                                                       {CScreenRecordDlg::kResume, L"Resume"},
                                                       {CScreenRecordDlg::kStop, L"Stop"},
                                                       {CScreenRecordDlg::kList, L"Play"}};
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(panel->Button(id)->GetText(), caption) << "the demo's English texts";
    KeepSnapshot(L"demo-screen-recording.png");
    Click(*panel, *panel->Button(CScreenRecordDlg::kStart), CScreenRecordDlg::kStart);
    ASSERT_TRUE(panel->Button(CScreenRecordDlg::kStop)->IsEnabled()) << "the recorder did not answer";
    Click(*panel, *panel->Button(CScreenRecordDlg::kStop), CScreenRecordDlg::kStop);
    EXPECT_EQ(RecorderProcess(), nullptr);
    EXPECT_EQ(ListRecordingNames(RecordingFolder()).size(), 1u);

    ResSetLanguageCode(L"DE");
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetString(0x20000175), L"Fortsetzen") << "the German texts of the recording pages";
    EXPECT_EQ(ResGetString(0x20000172), L"Bildschirmaufnahmen");
}

// The demo's string files give the shell's own notices under the shell's own ids: the English file
// from the built-in texts, the German one from its own lines.
TEST(DemoTextsTest, TheShellsOwnNoticesSpeakEnglishAndGerman)
{
    const fs::path demo = BuildProgramFolder().parent_path().parent_path() / "demo-test";
    ASSERT_TRUE(fs::exists(demo / "SysString")) << "the demo installation has no string files";
    const std::wstring savedFolder = ResGetAppDir();
    const std::wstring savedLanguage = ResGetLanguageCode();
    ResSetAppDir(demo.wstring() + L"\\");
    struct NOTICES {
        const wchar_t* language;
        const wchar_t* busy;
        const wchar_t* failed;
    };
    const NOTICES notices[] = {
        {L"EN", L"Printing is busy with another job.\r\nPlease print again when it has finished.",
         L"Printing failed! The report was not printed, please check the printer."},
        {L"DE", L"Der Drucker ist mit einem anderen Auftrag besch\xE4" L"ftigt.\nBitte drucken Sie erneut, wenn er fertig ist.",
         L"Drucken fehlgeschlagen! Der Bericht wurde nicht gedruckt, bitte den Drucker pr\xFC" L"fen."},
    };
    for (const NOTICES& c : notices) {
        ResSetLanguageCode(c.language);
        SCOPED_TRACE(c.language[0] == L'E' ? "English" : "German");
        ASSERT_EQ(ResLoadStringFile(), 1);
        EXPECT_EQ(ResGetLanguageCode(), c.language);
        EXPECT_EQ(ResGetString(shell_text::kPrintingBusy), c.busy);
        EXPECT_EQ(ResGetString(shell_text::kPrintFailed), c.failed);
    }
    ResFreeStrings();
    ResSetAppDir(savedFolder);
    ResSetLanguageCode(savedLanguage);
}

}  // namespace
