#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "LogoBitmap.h"
#include "ProcessValues.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A 24-bit BMP of 2 x 1 pixels (one row of 6 bytes, padded to 8).
std::string SmallBmp()
{
    const unsigned char bytes[] = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,
        0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 255, 0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class LogoBitmapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedAppDir = ResGetAppDir();
        ResSetAppDir(program.Path().wstring() + L"\\");
        program.Write(fs::path("LOGO") / "Vantor.BMP", SmallBmp());
        program.Write(fs::path("LOGO") / "Broken.BMP", "BM not a bitmap");
        program.Write("Outside.BMP", SmallBmp());
    }
    void TearDown() override { ResSetAppDir(savedAppDir); }

    CTempFolder program;
    std::wstring savedAppDir;
};

TEST_F(LogoBitmapTest, LoadsTheMakersBitmapFromTheLogoFolder)
{
    HBITMAP bitmap = LoadLogoBitmap(L"Vantor");
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 1);
    DeleteObject(bitmap);
}

struct MissingCase {
    const char* name;
    const wchar_t* logo;
};

class LogoBitmapMissingTest : public LogoBitmapTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(LogoBitmapMissingTest, GivesNull)
{
    EXPECT_EQ(LoadLogoBitmap(GetParam().logo), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogoBitmapMissingTest, ::testing::Values(
    MissingCase{"MissingFile", L"Nobody"},
    MissingCase{"NotABitmap", L"Broken"},
    MissingCase{"EmptyName", L""},
    MissingCase{"NameLeavingTheFolder", L"..\\Outside"},
    MissingCase{"NameWithAPath", L"sub\\Vantor"}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
