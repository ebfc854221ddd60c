// Copies of the program that share a folder: each one's mark tells the others it still works there.
#include <gtest/gtest.h>

#include "FolderUseMark.h"

namespace {

struct MarkCase {
    const char* name;
    const wchar_t* otherKind;
    const wchar_t* otherFolder;
    bool shared;  // whether the second mark names the same folder
};

class FolderUseMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(FolderUseMarkTest, CountsOnlyCopiesOfTheSameFolder)
{
    const MarkCase& c = GetParam();
    CFolderUseMark first(L"NuthawkTestMark");
    CFolderUseMark second(c.otherKind);
    EXPECT_TRUE(first.Mark(L"C:\\Users\\Ann\\Temp\\Nuthawk\\"));
    EXPECT_EQ(second.Mark(c.otherFolder), !c.shared) << "the later copy's start";
    EXPECT_EQ(first.EndAndCheckOthers(), c.shared) << "the first copy's exit";
    EXPECT_FALSE(second.EndAndCheckOthers()) << "the last copy's exit";
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderUseMarkTest, ::testing::Values(
    MarkCase{"same_folder", L"NuthawkTestMark", L"C:\\Users\\Ann\\Temp\\Nuthawk\\", true},
    MarkCase{"other_letter_case", L"NuthawkTestMark", L"c:\\users\\ann\\temp\\NUTHAWK\\", true},
    MarkCase{"other_folder", L"NuthawkTestMark", L"C:\\Users\\Bob\\Temp\\Nuthawk\\", false},
    MarkCase{"other_kind_of_folder", L"NuthawkOtherMark", L"C:\\Users\\Ann\\Temp\\Nuthawk\\", false}),
    [](const ::testing::TestParamInfo<MarkCase>& param) { return std::string(param.param.name); });

}  // namespace
