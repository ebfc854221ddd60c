#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "DirectoryTree.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(CreateDirectoryTree, CreatesEveryLevelOfADriveRootedPathAndAcceptsExistingOnes)
{
    CTempFolder root;
    const fs::path target = root / "first" / "second";
    ASSERT_TRUE(target.wstring().find(L':') != std::wstring::npos) << "expected a drive-rooted path";
    EXPECT_EQ(CreateDirectoryTree(target.c_str()), 1);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(CreateDirectoryTree((target.wstring() + L"\\").c_str()), 1);
    EXPECT_EQ(CreateDirectoryTree((root / "a\\\\b").c_str()), 1);  // empty pieces are skipped
    EXPECT_TRUE(fs::is_directory(root / "a" / "b"));
}

TEST(CreateDirectoryTree, FailsWhenALevelCannotBeCreated)
{
    CTempFolder root;
    std::ofstream(root / "file") << "x";
    EXPECT_EQ(CreateDirectoryTree((root / "file" / "below").c_str()), 0);
}

TEST(DeleteDirectoryTree, DeletesANestedTree)
{
    CTempFolder root;
    const fs::path tree = root / "tree";
    fs::create_directories(tree / "a" / "b");
    std::ofstream(tree / "top.txt") << "x";
    std::ofstream(tree / "a" / "b" / "deep.txt") << "x";
    EXPECT_EQ(DeleteDirectoryTree(tree.c_str()), 1);
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_EQ(DeleteDirectoryTree(L""), 1);
    EXPECT_EQ(DeleteDirectoryTree(tree.c_str()), 0);  // already gone
}

TEST(DeleteDirectoryTree, StopsAtAReadOnlyFileAndKeepsTheFolder)
{
    CTempFolder root;
    const fs::path tree = root / "tree";
    fs::create_directories(tree);
    const fs::path locked = tree / "locked.txt";
    std::ofstream(locked) << "x";
    ASSERT_TRUE(SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(DeleteDirectoryTree(tree.c_str()), 0);
    EXPECT_TRUE(fs::exists(locked));
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DeleteDirectoryTree, RemovesALinkButNotWhatItPointsTo)
{
    CTempFolder root;
    const fs::path outside = root / "outside";
    fs::create_directories(outside);
    std::ofstream(outside / "keep.txt") << "x";
    const fs::path tree = root / "tree";
    fs::create_directories(tree);
    if (!CreateSymbolicLinkW((tree / "link").c_str(), outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
        GTEST_SKIP() << "this system cannot make a folder link here (error " << GetLastError() << ")";

    EXPECT_EQ(DeleteDirectoryTree(tree.c_str()), 1);
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_TRUE(fs::exists(outside / "keep.txt"));
}

}  // namespace
