#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "../frame/FrameFixture.h"
#include "BmpBtn.h"
#include "BrowserMessageFilter.h"
#include "MultSelectView.h"
#include "ProgramRun.h"
#include "RepairInfoView.h"
#include "RepairPageShown.h"
#include "RepairPageRules.h"
#include "Snapshot.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::wstring> kTop = {L"Engine", L"ABS"};
const std::vector<std::wstring> kEngine = {L"Read codes", L"Idle speed"};

// The demo maker's software below the program folder, with the fixture pages stored scrambled
// below "repair_info\EN\Engine\", the folder of the menu path Engine -> (an item of that menu).
class RepairInfoViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
        maker = programFolder.Path() / "vehicle" / "DEMO";
        ResSetMakerDir(maker.wstring() + L"\\");
        pages = maker / "repair_info" / "EN" / "Engine";
        fs::create_directories(pages);
        StoreFixture(L"EN_Idle speed_MAIN");
        StoreFixture(L"Throttle sensor");
        frame->SwitchView(CRepairInfoView::kViewId, 1);
        view = static_cast<CRepairInfoView*>(frame->View(CRepairInfoView::kViewId));
        view->ClearNodes();
    }
    void TearDown() override
    {
        view->ClearNodes();
        MainFrameTest::TearDown();
    }

    void StoreFixture(const std::wstring& name)
    {
        const std::string page = ReadFileBytes(BuildProgramFolder() / "fixtures" / "repair" / (name + L".mht"));
        ASSERT_FALSE(page.empty());
        const std::vector<uint8_t> stored = RepairPageRules::Scramble({page.begin(), page.end()});
        std::ofstream(pages / (name + L".mht.enc"), std::ios::binary)
            .write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
    }
    void ChooseIdleSpeed()
    {
        view->OnMenuItemChosen(kTop, 0);
        view->OnMenuItemChosen(kEngine, 1);
    }
    std::wstring Shown() const { return RepairPageShown(*view); }
    bool KeyEnabled(int id) const
    {
        CBmpBtn* button = frame->ButtonBar().GetButton(id);
        return button && button->IsEnabled();
    }
    void Press(int id) { SendMessageW(view->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // The restored copies are made below the working folder's mirror of the program folder.
    static size_t RestoredCopiesBelow(const fs::path& folder)
    {
        size_t count = 0;
        if (fs::exists(folder))
            for (const auto& entry : fs::recursive_directory_iterator(folder))
                count += entry.path().extension() == ".mht" ? 1 : 0;
        return count;
    }


    fs::path maker;
    fs::path pages;
    CRepairInfoView* view = nullptr;
};

TEST_F(RepairInfoViewTest, ActivationShowsExitAndDisabledHistoryKeys)
{
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame->CurrentViewId(), CRepairInfoView::kViewId);
    ASSERT_EQ(frame->ButtonBar().GetButtonCount(), 3);
    EXPECT_NE(frame->ButtonBar().GetButton(3011), nullptr);
    EXPECT_FALSE(KeyEnabled(CRepairInfoView::kHistoryBack));
    EXPECT_FALSE(KeyEnabled(CRepairInfoView::kHistoryForward));
    EXPECT_EQ(view->History().Index(), -1);
}

TEST_F(RepairInfoViewTest, MainPageOfTheMenuPathIsRestoredShownAndRemoved)
{
    ChooseIdleSpeed();
    ASSERT_TRUE(view->OpenMainPage(L"Idle speed"));
    const std::wstring shown = Shown();
    EXPECT_NE(shown.find(L"Idle speed too high"), std::wstring::npos);
    EXPECT_NE(shown.find(L"80 °C"), std::wstring::npos);
    EXPECT_NE(shown.find(L"Clear the codes & test again."), std::wstring::npos);
    EXPECT_EQ(shown.find(L"margin"), std::wstring::npos);  // the style sheet is not text
    ASSERT_EQ(view->History().Pages().size(), 1u);
    EXPECT_NE(view->History().Pages()[0].find(L"EN_Idle speed_MAIN.mht"), std::wstring::npos);
    EXPECT_FALSE(fs::exists(view->History().Pages()[0]));  // restored only while loading
    EXPECT_TRUE(fs::exists(pages / L"EN_Idle speed_MAIN.mht.enc"));
    KeepSnapshot(L"repair-page.png");
}

TEST_F(RepairInfoViewTest, ALinkRestoresItsPageAndTheHistoryKeysWalkBack)
{
    ChooseIdleSpeed();
    ASSERT_TRUE(view->OpenMainPage(L"Idle speed"));
    const std::wstring mainPage = view->History().Pages()[0];
    const std::wstring folder = mainPage.substr(0, mainPage.rfind(L'\\') + 1);
    view->Browser()->Navigate(folder + L"Throttle sensor.mht");  // as a link of the page asks
    EXPECT_NE(Shown().find(L"between pins 2 and 3"), std::wstring::npos);
    EXPECT_EQ(view->History().Index(), 1);
    EXPECT_TRUE(KeyEnabled(CRepairInfoView::kHistoryBack));
    EXPECT_FALSE(KeyEnabled(CRepairInfoView::kHistoryForward));

    Press(CRepairInfoView::kHistoryBack);
    EXPECT_NE(Shown().find(L"Idle speed too high"), std::wstring::npos);
    EXPECT_EQ(view->History().Index(), 0);
    EXPECT_EQ(view->History().Pages().size(), 2u);
    EXPECT_FALSE(KeyEnabled(CRepairInfoView::kHistoryBack));
    EXPECT_TRUE(KeyEnabled(CRepairInfoView::kHistoryForward));

    Press(CRepairInfoView::kHistoryForward);
    EXPECT_NE(Shown().find(L"Throttle sensor"), std::wstring::npos);
    EXPECT_EQ(view->History().Index(), 1);
    EXPECT_EQ(RestoredCopiesBelow(fs::path(folder)), 0u);

    // A new visit starts with no history.
    frame->SwitchView(286, 1);
    frame->SwitchView(CRepairInfoView::kViewId, 1);
    EXPECT_EQ(view->History().Index(), -1);
    EXPECT_FALSE(KeyEnabled(CRepairInfoView::kHistoryBack));
}

TEST_F(RepairInfoViewTest, AnExistingFileNavigatedToIsLeftAlone)
{
    const fs::path notes = programFolder.Path() / "notes.mht";
    std::ofstream(notes) << "<html><body>Workshop notes</body></html>";
    view->Browser()->Navigate(notes.wstring());
    EXPECT_NE(Shown().find(L"Workshop notes"), std::wstring::npos);
    EXPECT_TRUE(fs::exists(notes));
}

TEST_F(RepairInfoViewTest, NoPageForMissingBrokenOrUnsafePlaces)
{
    struct Case {
        const char* name;
        std::vector<std::wstring> engineMenu;
        std::wstring item;
    } const cases[] = {
        {"no such page", kEngine, L"Read codes"},
        {"a menu text that climbs out", {L"..", L"x"}, L"x"},
        {"an item with a separator", kEngine, L"..\\..\\EN_Idle speed"},
        {"a device name", kEngine, L"CON"},
    };
    for (const Case& c : cases) {
        view->ClearNodes();
        view->OnMenuItemChosen(c.engineMenu, 0);
        view->OnMenuItemChosen({c.item}, 0);
        EXPECT_FALSE(view->OpenMainPage(c.item)) << c.name;
    }
    // An empty stored page is no page; the screen stays as it was.
    std::ofstream(pages / L"EN_Read codes_MAIN.mht.enc", std::ios::binary).flush();
    view->ClearNodes();
    ChooseIdleSpeed();
    EXPECT_FALSE(view->OpenMainPage(L"Read codes"));
    // A stored page that restores to nothing readable says so in one line.
    const std::vector<uint8_t> garbage = RepairPageRules::Scramble({0x89, 'P', 'N', 'G'});
    std::ofstream(pages / L"EN_Garbage_MAIN.mht.enc", std::ios::binary)
        .write(reinterpret_cast<const char*>(garbage.data()), 4);
    EXPECT_TRUE(view->OpenMainPage(L"Garbage"));
    EXPECT_EQ(Shown(), L"This repair page cannot be read.");
}

TEST_F(RepairInfoViewTest, BackReturnsToTheViewThatOpenedThePages)
{
    Press(3001);  // nothing set the way back yet: the view stays
    EXPECT_EQ(frame->CurrentViewId(), CRepairInfoView::kViewId);

    view->SetReturnView(CMultSelectView::kViewId);
    Press(3001);
    EXPECT_EQ(frame->CurrentViewId(), CMultSelectView::kViewId);

    frame->SwitchView(CRepairInfoView::kViewId, 1);
    view->SetReturnView(286);
    Press(3001);
    EXPECT_EQ(frame->CurrentViewId(), 286);
}

}  // namespace

// The browser control's windows stand in as plain windows here: Wine has no HTML engine, so the
// control itself cannot be made. Messages are posted as the system queues mouse input and taken by
// an ordinary message loop.
class BrowserMessageFilterTest : public ::testing::Test {
protected:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
            received.push_back({window, message});
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Record;
        windowClass.lpszClassName = L"BrowserStandIn";
        RegisterClassW(&windowClass);
        host = CreateWindowW(L"BrowserStandIn", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                             nullptr);
        control = CreateWindowW(L"BrowserStandIn", L"", WS_CHILD, 0, 0, 100, 100, host, nullptr, nullptr, nullptr);
        inner = CreateWindowW(L"BrowserStandIn", L"", WS_CHILD, 0, 0, 50, 50, control, nullptr, nullptr, nullptr);
        received.clear();
    }
    void TearDown() override
    {
        DestroyWindow(host);
        UnregisterClassW(L"BrowserStandIn", nullptr);
    }
    static void TakeAll()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    static bool Received(HWND window, UINT message)
    {
        return std::find(received.begin(), received.end(), std::pair<HWND, UINT>(window, message)) != received.end();
    }

    static inline std::vector<std::pair<HWND, UINT>> received;
    HWND host = nullptr, control = nullptr, inner = nullptr;
};

TEST_F(BrowserMessageFilterTest, TheControlAndItsInnerWindowsMissOnlyTheFilteredMessages)
{
    ASSERT_NE(inner, nullptr);
    {
        CBrowserMessageFilter filter(control);
        ASSERT_TRUE(filter.IsActive());
        for (HWND window : {host, control, inner})
            for (UINT message : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_LBUTTONUP})
                PostMessageW(window, message, 0, MAKELPARAM(5, 5));
        TakeAll();
        for (HWND window : {control, inner}) {
            EXPECT_FALSE(Received(window, WM_MOUSEMOVE));
            EXPECT_FALSE(Received(window, WM_RBUTTONUP));
            EXPECT_TRUE(Received(window, WM_RBUTTONDOWN));
            EXPECT_TRUE(Received(window, WM_LBUTTONUP));
        }
        for (UINT message : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_LBUTTONUP})
            EXPECT_TRUE(Received(host, message)) << "the viewer's own window gets everything, " << message;
    }
    received.clear();
    PostMessageW(inner, WM_RBUTTONUP, 0, 0);
    TakeAll();
    EXPECT_TRUE(Received(inner, WM_RBUTTONUP)) << "the filter ends with its owner";
}
