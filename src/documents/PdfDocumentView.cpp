#include "PdfDocumentView.h"

void CPdfDocumentView::SetCurrentPage(int page)
{
    m_currentPage = page;
    SetButtonState(3002, page != 1);
    SetButtonState(3003, page != m_pageCount);
}
