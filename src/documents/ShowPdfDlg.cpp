#include "ShowPdfDlg.h"

#include <algorithm>
#include <string>

#include "BmpBtn.h"
#include "PdfReader.h"
#include "SharedFonts.h"

namespace {

constexpr int kPageEditId = 3012;
constexpr int kPageTextId = 3013;
constexpr int kPageUpCommand = 3002;
constexpr int kPageDownCommand = 3003;
constexpr int kReaderWidth = 882;
constexpr int kPageBarBitmap = 475;
constexpr COLORREF kFrameColour = RGB(1, 67, 101);

int ClientWidth(const RECT& rect)
{
    return rect.right - rect.left;
}

int ClientHeight(const RECT& rect)
{
    return rect.bottom - rect.top;
}

}  // namespace

CShowPdfDlg::~CShowPdfDlg()
{
    DestroyChildren();
}

HWND CShowPdfDlg::EmbeddedReader()
{
    return g_hDocumentReader ? g_hDocumentReader : g_hManualReader;
}

LRESULT CShowPdfDlg::SendToReader(int code, LPARAM value)
{
    return SendReaderControl(EmbeddedReader(), code, value);
}

void CShowPdfDlg::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void CShowPdfDlg::SetPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    const std::wstring text = std::to_wstring(m_currentPage) + L" / " + std::to_wstring(m_pageCount);
    if (m_pageText)
        SetWindowTextW(m_pageText, text.c_str());
    if (m_pageEdit)
        SetWindowTextW(m_pageEdit, std::to_wstring(m_currentPage).c_str());
}

void CShowPdfDlg::ForwardKey(int virtualKey)
{
    HandleKey(virtualKey);
}

void CShowPdfDlg::ScrollStep(int step)
{
    if (!m_scroll)
        return;
    Send(step > 0 ? m_scroll->LineUp() : m_scroll->LineDown());
}

void CShowPdfDlg::CloseReader()
{
    SendToReader(6, 1);
    DestroyChildren();
}

void CShowPdfDlg::DestroyChildren()
{
    for (HWND* child : {&m_pageText, &m_pageEdit}) {
        if (*child && ::IsWindow(*child))
            DestroyWindow(*child);
        *child = nullptr;
    }
}

void CShowPdfDlg::PageUp()
{
    if (m_scroll)
        Send(m_scroll->PageUp());
}

void CShowPdfDlg::PageDown()
{
    if (m_scroll)
        Send(m_scroll->PageDown());
}

bool CShowPdfDlg::OnInitDialog()
{
    CreateChildren();
    SetUpScrollBars();
    EmbedReader();
    SetFocus(Handle());
    m_currentPage = 1;
    return false;
}

void CShowPdfDlg::CreateChildren()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_pageText = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 100, 29, Handle(),
                                 reinterpret_cast<HMENU>(kPageTextId), instance, nullptr);
    m_pageEdit = CreateWindowExW(0, L"EDIT", L"1", WS_CHILD | WS_DISABLED | ES_NUMBER, 0, 0, 50, 27, Handle(),
                                 reinterpret_cast<HMENU>(kPageEditId), instance, nullptr);
    const HFONT font = reinterpret_cast<HFONT>(SendMsg(WM_GETFONT, 0, 0));
    for (HWND child : {m_pageText, m_pageEdit})
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void CShowPdfDlg::SetUpScrollBars()
{
    m_scroll.emplace(m_width, m_height, m_pageCount);
    SCROLLINFO vertical = {sizeof(vertical), SIF_RANGE | SIF_PAGE | SIF_POS, 0, m_scroll->Maximum(),
                           static_cast<UINT>(m_scroll->PageSize()), 0, 0};
    SetScrollInfo(Handle(), SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal = {sizeof(horizontal), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(m_width - 15, 0),
                             static_cast<UINT>(std::max(m_width, 0)), 0, 0};
    SetScrollInfo(Handle(), SB_HORZ, &horizontal, TRUE);
}

// The reader becomes a child of the host, so it moves and hides with it.
void CShowPdfDlg::EmbedReader()
{
    HWND reader = EmbeddedReader();
    if (!reader || !::IsWindow(reader))
        return;
    SetWindowLongPtrW(reader, GWL_STYLE, static_cast<LONG_PTR>(WS_POPUP));
    SetParent(reader, Handle());
}

void CShowPdfDlg::Send(const std::optional<READER_COMMAND>& command)
{
    if (!command || !m_scroll)
        return;
    SendToReader(command->code, command->lines);
    SetScrollPos(Handle(), SB_VERT, m_scroll->Position(), TRUE);
}

bool CShowPdfDlg::HandleKey(int virtualKey)
{
    if (!m_scroll)
        return false;
    switch (virtualKey) {
    case VK_PRIOR:
        if (m_currentPage < 2)
            return false;
        Send(m_scroll->PageUp());
        return true;
    case VK_NEXT:
        if (m_currentPage >= m_pageCount)
            return false;
        Send(m_scroll->PageDown());
        return true;
    case VK_LEFT:
        Send(m_scroll->LeftKey(m_currentPage));
        return true;
    case VK_RIGHT:
        Send(m_scroll->RightKey(m_currentPage));
        return true;
    case VK_UP:
        Send(m_scroll->LineUp());
        return true;
    case VK_DOWN:
        Send(m_scroll->LineDown());
        return true;
    default:
        return false;
    }
}

void CShowPdfDlg::OnVScroll(int request, int thumb)
{
    if (!m_scroll)
        return;
    switch (request) {
    case SB_LINEUP:
        Send(m_scroll->LineUp());
        break;
    case SB_LINEDOWN:
        Send(m_scroll->LineDown());
        break;
    case SB_PAGEUP:
        Send(m_scroll->PageUp());
        break;
    case SB_PAGEDOWN:
        Send(m_scroll->PageDown());
        break;
    case SB_THUMBTRACK:
        Send(m_scroll->ThumbTo(thumb));
        break;
    default:
        break;
    }
}

// The horizontal bar moves the host's own drawing; the reader keeps its place.
void CShowPdfDlg::OnHScroll(int request, int thumb)
{
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_HORZ, &info);
    int position = info.nPos;
    if (request == SB_LINELEFT)
        position -= 1;
    else if (request == SB_LINERIGHT)
        position += 1;
    else if (request == SB_PAGELEFT)
        position -= static_cast<int>(info.nPage);
    else if (request == SB_PAGERIGHT)
        position += static_cast<int>(info.nPage);
    else if (request == SB_THUMBTRACK || request == SB_THUMBPOSITION)
        position = thumb;
    position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
    if (position == info.nPos)
        return;
    ScrollWindowEx(Handle(), info.nPos - position, 0, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE | SW_SCROLLCHILDREN);
    SetScrollPos(Handle(), SB_HORZ, position, TRUE);
}

void CShowPdfDlg::OnPageEditChange()
{
    wchar_t text[32] = {};
    GetWindowTextW(m_pageEdit, text, 32);
    if (const auto replaced = CPdfScrollModel::ClampPageEntry(text, m_pageCount))
        SetWindowTextW(m_pageEdit, replaced->c_str());
}

bool CShowPdfDlg::OnCommand(int id, int code, HWND /*control*/)
{
    if (id == kPageEditId && code == EN_CHANGE) {
        OnPageEditChange();
        return true;
    }
    if (id == kPageUpCommand) {
        PageUp();
        return true;
    }
    if (id == kPageDownCommand) {
        PageDown();
        return true;
    }
    return false;
}

bool CShowPdfDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result)
{
    switch (message) {
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        break;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        break;
    case WM_MOUSEWHEEL:
        ScrollStep(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? 1 : -1);
        break;
    case WM_KEYDOWN:
        if (!HandleKey(static_cast<int>(wParam)))
            return false;
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

HBRUSH CShowPdfDlg::OnCtlColor(HDC dc, HWND /*control*/, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

bool CShowPdfDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_pageBar)
        m_pageBar.Reset(LoadProgramBitmap(kPageBarBitmap));
    BITMAP bar = {};
    if (m_pageBar)
        GetObjectW(m_pageBar.Get(), sizeof(bar), &bar);
    PlaceChildren(ClientWidth(client), ClientHeight(client), bar.bmHeight);
    DrawReaderFrame(paint.Get(), ClientWidth(client), ClientHeight(client), bar.bmHeight);
    PlaceReader(ClientWidth(client), ClientHeight(client));
    return true;
}

void CShowPdfDlg::PlaceChildren(int clientWidth, int clientHeight, int barHeight)
{
    if (m_pageEdit) {
        MoveWindow(m_pageEdit, clientWidth / 2 - 70, clientHeight - barHeight - 3, 50, 27, TRUE);
        SetWindowTextW(m_pageEdit, std::to_wstring(m_currentPage).c_str());
    }
    if (m_pageText) {
        MoveWindow(m_pageText, (clientWidth - 100) / 2, clientHeight - barHeight - 4, 100, 29, TRUE);
        const std::wstring text = std::to_wstring(m_currentPage) + L" / " + std::to_wstring(m_pageCount);
        SetWindowTextW(m_pageText, text.c_str());
    }
}

void CShowPdfDlg::DrawReaderFrame(HDC dc, int clientWidth, int clientHeight, int barHeight)
{
    const int left = (clientWidth - kReaderWidth) / 2;
    CScopedPen pen(CreatePen(PS_SOLID, 2, kFrameColour));
    CSelectObject selected(dc, pen.Get());
    const int bottomLine = clientHeight - barHeight - 10;
    MoveToEx(dc, left - 2, bottomLine, nullptr);
    LineTo(dc, left + 883, bottomLine);
    for (int x : {left - 1, left + 883}) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, clientHeight - 40);
    }
}

void CShowPdfDlg::PlaceReader(int clientWidth, int clientHeight)
{
    HWND reader = EmbeddedReader();
    if (!reader || !::IsWindow(reader))
        return;
    MoveWindow(reader, (clientWidth - kReaderWidth) / 2, 0, kReaderWidth, std::max(clientHeight - 40, 0), TRUE);
    ShowWindow(reader, SW_SHOW);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(Handle());
}
