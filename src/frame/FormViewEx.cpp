#include "FormViewEx.h"

#include <utility>

#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "RepairInfoView.h"
#include "ShellTextIds.h"
#include "Snapshot.h"
#include "StringResources.h"

namespace {

// Another program or view that prints holds the lock for the whole job: the user-interface thread
// only tries, it never sits waiting for someone else's printer.
DWORD g_printLockTimeoutMs = 0;
bool g_bottomBarCommand = false;

void SayPrintingIsBusy()
{
    PopMsgDlg box(nullptr);
    box.SetMessage(ResGetStringOr(shell_text::kPrintingBusy,
                                  L"Printing is busy with another job.\r\nPlease print again when it has finished."));
    box.DoModal();
}

}  // namespace

CFormViewEx::CFormViewEx(int templateId, int viewId)
    : CFormView(templateId), m_viewId(viewId), m_hBackBrush(CreateSolidBrush(RGB(255, 255, 255)))
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

bool CFormViewEx::IsBottomBarCommand()
{
    return g_bottomBarCommand;
}

CFormViewEx::CBottomBarCommandScope::CBottomBarCommandScope() : m_previous(std::exchange(g_bottomBarCommand, true)) {}

CFormViewEx::CBottomBarCommandScope::~CBottomBarCommandScope()
{
    g_bottomBarCommand = m_previous;
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
    SayPrintingIsBusy();
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

namespace {

struct VIEW_COMMAND {
    int id;
    void (CFormViewEx::*operation)();
};

// The command each operation of the view answers; the operations are virtual, so a view's own
// version runs.
constexpr VIEW_COMMAND kViewCommands[] = {
    {3001, &CFormViewEx::OnBack},          {3002, &CFormViewEx::OnPageUp},
    {3003, &CFormViewEx::OnPageDown},      {3004, &CFormViewEx::OnAccept},
    {3005, &CFormViewEx::OnPrint},         {3006, &CFormViewEx::OnHelp},
    {3007, &CFormViewEx::OnExitDiagnosis}, {3008, &CFormViewEx::OnChannel},
    {3009, &CFormViewEx::OnPlay},          {3010, &CFormViewEx::OnWave},
    {IDOK, &CFormViewEx::OnViewOK},        {IDCANCEL, &CFormViewEx::OnViewCancel},
    {3011, &CFormViewEx::ConfirmExit},     {3012, &CFormViewEx::OnFuncButton1},
    {3013, &CFormViewEx::OnFuncButton2},   {3014, &CFormViewEx::OnFuncButton3},
    {3015, &CFormViewEx::OnFuncButton4},   {3016, &CFormViewEx::OnFuncButton5},
    {3017, &CFormViewEx::OnCommand3017},   {3019, &CFormViewEx::OnSave},
    {3025, &CFormViewEx::OnSelectAll},     {1005, &CFormViewEx::OnRead},
    {3028, &CFormViewEx::OnSnapshot},      {3031, &CFormViewEx::OnCommand3031},
    {3033, &CFormViewEx::OnCommand3033},   {3034, &CFormViewEx::OnCommand3034},
    {3035, &CFormViewEx::OnToggleSelectAll}, {1125, &CFormViewEx::OnCommand1125},
    {1126, &CFormViewEx::OnDelete},        {1117, &CFormViewEx::OnResume},
    {1116, &CFormViewEx::OnPause},
};

const VIEW_COMMAND* FindViewCommand(int id)
{
    for (const VIEW_COMMAND& command : kViewCommands) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

bool IsGuideCommand(int id)
{
    return id >= 1090 && id <= 1099;
}

}  // namespace

bool CFormViewEx::HandlesCommand(int id) const
{
    return IsGuideCommand(id) || FindViewCommand(id) != nullptr;
}

bool CFormViewEx::IsCommandEnabled(int id) const
{
    const std::optional<bool> flag = CommandEnableState(id);
    return flag ? *flag : HandlesCommand(id);
}

bool CFormViewEx::DispatchCommand(int id)
{
    if (IsGuideCommand(id)) {
        OnGuideButton(id);
        return true;
    }
    const VIEW_COMMAND* command = FindViewCommand(id);
    if (!command)
        return false;
    (this->*command->operation)();
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
