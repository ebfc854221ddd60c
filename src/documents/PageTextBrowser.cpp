#include "PageTextBrowser.h"

#include <richedit.h>

#include <vector>

#include "FileBytes.h"
#include "RepairPageRules.h"

namespace {
// A page archive above this size is not a repair page of ours; it is not read into memory.
constexpr size_t kLargestPage = 16 * 1024 * 1024;
}  // namespace

CPageTextBrowser::CPageTextBrowser(HWND parent, int controlId, IRepairPageEvents& events) : m_events(events)
{
    m_library = LoadLibraryW(L"riched20.dll");
    if (!m_library)
        return;
    m_window = CreateWindowExW(0, RICHEDIT_CLASSW, L"",
                               WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                   ES_AUTOVSCROLL,
                               0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                               GetModuleHandleW(nullptr), nullptr);
    if (m_window) {
        SendMessageW(m_window, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
        SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
}

CPageTextBrowser::~CPageTextBrowser()
{
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
    if (m_library)
        FreeLibrary(m_library);
}

void CPageTextBrowser::Navigate(const std::wstring& target)
{
    if (m_events.OnBeforeNavigate(target))
        return;
    std::vector<uint8_t> archive;
    const bool read = ReadFileBytesUpTo(std::filesystem::path(RepairPageRules::PathFromTarget(target)),
                                        kLargestPage, archive);
    const std::wstring text = read ? RepairPageRules::PageText(archive) : L"";
    ShowText(text.empty() ? L"This repair page cannot be read." : text);
    m_events.OnNavigateComplete(target);
}

void CPageTextBrowser::Move(const RECT& area)
{
    if (m_window)
        MoveWindow(m_window, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void CPageTextBrowser::ShowText(const std::wstring& text)
{
    if (!m_window)
        return;
    std::wstring shown;
    for (wchar_t c : text) {  // the control breaks lines at CR LF
        if (c == L'\n')
            shown += L'\r';
        shown += c;
    }
    SetWindowTextW(m_window, shown.c_str());
}
