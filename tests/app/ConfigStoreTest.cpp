#include <gtest/gtest.h>

#include <climits>

#include "ConfigStore.h"
#include "ProcessRunner.h"
#include "ProcessValues.h"
#include "TempFolder.h"

namespace {

// "Привет" as UTF-8 and in code page 1251.
const char* const kPrivetUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const char* const kPrivet1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
const wchar_t* const kPrivet = L"\u041F\u0440\u0438\u0432\u0435\u0442";

// Declared in a code page, the file is parsed byte by byte, so it can hold UTF-8, code-page bytes
// and a broken sequence side by side.
std::string SampleConfig()
{
    return std::string("<?xml version=\"1.0\" encoding=\"windows-1251\" ?>\n<CONFIG>\n<COMMON>\n") +
           "  <LANGUAGE CURMODE=\"DE\" />\n"
           "  <SYSTEM SCREENMODE=\"12ab\" UNITMODE=\"ab\" USBDRIVERCHECKFLAG=\" -5\" EMPTY=\"\""
           "   HUGE=\"99999999999\" />\n"
           "  <WIFI SSID=\"" + kPrivetUtf8 + "\" BROKEN=\"\xC3\x28\" />\n"
           "  <LOGIN SERIALNO=\"" + kPrivet1251 + "\" />\n"
           "</COMMON>\n</CONFIG>\n";
}

class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResSetDbFormat(0);
        file = folder.Write("Config.xml", SampleConfig());
        ASSERT_TRUE(LoadConfigDocument(file.c_str()));
    }
    void TearDown() override { ResSetDbFormat(0); }

    CTempFolder folder;
    std::filesystem::path file;
};

struct ReadCase {
    const wchar_t* path;
    const wchar_t* key;
    const wchar_t* defaultValue;
    const wchar_t* expected;
};

class ConfigReadTest : public ConfigStoreTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ConfigReadTest, GivesTheValueOrTheDefault)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(GetConfigValue(c.path, c.key, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigReadTest, ::testing::Values(
    ReadCase{L"COMMON\\LANGUAGE", L"CURMODE", L"EN", L"DE"},
    ReadCase{L"COMMON\\SYSTEM", L"EMPTY", L"dflt", L"dflt"},       // empty reads like missing
    ReadCase{L"COMMON\\SYSTEM", L"NOKEY", L"dflt", L"dflt"},
    ReadCase{L"COMMON\\NOELEMENT", L"CURMODE", L"EN", L"EN"},
    ReadCase{L"COMMON\\WIFI", L"SSID", L"KORVE", kPrivet},          // UTF-8 decoded
    ReadCase{L"COMMON\\WIFI", L"BROKEN", L"KORVE", L"KORVE"},       // invalid UTF-8 reads as missing
    ReadCase{L"COMMON\\LOGIN", L"SERIALNO", L"", L""}));            // code-page bytes are not UTF-8

struct IntCase {
    const wchar_t* key;
    int defaultValue;
    int expected;
};

class ConfigIntTest : public ConfigStoreTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(ConfigIntTest, ReadsTheLeadingNumber)
{
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", GetParam().key, GetParam().defaultValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigIntTest, ::testing::Values(
    IntCase{L"SCREENMODE", 7, 12}, IntCase{L"UNITMODE", 7, 0}, IntCase{L"USBDRIVERCHECKFLAG", 7, -5},
    IntCase{L"EMPTY", 7, 7}, IntCase{L"NOKEY", -3, -3}, IntCase{L"HUGE", 0, INT_MAX}));

TEST_F(ConfigStoreTest, CodePageFormatDecodesReadsInTheLanguageCodePage)
{
    ResSetCodePage(1251);
    ResSetDbFormat(1);
    EXPECT_EQ(GetConfigValue(L"COMMON\\LOGIN", L"SERIALNO", L""), kPrivet);
}

TEST_F(ConfigStoreTest, UnknownFormatMakesEveryReadItsDefault)
{
    ResSetDbFormat(2);
    EXPECT_EQ(GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN"), L"EN");
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 4), 4);
}

TEST_F(ConfigStoreTest, NarrowTwinsPassBytesUnconverted)
{
    ResSetDbFormat(2);  // the narrow form does not decode, so no format can disturb it
    EXPECT_EQ(GetConfigValueA("COMMON\\LOGIN", "SERIALNO", ""), kPrivet1251);
    EXPECT_EQ(GetConfigValueA("COMMON\\SYSTEM", "EMPTY", "dflt"), "dflt");
    ASSERT_TRUE(SetConfigValueA("COMMON\\WIFI", "SSID", kPrivet1251));
    EXPECT_EQ(GetConfigValueA("COMMON\\WIFI", "SSID", ""), kPrivet1251);
    EXPECT_FALSE(SetConfigValueA("COMMON\\NOELEMENT", "SSID", "x"));
}

TEST_F(ConfigStoreTest, WriteIsOnDiskAndReadByAnotherProcess)
{
    ASSERT_TRUE(SetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"CN"));
    ASSERT_TRUE(SetConfigValue(L"COMMON\\WIFI", L"SSID", kPrivet));
    ASSERT_TRUE(SetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 1));
    EXPECT_NE(ReadFileBytes(file).find("CURMODE=\"CN\""), std::string::npos);

    const std::wstring quotedFile = L"\"" + file.wstring() + L"\"";
    EXPECT_EQ(RunSiblingProgram(L"config_probe.exe", quotedFile + L" COMMON\\LANGUAGE CURMODE CN"), 0);
    EXPECT_EQ(RunSiblingProgram(L"config_probe.exe", quotedFile + L" COMMON\\SYSTEM SCREENMODE 1"), 0);
    EXPECT_EQ(RunSiblingProgram(L"config_probe.exe", quotedFile + L" COMMON\\WIFI SSID " + kPrivet), 0);
}

TEST_F(ConfigStoreTest, WriteToAMissingElementLeavesTheFileAsItWas)
{
    const std::string before = ReadFileBytes(file);
    EXPECT_FALSE(SetConfigInt(L"COMMON\\MCUFLASH", L"PAGE8", 1));
    EXPECT_FALSE(SetConfigValue(L"COMMON", L"CURMODE", L"CN"));
    EXPECT_EQ(ReadFileBytes(file), before);
}

TEST(ConfigStoreWithoutDocument, EveryKeyReadsItsDefaultAndEveryWriteFails)
{
    CTempFolder folder;
    EXPECT_FALSE(LoadConfigDocument((folder / "Config.xml").c_str()));
    EXPECT_EQ(GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN"), L"EN");
    EXPECT_EQ(GetConfigValue(L"COMMON\\WIFI", L"SSID", L"KORVE"), L"KORVE");
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0), 0);
    EXPECT_EQ(GetConfigInt(L"COMMON\\SYSTEM", L"USBDRIVERCHECKFLAG", 1), 1);
    EXPECT_EQ(GetConfigInt(L"COMMON\\LOG", L"FLAG", 1), 1);
    EXPECT_EQ(GetConfigValueA("COMMON\\LANGUAGE", "CURMODE", "EN"), "EN");
    EXPECT_FALSE(SetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"CN"));
    EXPECT_FALSE(SetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 1));
    EXPECT_FALSE(std::filesystem::exists(folder / "Config.xml"));
    EXPECT_FALSE(LoadConfigDocument(nullptr));
}

}  // namespace
