#pragma once
// The user manuals (view 505). The external PDF reader shows the document inside it; the reader reports its
// page count and current page, which drive the page keys.
#include "FormViewEx.h"

class CManualView : public CFormViewEx {
public:
    static constexpr int kViewId = 505;
    CManualView() : CFormViewEx(kViewId) {}

    void SetPageCount(int count) { m_pageCount = count; }
    // Stores the page and enables Page Up unless it is the first page, Page Down unless the last.
    void SetCurrentPage(int page);
    int PageCount() const { return m_pageCount; }
    int CurrentPage() const { return m_currentPage; }

    // Forward a scroll request or a key to the reader window while it is open.
    void ScrollPage(int value);
    void PressKey(int key);
    void CloseReader();
    // Shows the panel the middle-left bar's current item selects; the panels come with the manuals'
    // own screen.
    void ShowPanels() {}

private:
    int m_pageCount = 0;
    int m_currentPage = 0;
};

// Non-zero while the view's reader window is open.
extern int ManualReaderOpen;
