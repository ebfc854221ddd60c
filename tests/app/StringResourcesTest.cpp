#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcessValues.h"
#include "ShellTextIds.h"
#include "StringFile.h"
#include "StringFileBytes.h"
#include "StringResources.h"
#include "TempFolder.h"
#include "TextTables.h"

namespace {

using Records = std::vector<TAG_STRING_RESOURCE_ITEM>;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A program folder below the temporary folder, set as the program sets it: a text ending in a
// backslash. Natively (case-sensitive names) files are written with the case the loader asks for:
// "STRRES.<code>" as the code is given, "STRRES.en" for the fallback.
class StringResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResFreeStrings();
        ResSetAppDir((folder / "app").wstring() + L"\\");
        ResSetLanguageCode(L"DE");
    }
    void TearDown() override
    {
        ResFreeStrings();
        ResSetAppDir(L"");
        ResSetLanguageCode(L"");
    }

    std::filesystem::path StringFolder() const { return folder / "app" / "SysString"; }

    void WriteStrings(const char* name, const Records& records) const
    {
        std::filesystem::create_directories(StringFolder());
        ASSERT_TRUE(WriteStringFile(StringFolder() / name, records));
    }

    void WriteBytes(const char* name, const std::string& bytes) const
    {
        folder.Write(std::filesystem::path("app") / "SysString" / name, bytes);
    }

    CTempFolder folder;
};

struct LookupCase {
    uint32_t id;
    const wchar_t* expected;
    const char* why;
};

void PrintTo(const LookupCase& c, std::ostream* out) { *out << std::hex << c.id << " " << c.why; }

class StringLookupTest : public StringResourcesTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(StringLookupTest, TakesTheFileFirstThenTheBuiltInTable)
{
    WriteStrings("STRRES.DE", {{0x10000002, L"Ja"},
                               {0x20000001, L"erste"},
                               {0x20000001, L"zweite"},
                               {0x10000001, L""},
                               {0x10000401, L"Kein Verzeichnis.\nBitte melden."}});
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetString(GetParam().id), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StringLookupTest, ::testing::Values(
    LookupCase{0x10000002, L"Ja", "file before built-in"},
    LookupCase{0x20000001, L"erste", "first of two in the file"},
    LookupCase{0x10000001, L"", "an empty text in the file still wins; the caller shows its literal"},
    LookupCase{0x10000401, L"Kein Verzeichnis.\nBitte melden.", "line feed kept"},
    LookupCase{0x10000003, L"No", "not in the file: built-in"},
    LookupCase{0x1000000B, L"Page  Down", "built-in as the system spells it"},
    LookupCase{0x10080040, L"", "in neither"}));

// The shell's own notices keep ids apart from the system's: a string file whose system texts fill
// the numbers next to the printer prompts leaves the notices as they are.
constexpr const wchar_t* kBusyEnglish = L"Printing is busy with another job.\r\nPlease print again when it has finished.";
constexpr const wchar_t* kFailedEnglish = L"Printing failed! The report was not printed, please check the printer.";

class ShellTextLookupTest : public StringResourcesTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(ShellTextLookupTest, StaysApartFromTheSystemsTexts)
{
    WriteStrings("STRRES.DE", {{0x10000D14, L"Kundendaten"},
                               {0x10000D15, L"Fahrgestellnummer"},
                               {shell_text::kPrintingBusy, L"Drucker belegt"}});
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetString(GetParam().id), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShellTextLookupTest, ::testing::Values(
    LookupCase{shell_text::kPrintingBusy, L"Drucker belegt", "our notice from the file"},
    LookupCase{shell_text::kPrintFailed, kFailedEnglish, "our notice not in the file: built-in English"},
    LookupCase{0x10000D14, L"Kundendaten", "the system's text under its own number"},
    LookupCase{0x10000D15, L"Fahrgestellnummer", "the system's text under its own number"}));

TEST_F(StringResourcesTest, WithoutAnyFileTheShellsNoticesAreEnglish)
{
    EXPECT_EQ(ResLoadStringFile(), 0);
    EXPECT_EQ(ResGetString(shell_text::kPrintingBusy), kBusyEnglish);
    EXPECT_EQ(ResGetString(shell_text::kPrintFailed), kFailedEnglish);
}

TEST_F(StringResourcesTest, WithoutAnyFileTheBuiltInTextsServe)
{
    EXPECT_EQ(ResLoadStringFile(), 0);
    EXPECT_EQ(ResGetLanguageCode(), L"EN");
    EXPECT_EQ(ResGetString(0x10000002), L"Yes");
    EXPECT_EQ(ResGetString(0x10080040), L"");
}

TEST_F(StringResourcesTest, ALanguageWithoutItsFileFallsBackToEnglish)
{
    WriteStrings("STRRES.en", {{0x10000002, L"Yes (file)"}});
    EXPECT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetLanguageCode(), L"EN");
    EXPECT_EQ(ResGetString(0x10000002), L"Yes (file)");
}

TEST_F(StringResourcesTest, ALanguageWithItsFileKeepsItsCode)
{
    WriteStrings("STRRES.en", {{0x10000002, L"Yes (file)"}});
    WriteStrings("STRRES.DE", {{0x10000002, L"Ja"}});
    EXPECT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetLanguageCode(), L"DE");
    EXPECT_EQ(ResGetString(0x10000002), L"Ja");
}

class ForeignCodeTest : public StringResourcesTest, public ::testing::WithParamInterface<const wchar_t*> {};

// The code comes from the configuration. Were it used as it is, each of these would read a file
// outside the string folder (or none at all).
TEST_P(ForeignCodeTest, ACodeThatNamesAnotherPlaceIsALanguageWithoutAFile)
{
    std::filesystem::create_directories(StringFolder() / "STRRES.x");  // lets the climb resolve natively
    ASSERT_TRUE(WriteStringFile(folder / "outside", Records{{0x10000002, L"outside"}}));
    WriteStrings("STRRES.en", {{0x10000002, L"english"}});
    ResSetLanguageCode(GetParam());
    EXPECT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetString(0x10000002), L"english");
    EXPECT_EQ(ResGetLanguageCode(), L"EN");
}

INSTANTIATE_TEST_SUITE_P(Cases, ForeignCodeTest, ::testing::Values(
    L"x\\..\\..\\..\\outside", L"x/../../../outside", L""));

TEST_F(StringResourcesTest, EachLoadReplacesTheTextsOfTheLastOne)
{
    WriteStrings("STRRES.DE", {{0x10000002, L"Ja"}});
    ASSERT_EQ(ResLoadStringFile(), 1);
    std::filesystem::remove(StringFolder() / "STRRES.DE");
    EXPECT_EQ(ResLoadStringFile(), 0);
    EXPECT_EQ(ResGetString(0x10000002), L"Yes");
}

TEST_F(StringResourcesTest, FreeingForgetsTheLoadedTexts)
{
    WriteStrings("STRRES.DE", {{0x10000002, L"Ja"}});
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResFreeStrings(), 1);
    EXPECT_EQ(ResGetString(0x10000002), L"Yes");
}

struct BrokenFileCase {
    const char* name;
    std::string bytes;
    int loaded;
    const wchar_t* text1;  // text of id 1 afterwards
    const wchar_t* text2;  // text of id 2 afterwards
};

void PrintTo(const BrokenFileCase& c, std::ostream* out) { *out << c.name; }

class BrokenFileTest : public StringResourcesTest, public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenFileTest, KeepsWhatWasReadBeforeTheDamage)
{
    const BrokenFileCase& c = GetParam();
    WriteBytes("STRRES.DE", c.bytes);
    EXPECT_EQ(ResLoadStringFile(), c.loaded);
    EXPECT_EQ(ResGetLanguageCode(), L"DE") << "the file is there, so the language stays";
    EXPECT_EQ(ResGetString(1), c.text1);
    EXPECT_EQ(ResGetString(2), c.text2);
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenFileTest, ::testing::Values(
    BrokenFileCase{"empty file", "", 0, L"", L""},
    BrokenFileCase{"count cut off", "\x02\x00", 0, L"", L""},
    BrokenFileCase{"negative count", CountField(-5) + RecordBytes(1, u"one"), 1, L"", L""},
    BrokenFileCase{"cut inside the second record's header",
                   CountField(2) + RecordBytes(1, u"one") + RecordHeader(2, 4).substr(0, 3), 1, L"one", L""},
    BrokenFileCase{"cut inside the second record's text",
                   CountField(2) + RecordBytes(1, u"one") + RecordBytes(2, u"two").substr(0, 9), 1, L"one", L"t"},
    BrokenFileCase{"byteLen beyond the file", CountField(2) + RecordBytes(1, u"one") + RecordHeader(2, 0xFFFF),
                   1, L"one", L""}));

TEST_F(StringResourcesTest, EveryWrittenTextIsFoundUnderItsId)
{
    // Each built-in id gets a text of its own, so a lookup that fell through to the built-in table
    // would show; the extra ids carry every code unit through the substitution.
    Records records;
    for (const auto& entry : g_BuiltinTexts)
        records.push_back({entry.id, L"DE " + std::wstring(entry.text) + L" \u00E4\u00DF"});
    for (uint32_t first = 1; first <= 0xFFFF; first += 0x4000) {
        std::wstring text;
        for (uint32_t unit = first; unit < first + 0x4000 && unit <= 0xFFFF; ++unit)
            text.push_back(static_cast<wchar_t>(unit));
        records.push_back({0x30000000 + first, text});
    }
    WriteStrings("STRRES.DE", records);
    ASSERT_EQ(ResLoadStringFile(), 1);
    for (const auto& record : records)
        EXPECT_EQ(ResGetString(record.id), record.text) << std::hex << record.id;
}

struct TitleCase {
    const wchar_t* code;
    const wchar_t* expected;
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << "'" << Narrow(c.code) << "'"; }

class LanguageTitleTest : public StringResourcesTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(LanguageTitleTest, NamesTheLanguageInTheBuiltInTexts)
{
    EXPECT_EQ(ResGetLanguageTitle(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageTitleTest, ::testing::Values(
    TitleCase{L"se", L"23 Swedish"},
    TitleCase{L"SE", L"23 Swedish"},
    TitleCase{L"Ro", L"24 Romanian"},
    TitleCase{L"en", L"00 English"},
    TitleCase{L"ss", L"14 Spanish(South America)"},  // titled, though the language table has no slot
    TitleCase{L"su", L"21 Bosnian"},
    TitleCase{L"in", L"20Indonesian"},
    TitleCase{L"PE", L"X"},                          // in the language table, but without a title
    TitleCase{L"xx", L"X"},
    TitleCase{L"", L"X"},
    TitleCase{L"sE ", L"X"}));

TEST_F(StringResourcesTest, ALanguageTitleComesFromTheStringFileFirst)
{
    WriteStrings("STRRES.DE", {{0x10000317, L"23 Schwedisch"}});
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ResGetLanguageTitle(L"se"), L"23 Schwedisch");
}

struct CodePageCase {
    const wchar_t* code;
    int expected;
};

void PrintTo(const CodePageCase& c, std::ostream* out) { *out << "'" << Narrow(c.code) << "'"; }

class CodePageTest : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageTest, ComparesTheCodeExactly)
{
    EXPECT_EQ(ResGetLanguageCodePage(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodePageTest, ::testing::Values(
    CodePageCase{L"FR", 1252},
    CodePageCase{L"fr", 0},
    CodePageCase{L"EN", 936},
    CodePageCase{L"TW", 936},
    CodePageCase{L"IN", 936},
    CodePageCase{L"FI", 852},
    CodePageCase{L"RO", 852},
    CodePageCase{L"RU", 1251},
    CodePageCase{L"KR", 949},
    CodePageCase{L"JP", 932},
    CodePageCase{L"TH", 874},
    CodePageCase{L"VI", 1258},
    CodePageCase{L"SE", 1252},
    CodePageCase{L"SS", 0},  // titled, but not in the language table
    CodePageCase{L"", 0},
    CodePageCase{L"FR ", 0},
    CodePageCase{L"French", 0}));

}  // namespace
