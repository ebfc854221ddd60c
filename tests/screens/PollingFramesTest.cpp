// The requests and answers of the two screens the diagnostic program polls: the quick test
// (command 100) and the status list (command 120).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"
#include "ShortTestFrames.h"
#include "StatusListFrames.h"

namespace {

std::string BE16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Texts(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const std::string& text : texts)
        bytes += text + '\0';
    return bytes;
}

class PollingFramesTest : public ::testing::Test {
protected:
    void Request(uint8_t command, const std::string& payload)
    {
        const std::string bytes = std::string{0, 0, static_cast<char>(command), 0} + payload;
        std::memcpy(memory.data(), bytes.data(), bytes.size());
    }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

struct ModeCase {
    const char* name;
    std::string afterTitle;  // the bytes between the title and the first item
    int mode;
    const char* firstItem;
};

class ShortTestModeTest : public PollingFramesTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ShortTestModeTest, TheWordAfterTheTitleIsAModeOnlyWhenItIsOneOrTwo)
{
    const ModeCase& c = GetParam();
    Request(100, BE16(2) + Texts({"Quick"}) + c.afterTitle + Texts({"Coolant", "OK", "Oil", "Low"}));
    const SHORT_TEST_REQUEST request = ParseShortTestRequest(block);
    EXPECT_EQ(request.title, "Quick");
    EXPECT_EQ(request.mode, c.mode);
    ASSERT_EQ(request.rows.size(), 2u);
    EXPECT_EQ(request.rows[0].item, c.firstItem);
}

INSTANTIATE_TEST_SUITE_P(Words, ShortTestModeTest, ::testing::Values(
    ModeCase{"toggle_shown", BE16(1), 1, "Coolant"},
    ModeCase{"toggle_disabled", BE16(2), 2, "Coolant"},
    ModeCase{"no_mode_word", "", 0, "Coolant"},
    ModeCase{"three_is_an_item", std::string("\x00\x03", 2), 0, ""}),
    [](const ::testing::TestParamInfo<ModeCase>& param) { return std::string(param.param.name); });

TEST_F(PollingFramesTest, AShortTestAnswerCarriesTheRowOnlyForAClick)
{
    Request(100, BE16(0));
    WriteShortTestAnswer(block, short_test::kNothing, 9);
    EXPECT_EQ(Bytes(0, 5), std::string("\x00\x05\x64\x00\xFF", 5));
    WriteShortTestAnswer(block, short_test::kRowClicked, 4);
    EXPECT_EQ(Bytes(0, 7), std::string("\x00\x07\x64\x00\x0D\x00\x04", 7));
}

// The key's caption always names what the next press does: a running test offers "Stop", a held
// one "Activate"; the codes reported are the ones the diagnostic program knows.
TEST(ShortTestToggleTest, TheCaptionNamesTheNextPress)
{
    struct PRESS_CASE {
        bool running;
        uint8_t action;
        bool runningAfter;
        uint32_t captionAfter;
    };
    for (const PRESS_CASE& c : {PRESS_CASE{true, short_test::kToggledOff, false, kShortTestActivateCaption},
                                PRESS_CASE{false, short_test::kToggledOn, true, kShortTestStopCaption}}) {
        const SHORT_TEST_TOGGLE press = PressShortTestToggle(c.running);
        EXPECT_EQ(press.action, c.action) << c.running;
        EXPECT_EQ(press.running, c.runningAfter) << c.running;
        EXPECT_EQ(press.captionId, c.captionAfter) << c.running;
        EXPECT_EQ(ShortTestToggleCaption(c.running), PressShortTestToggle(!c.running).captionId)
            << "a press leads to the caption of the state it left";
    }
}

TEST_F(PollingFramesTest, AShortTestClaimingMoreRowsThanTheBlockHoldsStopsAtTheFrameArea)
{
    Request(100, BE16(0xFFFF) + Texts({""}));
    std::memset(memory.data() + 7, 'A', exchange::kMailboxOffset - 7);
    const SHORT_TEST_REQUEST request = ParseShortTestRequest(block);
    EXPECT_LE(request.rows.size(), kMaxShortTestRows);
    EXPECT_EQ(request.count, 0xFFFF);
}

std::string StatusRequest(uint16_t keys, uint16_t layout, const std::string& rest)
{
    return BE16(keys) + BE16(layout) + Texts({"Tests", "main", "edit", "left", "right"}) + rest;
}

TEST_F(PollingFramesTest, AStatusListWithKeysAndATablePage)
{
    const std::string keys = Texts({"Start"}) + '\x04' + Texts({"Stop"}) + '\x00';
    const std::string table = std::string("\x01", 1) + BE16(2) + BE16(25) + BE16(10) +
                              Texts({"Speed", "rpm", "800", "Load", "%", "12"});
    Request(120, StatusRequest(2, 5, keys + table));
    const STATUS_LIST_REQUEST request = ParseStatusListRequest(block);
    ASSERT_TRUE(request.drawable);
    EXPECT_EQ(request.title, "Tests");
    EXPECT_EQ(request.texts[3], "right");
    ASSERT_EQ(request.keys.size(), 2u);
    EXPECT_TRUE(request.keys[0].enabled) << "bit 2 enables";
    EXPECT_FALSE(request.keys[1].enabled);
    ASSERT_TRUE(request.hasTable);
    EXPECT_EQ(request.totalRows, 25);
    EXPECT_EQ(request.firstRow, 10);
    ASSERT_EQ(request.rows.size(), 2u);
    EXPECT_EQ(request.rows[1].name, "Load");
    EXPECT_EQ(request.rows[1].unit, "%") << "the unit comes before the value";
    EXPECT_EQ(request.rows[1].value, "12");
}

struct StatusCase {
    const char* name;
    uint16_t keys;
    uint16_t layout;
    std::string rest;
    bool drawable;
    bool table;
};

class StatusListShapeTest : public PollingFramesTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusListShapeTest, WhatIsDrawn)
{
    const StatusCase& c = GetParam();
    Request(120, StatusRequest(c.keys, c.layout, c.rest));
    const STATUS_LIST_REQUEST request = ParseStatusListRequest(block);
    EXPECT_EQ(request.drawable, c.drawable);
    EXPECT_EQ(request.hasTable, c.table);
}

INSTANTIATE_TEST_SUITE_P(Shapes, StatusListShapeTest, ::testing::Values(
    StatusCase{"five_keys", 5, 5, "", false, false},
    StatusCase{"layout_zero", 0, 0, "", false, false},
    StatusCase{"unknown_layout", 0, 4, "", false, false},
    StatusCase{"text_only_layout_has_no_table", 0, 8, std::string("\x01\x00\x01\x00\x01\x00\x00", 7), true, false},
    StatusCase{"no_table_marker", 0, 3, std::string("\x00", 1), true, false},
    StatusCase{"eleven_rows_are_no_table", 0, 3, std::string("\x01", 1) + BE16(11) + BE16(11) + BE16(0), true, false},
    StatusCase{"an_empty_page", 0, 3, std::string("\x01", 1) + BE16(0) + BE16(0) + BE16(0), true, true}),
    [](const ::testing::TestParamInfo<StatusCase>& param) { return std::string(param.param.name); });

TEST_F(PollingFramesTest, AStatusListAnswerIsNineBytes)
{
    Request(120, BE16(5));
    WriteStatusListAnswer(block, status_list::kPageDown, 10, 10);
    EXPECT_EQ(Bytes(0, 9), std::string("\x00\x09\x78\x00\x0E\x00\x0A\x00\x0A", 9));
}

}  // namespace
