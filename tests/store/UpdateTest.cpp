// The update page: one start of the updater below the program's folder per request, and the
// message when it cannot be started.
#include "../frame/BarsFixture.h"

#include <fstream>

#include "Update.h"

namespace {

namespace fs = std::filesystem;

class UpdatePageTest : public BarsFixture {
protected:
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(updateFolder, ignored);
        BarsFixture::TearDown();
    }

    CUpdate& page() { return *dynamic_cast<CUpdate*>(frame->View(CUpdate::kViewId)); }

    // The update command as the guide bar gives it: the page, then the start.
    void GoUpdate()
    {
        frame->SwitchView(CUpdate::kViewId, 1);
        EXPECT_EQ(page().StartUpdateTimer(), 1);
    }
    bool WaitForTheAttempt()
    {
        const DWORD start = GetTickCount();
        while (CUpdate::IsStartPending() && GetTickCount() - start < 10000)
            Pump();
        return !CUpdate::IsStartPending();
    }
    std::string ToolLog() const { return fs::exists(updateFolder / "tool.log") ? ReadFileBytes(updateFolder / "tool.log") : ""; }

    // The updater is looked for beside the running program: here, the test's own folder.
    fs::path updateFolder = BuildProgramFolder() / "Update";
};

TEST_F(UpdatePageTest, AMissingUpdaterIsReportedAndCanBeTriedAgain)
{
    ASSERT_FALSE(fs::exists(updateFolder));
    GoUpdate();
    EXPECT_TRUE(CUpdate::IsStartPending());
    EXPECT_TRUE(WaitForTheAttempt());
    EXPECT_EQ(asked, (std::vector<std::wstring>{L"The 'Update.exe' process could not be started!"}));
    GoUpdate();
    EXPECT_TRUE(WaitForTheAttempt());
    EXPECT_EQ(asked.size(), 2u) << "a second command tries again";
}

TEST_F(UpdatePageTest, TwoCommandsInARowStartTheUpdaterOnce)
{
    fs::create_directories(updateFolder);
    fs::copy_file(BuildProgramFolder() / "Tool.exe", updateFolder / "Update.exe");
    GoUpdate();
    EXPECT_EQ(page().StartUpdateTimer(), 1);
    EXPECT_TRUE(WaitForTheAttempt());
    const DWORD start = GetTickCount();
    while (ToolLog().empty() && GetTickCount() - start < 10000)
        Pump();
    EXPECT_EQ(ToolLog(), "Update.exe|\n") << "started once, without a command line";
    EXPECT_TRUE(asked.empty());
    EXPECT_NE(frame->ButtonBar().GetButton(3011), nullptr) << "the page offers Exit";
}

TEST_F(UpdatePageTest, AFileThatIsNoProgramReportsTheSystemError)
{
    fs::create_directories(updateFolder);
    std::ofstream(updateFolder / "Update.exe") << "not a program";
    GoUpdate();
    EXPECT_TRUE(WaitForTheAttempt());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind(L"The 'Update.exe' process could not be started!\r\nErrorCode=", 0), 0u) << asked[0];
    EXPECT_GT(asked[0].size(), std::wstring(L"The 'Update.exe' process could not be started!\r\nErrorCode=").size());
}

}  // namespace
