#include "MShowView.h"

int ShowReaderOpen = 0;

void CMShowView::SetCurrentPage(int page)
{
    m_currentPage = page;
    SetButtonState(3002, page != 1);
    SetButtonState(3003, page != m_pageCount);
}

void CMShowView::ScrollPage(int)
{
    // The reader window is hosted once the document viewer is built; until then nothing is open.
}

void CMShowView::PressKey(int)
{
}

void CMShowView::CloseReader()
{
    ShowReaderOpen = 0;
}
