// The shell on the bundled demo installation, as demo/generate writes it for scripts/run: the splash
// finds the demo's vehicle software, and a maker is chosen by the keys a user would press.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "ProgramRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeoutMs = 30000;
constexpr int kActivePane = 0xE900;
constexpr int kGridId = 3032;

bool WaitFor(const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kTimeoutMs)
            return false;
        PollPause();
    }
    return true;
}

BOOL CALLBACK CollectGrid(HWND window, LPARAM grids)
{
    if (GetDlgCtrlID(window) == kGridId)
        reinterpret_cast<std::vector<HWND>*>(grids)->push_back(window);
    return TRUE;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

class DemoRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The programs lie in the build folder's "bin" (its path ends in a separator); the demo beside it.
        folder = BuildProgramFolder().parent_path().parent_path() / "demo-test";
        ASSERT_TRUE(fs::exists(folder / "Display.exe")) << "demo/generate runs before this test";
        fs::create_directories(temp.Path() / "temp");
        ASSERT_TRUE(shell.Start(folder / "Display.exe", L"", temp.Path() / "temp"));
        ASSERT_TRUE(WaitFor([this] { return (main = shell.FindVisibleWindow(L"Nuthawk")) != nullptr; }));
    }
    void TearDown() override
    {
        if (main && IsWindow(main))
            PostMessageW(main, WM_CLOSE, 0, 0);
        shell.WaitForExit(10000);
    }

    HWND ActiveView() const { return GetDlgItem(main, kActivePane); }
    bool IsActive(int viewId) const { return ActiveView() && !GetDlgItem(main, viewId); }

    std::vector<HWND> Grids() const
    {
        std::vector<HWND> grids;
        EnumChildWindows(ActiveView(), &CollectGrid, reinterpret_cast<LPARAM>(&grids));
        return grids;
    }

    CTempFolder temp;
    fs::path folder;
    CProgramRun shell;
    HWND main = nullptr;
};

TEST_F(DemoRunTest, TheDemoMakersAreShownByRegionAndOneCanBeChosen)
{
    SendMessageW(main, WM_COMMAND, 3007, 0);  // Home from the home page shows the maker chooser
    ASSERT_TRUE(WaitFor([this] { return IsActive(131); }));
    EXPECT_EQ(TextOf(ActiveView()), L"Vehicle selection---East Reach") << "the region of the busiest maker";
    const std::vector<HWND> grids = Grids();
    EXPECT_EQ(grids.size(), 3u) << "one page of icons per region";
    HWND shown = nullptr;
    for (HWND grid : grids) {
        if (IsWindowVisible(grid))
            shown = grid;
    }
    ASSERT_NE(shown, nullptr);
    SendMessageW(shown, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitFor([this] { return IsActive(136); })) << "the version view follows the choice";
}

}  // namespace
