#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ByteSubstitution.h"

namespace {

TEST(ByteSubstitution, EveryByteComesBackAfterTheWritersSubstitution)
{
    std::vector<uint8_t> bytes(256);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i);
    std::vector<uint8_t> stored = bytes;
    ASSERT_TRUE(ResScrambleBytes(stored.data(), stored.size()));
    EXPECT_NE(stored, bytes) << "a file must not hold its texts as plain bytes";
    ASSERT_TRUE(ResDescrambleBytes(stored.data(), stored.size()));
    EXPECT_EQ(stored, bytes);
}

// The program's own table pairs every byte, so only a table with gaps or repeats shows what happens
// to a byte without a pair and which pair wins.
struct MapCase {
    const char* name;
    std::vector<BYTE_SUBSTITUTION_PAIR> pairs;
    std::string input;
    bool restored;
    std::string expected;
};

void PrintTo(const MapCase& c, std::ostream* out) { *out << c.name; }

class DescrambleTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(DescrambleTest, RestoresWholeTextsOrNothing)
{
    const MapCase& c = GetParam();
    std::string buffer = c.input;
    EXPECT_EQ(DescrambleBytesWith(c.pairs, reinterpret_cast<uint8_t*>(buffer.data()), buffer.size()), c.restored);
    EXPECT_EQ(buffer, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DescrambleTest, ::testing::Values(
    MapCase{"every byte paired", {{'a', 'x'}, {'b', 'y'}}, "xyx", true, "aba"},
    MapCase{"one byte without a pair leaves all", {{'a', 'x'}, {'b', 'y'}}, "xyz", false, "xyz"},
    MapCase{"the first pair of a stored byte wins", {{'a', 'x'}, {'b', 'x'}}, "x", true, "a"},
    MapCase{"a plain byte on the stored side does not count", {{'x', 'a'}}, "x", false, "x"},
    MapCase{"nothing to restore", {{'a', 'x'}}, "", true, ""},
    MapCase{"no pairs at all", {}, "x", false, "x"}));

class ScrambleTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(ScrambleTest, SubstitutesWholeTextsOrNothing)
{
    const MapCase& c = GetParam();
    std::string buffer = c.input;
    EXPECT_EQ(ScrambleBytesWith(c.pairs, reinterpret_cast<uint8_t*>(buffer.data()), buffer.size()), c.restored);
    EXPECT_EQ(buffer, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrambleTest, ::testing::Values(
    MapCase{"every byte paired", {{'a', 'x'}, {'b', 'y'}}, "aba", true, "xyx"},
    MapCase{"one byte without a pair leaves all", {{'a', 'x'}}, "ab", false, "ab"},
    MapCase{"the first pair of a plain byte wins", {{'a', 'x'}, {'a', 'y'}}, "a", true, "x"}));

}  // namespace
