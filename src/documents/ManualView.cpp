#include "ManualView.h"

int ManualReaderOpen = 0;

void CManualView::SetCurrentPage(int page)
{
    m_currentPage = page;
    SetButtonState(3002, page != 1);
    SetButtonState(3003, page != m_pageCount);
}

void CManualView::ScrollPage(int)
{
    // The reader window is hosted once the document viewer is built; until then nothing is open.
}

void CManualView::PressKey(int)
{
}

void CManualView::CloseReader()
{
    ManualReaderOpen = 0;
}
