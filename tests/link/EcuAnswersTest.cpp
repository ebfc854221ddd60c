#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "EcuAnswers.h"
#include "EcuTestBytes.h"

namespace {

struct LIST_CASE {
    const char* name;
    EcuListLayout layout;
    Bytes answer;
    Lists expected;
};

class EcuListAnswerTest : public ::testing::TestWithParam<LIST_CASE> {};

TEST_P(EcuListAnswerTest, Decodes)
{
    EXPECT_EQ(Plain(DecodeListAnswer(GetParam().answer, GetParam().layout)), GetParam().expected);
}

const EcuListLayout kShort = EcuListLayout::kShort;
const EcuListLayout kFirstStop = EcuListLayout::kShortFirstStop;
const EcuListLayout kLong = EcuListLayout::kLong;

INSTANTIATE_TEST_SUITE_P(
    Layouts, EcuListAnswerTest,
    ::testing::Values(
        LIST_CASE{"ShortTwoEntries", kShort, {0, 2, 1, 0x55, 2, 0x01, 0x8A}, {{{0x55}, {0x01, 0x8A}}}},
        LIST_CASE{"ShortZeroLengthEnds", kShort, {0, 3, 1, 0x55, 0, 1, 0x66}, {{{0x55}}}},
        LIST_CASE{"ShortNothing", kShort, {0, 0}, {}},
        LIST_CASE{"FirstStopAloneZeroEnds", kFirstStop, {0, 1, 0}, {}},
        LIST_CASE{"FirstStopZeroAmongOthersIsAnEntry", kFirstStop, {0, 2, 0, 1, 0x66}, {{{}, {0x66}}}},
        LIST_CASE{"LongEscapedLength", kLong, {0, 1, 0xFF, 0x00, 0x02, 0xAB, 0xCD}, {{{0xAB, 0xCD}}}},
        LIST_CASE{"LongPlainFF", kFirstStop, {0, 1, 0xFF}, {}},
        LIST_CASE{"CountBeyondTheBytes", kShort, {0, 200, 1, 0x11}, {{{0x11}}}},
        LIST_CASE{"EntryRunningPastTheEnd", kLong, {0, 2, 1, 0x11, 0xFF, 0x7F, 0xFF, 1}, {{{0x11}}}},
        LIST_CASE{"EscapeCutShort", kLong, {0, 1, 0xFF, 0x00}, {}},
        LIST_CASE{"NoCount", kShort, {0}, {}}),
    [](const ::testing::TestParamInfo<LIST_CASE>& testCase) { return std::string(testCase.param.name); });

TEST(EcuGroupedAnswerTest, OneListPerGroupWithEntries)
{
    const Bytes answer = {0, 3, 2, 1, 0x41, 2, 0x42, 0x43, 0, 1, 0, 0xFF, 0x00, 0x01, 0x44};
    // The second group is empty, the third ends at once at a zero length: neither gives a list.
    EXPECT_EQ(Plain(DecodeGroupedLongAnswer(answer)), (Lists{{{0x41}, {0x42, 0x43}}}));
    const Bytes three = {0, 3, 2, 1, 0x41, 2, 0x42, 0x43, 1, 0, 1, 0xFF, 0x00, 0x01, 0x44};
    EXPECT_EQ(Plain(DecodeGroupedLongAnswer(three)), (Lists{{{0x41}, {0x42, 0x43}}, {{0x44}}}));
    EXPECT_EQ(Plain(DecodeGroupedLongAnswer(Bytes{0, 255, 255})), Lists{});
}

TEST(EcuBatchAnswerTest, WalksOnePartPerRecord)
{
    const std::vector<BatchRecord> records = {{1, 0}, {2, 0}, {1, 0}, {2, 1}};
    const Bytes answer = {0x99,
                          0x00,                           // status
                          0x77, 2, 1, 0x55, 1, 0x8F,      // byte not interpreted, Short first stop
                          0x00,                           // status
                          2, 2, 0, 1, 0x61, 1, 1, 0x62};  // groups: a zero length is skipped
    EXPECT_EQ(Plain(WalkBatchAnswer(answer, records)), (Lists{{{0x55}, {0x8F}}, {{0x61}}, {{0x62}}}));
}

TEST(EcuBatchAnswerTest, ErrorStatusEndsTheWalkWithWhatWasGathered)
{
    const std::vector<BatchRecord> records = {{2, 0}, {1, 0}, {2, 0}};
    const Bytes answer = {0, 0x77, 1, 1, 0x55, 0xF6, 0x77, 1, 1, 0x66};
    EXPECT_EQ(Plain(WalkBatchAnswer(answer, records)), (Lists{{{0x55}}}));
}

TEST(EcuBatchAnswerTest, OneListOfOneEmptyEntryIsEmptied)
{
    const std::vector<BatchRecord> records = {{2, 0}};
    EXPECT_EQ(Plain(WalkBatchAnswer(Bytes{0, 0x77, 2, 0}, records)), Lists{});
    EXPECT_EQ(Plain(WalkBatchAnswer(Bytes{0, 0x77, 2, 0, 1, 0x10}, records)), (Lists{{{}, {0x10}}}));
}

TEST(EcuBatchAnswerTest, ShortAnswerEndsTheWalk)
{
    EXPECT_EQ(Plain(WalkBatchAnswer(Bytes{0}, {{1, 0}, {2, 1}, {2, 0}})), Lists{});
    EXPECT_EQ(Plain(WalkBatchAnswer(Bytes{}, {{2, 1}})), Lists{});
}

struct RATE_CASE {
    float rate;
    std::array<uint8_t, 3> encoded;
};

class EcuRateTest : public ::testing::TestWithParam<RATE_CASE> {};

TEST_P(EcuRateTest, Encodes)
{
    EXPECT_EQ(EncodeRate(GetParam().rate), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, EcuRateTest,
    ::testing::Values(RATE_CASE{10400.0f, {0x28, 0xA0, 0x00}}, RATE_CASE{9600.0f, {0x25, 0x80, 0x00}},
                      RATE_CASE{5.0f, {0xC3, 0x50, 0xFC}}, RATE_CASE{500000.0f, {0xC3, 0x50, 0x01}},
                      RATE_CASE{0.0f, {0, 0, 0}}, RATE_CASE{-9600.0f, {0, 0, 0}},
                      RATE_CASE{std::numeric_limits<float>::infinity(), {0, 0, 0}},
                      RATE_CASE{std::numeric_limits<float>::quiet_NaN(), {0, 0, 0}}));

}  // namespace
