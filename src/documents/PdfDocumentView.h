#pragma once
// A view that hosts the external PDF reader: the reader reports its page count and current page,
// which drive the page keys, and takes scroll requests and keys while its window is open.
#include "FormViewEx.h"

class CPdfDocumentView : public CFormViewEx {
public:
    // `readerOpen` is the process-wide flag that tells whether this view's reader window is open.
    CPdfDocumentView(int viewId, int& readerOpen) : CFormViewEx(viewId), m_readerOpen(readerOpen) {}

    void SetPageCount(int count) { m_pageCount = count; }
    // Stores the page and enables Page Up unless it is the first page, Page Down unless the last.
    void SetCurrentPage(int page);
    int PageCount() const { return m_pageCount; }
    int CurrentPage() const { return m_currentPage; }

    // Forward a scroll request or a key to the reader window while it is open. The reader window
    // is hosted once the document viewer is built; until then none is open.
    void ScrollPage(int) {}
    void PressKey(int) {}
    void CloseReader() { m_readerOpen = 0; }

private:
    int& m_readerOpen;
    int m_pageCount = 0;
    int m_currentPage = 0;
};
