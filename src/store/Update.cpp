#include "Update.h"

#include <cwchar>

#include "ButtonBar.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "StringResources.h"

namespace {

constexpr UINT kStartDelayMs = 50;
constexpr uint32_t kCannotStartText = 0x10080017;

bool g_startPending = false;

std::wstring UpdaterPath()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\')) + L"\\Update\\Update.exe";
}

std::wstring CannotStartText()
{
    const std::wstring text = ResGetString(kCannotStartText);
    return text.empty() ? L"The 'Update.exe' process could not be started!" : text;
}

}  // namespace

bool CUpdate::IsStartPending()
{
    return g_startPending;
}

int CUpdate::StartUpdateTimer()
{
    if (g_startPending)
        return 1;
    g_startPending = true;
    SetTimer(Handle(), kStartTimer, kStartDelayMs, nullptr);
    return 1;
}

void CUpdate::OnShowView()
{
    CFormViewEx::OnShowView();
    if (g_startPending)
        return;
    if (CMainFrame* frame = CMainFrame::Instance()) {
        frame->ButtonBar().AddButton(3011, true);
        frame->TopGuide().ShowItems(false);
    }
}

bool CUpdate::OnTimer(UINT_PTR id)
{
    if (id != kStartTimer)
        return false;
    KillTimer(Handle(), kStartTimer);
    StartUpdater();
    g_startPending = false;  // ready for the next attempt, whatever became of this one
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->LeftGuideBar().EnableUpdateButton(true);
    return true;
}

void CUpdate::StartUpdater()
{
    const std::wstring program = UpdaterPath();
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        PopMsgDlg::Show(CannotStartText());
        return;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        wchar_t code[48] = {};
        std::swprintf(code, std::size(code), L"\r\nErrorCode=%d", static_cast<int>(GetLastError()));
        PopMsgDlg::Show(CannotStartText() + code);
        return;
    }
    // The updater runs on its own; nothing here waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
