#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbFile.h"
#include "DbFileWriter.h"
#include "DbLines.h"
#include "VehicleDataTest.h"

namespace {

struct LinesCase {
    const char* name;
    std::string text;
    size_t badLine;
    std::vector<std::pair<std::string, std::vector<std::string>>> records;
};

void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }

class DbLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DbLinesTest, ReadsKeysAndItemsOrNamesTheBadLine)
{
    std::vector<DB_RECORD> records;
    EXPECT_EQ(ParseDbLines(GetParam().text, records), GetParam().badLine);
    ASSERT_EQ(records.size(), GetParam().records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].key, GetParam().records[i].first);
        EXPECT_EQ(records[i].items, GetParam().records[i].second);
    }
}

const std::string z(1, '\0');

INSTANTIATE_TEST_SUITE_P(Cases, DbLinesTest, ::testing::Values(
    LinesCase{"two records", "52504D31\tEngine speed\n0a0B0c0D\tCoolant\t\xC2\xB0" "C\n", 0,
              {{"RPM1", {"Engine speed" + z}}, {"\x0A\x0B\x0C\x0D", {"Coolant" + z, "\xC2\xB0" "C" + z}}}},
    LinesCase{"CR LF and empty lines", "\r\n41\tA\r\n\n42\t\r\n", 0, {{"A", {"A" + z}}, {"B", {z}}}},
    LinesCase{"no final line feed", "41\tA", 0, {{"A", {"A" + z}}}},
    LinesCase{"empty", "", 0, {}},
    LinesCase{"keys of two lengths", "41\tA\n4242\tB\n", 2, {{"A", {"A" + z}}}},
    LinesCase{"odd digits", "414\tA\n", 1, {}},
    LinesCase{"no digit", "4G\tA\n", 1, {}},
    LinesCase{"no item", "41\n", 1, {}},
    LinesCase{"key of 21 bytes", std::string(42, '1') + "\tA\n", 1, {}},
    LinesCase{"key of 20 bytes", std::string(40, '1') + "\tA\n", 0, {{std::string(20, '\x11'), {"A" + z}}}},
    LinesCase{"item too long", "41\t" + std::string(32767, 'x') + "\n", 1, {}}));

class DbLinesRoundTripTest : public VehicleDataTest {};

TEST_F(DbLinesRoundTripTest, TheWrittenDatabaseAnswersEveryLine)
{
    std::vector<DB_RECORD> records;
    ASSERT_EQ(ParseDbLines("52504D31\tEngine speed\trpm\n434F4F4C\tCoolant\n", records), 0u);
    DB_HEADER_FIELDS header;
    header.keyLength = 4;
    WriteDbFile(folder.Path(), L"EN_DS.DB", EncodeDbFile(header, records));
    CDbFile file;
    ASSERT_TRUE(file.Open(L"EN_DS.DB"));
    const std::vector<ByteString> items = file.ReadRecord(Key("RPM1"));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Bytes(items[0]), "Engine speed" + std::string(1, '\0'));
    EXPECT_EQ(Bytes(items[1]), "rpm" + std::string(1, '\0'));
}

}  // namespace
