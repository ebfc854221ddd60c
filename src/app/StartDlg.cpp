#include "StartDlg.h"

#include "ConfigStore.h"
#include "DisplayApp.h"
#include "FileFindPro.h"
#include "IniFile.h"
#include "LanguageTextFile.h"
#include "LogoBitmap.h"
#include "ProcessValues.h"
#include "SoftwareLists.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kLoadTimer = 2;
constexpr UINT kLoadAfterMs = 1000;

const wchar_t* const kRegionNames = L"VEHICLE\\MULTILANGUAGE\\REGION\\";
const wchar_t* const kMakerNames = L"VEHICLE\\MULTILANGUAGE\\VEHICLENAME\\";
const wchar_t* const kFamilyNames = L"HARROWFEN\\VEHICLENAME\\";

// The value of an element in the language, else in English, else the fallback.
std::wstring LocalName(const std::wstring& element, const std::wstring& language, const std::wstring& fallback)
{
    std::wstring name = GetConfigValue(element.c_str(), language.c_str(), L"");
    if (name.empty())
        name = GetConfigValue(element.c_str(), L"EN", L"");
    return name.empty() ? fallback : name;
}

// A read-only "Config.xml" would make every later setting fail to save, silently; it is made
// writable here. No other file is touched.
void MakeConfigWritable()
{
    const std::wstring config = ResGetAppDir() + L"Config.xml";
    const DWORD attributes = GetFileAttributesW(config.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(config.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

// The codes of the string files in "SysString\", in alphabetical order.
std::vector<std::wstring> InstalledLanguages()
{
    std::vector<std::wstring> codes;
    const std::wstring stem = ResGetAppDir() + L"SysString\\STRRES.";
    for (wchar_t first = L'a'; first <= L'z'; ++first) {
        for (wchar_t second = L'a'; second <= L'z'; ++second) {
            const std::wstring code = {first, second};
            if (GetFileAttributesW((stem + code).c_str()) != INVALID_FILE_ATTRIBUTES)
                codes.push_back(UpperCaseName(code));
        }
    }
    return codes;
}

void LoadRegions(const std::wstring& scanFolder, const std::vector<std::wstring>& languages,
                 const std::wstring& language)
{
    CFileFindPro regions;
    const int count = regions.FindSubfolders(scanFolder + L"*.*");
    for (int i = 0; i < count; ++i) {
        const std::wstring region = UpperCaseName(regions.GetAt(i));
        const std::wstring element = kRegionNames + region;
        if (LocalName(element, language, L"").empty())
            continue;  // a region is shown only under a name of its own
        auto group = std::make_unique<GROUP_ITEM>();
        group->strRegion = region;
        group->strRegionId = GetConfigValue(L"VEHICLE\\REGIONID", region.c_str(), region.c_str());
        for (const std::wstring& code : languages)
            group->arrNames.push_back(DISPLAY_NAME_ITEM{code, LocalName(element, code, region), L"", L"", nullptr});
        g_GroupList.push_back(std::move(group));
    }
}

void LoadMakers(const std::wstring& scanFolder, const std::wstring& language)
{
    for (const auto& group : g_GroupList) {
        const std::wstring regionFolder = scanFolder + group->strRegion + L"\\";
        CFileFindPro makers;
        const int count = makers.FindSubfolders(regionFolder + L"*.*");
        for (int i = 0; i < count; ++i) {
            const std::wstring maker = makers.GetAt(i);
            auto item = std::make_unique<VEHICLE_LIST_ITEM>();
            item->strRegion = group->strRegion;
            item->strPath = regionFolder + maker + L"\\";
            item->nTestCount = ReadIniInt((item->strPath + L"MAKER.INI").c_str(), L"Group", L"TestCount", 0);
            CFileFindPro languageFolder;
            if (language.empty() || languageFolder.FindSubfolders(item->strPath + language) == 0)
                continue;  // no software for the current language
            item->strFolder = maker;
            const std::wstring name = LocalName(kMakerNames + maker, language, maker);
            item->arrNames.push_back(
                DISPLAY_NAME_ITEM{language, name, name, LoadLanguageTextFile(item->strPath), LoadLogoBitmap(maker)});
            InsertByTestCount(g_VehicleList, std::move(item));
        }
    }
}

}  // namespace

CStartDlg::CStartDlg(HWND parent) : CDialog(IDD_STARTDLG, parent) {}

void CStartDlg::LoadConfiguration(const std::wstring& scanFolder)
{
    MakeConfigWritable();
    g_GroupList.clear();
    g_VehicleList.clear();
    const std::vector<std::wstring> languages = InstalledLanguages();
    ResSetLanguageList(languages);
    const std::wstring language = ResGetLanguageCode();
    LoadRegions(scanFolder, languages, language);
    LoadMakers(scanFolder, language);
}

void CStartDlg::LoadVehicleNames(const std::wstring& proFolder)
{
    g_FamilyList.clear();
    const std::wstring language = ResGetLanguageCode();
    CFileFindPro families;
    const int count = families.FindSubfolders(proFolder + L"*.*");
    for (int i = 0; i < count; ++i) {
        const std::wstring family = UpperCaseName(families.GetAt(i));
        CFileFindPro languages;
        const int languageCount = languages.FindSubfolders(proFolder + family + L"\\*.*");
        for (int j = 0; j < languageCount; ++j) {
            if (languages.GetAt(j) != language)
                continue;  // the language folder must match exactly
            auto item = std::make_unique<VEHICLE_LIST_ITEM>();
            item->strPath = proFolder + family + L"\\";
            item->strFolder = family;
            const std::wstring name = LocalName(kFamilyNames + family, language, L"");
            item->arrNames.push_back(
                DISPLAY_NAME_ITEM{language, name, name, LoadLanguageTextFile(item->strPath), LoadLogoBitmap(family)});
            g_FamilyList.push_back(std::move(item));
        }
    }
}

bool CStartDlg::OnInitDialog()
{
    std::wstring title = ResGetString(0x10000500);
    SetDlgItemTextW(Handle(), IDC_STARTDLG_TEXT, (title + L"\n" + GetBuildText()).c_str());
    SetGlobalFloat2(6.3f);
    SetTimer(Handle(), kLoadTimer, kLoadAfterMs, nullptr);
    return true;
}

bool CStartDlg::OnTimer(UINT_PTR id)
{
    if (id != kLoadTimer)
        return false;
    KillTimer(Handle(), kLoadTimer);
    const std::wstring folder = ResGetAppDir();
    LoadConfiguration(folder + L"Scan\\");
    LoadVehicleNames(folder + L"Scan\\PRO\\");
    m_bLoaded = true;
    EndDialog(IDOK);
    return true;
}
