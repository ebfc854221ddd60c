// The decisions of the installed-software view that need no window: which tile an id names after
// removals, the selection bookkeeping, and which folders may be deleted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SoftwareFolderRules.h"
#include "TileSelection.h"

namespace {

// Tiles 5, 2 and 7 chosen in that order out of ten and deleted one after the other: ids are
// renumbered only after the loop, so each id must still find its tile.
TEST(TileSelection, EachChosenIdFindsItsTileWhileEarlierOnesAreRemoved)
{
    std::vector<int> tiles = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    CTileSelection selection;
    for (int id : {5, 2, 7})
        selection.Add(id);
    std::vector<int> removedAt;
    for (int id : selection.Ids()) {
        const int position = FindTilePosition(tiles, id);
        ASSERT_GE(position, 0) << id;
        EXPECT_EQ(tiles[static_cast<size_t>(position)], id);
        removedAt.push_back(position);
        tiles.erase(tiles.begin() + position);
    }
    EXPECT_EQ(removedAt, (std::vector<int>{5, 2, 5}));
    EXPECT_EQ(tiles, (std::vector<int>{0, 1, 3, 4, 6, 8, 9}));
}

TEST(TileSelection, AnIdPastTheLastTileOrMissingFindsNothing)
{
    EXPECT_EQ(FindTilePosition({0, 1}, 7), -1);
    EXPECT_EQ(FindTilePosition({}, 0), -1);
    EXPECT_EQ(FindTilePosition({0, 3, 4}, -1), -1);
    EXPECT_EQ(FindTilePosition({0, 3, 4}, 4), 2);
}

TEST(TileSelection, RemovesTheFirstEqualEntryOnly)
{
    CTileSelection selection;
    for (int id : {3, 1, 3})
        selection.Add(id);
    selection.Remove(3);
    EXPECT_EQ(selection.Ids(), (std::vector<int>{1, 3}));
    selection.Remove(9);
    EXPECT_TRUE(selection.Contains(3));
    selection.Clear();
    EXPECT_TRUE(selection.Empty());
}

struct FolderCase {
    const char* name;
    std::wstring folder;
    bool removable;
};

class RemovableFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(RemovableFolderTest, OnlyAPackageFolderBelowScan)
{
    EXPECT_EQ(IsRemovableSoftwareFolder(GetParam().folder, L"C:\\Shell\\"), GetParam().removable);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemovableFolderTest, ::testing::Values(
    FolderCase{"a_maker", L"C:\\Shell\\Scan\\EU\\ALFA\\", true},
    FolderCase{"a_family", L"C:\\Shell\\Scan\\PRO\\BASIC", true},
    FolderCase{"other_case", L"c:\\shell\\SCAN\\eu\\alfa\\", true},
    FolderCase{"empty", L"", false},
    FolderCase{"scan_itself", L"C:\\Shell\\Scan\\", false},
    FolderCase{"the_program_folder", L"C:\\Shell\\", false},
    FolderCase{"a_drive_root", L"C:\\", false},
    FolderCase{"out_by_dots", L"C:\\Shell\\Scan\\..\\Playback", false},
    FolderCase{"scan_again_by_dots", L"C:\\Shell\\Scan\\EU\\..", false},
    FolderCase{"a_name_that_starts_alike", L"C:\\Shell\\Scanned\\EU", false},
    FolderCase{"elsewhere", L"D:\\Other\\Scan\\EU\\ALFA", false}),
    [](const ::testing::TestParamInfo<FolderCase>& param) { return std::string(param.param.name); });

}  // namespace
