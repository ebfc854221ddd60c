#include "SetLanguageDlg.h"

#include <cwctype>

#include "ConfigStore.h"
#include "ProcessValues.h"
#include "SettingRestart.h"
#include "ScopedWin.h"
#include "StringResources.h"

namespace {

constexpr int kLanguageFaceNormal = 383;
constexpr int kLanguageFaceLatched = 384;
constexpr int kScrollBarId = 101;
constexpr size_t kTitlePrefixLength = 3;  // "00 English": the number and its blank

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

CSetLanguageDlg::CSetLanguageDlg(HWND view) : CSetupPage(SETUP_PAGE::Language, view) {}

CSetLanguageDlg::~CSetLanguageDlg() = default;

bool CSetLanguageDlg::OnInitDialog()
{
    MakeButtons();
    m_strChosenCode = StoredLanguage();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].code == m_strChosenCode) {
            Latch(i);
            break;
        }
    }
    MakeScrollBar();
    return true;
}

void CSetLanguageDlg::MakeButtons()
{
    const std::vector<std::wstring> codes = ResGetLanguageList();
    m_nListSize = codes.size();
    for (size_t position = 0; position < codes.size(); ++position) {
        const std::wstring& code = codes[position];
        if (!HasStringFile(code))
            continue;
        const int id = kFirstButtonId + static_cast<int>(position);
        const DWORD group = position == 0 ? WS_GROUP : 0;
        auto button = std::make_unique<CBmpBtn>();
        if (!button->Create(CaptionOf(code), WS_VISIBLE | group,
                            RECT{0, 0, kLanguageButtonWidth, kLanguageButtonHeight}, Handle(), id))
            continue;
        button->SetBitmaps(kLanguageFaceNormal, kLanguageFaceLatched, 0, 0);
        button->SetCenterText(true);
        if (code == L"KR")
            button->CreateDefaultFont();  // the shared font lacks the Korean letters
        m_buttons.push_back(std::move(button));
        m_entries.push_back({code, id});
    }
}

// The page keeps the scroll bar of its layout, hidden; paging goes by the view's page keys.
void CSetLanguageDlg::MakeScrollBar()
{
    m_scrollBar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, 0, 0, 16, 100, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollBarId)), nullptr, nullptr);
    if (m_scrollBar)
        SetScrollRange(m_scrollBar, SB_CTL, 0, static_cast<int>((m_nListSize + 2) / 3), FALSE);
}

void CSetLanguageDlg::Latch(size_t index)
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetChecked(i == index);
}

bool CSetLanguageDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].commandId == id) {
            m_strChosenCode = m_entries[i].code;
            Latch(i);
            return true;
        }
    }
    return false;
}

LANGUAGE_PAGE_LAYOUT CSetLanguageDlg::Layout() const
{
    const RECT client = ClientRect();
    return LanguagePageLayoutFor(client.right - client.left, client.bottom - client.top, m_buttons.size());
}

bool CSetLanguageDlg::HasPreviousButtonPage() const
{
    return m_nPage > 0;
}

bool CSetLanguageDlg::HasNextButtonPage() const
{
    return m_nPage + 1 < Layout().pageCount;
}

void CSetLanguageDlg::PreviousButtonPage()
{
    if (m_nPage == 0)
        return;
    --m_nPage;
    Redraw();
}

void CSetLanguageDlg::NextButtonPage()
{
    if (!HasNextButtonPage())
        return;
    ++m_nPage;
    Redraw();
}

void CSetLanguageDlg::Redraw()
{
    PlaceButtons();
    Invalidate(true);
}

void CSetLanguageDlg::PlaceButtons()
{
    const LANGUAGE_PAGE_LAYOUT layout = Layout();
    m_nPageCount = layout.pageCount;
    const size_t first = static_cast<size_t>(m_nPage) * static_cast<size_t>(layout.perPage);
    const size_t end = first + static_cast<size_t>(layout.perPage);
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CBmpBtn& button = *m_buttons[i];
        if (i < first || i >= end) {
            button.Show(SW_HIDE);
            continue;
        }
        const LANGUAGE_BUTTON_PLACE place = LanguageButtonPlace(layout, i);
        button.Move(place.x, place.y, kLanguageButtonWidth, kLanguageButtonHeight);
        button.Show(SW_SHOW);
    }
}

bool CSetLanguageDlg::OnPaint()
{
    CPaintDc paint(Handle());
    RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlaceButtons();
    return true;
}

void CSetLanguageDlg::Apply()
{
    const std::wstring chosen = UpperCase(m_strChosenCode);
    if (chosen == StoredLanguage())
        return;
    SaveSettingAndRestart([&chosen] { return SetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", chosen.c_str()); });
}
