#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "DataResWriter.h"
#include "DbFile.h"
#include "DbFileWriter.h"
#include "ModalSeam.h"
#include "VehicleDataTest.h"
#include "VehicleDataWin.h"

namespace {

// The readers with the Windows services the program installs at start: the message box through
// the modal seam, and the code-page conversions.
class VehicleDataWinTest : public VehicleDataTest {
protected:
    void SetUp() override
    {
        VehicleDataTest::SetUp();
        InstallVehicleDataServices();
        m_previousAnswerer = SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            boxes.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetModalAnswerer(m_previousAnswerer);
        SetDbMessageShower({});
        SetCodePageEncoder({});
        ResSetCodePage(0);
        VehicleDataTest::TearDown();
    }

    std::vector<std::wstring> boxes;

private:
    ModalAnswerer m_previousAnswerer;
};

TEST_F(VehicleDataWinTest, AHeaderErrorShowsItsMessageBox)
{
    DB_HEADER_FIELDS header;
    header.magic = "XX";
    WriteDbFile(folder.Path(), L"EN_DS.DB", EncodeDbFile(header, {{"KEY1", {"one"}}}));
    CDbFile file;
    EXPECT_FALSE(file.Open(L"EN_DS.DB"));
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"DB Information Error, Error Code:2"});
}

TEST_F(VehicleDataWinTest, VehicleTextsBecomeWide)
{
    WriteTextDb(folder.Path(), "EN", 3.25, 4, {{"RPM", "Drehzahl \xE2\x82\xAC"}, {"BAD", "\xC3\x28"}});
    EXPECT_EQ(GetVehicleText(Key(std::string("RPM", 4))), L"Drehzahl \u20AC");
    EXPECT_EQ(GetVehicleText(Key(std::string("BAD", 4))), L"");  // no UTF-8: no text
    EXPECT_EQ(GetVehicleText(Key(std::string("NOT", 4))), L"");
}

TEST_F(VehicleDataWinTest, TheLanguageCodePageWhenDbFormatIs1)
{
    ResSetDbFormat(1);
    ResSetCodePage(1251);
    WriteTextDb(folder.Path(), "EN", 3.25, 4, {{"RPM", "\xCF\xF0\xE8\xE2\xE5\xF2"}});
    EXPECT_EQ(GetVehicleText(Key(std::string("RPM", 4))), L"\u041F\u0440\u0438\u0432\u0435\u0442");
}

TEST_F(VehicleDataWinTest, PackedTextsTakeTheCodePageOfDbFormat)
{
    Write("PACK_EN.dat", EncodeTextDatabase({}, {{TextDbKey("RPM"), u"\u041F\u0440\u0438\u0432\u0435\u0442"}}));
    CDbFile file;
    ASSERT_TRUE(file.Open(L"PACK_EN.dat"));
    const ByteString key = Key("RPM");
    auto first = [&] {
        const std::vector<ByteString> list = file.ReadRecord(key);
        return list.size() == 1 ? Bytes(list[0]) : std::string("(no list)");
    };
    EXPECT_EQ(first(), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    ResSetDbFormat(1);
    ResSetCodePage(1251);
    EXPECT_EQ(first(), "\xCF\xF0\xE8\xE2\xE5\xF2");
    ResSetCodePage(1252);  // no Cyrillic: the system's replacement characters, one per letter
    EXPECT_EQ(first().size(), 6u);
}

}  // namespace
