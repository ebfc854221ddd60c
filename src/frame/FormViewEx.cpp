#include "FormViewEx.h"

#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "RepairInfoView.h"
#include "Snapshot.h"
#include "StringResources.h"

namespace {

DWORD g_printLockTimeoutMs = 30000;

}  // namespace

CFormViewEx::CFormViewEx(int templateId) : CFormView(templateId), m_hBackBrush(CreateSolidBrush(RGB(255, 255, 255)))
{
    m_enabled.fill(true);
}

CFormViewEx::~CFormViewEx()
{
    GivePrintLockBack();
}

int CFormViewEx::FlagIndex(int commandId)
{
    for (size_t i = 0; i < kFlaggedCommands.size(); ++i) {
        if (kFlaggedCommands[i] == commandId)
            return static_cast<int>(i);
    }
    return -1;
}

void CFormViewEx::SetButtonState(int commandId, bool enabled)
{
    if (const int index = FlagIndex(commandId); index >= 0)
        m_enabled[static_cast<size_t>(index)] = enabled;
}

std::optional<bool> CFormViewEx::CommandEnableState(int commandId) const
{
    const int index = FlagIndex(commandId);
    if (index < 0)
        return std::nullopt;
    return m_enabled[static_cast<size_t>(index)];
}

void CFormViewEx::OnShowView()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->ButtonBar().RemoveAllButtons();
}

void CFormViewEx::OnHideView()
{
    // A lock kept "until Back or Home" must not outlive the view: left any other way, the next
    // Print would wait on a lock nobody will give back.
    GivePrintLockBack();
}

void CFormViewEx::SetPrintLockTimeout(DWORD milliseconds)
{
    g_printLockTimeoutMs = milliseconds;
}

bool CFormViewEx::TakePrintLock()
{
    GivePrintLockBack();
    m_hPrintSemaphore = CreateSemaphoreW(nullptr, 1, 1, L"CANPRINT");
    if (!m_hPrintSemaphore)
        return true;  // no lock to be had: printing goes on without it
    if (WaitForSingleObject(m_hPrintSemaphore, g_printLockTimeoutMs) == WAIT_OBJECT_0)
        return true;
    CloseHandle(m_hPrintSemaphore);
    m_hPrintSemaphore = nullptr;
    return false;
}

void CFormViewEx::GivePrintLockBack()
{
    if (!m_hPrintSemaphore)
        return;
    ReleaseSemaphore(m_hPrintSemaphore, 1, nullptr);
    CloseHandle(m_hPrintSemaphore);
    m_hPrintSemaphore = nullptr;
}

void CFormViewEx::OnBack()
{
    GivePrintLockBack();
}

void CFormViewEx::OnPrint()
{
    if (TakePrintLock())
        GivePrintLockBack();
}

void CFormViewEx::OnExitDiagnosis()
{
    GivePrintLockBack();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->LeaveDiagnosis();
    frame->SwitchView(131, 1);
    frame->RepairInfoView().ClearNodes();
}

void CFormViewEx::ConfirmExit()
{
    std::wstring question = ResGetString(0x10000d07);
    if (question.empty())
        question = L"Do you want to exit this program?";
    PopMsgDlg box(nullptr);
    box.SetMessage(question);
    if (box.DoModal() != IDOK)
        return;
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->LeaveDiagnosis();
    frame->RepairInfoView().ClearNodes();
    frame->SendMsg(WM_CLOSE);
}

void CFormViewEx::OnSnapshot()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        SaveFrameSnapshot(frame->Handle());
}

bool CFormViewEx::DispatchCommand(int id)
{
    if (id >= 1090 && id <= 1099) {
        OnGuideButton(id);
        return true;
    }
    switch (id) {
    case 3001: OnBack(); break;
    case 3002: OnPageUp(); break;
    case 3003: OnPageDown(); break;
    case 3004: OnAccept(); break;
    case 3005: OnPrint(); break;
    case 3006: OnHelp(); break;
    case 3007: OnExitDiagnosis(); break;
    case 3008: OnChannel(); break;
    case 3009: OnPlay(); break;
    case 3010: OnWave(); break;
    case IDOK: OnViewOK(); break;
    case IDCANCEL: OnViewCancel(); break;
    case 3011: ConfirmExit(); break;
    case 3012: OnFuncButton1(); break;
    case 3013: OnFuncButton2(); break;
    case 3014: OnFuncButton3(); break;
    case 3015: OnFuncButton4(); break;
    case 3016: OnFuncButton5(); break;
    case 3017: OnCommand3017(); break;
    case 3019: OnSave(); break;
    case 3025: OnSelectAll(); break;
    case 1005: OnRead(); break;
    case 3028: OnSnapshot(); break;
    case 3031: OnCommand3031(); break;
    case 3033: OnCommand3033(); break;
    case 3034: OnCommand3034(); break;
    case 3035: OnToggleSelectAll(); break;
    case 1125: OnCommand1125(); break;
    case 1126: OnDelete(); break;
    case 1117: OnResume(); break;
    case 1116: OnPause(); break;
    default: return false;
    }
    return true;
}

bool CFormViewEx::OnCommand(int id, int code, HWND)
{
    // Commands are clicks (code 0, from the bars or from the view's own buttons) and keys (code 1);
    // other notifications of a control are the view's own business.
    if (code != 0 && code != 1)
        return false;
    return DispatchCommand(id);
}

HBRUSH CFormViewEx::OnCtlColor(HDC, HWND, UINT)
{
    return m_hBackBrush.Get();
}

bool CFormViewEx::OnEraseBkgnd(HDC dc)
{
    const RECT client = ClientRect();
    FillRect(dc, &client, m_hBackBrush.Get());
    return true;
}
