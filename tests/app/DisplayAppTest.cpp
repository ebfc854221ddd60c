#include <gtest/gtest.h>

#include "DisplayApp.h"
#include "FontChoice.h"

namespace {

struct FolderCase {
    const wchar_t* executable;
    const wchar_t* folder;
};

class ProgramFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderTest, IsTheLowerCasedFolderWithItsBackslash)
{
    EXPECT_EQ(ProgramFolderOf(GetParam().executable), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramFolderTest, ::testing::Values(
    FolderCase{L"C:\\Program Files\\Diag\\Display.EXE", L"c:\\program files\\diag\\"},
    FolderCase{L"D:\\\u0416\u0423\u041A\\Display.exe", L"d:\\\u0436\u0443\u043A\\"},
    FolderCase{L"Display.exe", L""}));

struct FontCase {
    const wchar_t* language;
    int charset;
    const wchar_t* face;
};

class FontChoiceTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontChoiceTest, FollowsTheLanguage)
{
    EXPECT_EQ(LanguageCharset(GetParam().language), GetParam().charset);
    EXPECT_EQ(DefaultFaceName(GetParam().language), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontChoiceTest, ::testing::Values(
    FontCase{L"KR", 1, L"\u5B8B\u4F53"}, FontCase{L"DE", 1, L"Arial"}, FontCase{L"RU", 204, L"Arial"},
    FontCase{L"CN", 134, L"Arial"}, FontCase{L"TW", 136, L"Arial"}, FontCase{L"JP", 128, L"Arial"},
    FontCase{L"VI", 163, L"Arial"}, FontCase{L"TH", 222, L"Arial"}, FontCase{L"TR", 162, L"Arial"},
    FontCase{L"AA", 178, L"Arial"}, FontCase{L"ru", 1, L"Arial"}, FontCase{L"", 1, L"Arial"}));

}  // namespace
