#include "SetupLanguage.h"

#include <algorithm>
#include <cwctype>

#include "ConfigStore.h"
#include "ProcessValues.h"
#include "SettingRestart.h"
#include "SetupLanguageRows.h"
#include "SetupStripes.h"
#include "SharedFonts.h"
#include "StringResources.h"

namespace {

constexpr size_t kTitlePrefixLength = 3;  // "00 English": the number and its blank
constexpr int kScrollBarWidth = 20;
constexpr int kLeftColumnX = 60;
constexpr int kRightColumnOffset = 30;
constexpr int kMinimumWidth = 570;
constexpr int kShiftLeft = 307;
constexpr int kFullScreenShift = 171;

std::wstring UpperCase(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

std::wstring StoredLanguage()
{
    return UpperCase(GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN"));
}

bool HasStringFile(const std::wstring& code)
{
    const std::wstring file = ResGetAppDir() + L"SysString\\STRRES." + code;
    return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring CaptionOf(const std::wstring& code)
{
    const std::wstring title = ResGetLanguageTitle(code);
    return title.size() > kTitlePrefixLength ? title.substr(kTitlePrefixLength) : std::wstring();
}

}  // namespace

CSetupLanguage::CSetupLanguage(HWND parent)
    : CDialog(kTemplateId, parent),
      m_greyBrush(CreateSolidBrush(kSetupGreyBand)),
      m_whiteBrush(CreateSolidBrush(kSetupWhiteBand))
{
}

CSetupLanguage::~CSetupLanguage() = default;

bool CSetupLanguage::OnInitDialog()
{
    MakeButtons();
    const std::wstring current = StoredLanguage();
    for (const LANGUAGE_BUTTON& entry : m_entries) {
        if (UpperCase(entry.code) == current)
            CheckDlgButton(Handle(), entry.id, BST_CHECKED);
    }
    MakeScrollBar();
    PlaceButtons();
    return true;
}

void CSetupLanguage::MakeButtons()
{
    const std::vector<std::wstring> codes = ResGetLanguageList();
    m_codeCount = codes.size();
    m_rows = SetupLanguageRowCount(codes.size());
    for (size_t position = 0; position < codes.size(); ++position) {
        if (!HasStringFile(codes[position]))
            continue;
        const int id = kFirstButtonId + static_cast<int>(position);
        const DWORD group = m_entries.empty() ? WS_GROUP : 0;
        const HWND button = CreateWindowExW(
            0, L"BUTTON", CaptionOf(codes[position]).c_str(), WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | group, 0, 0,
            kButtonWidth, kButtonHeight, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        if (!button)
            continue;
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), TRUE);
        m_entries.push_back({codes[position], id, button});
    }
}

void CSetupLanguage::MakeScrollBar()
{
    const RECT client = ClientRect();
    m_scrollBar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, client.right - kScrollBarWidth, 0,
                                  kScrollBarWidth, client.bottom, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollBarId)), nullptr, nullptr);
    if (m_scrollBar)
        SetScrollRange(m_scrollBar, SB_CTL, 0, m_rows, FALSE);
}

// Buttons go two a band from the scrolled-to row on; the bands themselves stay.
void CSetupLanguage::PlaceButtons()
{
    const RECT client = ClientRect();
    const int rightX = (client.right - client.left) / 2 + kRightColumnOffset;
    for (size_t index = 0; index < m_entries.size(); ++index) {
        const int row = static_cast<int>(index / 2);
        const HWND button = m_entries[index].button;
        if (row < m_position) {
            ShowWindow(button, SW_HIDE);
            continue;
        }
        const int top = (row - m_position) * kSetupBandHeight + (kSetupBandHeight - kButtonHeight) / 2;
        MoveWindow(button, index % 2 == 0 ? kLeftColumnX : rightX, top, kButtonWidth, kButtonHeight, FALSE);
        ShowWindow(button, SW_SHOW);
    }
}

const CSetupLanguage::LANGUAGE_BUTTON* CSetupLanguage::EntryOf(int id, size_t* index) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].id == id) {
            if (index)
                *index = i;
            return &m_entries[i];
        }
    }
    return nullptr;
}

// Buttons are found by their id, not by its distance from the first: a language without a file
// leaves a gap in the ids.
bool CSetupLanguage::OnCommand(int id, int code, HWND)
{
    const LANGUAGE_BUTTON* entry = EntryOf(id);
    if (code != BN_CLICKED || !entry)
        return false;
    const std::wstring chosen = UpperCase(entry->code);
    if (chosen != StoredLanguage())
        SaveSettingAndRestart([&chosen] { return SetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", chosen.c_str()); });
    return false;  // the ordinary handling follows
}

bool CSetupLanguage::OnPaint()
{
    CPaintDc paint(Handle());
    PaintSetupStripes(paint.Get(), ClientRect());
    return true;
}

HBRUSH CSetupLanguage::OnCtlColor(HDC dc, HWND control, UINT)
{
    size_t index = 0;
    if (!EntryOf(GetDlgCtrlID(control), &index))
        return nullptr;
    const bool white = SetupLanguageRowOnWhiteBand(static_cast<int>(index / 2), m_position);
    SetBkColor(dc, white ? kSetupWhiteBand : kSetupGreyBand);
    return white ? m_whiteBrush.Get() : m_greyBrush.Get();
}

void CSetupLanguage::Scroll(int code, int thumb)
{
    const int next = NextSetupLanguageScroll(m_position, m_rows, code, thumb);
    if (next == m_position && code != kScrollTop)
        return;
    m_position = next;
    if (m_scrollBar)
        SetScrollPos(m_scrollBar, SB_CTL, m_position, TRUE);
    PlaceButtons();
    Invalidate(true);
}

bool CSetupLanguage::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_VSCROLL)
        return false;
    Scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
    result = 0;
    return true;
}

// A page shorter than its rows grows to hold them all and shows its scroll bar. Moving itself
// sends another size message; that one must not move it again.
bool CSetupLanguage::OnSize(UINT, int, int height)
{
    if (m_sizing || height >= m_rows * kSetupBandHeight)
        return false;
    m_sizing = true;
    RECT window = WindowRect();
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&window), 2);
    const int shift = GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0) == 0 ? kFullScreenShift : 0;
    const int width = std::max<int>(window.right - window.left, kMinimumWidth);
    Move(window.left - kShiftLeft + shift, 0, width, m_rows * kSetupBandHeight);
    const RECT client = ClientRect();
    if (m_scrollBar) {
        MoveWindow(m_scrollBar, client.right - kScrollBarWidth, 0, kScrollBarWidth, client.bottom, TRUE);
        ShowWindow(m_scrollBar, SW_SHOW);
    }
    PlaceButtons();
    m_sizing = false;
    return false;
}

void CSetupLanguage::OnDestroy()
{
    for (LANGUAGE_BUTTON& entry : m_entries)
        DestroyWindow(entry.button);
    m_entries.clear();
}
