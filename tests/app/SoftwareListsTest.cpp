// The vehicle-software lists as the splash's loaders build them from program folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoSoftware.h"
#include "FileFindPro.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "SoftwareFixture.h"

namespace {

namespace fs = std::filesystem;

std::string VehicleNames(const std::string& regions, const std::string& makers = "", const std::string& ids = "")
{
    return "<VEHICLE><MULTILANGUAGE><VEHICLENAME>" + makers + "</VEHICLENAME><REGION>" + regions +
           "</REGION></MULTILANGUAGE><REGIONID " + ids + " /></VEHICLE>";
}

std::string FamilyNames(const std::string& families)
{
    return "<HARROWFEN><VEHICLENAME>" + families + "</VEHICLENAME></HARROWFEN>";
}

std::vector<std::wstring> Folders(const VehicleList& list)
{
    std::vector<std::wstring> folders;
    for (const auto& item : list)
        folders.push_back(item->strFolder);
    return folders;
}

std::vector<std::wstring> Regions()
{
    std::vector<std::wstring> regions;
    for (const auto& group : g_GroupList)
        regions.push_back(group->strRegion);
    return regions;
}

const VEHICLE_LIST_ITEM* FindItem(const VehicleList& list, const std::wstring& folder)
{
    for (const auto& item : list) {
        if (item->strFolder == folder)
            return item.get();
    }
    return nullptr;
}

class SoftwareListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedAppDir = ResGetAppDir();
        savedLanguage = ResGetLanguageCode();
        ResSetAppDir(program.Path().wstring() + L"\\");
        ResSetLanguageCode(L"EN");
        software.Languages({L"en"});
    }
    void TearDown() override
    {
        FreeSoftwareLists();
        ResSetAppDir(savedAppDir);
        ResSetLanguageCode(savedLanguage);
    }

    std::wstring Path(const std::wstring& relative) const { return program.Path().wstring() + L"\\" + relative; }

    CTempFolder program;
    SoftwareFolderFixture software{program.Path()};
    std::wstring savedAppDir;
    std::wstring savedLanguage;
};

TEST_F(SoftwareListsTest, MakersAreListedByTestCountLargestFirstAndTiesKeepTheirFolderOrder)
{
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", L"Five", 5));
    software.Install(Maker(L"EAST", L"Nine", 9));
    software.Install(Maker(L"EAST", L"AlsoFive", 5));
    software.Install(Maker(L"EAST", L"NoIni", std::nullopt));
    software.Install(Maker(L"EAST", L"NoEnglish", 50, {L"DE"}));
    software.Load();

    // Equal counts keep the order in which the file system lists the folders.
    CFileFindPro found;
    found.FindSubfolders(Path(L"Scan\\EAST\\*.*"));
    std::vector<std::wstring> fives;
    for (int i = 0; i < found.GetCount(); ++i) {
        if (found.GetAt(i) == L"Five" || found.GetAt(i) == L"AlsoFive")
            fives.push_back(found.GetAt(i));
    }
    ASSERT_EQ(fives.size(), 2u);
    EXPECT_EQ(Folders(g_VehicleList), (std::vector<std::wstring>{L"Nine", fives[0], fives[1], L"NoIni"}));
    EXPECT_EQ(FindItem(g_VehicleList, L"NoIni")->nTestCount, 0) << "no MAKER.INI counts 0";
    EXPECT_EQ(FindItem(g_VehicleList, L"Nine")->nTestCount, 9);
}

struct RegionCase {
    const char* name;
    const wchar_t* folder;
    std::string regions;  // the names in "Config.xml"
    std::string ids;
    const wchar_t* language;
    bool listed;
    const wchar_t* region;
    std::vector<std::wstring> names;  // per installed language: CN, DE, EN
    const wchar_t* regionId;
};

class RegionListTest : public SoftwareListsTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(RegionListTest, ListsARegionUnderANameOfItsOwn)
{
    const RegionCase& c = GetParam();
    ResSetLanguageCode(c.language);
    software.Languages({L"en", L"de", L"cn"});
    software.Config(VehicleNames(c.regions, "", c.ids));
    software.Install(Maker(c.folder, L"Solo", 1, {c.language}));
    software.Load();

    ASSERT_EQ(g_GroupList.size(), c.listed ? 1u : 0u);
    if (!c.listed) {
        EXPECT_TRUE(g_VehicleList.empty()) << "the makers of an unnamed region are not listed";
        return;
    }
    const GROUP_ITEM& group = *g_GroupList.front();
    EXPECT_EQ(group.strRegion, c.region);
    EXPECT_EQ(group.strRegionId, c.regionId);
    std::vector<std::wstring> names;
    std::vector<std::wstring> languages;
    for (const DISPLAY_NAME_ITEM& name : group.arrNames) {
        languages.push_back(name.strLanguage);
        names.push_back(name.strName);
        EXPECT_TRUE(name.strCaption.empty());
        EXPECT_EQ(name.hLogo, nullptr);
    }
    EXPECT_EQ(languages, (std::vector<std::wstring>{L"CN", L"DE", L"EN"}));
    EXPECT_EQ(names, c.names);
    ASSERT_EQ(g_VehicleList.size(), 1u);
    EXPECT_EQ(g_VehicleList.front()->strRegion, c.region);
    EXPECT_EQ(g_VehicleList.front()->strPath, Path(L"Scan\\") + c.region + L"\\Solo\\");
}

INSTANTIATE_TEST_SUITE_P(Cases, RegionListTest, ::testing::Values(
    RegionCase{"NameInEveryLanguage", L"EAST", "<EAST EN=\"East\" DE=\"Ost\" CN=\"Dong\" />", "EAST=\"7\"", L"EN",
               true, L"EAST", {L"Dong", L"Ost", L"East"}, L"7"},
    RegionCase{"EnglishNameOnly", L"EAST", "<EAST EN=\"East\" />", "", L"DE",
               true, L"EAST", {L"East", L"East", L"East"}, L"EAST"},
    RegionCase{"NameInTheCurrentLanguageOnly", L"EAST", "<EAST DE=\"Ost\" />", "", L"DE",
               true, L"EAST", {L"EAST", L"Ost", L"EAST"}, L"EAST"},
    RegionCase{"NoNameIsNotListed", L"EAST", "<WEST EN=\"West\" />", "", L"EN", false, L"", {}, L""},
    RegionCase{"AnEmptyNameIsNoName", L"EAST", "<EAST EN=\"\" />", "", L"EN", false, L"", {}, L""},
    RegionCase{"LowerCaseFolderIsUpperCased", L"asia", "<ASIA EN=\"Asia\" />", "ASIA=\"3\"", L"EN",
               true, L"ASIA", {L"Asia", L"Asia", L"Asia"}, L"3"},
    RegionCase{"ElementNamesKeepTheirCase", L"asia", "<Asia EN=\"Asia\" />", "", L"EN", false, L"", {}, L""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SoftwareListsTest, InstalledLanguagesAreTheStringFilesInAlphabeticalOrder)
{
    software.Languages({L"cn"});  // beside "en"
    fs::create_directories(program.Path() / L"SysString" / L"STRRES.de");  // a folder of the name counts too
    software.Config("");
    software.Load();
    EXPECT_EQ(ResGetLanguageList(), (std::vector<std::wstring>{L"CN", L"DE", L"EN"}));
}

struct MakerNameCase {
    const char* name;
    const wchar_t* folder;
    std::string makers;
    const wchar_t* language;
    const wchar_t* expected;
};

class MakerNameTest : public SoftwareListsTest, public ::testing::WithParamInterface<MakerNameCase> {};

TEST_P(MakerNameTest, TakesTheNameOfTheLanguageThenEnglishThenTheFolder)
{
    const MakerNameCase& c = GetParam();
    ResSetLanguageCode(c.language);
    software.Config(VehicleNames("<EAST EN=\"East\" />", c.makers));
    software.Install(Maker(L"EAST", c.folder, 1, {c.language}));
    software.Load();
    ASSERT_EQ(g_VehicleList.size(), 1u);
    const VEHICLE_LIST_ITEM& maker = *g_VehicleList.front();
    EXPECT_EQ(maker.strFolder, c.folder);
    ASSERT_EQ(maker.arrNames.size(), 1u);
    EXPECT_EQ(maker.arrNames[0].strLanguage, c.language);
    EXPECT_EQ(maker.arrNames[0].strName, c.expected);
    EXPECT_EQ(maker.arrNames[0].strCaption, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MakerNameTest, ::testing::Values(
    MakerNameCase{"CurrentLanguage", L"Tarn", "<Tarn EN=\"Tarn Motors\" DE=\"Tarn Werke\" />", L"DE", L"Tarn Werke"},
    MakerNameCase{"EnglishFallback", L"Tarn", "<Tarn EN=\"Tarn Motors\" />", L"DE", L"Tarn Motors"},
    MakerNameCase{"FolderFallback", L"Tarn", "", L"EN", L"Tarn"},
    MakerNameCase{"ElementSpelledAsTheFolder", L"Tarn", "<TARN EN=\"Upper\" />", L"EN", L"Tarn"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SoftwareListsTest, AMakerCarriesItsDescriptionAndLogo)
{
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", L"Pictured", 3));
    software.Install(Maker(L"EAST", L"Plain", 2));
    software.Install(Maker(L"EAST", L"Broken", 1));
    software.Logo(L"Pictured", SolidBmp(6, 4, RGB(10, 20, 30)));
    software.Logo(L"Broken", "BM but not a bitmap");
    software.Load();
    ASSERT_EQ(g_VehicleList.size(), 3u);

    const DISPLAY_NAME_ITEM& pictured = FindItem(g_VehicleList, L"Pictured")->arrNames[0];
    EXPECT_EQ(pictured.strText, L"V1.00\r\nAbout the software\r\n");
    ASSERT_NE(pictured.hLogo, nullptr);
    BITMAP info = {};
    ASSERT_NE(GetObjectW(pictured.hLogo, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 6);
    EXPECT_EQ(FindItem(g_VehicleList, L"Plain")->arrNames[0].hLogo, nullptr) << "no logo file";
    EXPECT_EQ(FindItem(g_VehicleList, L"Broken")->arrNames[0].hLogo, nullptr) << "a logo that is no BMP";
}

TEST_F(SoftwareListsTest, FoldersWithOddNamesAreListedAsTheyAre)
{
    const std::wstring accented = L"\u00C6r\u00F8vik";
    const std::wstring longName(100, L'L');
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", accented, 2));
    software.Install(Maker(L"EAST", longName, 1));
    program.Write("Scan/EAST/NotAFolder", "a file among the makers");
    program.Write("Scan/EAST/NoLanguage/MAKER.INI", "[Group]\r\nTestCount=99\r\n");
    software.Logo(accented, SolidBmp(2, 2, RGB(1, 2, 3)));
    software.Load();

    EXPECT_EQ(Folders(g_VehicleList), (std::vector<std::wstring>{accented, longName}));
    const VEHICLE_LIST_ITEM& first = *g_VehicleList.front();
    EXPECT_EQ(first.strPath, Path(L"Scan\\EAST\\") + accented + L"\\");
    EXPECT_EQ(first.arrNames[0].strName, accented);
    EXPECT_NE(first.arrNames[0].hLogo, nullptr);
}

TEST_F(SoftwareListsTest, MissingFoldersGiveEmptyLists)
{
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    software.Load();
    EXPECT_TRUE(g_GroupList.empty());
    EXPECT_TRUE(g_VehicleList.empty());
    EXPECT_TRUE(g_FamilyList.empty());

    fs::create_directories(program.Path() / L"Scan" / L"EAST");
    software.Load();
    EXPECT_EQ(Regions(), (std::vector<std::wstring>{L"EAST"})) << "a region without makers is still a region";
    EXPECT_TRUE(g_VehicleList.empty());
}

struct FamilyCase {
    const char* name;
    const wchar_t* folder;
    std::vector<std::wstring> languages;
    std::string families;
    bool listed;
    const wchar_t* expectedFolder;
    const wchar_t* expectedName;
};

class FamilyListTest : public SoftwareListsTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(FamilyListTest, ListsFamiliesWithAFolderOfTheLanguage)
{
    const FamilyCase& c = GetParam();
    software.Config(FamilyNames(c.families));
    software.Install(Family(c.folder, c.languages));
    software.Load();
    ASSERT_EQ(g_FamilyList.size(), c.listed ? 1u : 0u);
    if (!c.listed)
        return;
    const VEHICLE_LIST_ITEM& family = *g_FamilyList.front();
    EXPECT_EQ(family.strFolder, c.expectedFolder);
    EXPECT_EQ(family.strPath, Path(L"Scan\\PRO\\") + c.expectedFolder + L"\\");
    EXPECT_TRUE(family.strRegion.empty());
    ASSERT_EQ(family.arrNames.size(), 1u);
    EXPECT_EQ(family.arrNames[0].strName, c.expectedName);
    EXPECT_EQ(family.arrNames[0].strCaption, c.expectedName);
    EXPECT_EQ(family.arrNames[0].strText, L"V1.00\r\nAbout the software\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, FamilyListTest, ::testing::Values(
    FamilyCase{"LowerCaseFolderWithoutName", L"abc", {L"EN"}, "", true, L"ABC", L""},
    FamilyCase{"NameOfTheLanguage", L"Line", {L"EN"}, "<LINE EN=\"The Line\" />", true, L"LINE", L"The Line"},
    FamilyCase{"LanguageFolderMustMatchExactly", L"LINE", {L"en"}, "<LINE EN=\"The Line\" />", false, L"", L""},
    FamilyCase{"NoLanguageFolder", L"LINE", {L"DE"}, "<LINE EN=\"The Line\" />", false, L"", L""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SoftwareListsTest, AReadOnlyConfigurationIsMadeWritableAndNoOtherFileIsTouched)
{
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    const std::wstring config = Path(L"Config.xml");
    const std::wstring ini = Path(L"CONFIG.INI");
    program.Write("CONFIG.INI", "[USERINFO]\r\n");
    ASSERT_TRUE(SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    software.Load();
    EXPECT_EQ(GetFileAttributesW(config.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(SetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN")) << "settings save again";
    EXPECT_EQ(GetFileAttributesW(ini.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SoftwareListsTest, ALoadReplacesWhatTheListsHeld)
{
    software.Config(VehicleNames("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", L"Gone", 2));
    software.Install(Maker(L"EAST", L"Stays", 1));
    software.Install(Family(L"LINE"));
    software.Load();
    ASSERT_EQ(g_VehicleList.size(), 2u);
    fs::remove_all(program.Path() / L"Scan" / L"EAST" / L"Gone");
    fs::remove_all(program.Path() / L"Scan" / L"PRO");
    software.Load();
    EXPECT_EQ(Folders(g_VehicleList), (std::vector<std::wstring>{L"Stays"}));
    EXPECT_EQ(g_GroupList.size(), 1u);
    EXPECT_TRUE(g_FamilyList.empty());
}

TEST(VehicleListItem, FreesItsLogos)
{
    const HBITMAP logo = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_NE(logo, nullptr);
    {
        VEHICLE_LIST_ITEM item;
        item.arrNames.push_back(DISPLAY_NAME_ITEM{L"EN", L"Name", L"Name", L"", logo});
        EXPECT_EQ(GetObjectType(logo), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(GetObjectType(logo), 0u);
}

// The demo installation, written by the demo generator's own code and read with the demo's
// "Config.xml": every folder it writes is listed under a name of that file.
class DemoInstallationTest : public SoftwareListsTest {
protected:
    void SetUp() override
    {
        SoftwareListsTest::SetUp();
        software.Languages({L"en", L"de"});
        for (const SOFTWARE_FOLDER& folder : DemoSoftware())
            ASSERT_EQ(WriteSoftwareFolder(program.Path(), folder), "");
        fs::copy_file(BuildProgramFolder() / "demo" / "Config.xml", program.Path() / "Config.xml");
        ASSERT_TRUE(LoadConfigDocument(Path(L"Config.xml").c_str()));
    }
};

TEST_F(DemoInstallationTest, ListsEveryRegionMakerAndFamilyInEnglish)
{
    software.Load();
    EXPECT_EQ(g_GroupList.size(), 3u);
    EXPECT_EQ(Folders(g_VehicleList), (std::vector<std::wstring>{L"Tessaline", L"Brannoc", L"Orvimo", L"Vikkelmor",
                                                                 L"Quellway", L"Kalderra", L"Sundrift", L"Hollisand"}));
    EXPECT_EQ(g_FamilyList.size(), 3u);
    for (const VehicleList* list : {&g_VehicleList, &g_FamilyList}) {
        for (const auto& item : *list) {
            const std::wstring element = (item->strRegion.empty() ? L"HARROWFEN\\VEHICLENAME\\"
                                                                   : L"VEHICLE\\MULTILANGUAGE\\VEHICLENAME\\") +
                                         item->strFolder;
            EXPECT_EQ(DisplayNameOf(*item), GetConfigValue(element.c_str(), L"EN", L"(none)")) << item->strFolder;
            EXPECT_EQ(item->arrNames[0].strText.substr(0, 1), L"V") << item->strFolder;
        }
    }
    for (const auto& group : g_GroupList)
        EXPECT_NE(DisplayNameIn(group->arrNames, L"EN"), group->strRegion) << "every region has its own name";
}

TEST_F(DemoInstallationTest, ListsTheGermanSoftwareInGerman)
{
    ResSetLanguageCode(L"DE");
    software.Load();
    const VEHICLE_LIST_ITEM* vans = FindItem(g_VehicleList, L"Quellway");
    ASSERT_NE(vans, nullptr);
    EXPECT_EQ(DisplayNameOf(*vans), L"Quellway Transporter");
    EXPECT_EQ(FindItem(g_VehicleList, L"Kalderra"), nullptr) << "it has no German software";
    EXPECT_EQ(g_VehicleList.size(), 7u);
    EXPECT_EQ(DisplayNameIn(g_GroupList.front()->arrNames, L"DE").empty(), false);
    ASSERT_FALSE(g_FamilyList.empty());
    EXPECT_EQ(DisplayNameOf(*FindItem(g_FamilyList, L"FIELDLINE")), L"Feldlinie");
}

}  // namespace
