#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProductdataScan.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

std::vector<std::wstring> FileNames(const std::vector<DocumentEntry>& entries)
{
    std::vector<std::wstring> names;
    for (const DocumentEntry& entry : entries)
        names.push_back(entry.strFileName);
    return names;
}

TEST(ProductdataScan, EveryKindFromItsFolderBelowTheProgramFolder)
{
    CTempFolder program;
    const fs::path root = program.Path();
    Touch(root / "SCREENRECORD" / "b.gif");
    Touch(root / "SCREENRECORD" / "a.gif");
    Touch(root / "SCREENRECORD" / "note.txt");
    Touch(root / "SNAPSHOT" / "20260101.png");
    Touch(root / "EUROPE" / "SAMPLE" / "EN" / "SAMPLE_EN.pdf");
    Touch(root / "EUROPE" / "OTHER" / "CN" / "OTHER_CN.pdf");  // another language
    Touch(root / "EUROPE" / "NOPDF" / "EN" / "readme.txt");    // no document of its name
    fs::create_directories(root / "EUROPE" / "LOWER" / "en");   // the language folder must match exactly
    Touch(root / "EUROPE" / "LOWER" / "en" / "LOWER_EN.pdf");
    Touch(root / "PRO" / "KIT" / "EN" / "KIT_EN.pdf");
    Touch(root / "scan" / "CHINA" / "X" / "EN" / "X_EN.pdf");  // not where this browser looks

    const auto lists = CProductdataScan::Scan(root, L"EN");
    struct Expected {
        size_t kind;
        std::vector<std::wstring> files;
    } const expected[] = {
        {0, {L"a.gif", L"b.gif"}}, {1, {L"20260101.png"}}, {2, {}}, {3, {}},
        {4, {L"SAMPLE_EN.pdf"}},   {5, {}},                {6, {L"KIT_EN.pdf"}},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(FileNames(lists[e.kind]), e.files) << e.kind;
    EXPECT_EQ(lists[4][0].strName, L"SAMPLE_EN");
    EXPECT_EQ(fs::path(lists[4][0].strPath), root / "EUROPE" / "SAMPLE" / "EN" / "SAMPLE_EN.pdf");
    EXPECT_EQ(lists[0][1].nIndex, 1);
}

TEST(ProductdataScan, MissingFoldersAndNoLanguageGiveEmptyLists)
{
    CTempFolder program;
    Touch(program.Path() / "EUROPE" / "SAMPLE" / "EN" / "SAMPLE_EN.pdf");
    for (const auto& list : CProductdataScan::Scan(program.Path() / "absent", L"EN"))
        EXPECT_TRUE(list.empty());
    EXPECT_TRUE(CProductdataScan::Scan(program.Path(), L"")[4].empty());
}

TEST(ProductdataScan, KindsAndTheirTreeTexts)
{
    const auto& kinds = CProductdataScan::Kinds();
    const wchar_t* texts[] = {L"SCREENRECORD", L"Snapshot", L"Australia", L"China", L"Europe", L"ObdII", L"Harrowfen"};
    for (size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_STREQ(kinds[i].text, texts[i]);
        EXPECT_EQ(kinds[i].inTree, i != 6);
    }
}

}  // namespace
