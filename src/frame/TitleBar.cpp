#include "TitleBar.h"

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "resource.h"

bool CTitleBar::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(IDB_TITLEBAR));
    return false;
}

bool CTitleBar::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawImage(dc, m_background.Get(), 0, 0);
    // A title too long for the bar is cut at the end of its place, without an ellipsis.
    RECT place = {client.left + 20, client.top + 1, client.right - 40, client.bottom - 2};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, m_title.c_str(), static_cast<int>(m_title.size()), &place, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return true;
}

void CTitleBar::ShowTitle(const std::wstring& title)
{
    if (title == m_title)
        return;
    m_title = title;
    if (IsWindow())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
}
