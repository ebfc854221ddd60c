// The store's lists: the order of the offered products and what each tile offers against the
// installed software.
#include <gtest/gtest.h>

#include <map>

#include "StoreListRules.h"

using namespace store_list;

namespace {

ProductRecord Offered(const std::wstring& code, const std::wstring& version)
{
    ProductRecord record;
    record.SoftwareCode = code;
    record.Version = version;
    return record;
}

std::wstring NameOf(const std::wstring& code)
{
    static const std::map<std::wstring, std::wstring> names = {
        {L"ALD", L"Alder"}, {L"ASH", L"Ash"}, {L"BIR", L"Birch"}, {L"ELM", L"Elm"}, {L"OAK", L"Oak"}};
    const auto found = names.find(code);
    return found == names.end() ? L"" : found->second;
}

}  // namespace

TEST(StoreListRulesTest, VersionsCompareAsNumbersAfterTheV)
{
    struct Case {
        const wchar_t* installed;
        const wchar_t* offered;
        bool update;
    };
    const Case cases[] = {
        {L"V2.10", L"V2.2", true},    // 2.10 < 2.2 as numbers
        {L"V3.0", L"V3.00", false},   // same number, other form
        {L"V3.5", L"V3.1", false},    // no downgrade is offered
        {L"V1.00", L"V1.00", false},
        {L"V1.00", L"V1.01", true},
        {L"", L"V1.0", true},         // unreadable installed text reads as 0
        {L"Vx", L"Vy", false},        // both unreadable: equal
        {L"1.5", L"V2", true},        // no V: the whole text
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUpdate(c.installed, c.offered), c.update) << c.installed << L" / " << c.offered;
    EXPECT_DOUBLE_EQ(VersionNumber(L"SV4.5"), 4.5);
    EXPECT_EQ(VersionLineOf(L"V1.40\r\nEngine, brakes"), L"V1.40");
    EXPECT_EQ(VersionLineOf(L"V2.00\nnew"), L"V2.00");
    EXPECT_EQ(VersionLineOf(L"V3.10"), L"V3.10");
}

TEST(StoreListRulesTest, CodesSortWithoutRegardToCaseAndPrefixesFirst)
{
    const auto sorted = SortProductsByCode({Offered(L"abc", L""), Offered(L"ABD", L""), Offered(L"Ab", L""),
                                            Offered(L"b", L""), Offered(L"AB", L"2")});
    std::vector<std::wstring> codes;
    for (const auto& record : sorted)
        codes.push_back(record.SoftwareCode + record.Version);
    EXPECT_EQ(codes, (std::vector<std::wstring>{L"Ab", L"AB2", L"abc", L"ABD", L"b"}));
    EXPECT_TRUE(SortProductsByCode({}).empty());
}

TEST(StoreListRulesTest, UpdatesComeFirstThenMissingThenInstalled)
{
    const std::vector<ProductRecord> offered = {Offered(L"ALD", L"2.2"), Offered(L"ASH", L"3.00"),
                                                Offered(L"BIR", L"1.0"), Offered(L"ELM", L"3.1"),
                                                Offered(L"OAK", L"1.0")};
    const std::vector<INSTALLED_ITEM> installed = {
        {L"Alder", L"V2.10"}, {L"Ash", L"V3.0"}, {L"Elm", L"V3.5"}, {L"Pine", L"V1.0"}};
    const auto tiles = PlanStoreTiles(offered, installed, NameOf);
    const std::vector<PLANNED_TILE> expected = {
        {0, L"Alder", L"V2.2", kUpdateOffered},
        {2, L"Birch", L"V1.0", kNotInstalled},
        {4, L"Oak", L"V1.0", kNotInstalled},
        {1, L"Ash", L"V3.00", kInstalled},
        {3, L"Elm", L"V3.1", kInstalled},
    };
    EXPECT_EQ(tiles, expected);
}

// An installed item matches one product only; a product without a name matches only a nameless one.
TEST(StoreListRulesTest, EachInstalledItemMatchesOneProduct)
{
    const std::vector<ProductRecord> offered = {Offered(L"ASH", L"1.0"), Offered(L"ASH", L"1.0"),
                                                Offered(L"XYZ", L"1.0")};
    auto tiles = PlanStoreTiles(offered, {{L"Ash", L"V1.0"}, {L"Ash", L"V0.5"}}, NameOf);
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[0].state, kUpdateOffered);  // the second item, older
    EXPECT_EQ(tiles[1].state, kNotInstalled);   // no name, and nothing installed without one
    EXPECT_EQ(tiles[2].state, kInstalled);

    tiles = PlanStoreTiles({Offered(L"XYZ", L"1.0")}, {{L"", L"V1.0"}}, NameOf);
    EXPECT_EQ(tiles[0].state, kInstalled);
}

// After an install or a deletion the tiles follow the installed lists with the same number rule as
// the list building, so an installed package is not offered again for a difference in form.
TEST(StoreListRulesTest, RemarkFollowsTheInstalledListsWithTheSameRule)
{
    const std::vector<INSTALLED_ITEM> installed = {{L"Ash", L"V3.0"}, {L"Elm", L"V2.10"}};
    EXPECT_EQ(RemarkState(L"Ash", L"V3.00", kUpdateOffered, installed), kInstalled);
    EXPECT_EQ(RemarkState(L"Elm", L"V2.2", kInstalled, installed), kUpdateOffered);
    EXPECT_EQ(RemarkState(L"Oak", L"V1.0", kInstalled, installed), kNotInstalled) << "removed meanwhile";
    EXPECT_EQ(RemarkState(L"Ash", L"V3.00", kNotInstalled, installed), kNotInstalled) << "left as it is";
}
