#include <gtest/gtest.h>

#include <cstring>

#include "AtomicFile.h"
#include "TempFolder.h"

namespace {

bool WriteText(FILE* file, const char* text)
{
    return std::fwrite(text, 1, std::strlen(text), file) == std::strlen(text);
}

TEST(WriteFileReplacing, ReplacesTheWholeFileAndLeavesNoTemporary)
{
    CTempFolder folder;
    const auto file = folder.Write("data.xml", "old content that is longer than the new one");
    ASSERT_TRUE(WriteFileReplacing(file, [](FILE* f) { return WriteText(f, "new"); }));
    EXPECT_EQ(ReadFileBytes(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WriteFileReplacing, CreatesAMissingFile)
{
    CTempFolder folder;
    ASSERT_TRUE(WriteFileReplacing(folder / "fresh.xml", [](FILE* f) { return WriteText(f, "x"); }));
    EXPECT_EQ(ReadFileBytes(folder / "fresh.xml"), "x");
}

TEST(WriteFileReplacing, AFailedWriteKeepsTheOldFile)
{
    CTempFolder folder;
    const auto file = folder.Write("data.xml", "old");
    EXPECT_FALSE(WriteFileReplacing(file, [](FILE* f) { WriteText(f, "half"); return false; }));
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_FALSE(std::filesystem::exists(folder / "data.xml.tmp"));
}

TEST(WriteFileReplacing, FailsInAMissingFolder)
{
    CTempFolder folder;
    EXPECT_FALSE(WriteFileReplacing(folder / "no" / "data.xml", [](FILE* f) { return WriteText(f, "x"); }));
}

}  // namespace
