#include "DiagView.h"

#include "Application.h"
#include "DiagResultPrinter.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "SharedFonts.h"
#include "SharedHandles.h"

CDiagView::CDiagView(int viewId) : CFormViewEx(viewId), m_pFont(BoldFont()) {}

CDiagView::~CDiagView() = default;

std::wstring MakerLogoPath(const std::wstring& programFolder, const std::wstring& makerFolder)
{
    std::wstring folder = makerFolder;
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    const size_t slash = folder.find_last_of(L'\\');
    const std::wstring name = slash == std::wstring::npos ? folder : folder.substr(slash + 1);
    return programFolder + L"\\LOGO\\" + name + L".BMP";
}

bool ReleaseDiagSemaphore()
{
    NoteExchangeTurn();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->OnExchangeDone(0);
    return ReleaseSemaphore(ExchangeToken(), 1, nullptr) != FALSE;
}

void CDiagView::OnShowView()
{
    CFormViewEx::OnShowView();
    if (const uint8_t* block = ExchangeBufferPointer())
        m_nCommand = block[2];
    m_pFont = BoldFont();
    if (m_pFont)
        SendMsg(WM_SETFONT, reinterpret_cast<WPARAM>(m_pFont), TRUE);
    if (!m_pMultiCtrl)
        m_pMultiCtrl = std::make_unique<CMultiCtrl>();
    LoadLogo();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        frame->MiddleLeftBar().SetLogo(m_hLogo);
        SetTimer(frame->MiddleLeftBar().Handle(), 1, 10, nullptr);  // one repaint of the bar
    } else if (m_hLogo) {
        DeleteObject(m_hLogo);
    }
    m_hLogo = nullptr;  // the bar owns it from here on
}

void CDiagView::LoadLogo()
{
    const std::wstring path = MakerLogoPath(ResGetAppDir(), ResGetMakerDir());
    m_hLogo = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

void CDiagView::OnBack()
{
    CFormViewEx::OnBack();
    if (m_pMultiCtrl)
        m_pMultiCtrl->SelectRow(0x8000, 1);
}

// Paging changes the page keys only: print and accept stay as the screen set them for its request.
void CDiagView::OnPageUp()
{
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->PageUp(1);
    UpdatePageKeys();
}

void CDiagView::OnPageDown()
{
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->PageDown(1);
    UpdatePageKeys();
}

void CDiagView::UpdateNavButtons()
{
    for (int id : {3003, 3002, 3005, 3004})
        SetButtonState(id, false);
    UpdatePageKeys();
}

void CDiagView::UpdatePageKeys()
{
    if (!m_pMultiCtrl)
        return;
    SetButtonState(3002, !m_pMultiCtrl->IsFirstPage());
    SetButtonState(3003, !m_pMultiCtrl->IsLastPage());
}

bool CDiagView::HandTurnBack()
{
    if (!m_holdsTurn)
        return false;
    m_holdsTurn = false;
    return ReleaseDiagSemaphore();
}

std::optional<ExchangeBlock> CDiagView::AnswerBlock() const
{
    if (!m_holdsTurn)
        return std::nullopt;
    return RequestBlock();
}

std::optional<ExchangeBlock> CDiagView::RequestBlock() const
{
    uint8_t* block = ExchangeBufferPointer();
    if (!block)
        return std::nullopt;
    return ExchangeBlock(block, exchange::kBlockSize);
}

bool CDiagView::OnPaint()
{
    {
        CPaintDc paint(Handle());
    }
    if (m_pMultiCtrl)
        m_pMultiCtrl->Redraw(1);
    return true;
}

void CDiagView::PrintTable(const std::wstring& title)
{
    if (!m_pMultiCtrl || !TakePrintLock())
        return;
    {
        CDiagResultPrinter printer;
        printer.SetTitle(title);
        printer.SetTable(m_pMultiCtrl.get());
        PrintReport(printer);
    }
    GivePrintLockBack();
}
