#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DbFileName.h"
#include "DbFileWriter.h"
#include "VehicleDataTest.h"

namespace {

std::string NumberKey(int i) { return {static_cast<char>('A' + i / 26 / 26 % 26), static_cast<char>('A' + i / 26 % 26), static_cast<char>('A' + i % 26), '\0'}; }

class VehicleTextTest : public VehicleDataTest {
protected:
    std::filesystem::path WriteTexts(const std::filesystem::path& where, const std::vector<DB_TEXT>& texts,
                                     const std::string& language = "EN")
    {
        return WriteTextDb(where, language, 3.25, 4, texts);
    }

    std::vector<DB_TEXT> Numbered(int count, const std::string& prefix = "text ")
    {
        std::vector<DB_TEXT> texts;
        for (int i = 0; i < count; ++i)
            texts.push_back({NumberKey(i), prefix + std::to_string(i)});
        return texts;
    }
};

TEST_F(VehicleTextTest, ReadsTheTextUpToItsZero)
{
    WriteTexts(folder.Path(), {{"RPM", "Engine speed"}, {"TMP", std::string("Coolant\0junk", 12)}});
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "Engine speed");
    EXPECT_EQ(GetVehicleTextA(Key(std::string("TMP", 4))), "Coolant");
    EXPECT_EQ(GetVehicleTextCacheCount(), 2u);
}

TEST_F(VehicleTextTest, ATextWithoutZeroIsTakenWhole)
{
    WriteDbFile(folder.Path(), L"EN_TXT.DB", EncodeDbFile({}, {{"RPM1", {"whole"}}}));
    EXPECT_EQ(GetVehicleTextA(Key("RPM1")), "whole");
}

TEST_F(VehicleTextTest, OnlyRecordsOfOneItemGiveTexts)
{
    WriteDbFile(folder.Path(), L"EN_TXT.DB", EncodeDbFile({}, {{"TWO1", {"a", "b"}}, {"NONE", {}}, {"ZERO", {""}}}));
    EXPECT_EQ(GetVehicleTextA(Key("TWO1")), "");
    EXPECT_EQ(GetVehicleTextA(Key("NONE")), "");
    EXPECT_EQ(GetVehicleTextCacheCount(), 0u);
    EXPECT_EQ(GetVehicleTextA(Key("ZERO")), "");
    EXPECT_EQ(GetVehicleTextCacheCount(), 1u);  // an empty text that was found is kept
}

TEST_F(VehicleTextTest, AMissingTextIsReadAgainEachTime)
{
    // A header of another version: every miss opens the file again and shows its message again.
    SetGlobalFloat1(9.0f);
    WriteTexts(folder.Path(), {{"RPM", "Engine speed"}});
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "");
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "");
    EXPECT_EQ(messages, std::vector<std::wstring>(2, L"DB Information Error, Error Code:3"));
    SetGlobalFloat1(3.25f);
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "Engine speed");
}

TEST_F(VehicleTextTest, TheLanguageOfTheTextDatabaseMustBeTheCurrentOne)
{
    WriteTexts(folder.Path(), {{"RPM", "Drehzahl"}}, "DE");
    std::filesystem::rename(folder.Path() / MakeDbFileName(L"DE_TXT.DB"), folder.Path() / MakeDbFileName(L"EN_TXT.DB"));
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "");
    EXPECT_EQ(messages, std::vector<std::wstring>{L"DB Information Error, Error Code:1"});
}

TEST_F(VehicleTextTest, KeptTextsAnswerWithoutTheFile)
{
    const std::filesystem::path file = WriteTexts(folder.Path(), Numbered(3));
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(1))), "text 1");
    std::filesystem::remove(file);
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(1))), "text 1");
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(2))), "");
}

TEST_F(VehicleTextTest, The101stTextDropsTheLeastRecentlyUsed)
{
    const std::filesystem::path file = WriteTexts(folder.Path(), Numbered(102));
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(GetVehicleTextA(Key(NumberKey(i))), "text " + std::to_string(i));
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(0))), "text 0");  // now the most recent
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(100))), "text 100");
    EXPECT_EQ(GetVehicleTextCacheCount(), kVehicleTextCacheSize);
    std::filesystem::remove(file);
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(0))), "text 0");
    EXPECT_EQ(GetVehicleTextA(Key(NumberKey(1))), "");  // dropped
    for (int i = 2; i <= 100; ++i)
        EXPECT_EQ(GetVehicleTextA(Key(NumberKey(i))), "text " + std::to_string(i)) << i;
}

TEST_F(VehicleTextTest, EqualKeysShareOneEntry)
{
    WriteTexts(folder.Path(), {{"RPM", "Engine speed"}});
    const ByteString key = Key(std::string("RPM", 4));
    EXPECT_EQ(GetVehicleTextA(key), "Engine speed");
    EXPECT_EQ(GetVehicleTextA(Key(std::string("RPM", 4))), "Engine speed");
    EXPECT_EQ(GetVehicleTextCacheCount(), 1u);
}

TEST_F(VehicleTextTest, AnotherSoftwareFolderNeverGetsTheTextsOfTheFirst)
{
    const std::filesystem::path second = folder.Path() / "second";
    WriteTexts(folder.Path(), {{"RPM", "first maker"}});
    WriteTexts(second, {{"RPM", "second maker"}});
    const ByteString key = Key(std::string("RPM", 4));
    EXPECT_EQ(GetVehicleTextA(key), "first maker");
    ResSetSoftwareDir(second.wstring() + L"\\");
    EXPECT_EQ(GetVehicleTextA(key), "second maker");
    ResSetSoftwareDir(SoftwareDir());
    EXPECT_EQ(GetVehicleTextA(key), "first maker");
}

TEST_F(VehicleTextTest, AnotherLanguageNeverGetsTheTextsOfTheFirst)
{
    WriteTexts(folder.Path(), {{"RPM", "Engine speed"}});
    WriteTexts(folder.Path(), {{"RPM", "Drehzahl"}}, "DE");
    const ByteString key = Key(std::string("RPM", 4));
    EXPECT_EQ(GetVehicleTextA(key), "Engine speed");
    ResSetLanguageCode(L"DE");
    EXPECT_EQ(GetVehicleTextA(key), "Drehzahl");
}

TEST_F(VehicleTextTest, ClearingDropsEveryText)
{
    const std::filesystem::path file = WriteTexts(folder.Path(), {{"RPM", "Engine speed"}});
    const ByteString key = Key(std::string("RPM", 4));
    EXPECT_EQ(GetVehicleTextA(key), "Engine speed");
    ClearVehicleTextCache();
    EXPECT_EQ(GetVehicleTextCacheCount(), 0u);
    std::filesystem::remove(file);
    EXPECT_EQ(GetVehicleTextA(key), "");
}

TEST_F(VehicleTextTest, EmptyKeysAreEqual)
{
    // Keys shorter than K are never found, so the empty key has no text; it is not kept either.
    WriteTexts(folder.Path(), {{"RPM", "Engine speed"}});
    EXPECT_EQ(GetVehicleTextA(ByteString()), "");
    EXPECT_EQ(GetVehicleTextA(Key("")), "");
    EXPECT_EQ(GetVehicleTextCacheCount(), 0u);
}

}  // namespace
