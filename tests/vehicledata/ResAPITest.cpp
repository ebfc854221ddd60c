#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataResWriter.h"
#include "ResAPI.h"
#include "VehicleDataTest.h"

namespace {

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

class ResAPITest : public VehicleDataTest {
protected:
    std::wstring WidePath(const std::string& name) const { return folder.Path().wstring() + L"\\" + std::wstring(name.begin(), name.end()); }

    int Open(CResAPI& reader, const std::string& name) { return reader.OpenDatabase(WidePath(name).c_str()); }

    void WriteTexts(const std::string& name, const std::vector<TEXT_DB_ENTRY>& entries,
                    std::optional<uint32_t> count = std::nullopt)
    {
        Write(name, EncodeTextDatabase({}, entries, count));
    }
};

TEST_F(ResAPITest, OpeningTheSamePathTwiceLoadsTheIndexOnce)
{
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}});
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    EXPECT_EQ(reader.GetIndexLoadCount(), 1u);
    reader.Close();
    EXPECT_EQ(reader.GetCount(), -1);
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);  // closed: read again
    EXPECT_EQ(reader.GetIndexLoadCount(), 2u);
}

TEST_F(ResAPITest, APathWhoseOpenFailedIsTriedAgain)
{
    CResAPI reader;
    EXPECT_EQ(Open(reader, "TXT_EN.dat"), 0);
    EXPECT_EQ(Open(reader, "TXT_EN.dat"), 0);
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}});
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 1);
    EXPECT_EQ(text, L"a");
}

TEST_F(ResAPITest, AnotherPathReplacesTheOpenOne)
{
    WriteTexts("ONE_EN.dat", {{TextDbKey("A"), u"one"}});
    WriteTexts("TWO_EN.dat", {{TextDbKey("A"), u"two"}});
    CResAPI reader;
    ASSERT_EQ(Open(reader, "ONE_EN.dat"), 1);
    ASSERT_EQ(Open(reader, "TWO_EN.dat"), 1);
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 1);
    EXPECT_EQ(text, L"two");
    EXPECT_EQ(Open(reader, "NONE_EN.dat"), 0);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 0);
    EXPECT_EQ(reader.OpenDatabase(nullptr), 0);
}

struct CountCase {
    const char* name;
    uint32_t count;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << c.name; }

class ResAPICountTest : public ResAPITest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ResAPICountTest, RefusesACountTheFileCannotHold)
{
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}, {TextDbKey("B"), u"b"}}, GetParam().count);
    CResAPI reader;
    EXPECT_EQ(Open(reader, "TXT_EN.dat"), 0);
    EXPECT_FALSE(reader.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, ResAPICountTest, ::testing::Values(
    CountCase{"zero", 0},
    CountCase{"all ones", 0xFFFFFFFF},
    CountCase{"one more than the entries and texts hold", 6},
    CountCase{"18 x count wraps to a small number", 0x0E38E38F},
    CountCase{"largest signed", 0x7FFFFFFF}));

TEST_F(ResAPITest, ACountCoveringTextsReadsThemAsEntries)
{
    // Two entries and 4 text bytes: a count of 2 is what was written.
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}, {TextDbKey("B"), u"b"}}, 2);
    CResAPI reader;
    EXPECT_EQ(Open(reader, "TXT_EN.dat"), 1);
    EXPECT_EQ(reader.GetCount(), 2);
}

TEST_F(ResAPITest, AHeaderCutShortOrOfAnotherVersionIsRefused)
{
    Write("CUT_EN.dat", EncodeDrdbHeader({}).substr(0, 30));
    SetGlobalFloat1(3.25f);
    CResAPI reader;
    EXPECT_EQ(Open(reader, "CUT_EN.dat"), 0);
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}});
    SetGlobalFloat1(4.0f);
    EXPECT_EQ(Open(reader, "TXT_EN.dat"), 0);
}

// Lookups: every stored key, and keys around them.

std::vector<TEXT_DB_ENTRY> ManyEntries()
{
    std::vector<TEXT_DB_ENTRY> entries;
    for (int i = 0; i < 300; i += 3) {
        std::array<uint8_t, 6> key{static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i), 0xFF, 0, 0, static_cast<uint8_t>(i % 7)};
        entries.push_back({key, u"text " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10))});
    }
    return entries;
}

TEST_F(ResAPITest, FindsEveryStoredKeyAndNoOther)
{
    const auto entries = ManyEntries();
    WriteTexts("TXT_EN.dat", entries);
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    for (const TEXT_DB_ENTRY& entry : entries) {
        std::wstring text = L"stale";
        EXPECT_EQ(reader.GetDbTextW(entry.key, text), 1);
        EXPECT_EQ(text, Wide(entry.text));
        std::array<uint8_t, 6> before = entry.key;
        before[5] = static_cast<uint8_t>(before[5] - 1);
        EXPECT_EQ(reader.GetDbTextW(before, text), 0);
        EXPECT_TRUE(text.empty());
        std::array<uint8_t, 6> after = entry.key;
        after[5] = static_cast<uint8_t>(after[5] + 1);
        EXPECT_EQ(reader.GetDbTextW(after, text), 0);
    }
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(std::array<uint8_t, 6>{}, text), 0);  // before the first
    EXPECT_EQ(reader.GetDbTextW(std::array<uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, text), 0);
}

TEST_F(ResAPITest, OneEntry)
{
    WriteTexts("TXT_EN.dat", {{TextDbKey("M"), u"m"}});
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 0);  // below the only entry: hi steps below 0
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("Z"), text), 0);
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("M"), text), 1);
}

struct TextCase {
    const char* name;
    std::u16string stored;
    int found;
    std::u16string text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class ResAPITextTest : public ResAPITest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ResAPITextTest, ReadsWholeTextsUpTo2047Units)
{
    WriteTexts("TXT_EN.dat", {{TextDbKey("K"), GetParam().stored}});
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    std::wstring text = L"stale";
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("K"), text), GetParam().found);
    EXPECT_EQ(text, Wide(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, ResAPITextTest, ::testing::Values(
    TextCase{"4094 bytes", std::u16string(2047, u'x'), 1, std::u16string(2047, u'x')},
    TextCase{"4096 bytes", std::u16string(2048, u'x'), 0, u""},
    TextCase{"empty", u"", 0, u""},
    TextCase{"a zero unit ends the text", std::u16string(u"ab\0cd", 5), 1, u"ab"},
    TextCase{"beyond ASCII", u"Gr\u00FC\u00DFe \u4E2D", 1, u"Gr\u00FC\u00DFe \u4E2D"},
    TextCase{"a surrogate pair stays two units", u"\xD83D\xDE00", 1, u"\xD83D\xDE00"}));

TEST_F(ResAPITest, AnOddLengthDropsTheLoneByteAndOneByteIsNoText)
{
    std::string bytes = EncodeTextDatabase({}, {{TextDbKey("A"), u"ab"}, {TextDbKey("B"), u"cd"}});
    bytes[64 + 4] = 3;        // A: 3 bytes
    bytes[64 + 18 + 4] = 1;   // B: 1 byte
    Write("TXT_EN.dat", bytes);
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 1);
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("B"), text), 0);
}

TEST_F(ResAPITest, ATextPastTheEndIsNotFound)
{
    std::string bytes = EncodeTextDatabase({}, {{TextDbKey("A"), u"ab"}, {TextDbKey("B"), u"cd"}});
    bytes[64] = '\x7F';            // A: offset far past the end
    bytes[64 + 18 + 4] = '\x7F';   // B: length past the end
    Write("TXT_EN.dat", bytes);
    CResAPI reader;
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    std::wstring text;
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("A"), text), 0);
    EXPECT_EQ(reader.GetDbTextW(TextDbKey("B"), text), 0);
}

TEST_F(ResAPITest, ByIndex)
{
    WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"a"}, {TextDbKey("B"), u"b"}});
    CResAPI reader;
    std::wstring text = L"stale";
    EXPECT_EQ(reader.GetDbTextByIndex(-1, text), 1);  // even while closed
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(reader.GetDbTextByIndex(0, text), 0);
    ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    EXPECT_EQ(reader.GetDbTextByIndex(1, text), 1);
    EXPECT_EQ(text, L"b");
    EXPECT_EQ(reader.GetDbTextByIndex(-1, text), 1);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(reader.GetDbTextByIndex(2, text), 0);
    EXPECT_EQ(reader.GetDbTextByIndex(-2, text), 0);
    EXPECT_EQ(reader.GetDbTextByIndex(INT64_MAX, text), 0);
}

// Narrow texts by DBFORMAT.

class ResAPINarrowTest : public ResAPITest {
protected:
    void SetUp() override
    {
        ResAPITest::SetUp();
        WriteTexts("TXT_EN.dat", {{TextDbKey("A"), u"Gr\u00FC\u00DFe \xD83D\xDE00"}, {TextDbKey("B"), u"\xD83D"}});
        ASSERT_EQ(Open(reader, "TXT_EN.dat"), 1);
    }
    void TearDown() override
    {
        SetCodePageEncoder(m_previous);
        ResSetCodePage(0);
        ResAPITest::TearDown();
    }

    void RecordCodePages()
    {
        m_previous = SetCodePageEncoder([this](const std::wstring& text, unsigned codePage) -> std::optional<std::string> {
            codePages.push_back(codePage);
            return "cp:" + std::to_string(text.size());
        });
    }

    CResAPI reader;
    std::vector<unsigned> codePages;

private:
    CodePageEncoder m_previous;
};

TEST_F(ResAPINarrowTest, Utf8WhenDbFormatIs0)
{
    std::string text;
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("A"), text), 1);
    EXPECT_EQ(text, "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80");
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("B"), text), 1);
    EXPECT_EQ(text, "\xEF\xBF\xBD");  // a lone surrogate becomes the replacement character
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("C"), text), 0);
    EXPECT_TRUE(text.empty());
}

TEST_F(ResAPINarrowTest, TheLanguageCodePageWhenDbFormatIs1AndTheSystemOneOtherwise)
{
    RecordCodePages();
    ResSetCodePage(1251);
    std::string text;
    ResSetDbFormat(1);
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("A"), text), 1);
    EXPECT_EQ(text, "cp:" + std::to_string(Wide(u"Gr\u00FC\u00DFe \xD83D\xDE00").size()));
    ResSetDbFormat(7);
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("A"), text), 1);
    EXPECT_EQ(codePages, (std::vector<unsigned>{1251, 0}));
}

TEST_F(ResAPINarrowTest, NoTextWithoutACodePageConversion)
{
    const CodePageEncoder previous = SetCodePageEncoder({});
    ResSetDbFormat(1);
    std::string text = "stale";
    EXPECT_EQ(reader.GetDbTextA(TextDbKey("A"), text), 0);
    EXPECT_TRUE(text.empty());
    SetCodePageEncoder(previous);
}

}  // namespace
