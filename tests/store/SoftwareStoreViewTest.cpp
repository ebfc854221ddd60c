// The online store in the program's own frame, against the loopback stand-in of the maker's web
// service: its tiles against the installed software, downloads that install real packages with the
// real archiver, pause and resume, leaving during a download, the information page, and a service
// that stalls.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "FrameFixture.h"
#include "LeftGuideBar.h"
#include "LoopbackWebServer.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "ProcessRunner.h"
#include "ProgramRun.h"
#include "SoftwareFixture.h"
#include "SoftwareManagementView.h"
#include "SoftwareStoreMakerVersionView.h"
#include "SoftwareStoreView.h"
#include "StoreListRules.h"
#include "UpdateDlg.h"
#include "UpdateMessages.h"
#include "UpdateThreads.h"
#include "WebServerHost.h"

namespace {

namespace fs = std::filesystem;
using namespace store_list;

constexpr DWORD kBoundMs = 60000;

struct OFFER {
    std::string code;
    std::string version;
};

std::string ProductJson(const OFFER& offer, int id)
{
    return "{\"SoftwareUploadid\":\"" + std::to_string(id) + "\",\"SerialNumber\":\"\",\"congName\":\"\","
           "\"LanguageCode\":\"EN\",\"SoftwareCode\":\"" + offer.code + "\",\"Version\":\"" + offer.version + "\","
           "\"FullPathFileName\":\"EAST\\\\" + offer.code + ".7z\",\"Function_FullPathFileName\":\"\","
           "\"MainPath\":\"D:\\\\WebSite\\\\pkg\\\\\",\"txtPathA\":\"\",\"txtPathB\":\"\",\"Region\":\"EAST\"}";
}

class SoftwareStoreViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        fs::copy_file(BuildProgramFolder() / "7za.exe", programFolder.Path() / "7za.exe");
        ResSetLanguageCode(L"EN");
        software.Languages({L"EN"});
        software.Config("<VEHICLE><MULTILANGUAGE><VEHICLENAME><ALDER EN=\"Alder\" /><ASPEN EN=\"Aspen\" />"
                        "<BIRCH EN=\"Birch\" /><OAKEN EN=\"Oaken\" /><ROWAN EN=\"Rowan\" /></VEHICLENAME>"
                        "<REGION><EAST EN=\"East\" /></REGION></MULTILANGUAGE><REGIONID /></VEHICLE>"
                        "<HARROWFEN><VEHICLENAME /></HARROWFEN>");
        software.Install(MakerAt(L"ALDER", "V1.00"));
        software.Install(MakerAt(L"ASPEN", "V1.00"));
        software.Load();
        WebServerAddress& server = WebServerHost();
        server.Host = L"127.0.0.1";
        server.Port = web.Port();
        server.WebRoot = L"http://127.0.0.1:" + std::to_wstring(web.Port()) + L"/";
        server.TimeoutMs = 3000;
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            told.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        updatePage.reset();
        pageParent.Destroy();
        StopUpdateThreads();
        WebServerHost() = WebServerAddress();
        MainFrameTest::TearDown();
    }

    static SOFTWARE_FOLDER MakerAt(const std::wstring& folder, const std::string& version)
    {
        SOFTWARE_FOLDER maker = Maker(L"EAST", folder, 10);
        maker.languages = {{L"EN", version + "\r\nAbout the software\r\n"}};
        return maker;
    }

    void Offer(const std::vector<OFFER>& offers)
    {
        std::string list;
        for (size_t i = 0; i < offers.size(); ++i)
            list += (i ? "," : "") + ProductJson(offers[i], 100 + static_cast<int>(i));
        site.Write("Interface/productList.aspx", "{\"result\":\"1\",\r\n\"productList\":[" + list + "]}");
        site.Write("Interface/getTxt.aspx", "{\"result\":\"1\",\"txtContent\":[{\"txtContent\":\"Line one\\nLine two\"}]}");
    }
    // A real package: the maker's folder packed with the archiver, `padding` stored bytes making it big.
    void ServePackage(const std::wstring& code, size_t padding = 0)
    {
        CTempFolder stage;
        ASSERT_EQ(WriteSoftwareFolder(stage.Path(), MakerAt(code, "V2.00")), "");
        if (padding > 0) {
            std::string noise(padding, '\0');
            uint32_t seed = 99;
            for (char& c : noise)
                c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
            std::ofstream(stage.Path() / "Scan" / "EAST" / code / "Noise.bin", std::ios::binary) << noise;
        }
        fs::create_directories(site.Path() / "pkg" / "EAST");
        const fs::path archive = site.Path() / "pkg" / "EAST" / (code + L".7z");
        ASSERT_EQ(RunSiblingProgram(L"7za.exe", L"a -t7z -mx0 \"" + archive.wstring() + L"\" \"" +
                                                    stage.Path().wstring() + L"\\*\""),
                  0);
    }

    void OpenStore()
    {
        frame->SwitchView(CSoftwareStoreView::kViewId, 1);
        ASSERT_TRUE(PumpUntil([&] { return store().ListsLoaded(); }));
    }
    template <typename Condition>
    bool PumpUntil(Condition condition, DWORD boundMs = kBoundMs)
    {
        const ULONGLONG deadline = GetTickCount64() + boundMs;
        while (!condition()) {
            if (GetTickCount64() >= deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return true;
    }

    CSoftwareStoreView& store()
    {
        return *static_cast<CSoftwareStoreView*>(frame->View(CSoftwareStoreView::kViewId));
    }
    CSoftwareBtn& grid() { return *store().Grid(store().ShownPage()); }
    size_t TileOf(const std::wstring& name)
    {
        for (size_t i = 0; i < grid().GetCount(); ++i) {
            if (grid().GetItemName(i) == name)
                return i;
        }
        ADD_FAILURE() << "no tile " << std::string(name.begin(), name.end());
        return 0;
    }
    void Select(const std::wstring& name) { store().SendMsg(CSoftwareBtn::kSelectClicked, TileOf(name), 1); }
    void Bottom(int id)
    {
        CBmpBtn* button = frame->BottomBar().GetButton(id);
        ASSERT_NE(button, nullptr) << id;
        frame->BottomBar().SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
    }
    bool Shown(int id)
    {
        CBmpBtn* button = frame->BottomBar().GetButton(id);
        return button && IsWindowVisible(button->Handle());
    }
    fs::path InstalledFolder(const wchar_t* code) { return programFolder.Path() / L"Scan" / L"EAST" / code; }

    // Handles the reports that reach `window` (and whatever is sent meanwhile), until the next one
    // waiting is of `code`, which stays in the queue: a user-interface thread that has not come to it yet.
    bool HandleReportsUntil(HWND window, unsigned code)
    {
        const ULONGLONG deadline = GetTickCount64() + kBoundMs;
        MSG message;
        while (GetTickCount64() < deadline) {
            if (!PeekMessageW(&message, window, update_messages::kDownloadMessage, update_messages::kUnpackMessage,
                              PM_NOREMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE | QS_SENDMESSAGE);
                continue;
            }
            if (update_messages::ReportCode(message.wParam) == code)
                return true;
            PeekMessageW(&message, window, update_messages::kDownloadMessage, update_messages::kUnpackMessage,
                         PM_REMOVE);
            DispatchMessageW(&message);
        }
        return false;
    }

    // The settings' update page, on a window of the test's own in the settings' place, with a newer
    // version offered and its description shown: one press away from its download.
    CUpdateDlg& UpdatePageReadyToDownload(const std::string& packageFile)
    {
        SetGlobalFloat2(6.3f);
        site.Write("Interface/productList.aspx@LanguageCode=EN&iType=3",
                   "{\"result\":\"1\",\"productList\":[{\"SoftwareUploadid\":\"77\",\"LanguageCode\":\"EN\","
                   "\"SoftwareCode\":\"SHELL\",\"Version\":\"6.31\",\"FullPathFileName\":\"Shell\\\\" +
                       packageFile + "\",\"MainPath\":\"D:\\\\WebSite\\\\pkg\\\\\",\"Region\":\"\"}]}");
        WINDOW_CREATE_ARGS args;
        args.style = WS_CHILD | WS_CLIPCHILDREN;
        args.rect = frame->AreaRect(VIEW_AREA::Wide);
        args.parent = frame->Handle();
        EXPECT_TRUE(pageParent.Create(args));
        updatePage = std::make_unique<CUpdateDlg>(pageParent.Handle());
        EXPECT_TRUE(updatePage->CreatePage(pageParent.ClientRect()));
        updatePage->CheckForUpdates();
        EXPECT_TRUE(PumpUntil([&] { return updatePage->State() == CUpdateDlg::UPDATE_STATE::Offered; }));
        PressUpdatePage();
        EXPECT_TRUE(PumpUntil([&] { return !updatePage->DescriptionBox().GetText().empty(); }));
        return *updatePage;
    }
    void PressUpdatePage()
    {
        updatePage->SendMsg(WM_COMMAND, MAKEWPARAM(CUpdateDlg::kDownloadId, BN_CLICKED),
                            reinterpret_cast<LPARAM>(updatePage->DownloadButton().Handle()));
    }

    SoftwareFolderFixture software{programFolder.Path()};
    CTempFolder site;
    CLoopbackWebServer web{site.Path()};
    std::vector<std::wstring> told;
    CWindow pageParent;
    std::unique_ptr<CUpdateDlg> updatePage;
};

TEST_F(SoftwareStoreViewTest, TilesOfferUpdatesFirstThenNewThenInstalled)
{
    Offer({{"OAKEN", "1.0"}, {"ALDER", "1.00"}, {"ASPEN", "1.5"}, {"BIRCH", "2.0"}});
    OpenStore();
    std::vector<std::wstring> names;
    std::vector<int> states;
    for (size_t i = 0; i < grid().GetCount(); ++i) {
        names.push_back(grid().GetItemName(i));
        states.push_back(grid().GetState(i));
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Aspen", L"Birch", L"Oaken", L"Alder"}));
    EXPECT_EQ(states, (std::vector<int>{kUpdateOffered, kNotInstalled, kNotInstalled, kInstalled}));
    EXPECT_TRUE(grid().IsMarked(0));
    EXPECT_FALSE(grid().IsSelectable(3));
    EXPECT_EQ(grid().Tile(3).strStatus, L"Installed");
    EXPECT_EQ(grid().GetItemText(1), L"V2.0");
    EXPECT_EQ(store().Products(0)[1].SoftwareCode, L"BIRCH") << "records stay aligned with their tiles";
    EXPECT_TRUE(Shown(3001));
    EXPECT_FALSE(Shown(1116));
    EXPECT_FALSE(Shown(1117));
    KeepSnapshot(L"store.png");
}

// A description written as UTF-16 with its mark gives the installed version as a narrow one does:
// the package is installed, not offered as an update, and the installed page shows its version.
TEST_F(SoftwareStoreViewTest, AUtf16DescriptionMarksItsPackageInstalled)
{
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("V1.00\r\nAbout the software\r\n"))
        utf16 += {c, '\0'};
    SOFTWARE_FOLDER rowan = MakerAt(L"ROWAN", "");
    rowan.languages = {{L"EN", utf16}};
    software.Install(rowan);
    software.Load();
    Offer({{"ROWAN", "1.00"}});
    OpenStore();
    EXPECT_EQ(grid().GetState(TileOf(L"Rowan")), kInstalled);
    EXPECT_FALSE(grid().IsMarked(TileOf(L"Rowan")));

    frame->SwitchView(445, 1);
    CSoftwareBtn* installed = static_cast<CSoftwareManagementView*>(frame->View(445))->Grid(0);
    ASSERT_NE(installed, nullptr);
    std::vector<std::wstring> versions;
    for (size_t i = 0; i < installed->GetCount(); ++i) {
        if (installed->GetItemName(i) == L"Rowan")
            versions.push_back(installed->GetItemText(i));
    }
    EXPECT_EQ(versions, (std::vector<std::wstring>{L"V1.00"}));
}

// Two packages downloaded and unpacked for real; the maker chooser lists them at once.
TEST_F(SoftwareStoreViewTest, ChosenPackagesAreInstalledAndReachTheChooser)
{
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}, {"BIRCH", "2.00"}});
    ServePackage(L"OAKEN");
    ServePackage(L"ROWAN");
    OpenStore();
    Select(L"Oaken");
    Select(L"Rowan");
    Bottom(3034);
    EXPECT_TRUE(store().BatchExists());
    EXPECT_TRUE(Shown(1116));
    EXPECT_FALSE(grid().IsSelectable(TileOf(L"Birch"))) << "tiles are inert during a batch";
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));

    for (const wchar_t* name : {L"Oaken", L"Rowan"}) {
        const size_t tile = TileOf(name);
        EXPECT_EQ(grid().Tile(tile).strStatus, L"Installed");
        EXPECT_FALSE(grid().IsSelected(tile));
        EXPECT_FALSE(grid().IsSelectable(tile));
    }
    EXPECT_TRUE(fs::exists(InstalledFolder(L"OAKEN") / L"EN"));
    EXPECT_TRUE(fs::exists(InstalledFolder(L"ROWAN") / L"EN"));
    EXPECT_TRUE(grid().IsSelectable(TileOf(L"Birch"))) << "the batch's end frees the other tiles";
    EXPECT_TRUE(store().Selection().empty());
    KeepSnapshot(L"store-installed.png");

    frame->SwitchView(131, 1);
    EXPECT_EQ(frame->MakerView().EntryCount(0), 4);
    frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    EXPECT_EQ(grid().GetState(TileOf(L"Oaken")), kInstalled) << "re-marked against the reloaded lists";
}

TEST_F(SoftwareStoreViewTest, FailedDownloadIsToldOnItsTileAndNeverInstalled)
{
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}});
    ServePackage(L"ROWAN");
    OpenStore();
    Select(L"Oaken");
    Select(L"Rowan");
    Bottom(3034);
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));
    EXPECT_EQ(grid().Tile(TileOf(L"Oaken")).strStatus, L"Download failed");
    EXPECT_TRUE(grid().IsSelectable(TileOf(L"Oaken"))) << "it may be chosen again";
    EXPECT_FALSE(fs::exists(InstalledFolder(L"OAKEN")));
    EXPECT_EQ(grid().Tile(TileOf(L"Rowan")).strStatus, L"Installed");
}

// The grid's keys come through the message loop; the bottom bar's page keys follow the page.
TEST_F(SoftwareStoreViewTest, PageKeysOfTheGridMoveThePageAndTheBarFollows)
{
    std::vector<OFFER> offers;
    for (char c = 'A'; c <= 'L'; ++c)
        offers.push_back({std::string("PKG") + c, "1.0"});
    Offer(offers);
    OpenStore();
    ASSERT_FALSE(grid().IsLastPage());
    EXPECT_EQ(store().CommandEnableState(3003), true);
    EXPECT_EQ(store().CommandEnableState(3002), false);
    SetFocus(grid().Handle());
    PostMessageW(grid().Handle(), WM_KEYDOWN, VK_NEXT, 0);
    PumpUntil([&] { return grid().Grid().PageStart() != 0; }, 5000);
    EXPECT_NE(grid().Grid().PageStart(), 0u);
    EXPECT_EQ(store().CommandEnableState(3002), true);
    Bottom(3002);
    EXPECT_EQ(grid().Grid().PageStart(), 0u);
}

TEST_F(SoftwareStoreViewTest, NothingChosenIsToldAndNothingStarts)
{
    Offer({{"OAKEN", "2.00"}});
    OpenStore();
    Bottom(3034);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_FALSE(store().BatchExists());
}

// A tile's action button and a second batch while one runs: the running batch is kept.
TEST_F(SoftwareStoreViewTest, PauseHoldsTheBatchAndNoSecondBatchStarts)
{
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}, {"ASPEN", "2.00"}});
    ServePackage(L"OAKEN", 6 * 1024 * 1024);
    ServePackage(L"ROWAN");
    OpenStore();
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Oaken"), 0);
    ASSERT_TRUE(PumpUntil([&] { return grid().IsProgressShown(); }));
    Bottom(1116);
    EXPECT_TRUE(store().BatchPaused());
    EXPECT_TRUE(Shown(1117));
    EXPECT_FALSE(Shown(1116));
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Aspen"), 0);  // marked: its button still answers
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Rowan"), 0);
    const int held = grid().Progress();
    PumpUntil([] { return false; }, 1000);
    EXPECT_EQ(grid().Progress(), held);
    EXPECT_LT(held, 100);
    KeepSnapshot(L"store-paused.png");

    Bottom(1117);
    EXPECT_TRUE(Shown(1116));
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));
    EXPECT_TRUE(fs::exists(InstalledFolder(L"OAKEN") / L"EN"));
    EXPECT_FALSE(fs::exists(InstalledFolder(L"ROWAN"))) << "no second batch was started";
    EXPECT_EQ(grid().GetState(TileOf(L"Aspen")), kUpdateOffered);
}

// Leaving asks first, pauses the download, and coming back lets it go on.
TEST_F(SoftwareStoreViewTest, LeavingDuringADownloadPausesItAndComingBackResumes)
{
    Offer({{"OAKEN", "2.00"}});
    ServePackage(L"OAKEN", 6 * 1024 * 1024);
    OpenStore();
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Oaken"), 0);
    ASSERT_TRUE(PumpUntil([&] { return grid().IsProgressShown(); }));
    Bottom(3001);
    EXPECT_EQ(told.size(), 1u) << "the question";
    EXPECT_EQ(frame->CurrentViewId(), 286);
    EXPECT_TRUE(UpdateThreadsPaused());

    frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    EXPECT_FALSE(UpdateThreadsPaused());
    EXPECT_TRUE(Shown(1116));
    EXPECT_FALSE(frame->TopBar().GetButton(1102) && IsWindowEnabled(frame->TopBar().GetButton(1102)->Handle()));
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));
    EXPECT_TRUE(fs::exists(InstalledFolder(L"OAKEN") / L"EN"));
}

TEST_F(SoftwareStoreViewTest, InformationPageShowsTheServicesTexts)
{
    Offer({{"OAKEN", "2.00"}, {"BIRCH", "1.00"}});
    OpenStore();
    store().SendMsg(CSoftwareBtn::kInfoClicked, TileOf(L"Oaken"), 0);
    ASSERT_TRUE(PumpUntil([&] { return frame->CurrentViewId() == CSoftwareStoreMakerVersionView::kViewId; }));
    auto& info = *static_cast<CSoftwareStoreMakerVersionView*>(frame->View(CSoftwareStoreMakerVersionView::kViewId));
    EXPECT_EQ(info.ShownName(), L"Oaken");
    EXPECT_EQ(info.ShownText(), L"V2.00");
    EXPECT_EQ(info.ShownDescriptionA(), L"Line one\r\nLine two");
    EXPECT_EQ(info.ShownDescriptionB(), L"Line one\r\nLine two");
    EXPECT_TRUE(GetWindowLongW(info.DescriptionBoxA(), GWL_STYLE) & ES_READONLY);
    KeepSnapshot(L"store-information.png");

    Bottom(3001);
    EXPECT_EQ(frame->CurrentViewId(), CSoftwareStoreView::kViewId);
    store().SendMsg(CSoftwareBtn::kInfoClicked, TileOf(L"Birch"), 0);
    ASSERT_TRUE(PumpUntil([&] { return frame->CurrentViewId() == CSoftwareStoreMakerVersionView::kViewId; }));
    EXPECT_EQ(info.ShownName(), L"Birch") << "a second package replaces the texts";
}

// A service that accepts and then says nothing never holds the program: the user can leave.
TEST_F(SoftwareStoreViewTest, StalledServiceLeavesTheProgramFree)
{
    site.Write("Interface/productList.aspx.stall", std::string(64, ' '));
    frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    EXPECT_EQ(frame->CurrentViewId(), CSoftwareStoreView::kViewId);
    EXPECT_EQ(grid().GetCount(), 0u);
    Bottom(3001);
    EXPECT_EQ(frame->CurrentViewId(), 286);
    EXPECT_TRUE(told.empty());
}

// A list request that failed is said once its answer is in, and the lists are asked for again at
// the next show; so is a service that offered nothing, but without a word: it did answer.
struct LIST_ANSWER_CASE {
    const char* name;
    const char* file;  // written after a list of one package is offered for every page
    const char* bytes;
    size_t firstTiles;  // of page 0, at the first show
    bool told;
};

void PrintTo(const LIST_ANSWER_CASE& c, std::ostream* out)
{
    *out << c.name;
}

class StoreListAnswerTest : public SoftwareStoreViewTest, public ::testing::WithParamInterface<LIST_ANSWER_CASE> {};

TEST_P(StoreListAnswerTest, IsAskedAgainAtTheNextShow)
{
    const LIST_ANSWER_CASE& c = GetParam();
    Offer({{"OAKEN", "2.00"}});
    if (*c.file)
        site.Write(c.file, c.bytes);
    else
        fs::remove(site / "Interface/productList.aspx");
    frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    ASSERT_TRUE(PumpUntil([&] { return !store().ListsPending(); }));
    EXPECT_FALSE(store().ListsLoaded());
    EXPECT_EQ(store().Grid(0)->GetCount(), c.firstTiles);
    EXPECT_EQ(told.size(), c.told ? 1u : 0u);
    Bottom(3001);
    if (*c.file)
        fs::remove(site / c.file);
    Offer({{"OAKEN", "2.00"}});
    OpenStore();
    EXPECT_EQ(grid().GetCount(), 1u);
    EXPECT_EQ(told.size(), c.told ? 1u : 0u) << "told once, for the request that failed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreListAnswerTest,
    ::testing::Values(LIST_ANSWER_CASE{"no list served", "", "", 0, true},
                      LIST_ANSWER_CASE{"the second list refused", "Interface/productList.aspx@iType=2.status",
                                       "500", 1, true},
                      LIST_ANSWER_CASE{"the second list no reply of the service", "Interface/productList.aspx@iType=2",
                                       R"({"result":"1","productList":[{"SoftwareCode":"OA)", 1, true},
                      LIST_ANSWER_CASE{"nothing offered", "Interface/productList.aspx",
                                       R"({"result":"1","productList":[]})", 0, false}));

// An information page asked for and answered only after the user went on: its answer is dropped,
// so the page never opens over a batch (whose bars would offer to remove what is being installed)
// or over a store the user has left and come back to.
enum class GO_ON { StartADownload, LeaveAndComeBack };

struct LATE_INFO_CASE {
    const char* name;
    GO_ON goOn;
};

void PrintTo(const LATE_INFO_CASE& c, std::ostream* out)
{
    *out << c.name;
}

class StoreLateInformationTest : public SoftwareStoreViewTest, public ::testing::WithParamInterface<LATE_INFO_CASE> {};

TEST_P(StoreLateInformationTest, IsDropped)
{
    const LATE_INFO_CASE& c = GetParam();
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}});
    ServePackage(L"ROWAN");
    fs::rename(site.Path() / "Interface" / "getTxt.aspx", site.Path() / "Interface" / "getTxt.aspx.trickle");
    OpenStore();
    store().SendMsg(CSoftwareBtn::kInfoClicked, TileOf(L"Oaken"), 0);
    if (c.goOn == GO_ON::StartADownload) {
        store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Rowan"), 0);
    } else {
        Bottom(3001);
        frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    }
    bool answered = false;
    bool switched = false;
    const ULONGLONG deadline = GetTickCount64() + kBoundMs;
    MSG message;
    while ((!answered || store().BatchExists()) && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
            answered = answered || message.message == CSoftwareStoreView::kTextsFetched;
            switched = switched || frame->CurrentViewId() == CSoftwareStoreMakerVersionView::kViewId;
        }
    }
    ASSERT_TRUE(answered) << c.name;
    EXPECT_FALSE(switched) << c.name;
    EXPECT_EQ(frame->CurrentViewId(), CSoftwareStoreView::kViewId) << c.name;
    if (c.goOn == GO_ON::StartADownload) {
        EXPECT_TRUE(fs::exists(InstalledFolder(L"ROWAN") / L"EN")) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreLateInformationTest,
                         ::testing::Values(LATE_INFO_CASE{"a download started", GO_ON::StartADownload},
                                           LATE_INFO_CASE{"left and came back", GO_ON::LeaveAndComeBack}));

// The exit during a download, from the places a user can leave the store: every worker ends with
// the program's window, the half-come package is not left behind, and nothing runs on into the
// program's shutdown.
enum class LEAVE { BackHome, LeftGuideUpdate };

struct EXIT_CASE {
    const char* name;
    LEAVE leave;
};

void PrintTo(const EXIT_CASE& c, std::ostream* out)
{
    *out << c.name;
}

class StoreExitTest : public SoftwareStoreViewTest, public ::testing::WithParamInterface<EXIT_CASE> {};

TEST_P(StoreExitTest, EndsTheDownloadWithTheProgram)
{
    const EXIT_CASE& c = GetParam();
    Offer({{"OAKEN", "2.00"}});
    fs::create_directories(site.Path() / "pkg" / "EAST");
    site.Write("pkg/EAST/OAKEN.7z.stall", std::string(8192, 's'));  // the server is still sending
    OpenStore();
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Oaken"), 0);
    ASSERT_TRUE(PumpUntil([&] { return grid().IsProgressShown(); }));
    if (c.leave == LEAVE::BackHome)
        Bottom(3001);  // which pauses
    else
        frame->LeftGuideBar().SendMsg(WM_COMMAND, MAKEWPARAM(CLeftGuideBar::kUpdateId, BN_CLICKED), 0);
    const UpdateThreadIds running = RunningUpdateThreads();
    ASSERT_NE(running.Download, 0u) << c.name;

    frame->SendMsg(WM_COMMAND, MAKEWPARAM(3011, BN_CLICKED), 0);  // Exit, and "Yes" to the question
    ASSERT_FALSE(frame->IsWindow()) << c.name;
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << c.name << ": the message loop still ends";

    EXPECT_FALSE(UpdateBatchExists()) << c.name;
    for (const DWORD id : {running.Serial, running.Download, running.Unpack}) {
        if (const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id)) {
            EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << c.name << ": worker " << id;
            CloseHandle(thread);
        }
    }
    EXPECT_FALSE(fs::exists(programFolder.Path() / "download" / "OAKEN.7z.part")) << c.name;
    EXPECT_FALSE(fs::exists(programFolder.Path() / "download" / "OAKEN.7z")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreExitTest,
                         ::testing::Values(EXIT_CASE{"back to the home page, which pauses", LEAVE::BackHome},
                                           EXIT_CASE{"the left guide bar's update", LEAVE::LeftGuideUpdate}));

// The store's batch replaces the update page's while a report of the page's batch still waits in
// the page's queue: the report is not taken into the store's batch, which installs its package,
// and the page says its download was interrupted.
TEST_F(SoftwareStoreViewTest, AReplacedBatchsWaitingReportStaysOutOfTheNextBatch)
{
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}});
    ServePackage(L"ROWAN");
    fs::rename(site.Path() / "pkg" / "EAST" / "ROWAN.7z", site.Path() / "pkg" / "EAST" / "ROWAN.7z.trickle");
    fs::create_directories(site.Path() / "pkg" / "Shell");
    fs::copy_file(BuildProgramFolder() / "Update.exe", site.Path() / "pkg" / "Shell" / "Setup.exe");
    OpenStore();
    const std::wstring firstTileStatus = grid().Tile(0).strStatus;
    CUpdateDlg& page = UpdatePageReadyToDownload("Setup.exe");
    PressUpdatePage();
    ASSERT_TRUE(HandleReportsUntil(page.Handle(), update_messages::kDownloaded));

    frame->SwitchView(CSoftwareStoreView::kViewId, 1);
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Rowan"), 0);
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists() && page.State() != CUpdateDlg::UPDATE_STATE::Downloading; }));

    EXPECT_TRUE(fs::exists(InstalledFolder(L"ROWAN") / L"EN")) << "the store's batch ran to its end";
    EXPECT_EQ(grid().Tile(TileOf(L"Rowan")).strStatus, L"Installed");
    EXPECT_EQ(grid().Tile(0).strStatus, firstTileStatus) << "no report of the page's job reached the store";
    EXPECT_EQ(page.State(), CUpdateDlg::UPDATE_STATE::Described);
    EXPECT_EQ(page.StatusLabel().GetText(), L"The download was interrupted; press the button to start it again.");
}

// The update page's batch replaces the store's while the store's last report still waits in the
// store's queue: that report does not end the page's batch, which runs to its end and says how it
// went.
TEST_F(SoftwareStoreViewTest, AReplacedBatchsLastReportDoesNotEndTheNextBatch)
{
    Offer({{"OAKEN", "2.00"}});  // and no package on the server, for either
    OpenStore();
    CUpdateDlg& page = UpdatePageReadyToDownload("Setup.exe");
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Oaken"), 0);
    ASSERT_TRUE(HandleReportsUntil(store().Handle(), update_messages::kBatchFinished));

    PressUpdatePage();
    ASSERT_EQ(page.State(), CUpdateDlg::UPDATE_STATE::Downloading);
    EXPECT_TRUE(PumpUntil([&] { return page.State() == CUpdateDlg::UPDATE_STATE::Finished; }))
        << "the page heard the end of its own batch";
    EXPECT_EQ(page.StatusLabel().GetText(), L"The update package could not be downloaded.");
    EXPECT_FALSE(store().BatchExists());
    EXPECT_FALSE(UpdateBatchExists());
}

// The update page's batch replaces the store's while one of the store's packages downloads and
// others wait their turn: every tile whose job got no result looks again as it did before the
// batch (one that told an earlier failure tells it again), and a tile whose download had already
// failed keeps saying so.
TEST_F(SoftwareStoreViewTest, TilesOfABatchTheUpdatePageReplacedLookAsBeforeIt)
{
    Offer({{"OAKEN", "2.00"}, {"ROWAN", "2.00"}, {"BIRCH", "2.00"}, {"ASPEN", "2.00"}});
    fs::create_directories(site.Path() / "pkg" / "EAST");
    site.Write("pkg/EAST/ROWAN.7z.stall", std::string(8192, 's'));  // still coming when replaced
    OpenStore();
    CUpdateDlg& page = UpdatePageReadyToDownload("Setup.exe");
    store().SendMsg(CSoftwareBtn::kActionClicked, TileOf(L"Birch"), 0);  // no package: an earlier failure
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));
    const auto look = [&](const wchar_t* name) {
        const _DiagSoftware_Info_& tile = grid().Tile(TileOf(name));
        return std::make_tuple(tile.strStatus, tile.bShowStatus, tile.bShowBadge, tile.bLocked);
    };
    const auto birchBefore = look(L"Birch");
    const auto rowanBefore = look(L"Rowan");
    const auto aspenBefore = look(L"Aspen");
    ASSERT_EQ(std::get<0>(birchBefore), L"Download failed");

    for (const wchar_t* name : {L"Oaken", L"Rowan", L"Birch", L"Aspen"})
        Select(name);
    Bottom(3034);
    ASSERT_TRUE(PumpUntil(
        [&] { return grid().Tile(TileOf(L"Oaken")).strStatus == L"Download failed" && grid().IsProgressShown(); }))
        << "Oaken's download failed and Rowan's runs";
    EXPECT_EQ(grid().Tile(TileOf(L"Aspen")).strStatus, L"Waiting");
    PressUpdatePage();
    ASSERT_EQ(page.State(), CUpdateDlg::UPDATE_STATE::Downloading);
    ASSERT_TRUE(PumpUntil([&] { return !store().BatchExists(); }));

    EXPECT_EQ(look(L"Rowan"), rowanBefore);
    EXPECT_EQ(look(L"Birch"), birchBefore);
    EXPECT_EQ(look(L"Aspen"), aspenBefore);
    EXPECT_EQ(grid().Tile(TileOf(L"Oaken")).strStatus, L"Download failed");
    EXPECT_FALSE(grid().IsProgressShown());
    for (const wchar_t* name : {L"Oaken", L"Rowan", L"Birch"})
        EXPECT_TRUE(grid().IsSelectable(TileOf(name))) << "may be chosen again";
}

}  // namespace
