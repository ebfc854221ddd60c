#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FileFindPro.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Wine gives folder entries in the order of the Linux file system, not sorted: compare as sets.
std::vector<std::wstring> Sorted(const CFileFindPro& find)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < find.GetCount(); ++i)
        names.push_back(find.GetAt(i));
    std::sort(names.begin(), names.end());
    return names;
}

class FileFindProTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root / "Scan" / "Vantor");
        fs::create_directories(root / "Scan" / L"\u6C7D\u8F66 Br\u00FCck");
        fs::create_directories(root / "Scan" / "Vantor" / "V1.20");
        root.Write(fs::path("Scan") / "readme.txt", "x");
        root.Write(fs::path("Scan") / "MAKER.INI", "x");
        root.Write(fs::path("Scan") / "noext", "x");
        fs::create_directories(root / "Docs" / "EN");
        root.Write(fs::path("Docs") / "CN", "a file, not a folder");
    }

    std::wstring Pattern(const fs::path& relative, const wchar_t* tail) const
    {
        return (root / relative).wstring() + L"\\" + tail;
    }

    CTempFolder root;
};

struct SearchCase {
    const char* name;
    const char* folder;
    const wchar_t* tail;
    std::vector<std::wstring> expected;  // sorted
};

class FileFindProSearchTest : public FileFindProTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(FileFindProSearchTest, ListsTheMatchingFoldersOnly)
{
    CFileFindPro find;
    const int count = find.FindSubfolders(Pattern(GetParam().folder, GetParam().tail));
    EXPECT_EQ(count, static_cast<int>(GetParam().expected.size()));
    EXPECT_EQ(find.GetCount(), count);
    EXPECT_EQ(Sorted(find), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FileFindProSearchTest, ::testing::Values(
    SearchCase{"AllEntries", "Scan", L"*.*", {L"Vantor", L"\u6C7D\u8F66 Br\u00FCck"}},
    SearchCase{"Star", "Scan", L"*", {L"Vantor", L"\u6C7D\u8F66 Br\u00FCck"}},
    SearchCase{"OneLevelOnly", "Scan\\Vantor", L"*.*", {L"V1.20"}},
    SearchCase{"OneNamedFolder", "Docs", L"EN", {L"EN"}},
    SearchCase{"ANamedFileIsNoFolder", "Docs", L"CN", {}},
    SearchCase{"NothingMatches", "Scan", L"Q*", {}},
    SearchCase{"MissingFolder", "Nowhere", L"*.*", {}},
    SearchCase{"EmptyFolder", "Scan\\Vantor\\V1.20", L"*.*", {}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(FileFindProTest, ASecondSearchReplacesTheFirst)
{
    CFileFindPro find;
    ASSERT_EQ(find.FindSubfolders(Pattern("Scan", L"*.*")), 2);
    ASSERT_EQ(find.FindSubfolders(Pattern("Scan\\Vantor", L"*.*")), 1);
    EXPECT_EQ(find.GetAt(0), L"V1.20");
    EXPECT_EQ(find.GetAt(1), L"");
    EXPECT_EQ(find.FindSubfolders(Pattern("Nowhere", L"*.*")), 0);
    EXPECT_EQ(find.GetAt(0), L"");
    EXPECT_EQ(find.FindSubfolders(L""), 0);
}

TEST_F(FileFindProTest, AnIndexOutsideTheNamesGivesAnEmptyText)
{
    CFileFindPro find;
    ASSERT_EQ(find.FindSubfolders(Pattern("Scan", L"*.*")), 2);
    for (const int index : {-1000, -1, 2, 3, 0x7FFFFFFF})
        EXPECT_EQ(find.GetAt(index), L"") << index;
    EXPECT_FALSE(find.GetAt(0).empty());
    EXPECT_FALSE(find.GetAt(1).empty());
}

}  // namespace
