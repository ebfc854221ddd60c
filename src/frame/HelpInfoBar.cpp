#include "HelpInfoBar.h"

#include <windowsx.h>

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "ProcessValues.h"
#include "SharedFonts.h"
#include "resource.h"

namespace {

constexpr int kIconWidth = 91;
constexpr COLORREF kTopLine = 0xA19D9D;

}  // namespace

// The text field covers most of the bar; its Ctrl double-clicks count as the bar's.
class CHelpInfoBar::CInfoField : public CWindow {
public:
    explicit CInfoField(CHelpInfoBar& bar) : m_bar(bar) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_LBUTTONDBLCLK || (wParam & MK_CONTROL) == 0)
            return false;
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(Handle(), m_bar.Handle(), &point, 1);
        result = 0;
        return m_bar.OnHelpDoubleClick(static_cast<UINT>(wParam), point);
    }

private:
    CHelpInfoBar& m_bar;
};

CHelpInfoBar::CHelpInfoBar() : CDialogBar(kBarId), m_white(CreateSolidBrush(RGB(255, 255, 255))) {}

CHelpInfoBar::~CHelpInfoBar() = default;

bool CHelpInfoBar::OnInitDialog()
{
    m_icon.Reset(LoadProgramBitmap(IDB_HELPINFO_ICON));
    m_field = std::make_unique<CInfoField>(*this);
    m_field->Subclass(Item(IDC_HELPINFO_TEXT));
    OnSize(0, 0, 0);
    Refresh();
    return false;
}

// The field lies right of the icon, below the top line, down to the bottom of the bar.
void CHelpInfoBar::PlaceField()
{
    const HWND field = Item(IDC_HELPINFO_TEXT);
    if (!field)
        return;
    const RECT client = ClientRect();
    const int top = client.top + 2;
    const RECT wanted = {kIconWidth, top, client.right, client.bottom};
    RECT now = {};
    GetWindowRect(field, &now);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &wanted))
        MoveWindow(field, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
}

bool CHelpInfoBar::OnSize(UINT, int, int)
{
    m_answerRect = ClientRect();
    PlaceField();
    return false;
}

void CHelpInfoBar::SetInfoText(const std::wstring& text)
{
    const HWND field = Item(IDC_HELPINFO_TEXT);
    const HFONT font = NormalFont() ? NormalFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowTextW(field, text.c_str());
    Refresh();
}

std::wstring CHelpInfoBar::GetInfoText() const
{
    const HWND field = Item(IDC_HELPINFO_TEXT);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool CHelpInfoBar::Refresh()
{
    if (IsWindow())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return true;
}

bool CHelpInfoBar::OnHelpDoubleClick(UINT keys, POINT point)
{
    if ((keys & MK_CONTROL) == 0 || !PtInRect(&m_answerRect, point))
        return false;
    SetInfoText(GetDiagHelpText());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

bool CHelpInfoBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_LBUTTONDBLCLK)
        return false;
    OnHelpDoubleClick(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    result = DefaultProc(message, wParam, lParam);
    return true;
}

// The field lies on the bar's white: painting it white keeps the look and, unlike a hollow brush,
// leaves no trace of a longer text it showed before.
HBRUSH CHelpInfoBar::OnCtlColor(HDC dc, HWND, UINT)
{
    SetBkMode(dc, TRANSPARENT);
    return m_white.Get();
}

bool CHelpInfoBar::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    FillRect(dc, &client, m_white.Get());
    {
        CScopedPen pen(CreatePen(PS_SOLID, 2, kTopLine));
        CSelectObject selected(dc, pen.Get());
        MoveToEx(dc, client.left, client.top, nullptr);
        LineTo(dc, client.right, client.top);
    }
    PlaceField();
    DrawImage(dc, m_icon.Get(), 0, 0);
    return true;
}
