#include "SetupPage.h"

#include "ScopedWin.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "resource.h"

std::wstring SetupPageTitle(SETUP_PAGE page)
{
    const SETUP_PAGE_ENTRY* entry = SetupPageAt(SetupPageIndex(page));
    if (!entry)
        return L"";
    const std::wstring text = ResGetString(entry->titleId);
    return text.empty() ? entry->english : text;
}

CSetupPage::CSetupPage(SETUP_PAGE page, HWND view) : CSetupPage(page, view, IDD_SETUPPAGE) {}

CSetupPage::CSetupPage(SETUP_PAGE page, HWND view, int templateId) : CDialog(templateId, view), m_page(page) {}

bool CSetupPage::CreatePage(const RECT& rect)
{
    if (!CreateModeless())
        return false;
    Show(SW_HIDE);
    Move(rect, false);
    return true;
}

bool CSetupPage::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    RECT client = ClientRect();
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HFONT font = BoldFont() ? BoldFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    CSelectObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(28, 52, 96));
    const std::wstring title = SetupPageTitle(m_page);
    RECT place = {client.left + 20, client.top + 16, client.right - 20, client.top + 48};
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &place, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    return true;
}
