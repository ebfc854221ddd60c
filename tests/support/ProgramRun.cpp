#include "ProgramRun.h"

#include <map>

namespace {

constexpr int kMessageControl = 1084;
constexpr int kYesButton = 9003;
constexpr int kNoButton = 9004;

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

// The current environment with some variables replaced, as a CreateProcessW block.
std::wstring EnvironmentWith(const std::map<std::wstring, std::wstring>& overrides)
{
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        const std::wstring line(entry);
        const std::wstring name = line.substr(0, line.find(L'=', 1));
        bool replaced = false;
        for (const auto& [key, value] : overrides)
            replaced = replaced || CompareStringOrdinal(name.c_str(), -1, key.c_str(), -1, TRUE) == CSTR_EQUAL;
        if (!replaced)
            block += line + L'\0';
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [key, value] : overrides)
        block += key + L"=" + value + L'\0';
    return block + L'\0';
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM search)
{
    auto* state = reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->processId)
        state->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::filesystem::path BuildProgramFolder()
{
    return std::filesystem::path(OwnFolder());
}

CProgramRun::~CProgramRun()
{
    if (!m_process.hProcess)
        return;
    if (!HasExited()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool CProgramRun::Start(const std::filesystem::path& program, const std::wstring& arguments,
                        const std::filesystem::path& temporaryFolder)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    std::wstring environment;
    if (!temporaryFolder.empty())
        environment = EnvironmentWith({{L"TEMP", temporaryFolder.wstring()}, {L"TMP", temporaryFolder.wstring()}});
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                          environment.empty() ? nullptr : environment.data(), program.parent_path().c_str(), &startup,
                          &m_process) != FALSE;
}

bool CProgramRun::HasExited() const
{
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

int CProgramRun::WaitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

std::vector<HWND> CProgramRun::Windows() const
{
    WindowSearch search{m_process.dwProcessId, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND CProgramRun::FindVisibleWindow(const std::wstring& title) const
{
    for (HWND window : Windows()) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (IsWindowVisible(window) && title == text)
            return window;
    }
    return nullptr;
}

HWND CProgramRun::FindQuestionBox() const
{
    for (HWND window : Windows()) {
        if (IsWindowVisible(window) && GetDlgItem(window, kMessageControl) && GetDlgItem(window, kYesButton))
            return window;
    }
    return nullptr;
}

std::wstring QuestionBoxText(HWND box)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, kMessageControl, text, 1024);
    return text;
}

void AnswerQuestionBox(HWND box, bool yes)
{
    const int id = yes ? kYesButton : kNoButton;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void PollPause()
{
    Sleep(20);
}
