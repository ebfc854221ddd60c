#include "DialogBar.h"

bool CDialogBar::CreateBar(HWND frame, DOCK_SIDE side)
{
    m_side = side;
    SetParentWindow(frame);
    if (!CreateModeless())
        return false;
    SetWindowLongPtrW(Handle(), GWLP_ID, TemplateId());
    const RECT rect = WindowRect();
    m_templateSize = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    return true;
}

SIZE CDialogBar::CalcFixedLayout(bool stretch, bool horizontal) const
{
    if (!stretch)
        return m_templateSize;
    return horizontal ? SIZE{32767, m_templateSize.cy} : SIZE{m_templateSize.cx, 32767};
}
