#include "LineBar.h"

#include "BarDrawing.h"
#include "BmpBtn.h"

void CLineBar::SetBitmap(int id)
{
    m_image.Reset(LoadProgramBitmap(id));
}

bool CLineBar::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    const SIZE image = BitmapSize(m_image.Get());
    DrawPieces(paint.Get(), m_image.Get(),
               LineBarPieces(image.cx, image.cy, client.left, client.top, client.right - client.left,
                             client.bottom - client.top));
    return true;
}
