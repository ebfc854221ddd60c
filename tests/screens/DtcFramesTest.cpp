#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "DtcFrames.h"

namespace {

using Bytes = std::string;

Bytes Key6(const Bytes& six) { return six; }

class DtcFramesTest : public ::testing::Test {
protected:
    // A request: option byte, code count, title, then the entries' bytes as they stand.
    void Request(uint8_t option, uint16_t count, const std::string& title, const Bytes& entries)
    {
        Bytes bytes = {0, 0, 10, static_cast<char>(option), static_cast<char>(count >> 8), static_cast<char>(count)};
        bytes += title + '\0' + entries;
        std::memcpy(memory.data(), bytes.data(), bytes.size());
    }
    DTC_REQUEST Parse() const { return ParseDtcRequest(block); }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(DtcFramesTest, FreeTextEntriesAreThreeTextsEach)
{
    Request(kDtcFreeTextOption, 2, "Engine", Bytes("P0100\0Air flow\0\0P0200\0Injector\0stored\0", 37));
    const DTC_REQUEST request = Parse();
    ASSERT_TRUE(request.freeText);
    EXPECT_EQ(request.title, "Engine");
    ASSERT_EQ(request.texts.size(), 2u);
    EXPECT_EQ(request.texts[0].code, "P0100");
    EXPECT_EQ(request.texts[0].status, "");
    EXPECT_EQ(request.texts[1].description, "Injector");
    EXPECT_EQ(request.texts[1].status, "stored");
    EXPECT_TRUE(AnyStatusText(request.texts));
    EXPECT_FALSE(AnyStatusText({request.texts[0]}));
}

struct DisplayCodeCase {
    const char* name;
    Bytes afterStatus;       // what follows the first entry's status text
    std::string displayCode; // of the first entry
    size_t entries;          // entries read of a count of 2
};

void PrintTo(const DisplayCodeCase& c, std::ostream* out) { *out << c.name; }

class DtcDisplayCodeTest : public DtcFramesTest, public ::testing::WithParamInterface<DisplayCodeCase> {};

// A text after the status is a display code only when it looks like one; otherwise its bytes are
// the next entry's key.
TEST_P(DtcDisplayCodeTest, IsTakenOnlyWhenItLooksLikeACode)
{
    const DisplayCodeCase& c = GetParam();
    Request(0, 2, "", Key6(Bytes("\x01\x02\x03\x04\x05\x06", 6)) + Bytes("on\0", 3) + c.afterStatus);
    const DTC_REQUEST request = Parse();
    ASSERT_FALSE(request.freeText);
    ASSERT_EQ(request.keys.size(), c.entries);
    EXPECT_EQ(request.keys[0].status, "on");
    EXPECT_EQ(request.keys[0].displayCode, c.displayCode);
    EXPECT_TRUE(request.statusColumn);
}

INSTANTIATE_TEST_SUITE_P(Cases, DtcDisplayCodeTest, ::testing::Values(
    DisplayCodeCase{"Powertrain", Bytes("P0300\0" "ABCDEF\0", 14), "P0300", 2},
    DisplayCodeCase{"Network", Bytes("U0100\0" "ABCDEF\0", 14), "U0100", 2},
    DisplayCodeCase{"SaePrefixDropped", Bytes("SAE:P1234\0" "ABCDEF\0", 18), "P1234", 2},
    DisplayCodeCase{"OtherLetterIsTheNextKey", Bytes("ABCDEF\0", 7), "", 2},
    DisplayCodeCase{"SWithoutPrefixIsTheNextKey", Bytes("SABCDE\0", 7), "", 2}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(DtcFramesTest, NextKeyAfterAnOtherLetterIsReadWhole)
{
    Request(0, 2, "T", Bytes("\x01\x02\x03\x04\x05\x06\0ABCDEFst\0", 16));
    const DTC_REQUEST request = Parse();
    ASSERT_EQ(request.keys.size(), 2u);
    EXPECT_EQ(Bytes(request.keys[1].key.begin(), request.keys[1].key.end()), "ABCDEF");
    EXPECT_EQ(request.keys[1].status, "st");
    EXPECT_FALSE(request.wideKeys);
}

TEST_F(DtcFramesTest, WideKeysFollowTheMarkerAndTheFolder)
{
    const Bytes literal = Bytes("\xFF\xFF\xFF\xFF\xFF\xFE", 6) + Bytes("X1\0SAE:3FFE4123\0", 16);
    Request(0, 3, "T",
            Bytes("\xFE\x00" "sub\0", 6) + Bytes("AAAAAABBBBBB\0", 13) + literal + Bytes("CCCCCCDDDDDDlate\0", 17));
    const DTC_REQUEST request = Parse();
    ASSERT_TRUE(request.wideKeys);
    EXPECT_EQ(request.databaseFolder, "sub");
    ASSERT_EQ(request.keys.size(), 3u);
    EXPECT_EQ(Bytes(request.keys[0].key.begin(), request.keys[0].key.end()), "AAAAAABBBBBB");
    EXPECT_TRUE(request.keys[1].literal);
    EXPECT_EQ(request.keys[1].literalCode, "X1");
    EXPECT_EQ(request.keys[1].displayCode, "3FFE4123");
    EXPECT_EQ(request.keys[2].status, "late");
    EXPECT_FALSE(request.statusColumn) << "the scan for a status stops at the first literal entry";
}

TEST_F(DtcFramesTest, CountsAreCutToWhatTheCounterAndTheFrameAreaHold)
{
    Bytes entries;
    for (int i = 0; i < 300; ++i)
        entries += Bytes("C\0D\0\0", 5);
    Request(kDtcFreeTextOption, 300, "", entries);
    EXPECT_EQ(Parse().texts.size(), kMaxDtcEntries);

    // Keys without terminators up to the mailbox: no key is read across it.
    std::fill(memory.begin(), memory.end(), 0x41);
    memory[0] = memory[1] = 0;
    memory[3] = 0;
    memory[4] = 0xFF;
    memory[5] = 0xFF;
    memory[6] = 0;
    const DTC_REQUEST request = Parse();
    EXPECT_LE(request.keys.size(), 1u);
}

TEST_F(DtcFramesTest, AnswersCarryTheKeyAndTheClickedRow)
{
    memory[2] = 10;
    WriteDtcAnswer(block, 11);
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + 5), Bytes("\x00\x05\x0A\x00\x0B", 5));
    WriteDtcClickAnswer(block, 0x0102);
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + 8), Bytes("\x00\x05\x0A\x00\xFF\x00\x01\x02", 8));
}

TEST(DtcTexts, KeysCodesAndLongDescriptions)
{
    const std::vector<uint8_t> key = {0x00, 0x1A, 0x00, 0x00, 0xAB, 0x0C};
    EXPECT_EQ(DtcKeyHex(key), "001a0000ab0c");
    EXPECT_EQ(DtcShortCode(key), "AB0C");
    EXPECT_EQ(CutDtcText(std::wstring(150, L'x')), std::wstring(150, L'x'));
    EXPECT_EQ(CutDtcText(std::wstring(200, L'x')), std::wstring(147, L'x') + L"...");
    EXPECT_EQ(CutDtcText(std::wstring(151, L'x')).size(), 150u);
}

TEST(DtcTexts, MarkedCodesTakeTheirSystemLetter)
{
    EXPECT_EQ(ExpandMarkedDtcCode("3FFE0133"), "P0133");
    EXPECT_EQ(ExpandMarkedDtcCode("3FFE4123"), "C4123");
    EXPECT_EQ(ExpandMarkedDtcCode("3FFE9001"), "B9001");
    EXPECT_EQ(ExpandMarkedDtcCode("3FFEC155"), "UC155");
    EXPECT_EQ(ExpandMarkedDtcCode("3FFEZZ"), "3FFEZZ");
    EXPECT_EQ(ExpandMarkedDtcCode("P0300"), "P0300");
}

}  // namespace
