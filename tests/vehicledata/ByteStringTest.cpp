#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ByteString.h"

namespace {

ByteString Make(const std::string& bytes)
{
    return ByteString(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int>(bytes.size()));
}

std::string Contents(const ByteString& s)
{
    return s.GetData() ? std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.GetLength()))
                       : std::string();
}

struct EqualCase {
    const char* name;
    std::function<ByteString()> a;
    std::function<ByteString()> b;
    bool equal;
};

void PrintTo(const EqualCase& c, std::ostream* out) { *out << c.name; }

class ByteStringEqualTest : public ::testing::TestWithParam<EqualCase> {};

TEST_P(ByteStringEqualTest, ComparesBothWays)
{
    const ByteString a = GetParam().a();
    const ByteString b = GetParam().b();
    EXPECT_EQ(a.IsEqual(b), GetParam().equal);
    EXPECT_EQ(b.IsEqual(a), GetParam().equal);
}

const ByteString kShared = Make("abc");

INSTANTIATE_TEST_SUITE_P(Cases, ByteStringEqualTest, ::testing::Values(
    EqualCase{"two empty strings", [] { return ByteString(); }, [] { return ByteString(); }, true},
    EqualCase{"empty and zero length", [] { return ByteString(); }, [] { return Make(""); }, false},
    EqualCase{"two zero-length blocks", [] { return Make(""); }, [] { return Make(""); }, true},
    EqualCase{"a zero byte is data", [] { return Make("ab\0c"); }, [] { return Make(std::string("ab\0c", 4)); }, false},
    EqualCase{"same bytes with a zero", [] { return Make(std::string("a\0c", 3)); }, [] { return Make(std::string("a\0c", 3)); }, true},
    EqualCase{"one shared block", [] { return kShared; }, [] { return kShared; }, true},
    EqualCase{"prefix", [] { return Make("ab"); }, [] { return Make("abc"); }, false},
    EqualCase{"other bytes", [] { return Make("abd"); }, [] { return Make("abc"); }, false}));

TEST(ByteString, EmptyStringHasNoBlock)
{
    const ByteString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetLength(), 0);
    EXPECT_EQ(empty.GetCapacity(), -1);
    EXPECT_EQ(empty.GetData(), nullptr);
    const ByteString zero = Make("");
    EXPECT_TRUE(zero.IsEmpty());
    EXPECT_EQ(zero.GetCapacity(), 6);
    EXPECT_NE(zero.GetData(), nullptr);
}

TEST(ByteString, CapacityIsAtLeastSixAndGrowsToExactlyWhatIsAssigned)
{
    ByteString s;
    const uint8_t three[] = {1, 2, 3};
    EXPECT_EQ(s.Assign(three, 3), 3);
    EXPECT_EQ(s.GetCapacity(), 6);
    EXPECT_EQ(s.GetLength(), 3);
    const uint8_t ten[] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    EXPECT_EQ(s.Assign(ten, 10), 10);
    EXPECT_EQ(s.GetCapacity(), 10);
    EXPECT_EQ(std::memcmp(s.GetData(), ten, 10), 0);
    // Shorter contents reuse the storage, zero-filled behind them.
    EXPECT_EQ(s.Assign(three, 3), 3);
    EXPECT_EQ(s.GetCapacity(), 10);
    const uint8_t expected[10] = {1, 2, 3};
    EXPECT_EQ(std::memcmp(s.GetData(), expected, 10), 0);
}

TEST(ByteString, ChangingOneOfTwoSharersLeavesTheOtherAlone)
{
    ByteString a = Make("abc");
    ByteString b = a;
    EXPECT_EQ(a.GetData(), b.GetData());
    const uint8_t xy[] = {'x', 'y'};
    b.Assign(xy, 2);
    EXPECT_EQ(Contents(a), "abc");
    EXPECT_EQ(Contents(b), "xy");
    EXPECT_EQ(b.GetCapacity(), 6);  // the detached copy keeps the capacity
}

TEST(ByteString, AssignmentShares)
{
    ByteString a = Make("abc");
    ByteString b = Make("xyz");
    b = a;
    EXPECT_EQ(a.GetData(), b.GetData());
    const ByteString& same = b;
    b = same;
    EXPECT_EQ(Contents(b), "abc");
    b = ByteString();
    EXPECT_TRUE(b.IsEqual(ByteString()));
    EXPECT_EQ(Contents(a), "abc");
}

TEST(ByteString, AssignsItsOwnBytes)
{
    ByteString a = Make("abcdefgh");
    a.Assign(a.GetData() + 2, 4);
    EXPECT_EQ(Contents(a), "cdef");
}

TEST(ByteString, MovedFromStringIsEmpty)
{
    ByteString a = Make("abc");
    ByteString b = std::move(a);
    EXPECT_EQ(Contents(b), "abc");
    EXPECT_EQ(a.GetCapacity(), -1);  // NOLINT(bugprone-use-after-move): the moved-from state is defined
}

struct LengthCase {
    int length;
    bool kept;
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.length; }

class ByteStringLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ByteStringLengthTest, RefusesWhatSixteenBitsCannotCount)
{
    const std::vector<uint8_t> bytes(40000, 0x5A);
    const int length = GetParam().length;
    const ByteString made(bytes.data(), length);
    EXPECT_EQ(made.GetCapacity() != -1, GetParam().kept);
    if (GetParam().kept) {
        EXPECT_EQ(made.GetLength(), length);
    }

    ByteString assigned = Make("old");
    EXPECT_EQ(assigned.Assign(bytes.data(), length), GetParam().kept ? length : 0);
    EXPECT_EQ(assigned.GetLength(), GetParam().kept ? length : 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteStringLengthTest, ::testing::Values(
    LengthCase{0, true}, LengthCase{32767, true}, LengthCase{32768, false}, LengthCase{40000, false},
    LengthCase{-1, false}));

struct AtCase {
    const char* name;
    std::function<ByteString()> make;
    int index;
    uint8_t byte;
};

void PrintTo(const AtCase& c, std::ostream* out) { *out << c.name; }

class ByteStringAtTest : public ::testing::TestWithParam<AtCase> {};

TEST_P(ByteStringAtTest, GivesTheByteOrZeroOutsideTheString)
{
    const ByteString s = GetParam().make();
    const auto index = static_cast<uint16_t>(GetParam().index);
    EXPECT_EQ(s.GetAt(index), GetParam().byte);
    EXPECT_EQ(s[index], GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteStringAtTest, ::testing::Values(
    AtCase{"first", [] { return Make("abc"); }, 0, 'a'},
    AtCase{"last", [] { return Make("abc"); }, 2, 'c'},
    AtCase{"zero byte is data", [] { return Make(std::string("a\0c", 3)); }, 1, 0},
    AtCase{"high byte", [] { return Make("\xFF"); }, 0, 0xFF},
    AtCase{"at the length", [] { return Make("abc"); }, 3, 0},
    AtCase{"in the spare capacity", [] { return Make("abc"); }, 5, 0},
    AtCase{"far past the storage", [] { return Make("abc"); }, 40000, 0},
    AtCase{"highest index", [] { return Make("abc"); }, 65535, 0},
    AtCase{"empty string", [] { return ByteString(); }, 0, 0},
    AtCase{"block of length 0", [] { return Make(""); }, 0, 0},
    AtCase{"after shrinking", [] { ByteString s = Make("abcdefghij"); s.Assign(reinterpret_cast<const uint8_t*>("xy"), 2); return s; }, 2, 0},
    AtCase{"largest string, last byte", [] { return ByteString(std::vector<uint8_t>(32767, 7).data(), 32767); }, 32766, 7},
    AtCase{"largest string, past it", [] { return ByteString(std::vector<uint8_t>(32767, 7).data(), 32767); }, 32767, 0}));

struct CopyCase {
    const char* name;
    int start;
    int count;
    std::string copied;
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.name; }

class ByteStringCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(ByteStringCopyTest, CopiesUpToTheEnd)
{
    const ByteString s = Make("abcde");
    char buffer[8] = {};
    const int copied = s.CopyTo(reinterpret_cast<uint8_t*>(buffer), GetParam().start, GetParam().count);
    EXPECT_EQ(copied, static_cast<int>(GetParam().copied.size()));
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(copied)), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteStringCopyTest, ::testing::Values(
    CopyCase{"from the end", 5, 3, ""},
    CopyCase{"past the end", 9, -1, ""},
    CopyCase{"rest of the string", 2, -1, "cde"},
    CopyCase{"count past the end", 3, 10, "de"},
    CopyCase{"part", 1, 2, "bc"},
    CopyCase{"nothing", 1, 0, ""},
    CopyCase{"negative start counts as 0", -4, 2, "ab"}));

TEST(ByteString, CopyFromAnEmptyStringCopiesNothing)
{
    uint8_t buffer[4] = {};
    EXPECT_EQ(ByteString().CopyTo(buffer, 0, -1), 0);
}

TEST(ByteString, MoreThanSixteenBitsOfSharersKeepTheBlock)
{
    // A 16-bit count would wrap here and free the block while copies still use it.
    std::vector<ByteString> copies(70000, Make("kept"));
    copies.erase(copies.begin(), copies.begin() + 65536);
    EXPECT_EQ(Contents(copies.back()), "kept");
    copies.clear();
}

}  // namespace
