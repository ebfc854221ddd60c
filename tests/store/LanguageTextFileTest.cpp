#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ConfigStore.h"
#include "DescriptionText.h"
#include "LanguageTextFile.h"
#include "ProcessValues.h"
#include "ScopedWin.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

// "Grüße, 汽车 — 2 °C" in UTF-8.
const char* const kUtf8Line = "Gr\xC3\xBC\xC3\x9F" "e, \xE6\xB1\xBD\xE8\xBD\xA6 \xE2\x80\x94 2 \xC2\xB0" "C";
const wchar_t* const kWideLine = L"Gr\u00FC\u00DFe, \u6C7D\u8F66 \u2014 2 \u00B0C";

// The text as a UTF-16 little-endian file: the mark, then the units.
std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

struct TextCase {
    const char* name;
    const char* curmode;     // null: no LANGUAGE element in "Config.xml"
    const char* file;        // relative to the software folder; null: none written
    std::string bytes;
    std::wstring expected;
    std::wstring versionLine;  // the first line, which the lists show and the store compares
    int dbFormat = 0;
    bool locked = false;  // the file is held open by another without sharing
};

class LanguageTextFileTest : public ::testing::TestWithParam<TextCase> {
protected:
    void TearDown() override
    {
        ResSetDbFormat(0);
        ResSetCodePage(m_codePage);
    }
    const int m_codePage = ResGetCodePage();
};

TEST_P(LanguageTextFileTest, ReadsTheCurrentLanguagesFile)
{
    CTempFolder root;
    ResSetDbFormat(GetParam().dbFormat);
    ResSetCodePage(1252);
    std::string config = "<?xml version=\"1.0\" ?>\n<CONFIG>\n<COMMON>\n";
    if (GetParam().curmode)
        config += std::string("  <LANGUAGE CURMODE=\"") + GetParam().curmode + "\" />\n";
    config += "</COMMON>\n</CONFIG>\n";
    ASSERT_TRUE(LoadConfigDocument(root.Write("Config.xml", config).c_str()));
    CScopedHandle holder;
    if (GetParam().file) {
        const fs::path written = root.Write(fs::path("Scan") / "Vantor" / GetParam().file, GetParam().bytes);
        if (GetParam().locked)
            holder.Reset(CreateFileW(written.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_EQ(GetParam().locked, holder.Get() != nullptr);
    }

    const std::wstring folder = (root / "Scan" / "Vantor").wstring() + L"\\";
    const std::wstring text = LoadLanguageTextFile(folder);
    EXPECT_EQ(text, GetParam().expected);
    EXPECT_EQ(DescriptionFirstLine(text), GetParam().versionLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageTextFileTest, ::testing::Values(
    TextCase{"NonAsciiText", "DE", "DE\\DE.txt", kUtf8Line + std::string("\r\nmore"), kWideLine + std::wstring(L"\r\nmore"), kWideLine},
    TextCase{"EnglishWhenUnset", nullptr, "EN\\EN.txt", "Engine software", L"Engine software", L"Engine software"},
    TextCase{"EnglishWhenEmpty", "", "EN\\EN.txt", "Engine software", L"Engine software", L"Engine software"},
    TextCase{"ByteOrderMarkDropped", "CN", "CN\\CN.txt", std::string("\xEF\xBB\xBF") + kUtf8Line, kWideLine, kWideLine},
    TextCase{"EmptyFile", "EN", "EN\\EN.txt", "", L"", L""},
    TextCase{"MissingFile", "FR", "EN\\EN.txt", "Engine software", L"", L""},
    TextCase{"OtherLanguageOnly", "EN", "DE\\DE.txt", kUtf8Line, L"", L""},
    TextCase{"LanguageLeavingTheFolder", "..\\..", "..\\...txt", "outside", L"", L""},
    // UTF-16 after its mark and narrow text alike, however the first line ends.
    TextCase{"Utf16WithMark", "EN", "EN\\EN.txt", Utf16File(L"V1.00\r\n\u6C7D\u8F66"), L"V1.00\r\n\u6C7D\u8F66", L"V1.00"},
    TextCase{"CrLf", "EN", "EN\\EN.txt", "V1.00\r\nAbout\r\n", L"V1.00\r\nAbout\r\n", L"V1.00"},
    TextCase{"LfOnly", "EN", "EN\\EN.txt", "V1.00\nAbout\n", L"V1.00\nAbout\n", L"V1.00"},
    TextCase{"NoLineFeed", "EN", "EN\\EN.txt", "V1.00", L"V1.00", L"V1.00"},
    TextCase{"CodePageWhenDbFormatIsOne", "DE", "DE\\DE.txt", "Gr\xFC\xDF" "e\r\n", L"Gr\u00FC\u00DFe\r\n", L"Gr\u00FC\u00DFe", 1},
    TextCase{"InvalidUtf8", "EN", "EN\\EN.txt", "V1\xFF\r\n", L"", L""},
    // Bad files: an empty text or what the file holds, never more.
    TextCase{"SingleByte", "EN", "EN\\EN.txt", "V", L"V", L"V"},
    TextCase{"SingleMarkByte", "EN", "EN\\EN.txt", "\xFF", L"", L""},
    TextCase{"MarkOnly", "EN", "EN\\EN.txt", "\xFF\xFE", L"", L""},
    TextCase{"OddByteAfterTheMark", "EN", "EN\\EN.txt", Utf16File(L"V1") + "\x33", L"V1", L"V1"},
    TextCase{"ZeroUnitEndsTheText", "EN", "EN\\EN.txt", Utf16File(std::wstring(L"V1.00\0junk", 10)), L"V1.00", L"V1.00"},
    TextCase{"ZeroByteEndsTheText", "EN", "EN\\EN.txt", std::string("V1.00\0junk\n", 11), L"V1.00", L"V1.00"},
    TextCase{"LargerThanAnyDescription", "EN", "EN\\EN.txt", "V1.00\r\n" + std::string(1u << 20, 'x'), L"", L""},
    TextCase{"HeldOpenByAnother", "EN", "EN\\EN.txt", "V1.00\r\n", L"", L"", 0, true}),
    [](const auto& c) { return std::string(c.param.name); });

// The version view reads the same files whole: the version line and the description after it.
TEST(ReadDescriptionFile, GivesTheWholeTextOrNothing)
{
    CTempFolder root;
    ResSetDbFormat(0);
    const std::wstring narrow = root.Write("narrow.txt", "V2.0\r\nLine one\nLine two").wstring();
    EXPECT_EQ(ReadDescriptionFile(narrow), L"V2.0\r\nLine one\nLine two");
    const std::wstring wide = root.Write("wide.txt", Utf16File(L"V2.0\r\nLine")).wstring();
    EXPECT_EQ(ReadDescriptionFile(wide), L"V2.0\r\nLine");
    EXPECT_EQ(ReadDescriptionFile((root / "missing.txt").wstring()), std::nullopt);
    const std::wstring large = root.Write("large.txt", std::string((1u << 20) + 1, 'x')).wstring();
    EXPECT_EQ(ReadDescriptionFile(large), std::nullopt);
    const std::wstring full = root.Write("full.txt", std::string(1u << 20, 'x')).wstring();
    EXPECT_EQ(ReadDescriptionFile(full).value_or(L"").size(), size_t{1} << 20) << "a megabyte is still read";
}

}  // namespace
