#include "SetupChoicePage.h"

#include "ScopedWin.h"
#include "SetupStripes.h"
#include "SharedFonts.h"
#include "StringResources.h"

namespace {

std::wstring CaptionOf(const SETUP_CHOICE& choice)
{
    return choice.english ? ResGetStringOr(choice.textId, choice.english) : ResGetString(choice.textId);
}

}  // namespace

CSetupChoicePage::CSetupChoicePage(int templateId, HWND parent, SETUP_CHOICE first, SETUP_CHOICE second)
    : CDialog(templateId, parent), m_first(first), m_second(second)
{
}

bool CSetupChoicePage::OnInitDialog()
{
    for (const SETUP_CHOICE* choice : {&m_first, &m_second}) {
        SendDlgItemMessageW(Handle(), choice->id, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), TRUE);
        SetDlgItemTextW(Handle(), choice->id, CaptionOf(*choice).c_str());
    }
    Check(StartsWithSecond() ? m_second.id : m_first.id);
    PlaceButtons();
    return true;
}

bool CSetupChoicePage::IsChecked(int id) const
{
    return IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
}

void CSetupChoicePage::Check(int id)
{
    CheckRadioButton(Handle(), m_first.id < m_second.id ? m_first.id : m_second.id,
                     m_first.id < m_second.id ? m_second.id : m_first.id, id);
}

bool CSetupChoicePage::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || (id != m_first.id && id != m_second.id))
        return false;
    OnChoice(id);
    return true;
}

void CSetupChoicePage::PlaceButtons()
{
    const RECT client = ClientRect();
    int half = 0;
    for (const int id : {m_first.id, m_second.id}) {
        const HWND button = Item(id);
        RECT rect = {};
        GetWindowRect(button, &rect);
        const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
        const RECT place = CentreInSetupCell(client, half++, 0, size);
        MoveWindow(button, place.left, place.top, size.cx, size.cy, FALSE);
    }
}

bool CSetupChoicePage::OnSize(UINT, int, int)
{
    PlaceButtons();
    return false;
}

bool CSetupChoicePage::OnPaint()
{
    CPaintDc paint(Handle());
    PaintSetupStripes(paint.Get(), ClientRect());
    return true;
}

HBRUSH CSetupChoicePage::OnCtlColor(HDC dc, HWND control, UINT)
{
    const int id = GetDlgCtrlID(control);
    if (id != m_first.id && id != m_second.id)
        return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
