// The last-write time of files and folders as local calendar fields, and the caller's record left
// alone when the entry cannot be read.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "FileWriteTime.h"
#include "ScopedWin.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

// 14 March 2024, 09:26:53.000 local time.
constexpr SYSTEMTIME kStamp = {2024, 3, 4, 14, 9, 26, 53, 0};

bool SetWriteTime(const fs::path& path, const SYSTEMTIME& localTime)
{
    const CScopedHandle entry(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME local = {};
    FILETIME universal = {};
    return entry && SystemTimeToFileTime(&localTime, &local) && LocalFileTimeToFileTime(&local, &universal) &&
           SetFileTime(entry.Get(), nullptr, nullptr, &universal);
}

bool Same(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

struct WRITE_TIME_CASE {
    const char* name;
    // Makes the entry below the folder and returns the path to ask for.
    std::function<fs::path(const CTempFolder&)> prepare;
    bool read;
};

class FileWriteTimeTest : public ::testing::TestWithParam<WRITE_TIME_CASE> {
protected:
    CTempFolder folder;
};

TEST_P(FileWriteTimeTest, GivesTheLocalWriteTimeOrLeavesTheRecord)
{
    const WRITE_TIME_CASE& c = GetParam();
    const fs::path path = c.prepare(folder);
    const SYSTEMTIME untouched = {1999, 12, 5, 31, 23, 59, 59, 999};
    SYSTEMTIME time = untouched;
    EXPECT_EQ(GetFileWriteTime(path.wstring(), time), c.read) << c.name;
    if (c.read) {
        EXPECT_TRUE(Same(time, kStamp)) << c.name << ": " << time.wYear << "-" << time.wMonth << "-" << time.wDay
                                        << " " << time.wHour << ":" << time.wMinute << ":" << time.wSecond;
    } else {
        EXPECT_TRUE(Same(time, untouched)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FileWriteTimeTest, ::testing::Values(
    WRITE_TIME_CASE{"a file",
                    [](const CTempFolder& f) {
                        const fs::path file = f.Write("Diag.ini", "x");
                        EXPECT_TRUE(SetWriteTime(file, kStamp));
                        return file;
                    },
                    true},
    WRITE_TIME_CASE{"a folder",
                    [](const CTempFolder& f) {
                        fs::create_directories(f / "EN");
                        EXPECT_TRUE(SetWriteTime(f / "EN", kStamp));
                        return f / "EN";
                    },
                    true},
    WRITE_TIME_CASE{"a file that is read-only",
                    [](const CTempFolder& f) {
                        const fs::path file = f.Write("Locked.ini", "x");
                        EXPECT_TRUE(SetWriteTime(file, kStamp));
                        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
                        return file;
                    },
                    true},
    WRITE_TIME_CASE{"a missing file", [](const CTempFolder& f) { return f / "Missing.ini"; }, false},
    WRITE_TIME_CASE{"a file in a missing folder", [](const CTempFolder& f) { return f / "No" / "Diag.ini"; }, false},
    WRITE_TIME_CASE{"an empty path", [](const CTempFolder&) { return fs::path(); }, false}));

// A file that another holder keeps to itself cannot be opened: the record stays as it was.
TEST(FileWriteTime, AFileHeldWithoutSharingLeavesTheRecord)
{
    CTempFolder folder;
    const fs::path file = folder.Write("Busy.ini", "x");
    const CScopedHandle holder(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    SYSTEMTIME time = {};
    time.wYear = 1999;
    EXPECT_FALSE(GetFileWriteTime(file.wstring(), time));
    EXPECT_EQ(time.wYear, 1999);
}

}  // namespace
