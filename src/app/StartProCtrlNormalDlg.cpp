#include "StartProCtrlNormalDlg.h"

#include "BmpBtn.h"
#include "resource.h"

CStartProCtrlNormalDlg::CStartProCtrlNormalDlg()
    : CDialog(IDD_SPLASH_MARK, nullptr), m_sizePicture(LoadProgramBitmap(IDB_SPLASH_MARK_DIM))
{
}

void CStartProCtrlNormalDlg::SetBitmap(int bitmapId)
{
    m_bitmapId = bitmapId;
    m_picture.Reset(LoadProgramBitmap(bitmapId));
    if (IsWindow())
        Invalidate(true);
}

// The mark takes the size of the dim mark and waits in the middle of the screen until the splash
// places it.
bool CStartProCtrlNormalDlg::OnInitDialog()
{
    const SIZE size = ProgramBitmapSize(IDB_SPLASH_MARK_DIM);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    SetWindowPos(Handle(), nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CStartProCtrlNormalDlg::Draw(HDC dc) const
{
    if (!m_picture)
        return;
    const SIZE size = ProgramBitmapSize(m_bitmapId);
    CMemoryDc source(dc);
    CSelectObject selected(source.Get(), m_picture.Get());
    BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
}

bool CStartProCtrlNormalDlg::OnEraseBkgnd(HDC dc)
{
    Draw(dc);
    return true;
}

bool CStartProCtrlNormalDlg::OnPaint()
{
    CPaintDc paint(Handle());
    Draw(paint.Get());
    return true;
}
