#include <gtest/gtest.h>

#include <windows.h>

#include "IniFile.h"
#include "TempFolder.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = folder.Write("CONFIG.INI", "[USERINFO]\r\nCOUNT=12\r\nNAME=Garage Ost\r\nLONG=" +
                                              std::string(5000, 'x') + "\r\n");
    }

    CTempFolder folder;
    std::filesystem::path file;
};

TEST_F(IniFileTest, ReadsValuesAndDefaults)
{
    EXPECT_EQ(ReadIniInt(file.c_str(), L"USERINFO", L"COUNT", -1), 12);
    EXPECT_EQ(ReadIniInt(file.c_str(), L"USERINFO", L"MISSING", -1), -1);
    EXPECT_EQ(ReadIniString(file.c_str(), L"USERINFO", L"NAME", L"none"), L"Garage Ost");
    EXPECT_EQ(ReadIniString(file.c_str(), L"USERINFO", L"MISSING", L"none"), L"none");
    EXPECT_EQ(ReadIniString(file.c_str(), L"NOSECTION", L"NAME", L"none"), L"none");
}

TEST_F(IniFileTest, MissingFileGivesTheDefault)
{
    const auto missing = folder / "NONE.INI";
    EXPECT_EQ(ReadIniInt(missing.c_str(), L"USERINFO", L"COUNT", 5), 5);
    EXPECT_EQ(ReadIniString(missing.c_str(), L"USERINFO", L"NAME", L"none"), L"none");
}

TEST_F(IniFileTest, LongValueIsCutAt4028Characters)
{
    EXPECT_EQ(ReadIniString(file.c_str(), L"USERINFO", L"LONG", L""), std::wstring(4028, L'x'));
}

TEST_F(IniFileTest, ReadingMakesAReadOnlyFileWritable)
{
    constexpr DWORD kNotPlain = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (const DWORD attributes : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,
                                   FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY}) {
        for (int useString = 0; useString < 2; ++useString) {
            ASSERT_TRUE(SetFileAttributesW(file.c_str(), attributes));
            if (useString)
                EXPECT_EQ(ReadIniString(file.c_str(), L"USERINFO", L"NAME", L""), L"Garage Ost");
            else
                EXPECT_EQ(ReadIniInt(file.c_str(), L"USERINFO", L"COUNT", 0), 12);
            EXPECT_EQ(GetFileAttributesW(file.c_str()) & kNotPlain, 0u) << attributes;
        }
    }
}

}  // namespace
