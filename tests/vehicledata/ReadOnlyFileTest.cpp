#include <gtest/gtest.h>

#include <string>

#include "ReadOnlyFile.h"
#include "TempFolder.h"

namespace {

// A mapped file and the same file read through the system must give the same bytes everywhere,
// including at and past the end.

struct ReadCase {
    const char* name;
    uint64_t position;
    size_t count;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

const std::string kContent = "0123456789abcdef";

class ReadOnlyFileReadTest : public ::testing::TestWithParam<std::tuple<ReadCase, bool>> {};

TEST_P(ReadOnlyFileReadTest, ReadsTheSameBytesMappedOrNot)
{
    const auto& [c, mapped] = GetParam();
    CTempFolder folder;
    CReadOnlyFile file;
    ASSERT_TRUE(file.Open(folder.Write("data.bin", kContent)));
    if (mapped) {
        ASSERT_TRUE(file.Map());
    }
    std::string buffer(c.count + 4, '#');
    const size_t got = file.ReadAt(c.position, buffer.data(), c.count);
    EXPECT_EQ(buffer.substr(0, got), c.expected);
    EXPECT_EQ(buffer.substr(got), std::string(buffer.size() - got, '#'));  // nothing written beyond
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadOnlyFileReadTest, ::testing::Combine(::testing::Values(
    ReadCase{"start", 0, 4, "0123"},
    ReadCase{"middle", 5, 3, "567"},
    ReadCase{"up to the end", 12, 4, "cdef"},
    ReadCase{"cut at the end", 14, 10, "ef"},
    ReadCase{"at the end", 16, 1, ""},
    ReadCase{"past the end", 17, 1, ""},
    ReadCase{"far past the end", uint64_t{1} << 40, 1, ""},
    ReadCase{"nothing asked", 3, 0, ""}), ::testing::Bool()));

struct ViewCase {
    const char* name;
    uint64_t position;
    size_t count;
    const char* expected;  // null: no view
};

void PrintTo(const ViewCase& c, std::ostream* out) { *out << c.name; }

class ReadOnlyFileViewTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ReadOnlyFileViewTest, GivesBytesInPlaceOnlyWhenAllAreThere)
{
    const ViewCase& c = GetParam();
    CTempFolder folder;
    CReadOnlyFile file;
    ASSERT_TRUE(file.Open(folder.Write("data.bin", kContent)));
    EXPECT_EQ(file.View(0, 1), nullptr);  // not mapped yet
    ASSERT_TRUE(file.Map());
    const uint8_t* view = file.View(c.position, c.count);
    if (!c.expected) {
        EXPECT_EQ(view, nullptr);
        return;
    }
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(view), c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadOnlyFileViewTest, ::testing::Values(
    ViewCase{"start", 0, 3, "012"},
    ViewCase{"up to the end", 10, 6, "abcdef"},
    ViewCase{"one byte past the end", 10, 7, nullptr},
    ViewCase{"nothing at the end", 16, 0, ""},
    ViewCase{"past the end", 17, 0, nullptr},
    ViewCase{"a count that would wrap", 8, ~size_t{0}, nullptr},
    ViewCase{"a position that would wrap", ~uint64_t{0}, 2, nullptr}));

TEST(ReadOnlyFile, AnEmptyFileDoesNotMapAndReadsNothing)
{
    CTempFolder folder;
    CReadOnlyFile file;
    ASSERT_TRUE(file.Open(folder.Write("empty.bin", "")));
    EXPECT_FALSE(file.Map());
    EXPECT_FALSE(file.IsMapped());
    char byte = 0;
    EXPECT_EQ(file.ReadAt(0, &byte, 1), 0u);
}

TEST(ReadOnlyFile, ClosingEndsTheMappingAndAnotherOpenReadsTheNewFile)
{
    CTempFolder folder;
    CReadOnlyFile file;
    EXPECT_FALSE(file.Map());  // nothing open
    ASSERT_TRUE(file.Open(folder.Write("one.bin", "first")));
    ASSERT_TRUE(file.Map());
    ASSERT_TRUE(file.Open(folder.Write("two.bin", "second")));
    EXPECT_FALSE(file.IsMapped());
    EXPECT_EQ(file.View(0, 1), nullptr);
    char bytes[6] = {};
    EXPECT_EQ(file.ReadAt(0, bytes, sizeof bytes), 6u);
    EXPECT_EQ(std::string(bytes, 6), "second");
    file.Close();
    EXPECT_FALSE(file.IsMapped());
    EXPECT_EQ(file.ReadAt(0, bytes, 1), 0u);
}

}  // namespace
