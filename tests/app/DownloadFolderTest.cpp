// The download folder at exit and at start: an update package the program opened survives the exit
// (its installer may still read it), everything else goes; the next start removes what was left.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DownloadFolder.h"
#include "ProcessValues.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

class DownloadFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResSetAppDir(program.Path().wstring() + L"\\");
        fs::create_directories(folder / "part");
        for (const char* name : {"Setup.exe", "other.7z", "part/piece.bin"})
            std::ofstream(folder / name) << "bytes";
    }
    void TearDown() override { KeepDownloadAtExit(L""); }

    CTempFolder program;
    fs::path folder = program.Path() / "download";
};

TEST_F(DownloadFolderTest, TheExitEmptiesTheFolderWhenNothingIsKept)
{
    ClearDownloadFolderAtExit();
    EXPECT_FALSE(fs::exists(folder));
}

// The page names the package with a doubled separator as the pipeline forms it, in any case.
TEST_F(DownloadFolderTest, TheExitKeepsTheOpenedPackageOnly)
{
    KeepDownloadAtExit(program.Path().wstring() + L"\\\\DOWNLOAD\\setup.exe");
    ClearDownloadFolderAtExit();
    EXPECT_TRUE(fs::exists(folder / "Setup.exe"));
    EXPECT_FALSE(fs::exists(folder / "other.7z"));
    EXPECT_FALSE(fs::exists(folder / "part"));
}

TEST_F(DownloadFolderTest, TheNextStartRemovesWhatTheExitKept)
{
    KeepDownloadAtExit((folder / "Setup.exe").wstring());
    ClearDownloadFolderAtExit();
    KeepDownloadAtExit(L"");
    ClearDownloadFolderAtStart();
    EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
