#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "DSRecorderInfo.h"

namespace {

std::tm Start()
{
    std::tm time = {};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 7;
    time.tm_min = 8;
    time.tm_sec = 9;
    return time;
}

// The UTF-16LE bytes of an ASCII text and its zero.
std::string Utf16Z(const char* text)
{
    std::string bytes;
    for (const char* c = text; *c; ++c)
        bytes += std::string{*c, '\0'};
    return bytes + std::string(2, '\0');
}

std::string FieldBytes(const _stuDSRecorderInfo& record, size_t offset, size_t length)
{
    return std::string(reinterpret_cast<const char*>(&record) + offset, length);
}

TEST(DSRecorderInfo, MakeRecordInfoFillsTheFieldsAtTheirOffsets)
{
    const _stuDSRecorderInfo record = MakeRecordInfo(L"EN", L"Vantor", L"Engine->Live data", Start());
    EXPECT_EQ(FieldBytes(record, 0, 6), Utf16Z("EN"));
    EXPECT_EQ(FieldBytes(record, 16, 14), Utf16Z("Vantor"));
    EXPECT_EQ(FieldBytes(record, 80, 36), Utf16Z("Engine->Live data"));
    EXPECT_EQ(FieldBytes(record, 848, 40), Utf16Z("2024-03-05 07:08:09"));
    EXPECT_EQ(FieldBytes(record, 896, 42), Utf16Z("Vantor20240305070809"));
    EXPECT_EQ(record.GetFileName(), L"Vantor20240305070809");
}

enum class Field { Language, Maker, MenuPath, DateTime, FileName };

struct CutCase {
    const char* name;
    Field field;
    size_t length;  // of the text set
    size_t kept;    // characters that stay
};

class DSRecorderInfoCutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(DSRecorderInfoCutTest, ATextIsCutToItsFieldAndLeavesTheOthersAlone)
{
    _stuDSRecorderInfo record = MakeRecordInfo(L"EN", L"Maker", L"A->B", Start());
    const _stuDSRecorderInfo before = record;
    const std::wstring text(GetParam().length, L'x');
    std::wstring (_stuDSRecorderInfo::*get)() const = nullptr;
    switch (GetParam().field) {
    case Field::Language: record.SetLanguage(text); get = &_stuDSRecorderInfo::GetLanguage; break;
    case Field::Maker: record.SetMaker(text); get = &_stuDSRecorderInfo::GetMaker; break;
    case Field::MenuPath: record.SetMenuPath(text); get = &_stuDSRecorderInfo::GetMenuPath; break;
    case Field::DateTime: record.SetDateTime(text); get = &_stuDSRecorderInfo::GetDateTime; break;
    case Field::FileName: record.SetFileName(text); get = &_stuDSRecorderInfo::GetFileName; break;
    }
    EXPECT_EQ((record.*get)(), std::wstring(GetParam().kept, L'x'));
    const Field field = GetParam().field;
    EXPECT_TRUE(field == Field::Language || record.GetLanguage() == before.GetLanguage());
    EXPECT_TRUE(field == Field::Maker || record.GetMaker() == before.GetMaker());
    EXPECT_TRUE(field == Field::MenuPath || record.GetMenuPath() == before.GetMenuPath());
    EXPECT_TRUE(field == Field::DateTime || record.GetDateTime() == before.GetDateTime());
    EXPECT_TRUE(field == Field::FileName || record.GetFileName() == before.GetFileName());
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecorderInfoCutTest, ::testing::Values(
    CutCase{"LanguageFits", Field::Language, 7, 7},
    CutCase{"LanguageLong", Field::Language, 8, 7},
    CutCase{"MakerLong", Field::Maker, 40, 31},
    CutCase{"MenuPathFits", Field::MenuPath, 383, 383},
    CutCase{"MenuPathLong", Field::MenuPath, 500, 383},
    CutCase{"DateTimeLong", Field::DateTime, 24, 23},
    CutCase{"FileNameLong", Field::FileName, 70, 63}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DSRecorderInfo, ACharacterOfTwoUnitsIsNotSplitAtTheFieldsEnd)
{
    _stuDSRecorderInfo record = {};
    record.SetLanguage(L"abcdef\U0001F600");  // needs 8 units: the pair does not fit
    EXPECT_EQ(record.GetLanguage(), L"abcdef");
    record.SetLanguage(L"abcde\U0001F600");   // 7 units
    EXPECT_EQ(record.GetLanguage(), L"abcde\U0001F600");
}

TEST(DSRecorderInfo, AFieldWithoutItsZeroReadsNoFurtherThanItsWidthAndIsEndedOnRequest)
{
    _stuDSRecorderInfo record = MakeRecordInfo(L"EN", L"M", L"P", Start());
    for (char16_t& unit : record.maker)
        unit = u'm';
    EXPECT_EQ(record.GetMaker(), std::wstring(32, L'm'));
    EXPECT_EQ(record.GetMenuPath(), L"P");
    record.EndEveryField();
    EXPECT_EQ(record.GetMaker(), std::wstring(31, L'm'));
    EXPECT_EQ(record.GetLanguage(), L"EN");
}

struct NameCase {
    const wchar_t* name;
    bool accepted;
};

class RecordingFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecordingFileNameTest, OnlyPlainNamesNameARecording)
{
    EXPECT_EQ(IsRecordingFileName(GetParam().name), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordingFileNameTest, ::testing::Values(
    NameCase{L"Vantor20240305070809", true}, NameCase{L"Mak er.1_2", true}, NameCase{L"\u6C7D\u8F66", true},
    NameCase{L"", false}, NameCase{L"..", false}, NameCase{L"..\\Config.xml", false},
    NameCase{L"a\\b", false}, NameCase{L"a/b", false}, NameCase{L"C:x", false},
    NameCase{L"*", false}, NameCase{L"a?b", false}, NameCase{L"a..b", false}));

}  // namespace
