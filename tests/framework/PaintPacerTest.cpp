#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PaintPacer.h"

namespace {

constexpr uint64_t kMs = 1000;

struct PACER_CASE {
    const char* name;
    std::vector<uint64_t> turns;  // when turns were served, in µs
    uint64_t now;
    bool holds;
    uint32_t holdLeftMs;
};

class PaintPacerTest : public ::testing::TestWithParam<PACER_CASE> {};

TEST_P(PaintPacerTest, HoldsPaintsWhileTurnsFollowClosely)
{
    const PACER_CASE& c = GetParam();
    CPaintPacer pacer;
    for (uint64_t turn : c.turns)
        pacer.NoteTurn(turn);
    EXPECT_EQ(pacer.HoldsPaints(c.now), c.holds);
    EXPECT_EQ(pacer.HoldLeftMs(c.now), c.holdLeftMs);
}

std::vector<uint64_t> EveryMsUpTo(uint64_t end)
{
    std::vector<uint64_t> turns;
    for (uint64_t t = 0; t <= end; t += kMs)
        turns.push_back(t);
    return turns;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaintPacerTest,
    ::testing::Values(PACER_CASE{"no_turn", {}, 5 * kMs, false, 0},
                      PACER_CASE{"just_after_a_turn", {10 * kMs}, 11 * kMs, true, 3},
                      PACER_CASE{"rounded_up_to_a_whole_ms", {10 * kMs}, 13 * kMs + 500, true, 1},
                      PACER_CASE{"program_quiet", {10 * kMs}, 14 * kMs, false, 0},
                      PACER_CASE{"turns_keep_coming", EveryMsUpTo(30 * kMs), 30 * kMs + 100, true, 4},
                      PACER_CASE{"longest_hold_ends_a_run_of_turns", EveryMsUpTo(39 * kMs), 40 * kMs, false, 0},
                      PACER_CASE{"hold_left_bounded_by_the_longest", EveryMsUpTo(38 * kMs), 38 * kMs + 200, true, 2},
                      PACER_CASE{"clock_behind_the_last_turn", {10 * kMs}, 9 * kMs, false, 0}),
    [](const ::testing::TestParamInfo<PACER_CASE>& param) { return std::string(param.param.name); });

TEST(PaintPacer, ATurnAfterAHoldEndedStartsANewOne)
{
    CPaintPacer pacer;
    for (uint64_t t = 0; t <= 40 * kMs; t += kMs)
        pacer.NoteTurn(t);
    EXPECT_FALSE(pacer.HoldsPaints(40 * kMs)) << "the screen gets its paint";
    pacer.NoteTurn(41 * kMs);
    EXPECT_TRUE(pacer.HoldsPaints(42 * kMs));
    EXPECT_EQ(pacer.HoldLeftMs(42 * kMs), 3u);
}

}  // namespace
