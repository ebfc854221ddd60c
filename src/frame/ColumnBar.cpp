#include "ColumnBar.h"

#include "BarDrawing.h"
#include "BmpBtn.h"

void CColumnBar::SetBitmap(int id)
{
    m_image.Reset(LoadProgramBitmap(id));
}

bool CColumnBar::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    const SIZE image = BitmapSize(m_image.Get());
    DrawPieces(paint.Get(), m_image.Get(),
               {STRETCH_PIECE{0, 0, image.cx, image.cy, client.left, client.top, client.right - client.left,
                              client.bottom - client.top}});
    return true;
}
