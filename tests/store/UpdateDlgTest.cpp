// The settings' update page against the loopback stand-in of the maker's web service: the version
// check, the description fetched once, the download through the pipeline and the opening of the
// package (the updater stand-in, which logs that it ran), a failed download, unusable package names,
// a file in "download\" that this run did not download, and a rebuild of the settings view while a
// batch runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DownloadFolder.h"
#include "FrameFixture.h"
#include "LoopbackWebServer.h"
#include "ModalSeam.h"
#include "ProgramRun.h"
#include "SetupView.h"
#include "UpdateDlg.h"
#include "UpdateThreads.h"
#include "WebServerHost.h"

namespace {

namespace fs = std::filesystem;
using UPDATE_STATE = update_check::UPDATE_STATE;

constexpr DWORD kBoundMs = 60000;
constexpr int kUpdatePage = 5;

// Stands in for the settings view as the page's parent: records the close the page asks for.
class CParentStub : public CWindow {
public:
    std::vector<WPARAM> closes;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message != CUpdateDlg::kCloseForUpdate)
            return false;
        closes.push_back(wParam);
        result = 0;
        return true;
    }
};

std::string OfferJson(const std::string& version, const std::string& file)
{
    return "{\"result\":\"1\",\r\n\"productList\":[{\"SoftwareUploadid\":\"77\",\"SerialNumber\":\"\","
           "\"congName\":\"\",\"LanguageCode\":\"EN\",\"SoftwareCode\":\"SHELL\",\"Version\":\"" + version + "\","
           "\"FullPathFileName\":\"" + file + "\",\"Function_FullPathFileName\":\"\","
           "\"MainPath\":\"D:\\\\WebSite\\\\pkg\\\\\",\"txtPathA\":\"\",\"txtPathB\":\"\",\"Region\":\"\"}]}";
}

class UpdateDlgTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
        SetGlobalFloat2(6.3f);  // the splash sets the program's version
        WebServerAddress& server = WebServerHost();
        server.Host = L"127.0.0.1";
        server.Port = web.Port();
        server.WebRoot = L"http://127.0.0.1:" + std::to_wstring(web.Port()) + L"/";
        server.TimeoutMs = 3000;
        site.Write("Interface/getTxt.aspx", "{\"result\":\"1\",\"txtContent\":[{\"txtContent\":\"Line one\\nLine two\"}]}");
    }
    void TearDown() override
    {
        page.reset();
        stub.Destroy();
        StopUpdateThreads();
        KeepDownloadAtExit(L"");
        WebServerHost() = WebServerAddress();
        MainFrameTest::TearDown();
    }

    // A package offered as Shell\Setup\<name> (two separators): the updater stand-in under that name.
    void Offer(const std::string& version, const std::string& file = "Shell\\\\Setup\\\\NuthawkSetup.exe")
    {
        site.Write("Interface/productList.aspx", OfferJson(version, file));
    }
    void ServePackage()
    {
        fs::create_directories(site.Path() / "pkg" / "Shell" / "Setup");
        fs::copy_file(BuildProgramFolder() / "Update.exe", site.Path() / "pkg" / "Shell" / "Setup" / "NuthawkSetup.exe");
    }
    fs::path DownloadFolder() const { return programFolder.Path() / "download"; }
    std::string PackageLog() const
    {
        const fs::path log = DownloadFolder() / "update.log";
        return fs::exists(log) ? ReadFileBytes(log) : "";
    }
    size_t Requests(const std::string& path) const
    {
        const std::string log = web.RequestLog();
        size_t count = 0;
        for (size_t at = log.find(path); at != std::string::npos; at = log.find(path, at + 1))
            ++count;
        return count;
    }

    // The page on a parent of the test's own, in the settings' place.
    CUpdateDlg& PageOnStub()
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        args.rect = frame->AreaRect(VIEW_AREA::Wide);
        args.parent = frame->Handle();
        if (!stub.IsWindow()) {
            EXPECT_TRUE(stub.Create(args));
            SetWindowPos(stub.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        page = std::make_unique<CUpdateDlg>(stub.Handle());
        const RECT client = stub.ClientRect();
        EXPECT_TRUE(page->CreatePage(RECT{0, 0, client.right - 2, client.bottom}));
        page->Show(SW_SHOW);
        return *page;
    }
    // The page as the settings view shows it when "Update" is chosen, once its check is answered.
    CUpdateDlg& PageInSettings()
    {
        CUpdateDlg& shown = ChooseThePage();
        EXPECT_TRUE(Checked(shown));
        return shown;
    }
    CUpdateDlg& ChooseThePage()
    {
        frame->SwitchView(CSetupView::kViewId, 1);
        frame->MiddleLeftBar().OnItemButton(1090 + kUpdatePage);
        auto* shown = dynamic_cast<CUpdateDlg*>(settings().Page(kUpdatePage));
        EXPECT_NE(shown, nullptr);
        return *shown;
    }
    bool Checked(CUpdateDlg& shown)
    {
        return PumpUntil([&] { return shown.State() != UPDATE_STATE::Checking; });
    }
    // The check as the settings view runs it, answered.
    UPDATE_STATE Check(CUpdateDlg& shown)
    {
        shown.CheckForUpdates();
        EXPECT_EQ(shown.State(), UPDATE_STATE::Checking);
        EXPECT_TRUE(Checked(shown));
        return shown.State();
    }
    CSetupView& settings() { return *static_cast<CSetupView*>(frame->View(CSetupView::kViewId)); }

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
    void Press(CUpdateDlg& shown)
    {
        shown.SendMsg(WM_COMMAND, MAKEWPARAM(CUpdateDlg::kDownloadId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(shown.DownloadButton().Handle()));
    }
    bool BarsEnabled() const
    {
        return IsWindowEnabled(frame->TopBar().Handle()) && IsWindowEnabled(frame->BottomBar().Handle()) &&
               IsWindowEnabled(frame->MiddleLeftBar().Handle());
    }
    bool Described(CUpdateDlg& shown)
    {
        return PumpUntil([&] { return !shown.DescriptionBox().GetText().empty(); });
    }

    CTempFolder site;
    CLoopbackWebServer web{site.Path()};
    CParentStub stub;
    std::unique_ptr<CUpdateDlg> page;
};

struct CHECK_CASE {
    const char* offered;  // null: no list is served (404); "-": a list of nothing
    UPDATE_STATE state;
    const wchar_t* message;
};

// A check that failed says so instead of calling the running version the newest.
TEST_F(UpdateDlgTest, TheCheckComparesTheOfferedVersionWithTheRunningOne)
{
    const CHECK_CASE cases[] = {
        {"6.30", UPDATE_STATE::NoUpdate, L"This is the newest version of the program."},
        {"6.3", UPDATE_STATE::NoUpdate, L"This is the newest version of the program."},
        {"", UPDATE_STATE::NoUpdate, L"This is the newest version of the program."},
        {"-", UPDATE_STATE::NoUpdate, L"This is the newest version of the program."},
        {nullptr, UPDATE_STATE::NoUpdate, L"The update service could not be reached."},
        {"6.31", UPDATE_STATE::Offered, L"Update V6.30 --> V6.31"},
    };
    for (const CHECK_CASE& c : cases) {
        if (!c.offered)
            fs::remove(site.Path() / "Interface" / "productList.aspx");
        else if (std::string(c.offered) == "-")
            site.Write("Interface/productList.aspx", R"({"result":"1","productList":[]})");
        else
            Offer(c.offered);
        CUpdateDlg& shown = PageInSettings();
        EXPECT_EQ(shown.State(), c.state) << (c.offered ? c.offered : "no answer");
        EXPECT_EQ(shown.MessageLabel().GetText(), c.message);
        EXPECT_EQ(shown.DownloadButton().IsVisible(), c.state == UPDATE_STATE::Offered);
        EXPECT_EQ(Check(shown), c.state) << "checked again";
        if (c.offered && c.state == UPDATE_STATE::NoUpdate && std::string(c.offered) == "6.30")
            KeepSnapshot(L"update-1-newest.png");
    }
    KeepSnapshot(L"update-2-offered.png");
}

TEST_F(UpdateDlgTest, ANewerVersionIsDescribedDownloadedAndOpened)
{
    Offer("6.31");
    ServePackage();
    CUpdateDlg& shown = PageOnStub();
    EXPECT_EQ(Check(shown), UPDATE_STATE::Offered);
    Press(shown);
    EXPECT_EQ(shown.State(), UPDATE_STATE::Described);
    ASSERT_TRUE(Described(shown));
    EXPECT_EQ(shown.DescriptionBox().GetText(), L"Line one\r\nLine two");
    EXPECT_EQ(shown.VersionLabel().GetText(), L"V6.31");
    for (int i = 0; i < 3; ++i)
        RedrawWindow(shown.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Requests("getTxt.aspx?swuID=77&flag=2"), 1u) << "asked once, not at every paint";

    Press(shown);
    EXPECT_EQ(shown.State(), UPDATE_STATE::Downloading);
    EXPECT_FALSE(BarsEnabled()) << "the bars wait while the package comes";
    ASSERT_TRUE(PumpUntil([&] { return !stub.closes.empty(); }));
    EXPECT_EQ(stub.closes, std::vector<WPARAM>{1});
    EXPECT_EQ(shown.State(), UPDATE_STATE::Finished);
    EXPECT_TRUE(BarsEnabled());
    EXPECT_EQ(shown.PackageFile(), (DownloadFolder() / "NuthawkSetup.exe").wstring()) << "named after the last separator";
    ASSERT_TRUE(PumpUntil([&] { return !PackageLog().empty(); }));
    EXPECT_EQ(PackageLog(), "NuthawkSetup.exe|\n");
    EXPECT_EQ(KeptDownload(), shown.PackageFile()) << "the exit leaves the opened package to its installer";

    // Chosen again in this run: the package this run downloaded opens at once.
    CUpdateDlg& again = PageOnStub();
    EXPECT_EQ(Check(again), UPDATE_STATE::Offered);
    Press(again);
    Press(again);
    EXPECT_EQ(stub.closes, (std::vector<WPARAM>{1, 0}));
    EXPECT_FALSE(UpdateBatchExists());
    EXPECT_EQ(Requests("NuthawkSetup.exe"), 1u) << "not downloaded a second time";
    ASSERT_TRUE(PumpUntil([&] { return PackageLog().size() > 20; }));
}

TEST_F(UpdateDlgTest, AFileThisRunDidNotDownloadIsNeverOpened)
{
    Offer("6.31");
    ServePackage();
    fs::create_directories(DownloadFolder());
    fs::copy_file(BuildProgramFolder() / "Tool.exe", DownloadFolder() / "NuthawkSetup.exe");
    CUpdateDlg& shown = PageOnStub();
    Check(shown);
    Press(shown);
    Press(shown);
    EXPECT_EQ(shown.State(), UPDATE_STATE::Downloading) << "the stale file is downloaded afresh";
    ASSERT_TRUE(PumpUntil([&] { return !stub.closes.empty(); }));
    ASSERT_TRUE(PumpUntil([&] { return !PackageLog().empty(); }));
    EXPECT_FALSE(fs::exists(DownloadFolder() / "tool.log")) << "the file that lay there never ran";
    EXPECT_EQ(Requests("NuthawkSetup.exe"), 1u);
}

TEST_F(UpdateDlgTest, AFailedDownloadIsSaidAndNothingIsOpened)
{
    Offer("6.31");  // and no package on the server
    CUpdateDlg& shown = PageInSettings();
    Press(shown);
    ASSERT_TRUE(Described(shown));
    Press(shown);
    ASSERT_TRUE(PumpUntil([&] { return shown.State() == UPDATE_STATE::Finished; }));
    EXPECT_TRUE(shown.StatusLabel().IsVisible());
    EXPECT_EQ(shown.StatusLabel().GetText(), L"The update package could not be downloaded.");
    EXPECT_TRUE(shown.DownloadButton().IsVisible());
    EXPECT_FALSE(shown.ProgressBar().IsVisible());
    EXPECT_TRUE(BarsEnabled());
    EXPECT_FALSE(fs::exists(DownloadFolder() / "NuthawkSetup.exe"));
    EXPECT_TRUE(KeptDownload().empty());
    EXPECT_EQ(frame->CurrentViewId(), CSetupView::kViewId) << "the program goes on";
    KeepSnapshot(L"update-5-failed.png");
}

TEST_F(UpdateDlgTest, UnusablePackageNamesAreRefusedBeforeAnyDownload)
{
    for (const char* name : {"", "Shell\\\\..", "Shell\\\\", "Shell/../../Evil.exe"}) {
        Offer("6.31", name);
        CUpdateDlg& shown = PageOnStub();
        Check(shown);
        Press(shown);
        Press(shown);
        EXPECT_EQ(shown.State(), UPDATE_STATE::Described) << name;
        EXPECT_EQ(shown.StatusLabel().GetText(), L"The update package has no usable file name.") << name;
        EXPECT_TRUE(shown.StatusLabel().IsVisible());
        EXPECT_FALSE(UpdateBatchExists());
        EXPECT_TRUE(BarsEnabled());
        EXPECT_TRUE(stub.closes.empty()) << "the download folder itself is never opened";
    }
}

// The settings view makes its pages afresh at every show: a page that goes ends only its own batch.
TEST_F(UpdateDlgTest, RebuildingTheSettingsEndsOnlyThePagesOwnBatch)
{
    Offer("6.31");
    fs::create_directories(site.Path() / "pkg" / "Shell" / "Setup");
    site.Write("pkg/Shell/Setup/NuthawkSetup.exe.stall", std::string(4096, 'x'));
    CUpdateDlg& shown = PageInSettings();
    Press(shown);
    ASSERT_TRUE(Described(shown));
    KeepSnapshot(L"update-3-description.png");
    Press(shown);
    ASSERT_TRUE(PumpUntil([&] { return Requests("NuthawkSetup.exe") > 0; }));
    EXPECT_TRUE(shown.ProgressBar().IsVisible());
    EXPECT_TRUE(shown.StatusLabel().IsVisible());
    KeepSnapshot(L"update-4-downloading.png");
    const auto offered = shown.Offered();  // the page goes with the rebuild
    frame->SwitchView(286, 1);
    frame->SwitchView(CSetupView::kViewId, 1);
    EXPECT_FALSE(UpdateBatchExists()) << "the page's own batch went with it";
    EXPECT_TRUE(BarsEnabled());

    // A batch of another window (the store's) outlives the rebuild.
    CParentStub other;
    WINDOW_CREATE_ARGS args;
    args.style = WS_CHILD;
    args.parent = frame->Handle();
    ASSERT_TRUE(other.Create(args));
    SetProgressWindow(other.Handle());
    TheUpdateJobList() = UpdateJobList{UpdateJob{0, offered}};
    StartUpdateThreads();
    PageInSettings();
    frame->SwitchView(286, 1);
    frame->SwitchView(CSetupView::kViewId, 1);
    EXPECT_TRUE(UpdateBatchExists());
    EXPECT_EQ(UpdateBatchOwner(), other.Handle());
    StopUpdateThreads();
}

// The check runs beside the program: a service that accepts and then says nothing leaves the
// program free, the page says it is checking, and the check ends as a failed one, which it says.
TEST_F(UpdateDlgTest, AStalledServiceNeverHoldsTheProgram)
{
    site.Write("Interface/productList.aspx.stall", std::string(64, ' '));
    CUpdateDlg& shown = ChooseThePage();
    EXPECT_EQ(shown.State(), UPDATE_STATE::Checking);
    EXPECT_EQ(shown.MessageLabel().GetText(), L"Checking for a newer version...");
    EXPECT_TRUE(shown.MessageLabel().IsVisible());
    EXPECT_FALSE(shown.DownloadButton().IsVisible());
    KeepSnapshot(L"update-0-checking.png");

    ASSERT_TRUE(Checked(shown));
    EXPECT_EQ(shown.State(), UPDATE_STATE::NoUpdate);
    EXPECT_EQ(shown.MessageLabel().GetText(), L"The update service could not be reached.");
}

}  // namespace
