#include "TopGuide.h"

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "SharedFonts.h"
#include "TopBarModel.h"
#include "resource.h"

namespace {

constexpr COLORREF kTextBackground = 0xE3DFE0;
constexpr int kTextTop = 4;

}  // namespace

bool CTopGuide::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(IDB_TOPGUIDE_BACKGROUND));
    return false;
}

void CTopGuide::SetPathText(const std::wstring& text)
{
    if (text == m_pathText)
        return;
    m_pathText = text;
    m_breadcrumb = FormatGuidePath(text);
    if (IsWindow())
        Invalidate(false);
}

bool CTopGuide::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    const SIZE image = BitmapSize(m_background.Get());
    DrawPieces(dc, m_background.Get(), {STRETCH_PIECE{0, 0, image.cx, image.cy, 0, 0, client.right, client.bottom}});

    const HFONT font = BoldFont() ? BoldFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    CSelectObject selected(dc, font);
    SIZE text = {};
    GetTextExtentPoint32W(dc, m_breadcrumb.c_str(), static_cast<int>(m_breadcrumb.size()), &text);
    const int x = GuideTextX(text.cx, client.right);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kTextBackground);
    TextOutW(dc, x, kTextTop, m_breadcrumb.c_str(), static_cast<int>(m_breadcrumb.size()));
    return true;
}
