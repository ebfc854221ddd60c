#include "ShellSession.h"

#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr int kActivePane = 0xE900;
constexpr int kSnapshotCommand = 3028;

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        PollPause();
    }
    return true;
}

bool ExchangeTokenCountIsOne()
{
    HANDLE token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"hSemaphore");
    if (!token)
        return false;
    const bool one = WaitForSingleObject(token, 0) == WAIT_OBJECT_0 && WaitForSingleObject(token, 0) == WAIT_TIMEOUT;
    ReleaseSemaphore(token, 1, nullptr);
    CloseHandle(token);
    return one;
}

CShellSession::~CShellSession()
{
    Close();
}

bool CShellSession::Start(const fs::path& programFolder, const fs::path& temporaryFolder)
{
    if (!m_run.Start(programFolder / "Display.exe", L"", temporaryFolder))
        return false;
    return WaitUntil([this] { return (m_main = m_run.FindVisibleWindow(L"Nuthawk")) != nullptr; });
}

int CShellSession::Close()
{
    if (m_main && IsWindow(m_main))
        PostMessageW(m_main, WM_CLOSE, 0, 0);
    m_main = nullptr;
    return m_run.WaitForExit(10000);
}

HWND CShellSession::ActiveView() const
{
    return GetDlgItem(m_main, kActivePane);
}

bool CShellSession::IsActive(int viewId) const
{
    return ActiveView() && !GetDlgItem(m_main, viewId);
}

bool CShellSession::WaitForView(int viewId) const
{
    return WaitUntil([this, viewId] { return IsActive(viewId); });
}

bool CShellSession::Command(int id) const
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(m_main, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_ABORTIFHUNG, kShellTimeoutMs,
                               &ignored) != 0;
}

void CShellSession::PostCommand(int id) const
{
    PostMessageW(m_main, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

bool CShellSession::AnswerNextBox(bool yes, std::wstring* text) const
{
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = m_run.FindQuestionBox()) != nullptr; }))
        return false;
    if (text)
        *text = QuestionBoxText(box);
    AnswerQuestionBox(box, yes);
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

void CShellSession::ClickRow(int rowOnPage) const
{
    const LPARAM point = MAKELPARAM(40, 19 + 38 * rowOnPage);
    SendMessageW(ActiveView(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(ActiveView(), WM_LBUTTONUP, 0, point);
}

bool CShellSession::SaveSnapshot(const fs::path& programFolder, const fs::path& file) const
{
    const fs::path folder = programFolder / "Snapshot";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    // The picture is taken from the screen: what was just shown must be painted first.
    RedrawWindow(m_main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!Command(kSnapshotCommand))  // the file is whole once the command returns
        return false;
    fs::path saved;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        if (entry.path().extension() == ".png")
            saved = entry.path();
    }
    if (saved.empty())
        return false;
    fs::create_directories(file.parent_path(), ignored);
    fs::rename(saved, file, ignored);
    return !ignored;
}
