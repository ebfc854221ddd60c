#include <gtest/gtest.h>

#include <string>

#include "ConfigStore.h"
#include "LanguageTextFile.h"
#include "ProcessValues.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

// "Grüße, 汽车 — 2 °C" in UTF-8.
const char* const kUtf8Text = "Gr\xC3\xBC\xC3\x9F" "e,\r\n\xE6\xB1\xBD\xE8\xBD\xA6 \xE2\x80\x94 2 \xC2\xB0" "C";
const wchar_t* const kWideText = L"Gr\u00FC\u00DFe,\r\n\u6C7D\u8F66 \u2014 2 \u00B0C";

struct TextCase {
    const char* name;
    const char* curmode;     // null: no LANGUAGE element in "Config.xml"
    const char* file;        // relative to the software folder; null: none written
    std::string bytes;
    const wchar_t* expected;
};

class LanguageTextFileTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(LanguageTextFileTest, ReadsTheCurrentLanguagesFileAsUtf8)
{
    CTempFolder root;
    ResSetDbFormat(0);
    std::string config = "<?xml version=\"1.0\" ?>\n<CONFIG>\n<COMMON>\n";
    if (GetParam().curmode)
        config += std::string("  <LANGUAGE CURMODE=\"") + GetParam().curmode + "\" />\n";
    config += "</COMMON>\n</CONFIG>\n";
    ASSERT_TRUE(LoadConfigDocument(root.Write("Config.xml", config).c_str()));
    if (GetParam().file)
        root.Write(fs::path("Scan") / "Vantor" / GetParam().file, GetParam().bytes);

    const std::wstring folder = (root / "Scan" / "Vantor").wstring() + L"\\";
    EXPECT_EQ(LoadLanguageTextFile(folder), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageTextFileTest, ::testing::Values(
    TextCase{"NonAsciiText", "DE", "DE\\DE.txt", kUtf8Text, kWideText},
    TextCase{"EnglishWhenUnset", nullptr, "EN\\EN.txt", "Engine software", L"Engine software"},
    TextCase{"EnglishWhenEmpty", "", "EN\\EN.txt", "Engine software", L"Engine software"},
    TextCase{"ByteOrderMarkDropped", "CN", "CN\\CN.txt", std::string("\xEF\xBB\xBF") + kUtf8Text, kWideText},
    TextCase{"EmptyFile", "EN", "EN\\EN.txt", "", L""},
    TextCase{"MissingFile", "FR", "EN\\EN.txt", "Engine software", L""},
    TextCase{"OtherLanguageOnly", "EN", "DE\\DE.txt", kUtf8Text, L""},
    TextCase{"LanguageLeavingTheFolder", "..\\..", "..\\...txt", "outside", L""}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
