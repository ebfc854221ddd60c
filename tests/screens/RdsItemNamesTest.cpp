#include <gtest/gtest.h>

#include <string>

#include "../vehicledata/VehicleDataTest.h"
#include "DataResWriter.h"
#include "DbFileWriter.h"
#include "RdsItemNames.h"

using namespace std::string_literals;

namespace {

RDS_ID Id(uint8_t number)
{
    return RDS_ID{1, 0, 0, 0, 0, number};
}

RDS_ITEM Item(uint8_t number, const std::string& second = "")
{
    RDS_ITEM item;
    item.id = Id(number);
    std::copy_n(second.begin(), std::min<size_t>(second.size(), rds::kIdSize), item.second.begin());
    return item;
}

std::string KeyText(const RDS_ID& id)
{
    return std::string(id.begin(), id.end());
}

class RdsItemNamesTest : public VehicleDataTest {
protected:
    void SetUp() override
    {
        VehicleDataTest::SetUp();
        SetDataResourceVersion(3.25f);
        DB_HEADER_FIELDS header;
        header.keyLength = 6;
        WriteDbFile(folder.Path(), L"EN_DS.DB",
                    EncodeDbFile(header, {{KeyText(Id(1)), {"Engine speed", "rpm"}},
                                          {KeyText(Id(2)), {"Without unit"}},
                                          {KeyText(Id(3)), {std::string(310, 'n'), std::string(50, 'u')}}}));
        Write("LIVE_EN.dat", EncodeTextDatabase({}, {{TextDbKey(KeyText(Id(1))), u"Packed speed"},
                                                     {TextDbKey("UNIT01"), u"km/h"}}));
    }
    void TearDown() override
    {
        SetDataResourceVersion(0);
        VehicleDataTest::TearDown();
    }
};

struct NameCase {
    const wchar_t* database;
    uint8_t number;
    uint8_t layout;
    std::string second;
    std::string name;
    std::string unit;
};

class RdsItemNameCaseTest : public RdsItemNamesTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(RdsItemNameCaseTest, NamesAndUnits)
{
    const NameCase& c = GetParam();
    CDbFile texts;
    ASSERT_TRUE(texts.Open(c.database));
    const RDS_ITEM_NAMES names = NameRdsItem(texts, Item(c.number, c.second), c.layout, IsPackedRdsDatabase(c.database));
    EXPECT_EQ(names.name, c.name);
    EXPECT_EQ(names.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Items, RdsItemNameCaseTest,
    ::testing::Values(NameCase{L"EN_DS.DB", 1, 0, "", "Engine speed", "rpm"},
                      NameCase{L"EN_DS.DB", 2, 0, "", "Without unit", ""},
                      NameCase{L"EN_DS.DB", 3, 0, "", std::string(300, 'n'), std::string(40, 'u')},
                      NameCase{L"EN_DS.DB", 9, 0, "", "????", "????"},
                      NameCase{L"EN_DS.DB", 1, 1, "km/h\0\0"s, "Engine speed", "km/h"},
                      NameCase{L"EN_DS.DB", 9, 1, "UNIT01", "????", "UNIT01"},
                      NameCase{L"LIVE_EN.dat", 1, 0, "", "Packed speed", ""},
                      NameCase{L"LIVE_EN.dat", 9, 0, "", "????", "????"},
                      NameCase{L"LIVE_EN.dat", 1, 1, "UNIT01", "Packed speed", "km/h"},
                      NameCase{L"LIVE_EN.dat", 9, 1, "UNIT01", "????", "UNIT01"}));

TEST(RdsDatabaseNameTest, OnlyALowerCaseDatOfFiveCharactersIsPacked)
{
    EXPECT_TRUE(IsPackedRdsDatabase(L"a.dat"));
    EXPECT_TRUE(IsPackedRdsDatabase(L"LIVE_EN.dat"));
    EXPECT_FALSE(IsPackedRdsDatabase(L".dat"));
    EXPECT_FALSE(IsPackedRdsDatabase(L"LIVE_EN.DAT"));
    EXPECT_FALSE(IsPackedRdsDatabase(L""));
}

}  // namespace
