// The start splash run modally, as the program runs it, with its periods shortened; what happens
// while it runs is watched and done from a timer of the test's own on the same thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <set>

#include "ModalSeam.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "Snapshot.h"
#include "SoftwareLists.h"
#include "StartDlg.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

std::function<void()> g_watch;

void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_watch)
        g_watch();
}

class StartDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFolder = ResGetAppDir();
        ResSetAppDir(program.Path().wstring() + L"\\");  // nothing installed: "Scan\" is missing
        SetModalAnswerer({});
    }
    void TearDown() override
    {
        g_watch = nullptr;
        CStartDlg::SetPeriods(1000, 400, 1000);
        ResSetAppDir(previousFolder);
        FreeSoftwareLists();
    }
    // Runs the splash with a watcher called every 10 ms; returns what DoModal returned.
    INT_PTR Run(CStartDlg& splash, std::function<void()> watcher)
    {
        g_watch = std::move(watcher);
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, Watch);
        const INT_PTR result = splash.DoModal();
        KillTimer(nullptr, timer);
        g_watch = nullptr;
        return result;
    }
    int LitMarksShown(const CStartDlg& splash)
    {
        int shown = 0;
        for (int i = 0; i < 5; ++i)
            shown += splash.Mark(i)->IsWindow() && splash.Mark(i)->IsVisible() ? 1 : 0;
        return shown;
    }

    CTempFolder program;
    std::wstring previousFolder;
};

// Nothing installed, keys pressed: the splash still loads and closes on the fourth tick after it.
TEST_F(StartDlgTest, ClosesOnTheFourthTickAfterLoadingAndNeverOnAKey)
{
    CStartDlg::SetPeriods(100, 20, 60);
    CStartDlg splash(nullptr);
    std::set<int> visited;
    int most = 0;
    bool snapshot = false;
    COLORREF markCentre = CLR_INVALID;
    const INT_PTR result = Run(splash, [&] {
        if (!splash.IsWindow())
            return;
        PostMessageW(splash.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(splash.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(splash.Handle(), WM_COMMAND, IDOK, 0);
        PostMessageW(splash.Handle(), WM_COMMAND, IDCANCEL, 0);
        most = std::max(most, LitMarksShown(splash));
        if (splash.LitPosition() == 1 && markCentre == CLR_INVALID) {
            const HWND mark = splash.Mark(1)->Handle();
            UpdateWindow(mark);
            HDC dc = GetDC(mark);
            markCentre = GetPixel(dc, 9, 9);
            ReleaseDC(mark, dc);
        }
        if (splash.LitPosition() >= 0)
            visited.insert(splash.LitPosition());
        if (!snapshot && splash.LitPosition() == 2) {
            snapshot = true;
            const std::wstring saved = SaveFrameSnapshot(splash.Handle());
            const fs::path screenshots = BuildProgramFolder().parent_path().parent_path() / "screenshots";
            fs::create_directories(screenshots);
            if (!saved.empty())
                fs::copy_file(saved, screenshots / "splash.png", fs::copy_options::overwrite_existing);
        }
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(splash.IsLoaded());
    EXPECT_EQ(splash.CloseCounter(), 4) << "ticks 0, 1, 2 and 3 after loading";
    EXPECT_EQ(most, 1) << "never more than one lit mark";
    EXPECT_EQ(visited, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_GT(GetRValue(markCentre), 200) << "the lit mark shows its amber face";
}

TEST_F(StartDlgTest, AClickClosesOnlyOnceTheListsAreLoaded)
{
    CStartDlg::SetPeriods(60000, 20, 150);
    CStartDlg splash(nullptr);
    bool clickedEarly = false;
    bool stillOpenAfterEarlyClick = false;
    const INT_PTR result = Run(splash, [&] {
        if (!splash.IsWindow())
            return;
        if (!splash.IsLoaded() && !clickedEarly) {
            clickedEarly = true;
            SendMessageW(splash.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
            stillOpenAfterEarlyClick = splash.IsWindow() != FALSE;
        } else if (splash.IsLoaded()) {
            SendMessageW(splash.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        }
    });
    EXPECT_TRUE(clickedEarly);
    EXPECT_TRUE(stillOpenAfterEarlyClick);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(splash.CloseCounter(), 0) << "closed by the click, long before the countdown";
}

}  // namespace
