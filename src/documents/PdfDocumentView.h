#pragma once
// A view that shows a document in the embedded reader: the reader reports its page count and
// current page, which drive the page keys, and the host turns keys and scrolling into reader
// commands while the view holds one.
#include <memory>

#include "FormViewEx.h"
#include "PdfReader.h"
#include "ScopedWin.h"
#include "ShowPdfDlg.h"

class CPdfDocumentView : public CFormViewEx {
public:
    // `reader` is the process-wide window of the reader this view shows.
    CPdfDocumentView(int templateId, int viewId, HWND& reader)
        : CFormViewEx(templateId, viewId), m_reader(reader)
    {
    }
    ~CPdfDocumentView() override;

    void SetPageCount(int count);
    // Stores the page and enables Page Up unless it is the first page, Page Down unless the last.
    void SetPage(int page);
    void ScrollStep(int step);
    void ForwardKey(int virtualKey);
    // Closes this view's reader when one runs; the other view's reader is left alone.
    void CloseReader();

    int PageCount() const { return m_pageCount; }
    int CurrentPage() const { return m_currentPage; }
    CShowPdfDlg* Host() const { return m_host.get(); }

    void OnPageUp() override;
    void OnPageDown() override;

protected:
    // A new host over the whole client area, embedding this view's reader.
    void OpenHost();
    void DisablePageKeys();
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    HWND& m_reader;
    std::unique_ptr<CShowPdfDlg> m_host;
    int m_pageCount = 1;
    int m_currentPage = 1;
    CScopedBitmap m_edge;
};
