#include "StartDlg.h"

#include "BmpBtn.h"
#include "ConfigStore.h"
#include "DisplayApp.h"
#include "FileFindPro.h"
#include "IniFile.h"
#include "LanguageTextFile.h"
#include "LogoBitmap.h"
#include "ProcessValues.h"
#include "SoftwareLists.h"
#include "StringResources.h"
#include "UpdateThreads.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kLoadTimer = 2;
constexpr UINT_PTR kStepTimer = 3;
UINT g_tickMs = 1000;
UINT g_stepMs = 400;
UINT g_loadAfterMs = 1000;
constexpr int kPositions = 5;
constexpr int kFirstMarkX = 343;
constexpr int kMarkGap = 46;
constexpr int kMarkY = 446;
constexpr int kCountdownFrom = 3;

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

// Whether a maker's folder holds software in `language`, a folder of that name. For a plain name
// asking for the folder itself answers as a search would, without opening the maker's folder.
bool HasLanguageFolder(const std::wstring& makerPath, const std::wstring& language)
{
    const bool plain = language.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos && language != L"." &&
                       language != L"..";
    if (!plain) {
        CFileFindPro languageFolder;
        return languageFolder.FindSubfolders(makerPath + language) > 0;
    }
    return FolderExists(makerPath + language);
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
            if (language.empty() || !HasLanguageFolder(item->strPath, language))
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

CStartDlg::CStartDlg(HWND parent) : CDialog(IDD_STARTDLG, parent), m_picture(LoadProgramBitmap(IDB_SPLASH))
{
    for (int i = 0; i < static_cast<int>(m_marks.size()); ++i) {
        m_marks[static_cast<size_t>(i)] = std::make_unique<CStartProCtrlNormalDlg>();
        m_marks[static_cast<size_t>(i)]->SetBitmap(i < kPositions ? IDB_SPLASH_MARK_LIT : IDB_SPLASH_MARK_DIM);
    }
}

void CStartDlg::SetPeriods(UINT tickMs, UINT stepMs, UINT loadAfterMs)
{
    if (tickMs)
        g_tickMs = tickMs;
    if (stepMs)
        g_stepMs = stepMs;
    if (loadAfterMs)
        g_loadAfterMs = loadAfterMs;
}

const CStartProCtrlNormalDlg* CStartDlg::Mark(int index) const
{
    return index >= 0 && index < static_cast<int>(m_marks.size()) ? m_marks[static_cast<size_t>(index)].get() : nullptr;
}

int CStartDlg::LitPosition() const
{
    for (int i = 0; i < kPositions; ++i) {
        if (m_marks[static_cast<size_t>(i)]->IsWindow() && m_marks[static_cast<size_t>(i)]->IsVisible())
            return i;
    }
    return -1;
}

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
    // Landscape on a turnable screen, where the system knows of turning at all.
    using RotationPreference = BOOL(WINAPI*)(int);
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
        if (auto prefer = reinterpret_cast<RotationPreference>(
                reinterpret_cast<void*>(GetProcAddress(user, "SetDisplayAutoRotationPreferences"))))
            prefer(1);
    }
    m_strStatus = ResGetString(0x10000602);
    const SIZE picture = ProgramBitmapSize(IDB_SPLASH);
    SetWindowPos(Handle(), HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - picture.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - picture.cy) / 2, picture.cx, picture.cy, SWP_SHOWWINDOW);
    SetGlobalFloat2(6.3f);
    m_nCloseCounter = 0;
    PlaceMarks();
    SetTimer(Handle(), kStepTimer, g_stepMs, nullptr);
    SetTimer(Handle(), kTickTimer, g_tickMs, nullptr);
    SetTimer(Handle(), kLoadTimer, g_loadAfterMs, nullptr);
    return true;
}

// Two layers over five positions: the lit marks (0-4) start hidden, the dim ones (5-9) shown.
void CStartDlg::PlaceMarks()
{
    const RECT splash = WindowRect();
    for (int i = 0; i < static_cast<int>(m_marks.size()); ++i) {
        CStartProCtrlNormalDlg& mark = *m_marks[static_cast<size_t>(i)];
        mark.SetOwner(Handle());  // owned: above the splash, and no button in the task bar
        if (!mark.CreateModeless())
            continue;
        const RECT own = mark.WindowRect();
        SetWindowPos(mark.Handle(), nullptr, splash.left + kFirstMarkX + kMarkGap * (i % kPositions),
                     splash.top + kMarkY, own.right - own.left, own.bottom - own.top, SWP_NOACTIVATE | SWP_NOZORDER);
        mark.Show(i < kPositions ? SW_HIDE : SW_SHOWNOACTIVATE);
    }
}

// One lit mark walks left to right across the five positions, one step a period.
void CStartDlg::StepMarks()
{
    for (int i = 0; i < kPositions; ++i) {
        m_marks[static_cast<size_t>(i)]->Show(SW_HIDE);
        m_marks[static_cast<size_t>(i + kPositions)]->Show(SW_SHOWNOACTIVATE);
    }
    m_marks[static_cast<size_t>(m_nLitMark)]->Show(SW_SHOWNOACTIVATE);
    m_marks[static_cast<size_t>(m_nLitMark + kPositions)]->Show(SW_HIDE);
    m_nLitMark = (m_nLitMark + 1) % kPositions;
}

// The loaders run on this thread while the splash waits; the marks stand still meanwhile.
void CStartDlg::LoadLists()
{
    KillTimer(Handle(), kLoadTimer);
    const std::wstring folder = ResGetAppDir();
    LoadConfiguration(folder + L"Scan\\");
    LoadVehicleNames(folder + L"Scan\\PRO\\");
    Invalidate(false);
    m_bLoaded = true;
}

// The splash ends on the fourth tick after loading: remembered counts 0, 1, 2 and 3.
void CStartDlg::CountDown()
{
    CClientDc dc(Handle());
    DrawSplash(dc.Get());
    if (!m_bLoaded)
        return;
    const int remembered = m_nCloseCounter++;
    if (remembered >= kCountdownFrom)
        CDialog::OnOK();
}

bool CStartDlg::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kStepTimer:
        StepMarks();
        return true;
    case kLoadTimer:
        LoadLists();
        return true;
    case kTickTimer:
        CountDown();
        return true;
    default:
        return false;
    }
}

void CStartDlg::DrawSplash(HDC dc) const
{
    if (m_picture) {
        const SIZE size = ProgramBitmapSize(IDB_SPLASH);
        CMemoryDc source(dc);
        CSelectObject selected(source.Get(), m_picture.Get());
        BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    }
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring lines[] = {std::to_wstring(kCountdownFrom - m_nCloseCounter) + L" " + ResGetString(0x10000501),
                                  ResGetString(0x10000500), GetBuildText(), m_strStatus};
    int y = 565;
    for (const std::wstring& line : lines) {
        ExtTextOutW(dc, 103, y, ETO_CLIPPED, nullptr, line.c_str(), static_cast<UINT>(line.size()), nullptr);
        y += 20;
    }
    SetBkMode(dc, OPAQUE);
}

bool CStartDlg::OnEraseBkgnd(HDC dc)
{
    DrawSplash(dc);
    return true;
}

bool CStartDlg::OnPaint()
{
    CPaintDc paint(Handle());
    CClientDc dc(Handle());
    DrawSplash(dc.Get());
    return true;
}

bool CStartDlg::OnLButtonDown(UINT keys, POINT point)
{
    if (m_bLoaded)
        CDialog::OnOK();
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

void CStartDlg::OnDestroy()
{
    KillTimer(Handle(), kTickTimer);
    KillTimer(Handle(), kStepTimer);
    for (auto& mark : m_marks) {
        if (mark->IsWindow())
            DestroyWindow(mark->Handle());
    }
}
