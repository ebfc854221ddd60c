#include "PdfDocumentView.h"

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "PdfReader.h"

CPdfDocumentView::~CPdfDocumentView()
{
    CloseReader();
}

void CPdfDocumentView::SetPageCount(int count)
{
    m_pageCount = count;
    if (m_host)
        m_host->SetPageCount(count);
}

void CPdfDocumentView::SetPage(int page)
{
    m_currentPage = page;
    if (m_host)
        m_host->SetPage(page);
    SetButtonState(3002, page != 1);
    SetButtonState(3003, page != m_pageCount);
}

void CPdfDocumentView::ScrollStep(int step)
{
    if (m_host)
        m_host->ScrollStep(step);
}

void CPdfDocumentView::ForwardKey(int virtualKey)
{
    if (m_host)
        m_host->ForwardKey(virtualKey);
}

// The close goes to this view's own reader: the host would address the document view's reader
// whenever one is set, and closing the manual reader must not close that one.
void CPdfDocumentView::CloseReader()
{
    if (!m_reader)
        return;
    SendReaderControl(m_reader, 6, 1);
    if (m_host)
        m_host->DestroyChildren();
    m_reader = nullptr;
}

void CPdfDocumentView::OnPageUp()
{
    if (m_host)
        m_host->PageUp();
}

void CPdfDocumentView::OnPageDown()
{
    if (m_host)
        m_host->PageDown();
}

void CPdfDocumentView::DisablePageKeys()
{
    for (int command : {3003, 3002, 3005, 3004})
        SetButtonState(command, false);
}

void CPdfDocumentView::OpenHost()
{
    m_host.reset();
    DisablePageKeys();
    m_currentPage = 1;
    const RECT client = ClientRect();
    auto host = std::make_unique<CShowPdfDlg>(Handle());
    host->SetSize(client.right - client.left, client.bottom - client.top);
    host->SetPageCount(m_pageCount);
    if (host->CreateModeless()) {
        MoveWindow(host->Handle(), 0, 0, client.right - client.left, client.bottom - client.top, TRUE);
        ShowWindow(host->Handle(), SW_SHOW);
        m_host = std::move(host);
    }
    SetPage(1);
}

bool CPdfDocumentView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_edge)
        m_edge.Reset(LoadProgramBitmap(472));
    if (m_edge) {
        const SIZE image = BitmapSize(m_edge.Get());
        DrawPieces(paint.Get(), m_edge.Get(),
                   {STRETCH_PIECE{0, 0, image.cx, image.cy, client.right - 2, 0, 2, client.bottom}});
    }
    if (m_reader && ::IsWindow(m_reader) && m_host && IsWindowVisible(m_host->Handle()))
        ShowWindow(m_reader, SW_SHOW);
    return true;
}

HBRUSH CPdfDocumentView::OnCtlColor(HDC dc, HWND control, UINT message)
{
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORLISTBOX) {
        SetBkColor(dc, RGB(255, 255, 255));
        return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    return CFormViewEx::OnCtlColor(dc, control, message);
}
