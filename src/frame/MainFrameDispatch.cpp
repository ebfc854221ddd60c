// The main frame's handling of the diagnostic program's requests (WM_APP+0x6EF): it takes the turn,
// answers the frame's own commands and hands screen requests to their screens.
#include "MainFrame.h"

#include <cstdio>
#include <vector>

#include "Application.h"
#include "ConfigStore.h"
#include "DiagView.h"
#include "ExchangeFrames.h"
#include "MakerView.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "SharedHandles.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "VehicleText.h"

namespace {

constexpr UINT_PTR kExchangeTimer = 1;
constexpr UINT kExchangeTimerMs = 50;
constexpr UINT_PTR kRetryTimer = 2;
constexpr UINT kRetryIntervalMs = 20;
constexpr DWORD kRetryLimitMs = 10000;

std::string ToAnsi(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::vector<char> narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow.data();
}

std::wstring FromAnsi(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

std::u16string ToUtf16(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

void ShowNotice(const std::wstring& text)
{
    PopMsgDlg box(nullptr);
    box.SetMessage(text);
    box.DoModal();
}

ExchangeBlock Block(uint8_t* block)
{
    return ExchangeBlock(block, exchange::kBlockSize);
}

}  // namespace

LRESULT CMainFrame::OnDiagCommand()
{
    // The user-interface thread never waits on the token: a request that finds it taken (a peer
    // that did not wait for its answer) is tried again shortly.
    if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0) {
        RetryRequestLater();
        return 1;
    }
    if (m_retryPending) {
        m_retryPending = false;
        KillTimer(Handle(), kRetryTimer);
    }
    HandleRequest(m_pMakerView->SharedView());
    return 1;
}

void CMainFrame::RetryRequestLater()
{
    const DWORD now = GetTickCount();
    if (!m_retryPending) {
        m_retryPending = true;
        m_retrySince = now;
    } else if (now - m_retrySince > kRetryLimitMs) {
        m_retryPending = false;
        OutputDebugStringW(L"A request of the diagnostic program found the turn taken and was dropped.\n");
        return;
    }
    SetTimer(Handle(), kRetryTimer, kRetryIntervalMs, nullptr);
}

void CMainFrame::HandleRequest(uint8_t* block)
{
    NoteExchangeTurn();
    SetExchangeBufferPointer(block);
    if (!block) {
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);  // no block mapped yet: nothing to serve
        return;
    }
    const uint8_t code = block[exchange::kCommandOffset];
    switch (ClassifyCommand(code)) {
    case FRAME_COMMAND::Text:
        WriteTextAnswer(Block(block), ToUtf16(ResGetString(CRequestReader(Block(block)).BE16(exchange::kPayloadOffset))));
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return;
    case FRAME_COMMAND::Help: {
        size_t offset = exchange::kPayloadOffset;
        SetDiagHelpText(FromAnsi(CRequestReader(Block(block)).Text(offset)));
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return;
    }
    case FRAME_COMMAND::Screen:
        ServeScreen(code);
        break;
    case FRAME_COMMAND::Question:
        AskQuestion(block);
        break;
    case FRAME_COMMAND::EndDiagnosis:
        EndDiagnosis();
        break;
    case FRAME_COMMAND::StartDiagnosis:
        StartDiagnosis(block);
        break;
    case FRAME_COMMAND::Other:
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        break;
    }
    RestartExchangeTimer();
}

void CMainFrame::RestartExchangeTimer()
{
    // Setting the timer again at every request would cost a call into the window server each
    // turn: the timer is set once and, when it fires early, waits for the rest.
    m_lastRequestTick = GetTickCount();
    if (m_exchangeTimerArmed)
        return;
    m_exchangeTimerArmed = true;
    SetTimer(Handle(), kExchangeTimer, kExchangeTimerMs, nullptr);
}

void CMainFrame::OnExchangeTimer()
{
    const DWORD quiet = GetTickCount() - m_lastRequestTick;
    if (quiet < kExchangeTimerMs) {
        SetTimer(Handle(), kExchangeTimer, kExchangeTimerMs - quiet, nullptr);
        return;
    }
    KillTimer(Handle(), kExchangeTimer);
    m_exchangeTimerArmed = false;
    OnExchangeDone(1);
}

void CMainFrame::ServeScreen(uint8_t code)
{
    CDiagView* screen = nullptr;
    if (code == 20) {
        // Live data keeps running behind a recording list or a replay in front.
        SetGlobalFlag(0);
        const bool keepFront = m_nCurrentViewId == 162 || m_nCurrentViewId == 249;
        SwitchView(keepFront ? m_nCurrentViewId : 161, 1);
        screen = dynamic_cast<CDiagView*>(View(161));
    } else {
        SwitchView(*ScreenViewId(code), 1);
        screen = dynamic_cast<CDiagView*>(ActiveViewEx());
    }
    if (!screen) {
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);  // a screen this program does not draw
        return;
    }
    screen->TakeTurn();
    screen->ShowRequest();
}

void CMainFrame::AskQuestion(uint8_t* block)
{
    size_t offset = exchange::kPayloadOffset + 2;
    const std::string text = CRequestReader(Block(block)).Text(offset);
    const WideBuffer wide = Utf8ToWide(text.c_str());
    ShowNotice(wide ? wide.get() : L"");
    WriteQuestionAnswer(Block(block));
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}

void CMainFrame::EndDiagnosis()
{
    SetDiagnosisRunning(false);
    SetDiagProgramProcess(nullptr);  // forgotten, not ended: the program ends by itself
    m_pMakerView->ResetSharedMemory();
    if (ResGetRunModeFlag() != L"1") {
        std::wstring text = ResGetString(62);
        ShowNotice(text.empty() ? L"Operation is completed, please pull out the Nuthawk!" : text);
    }
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
    SwitchView(136, 1);
}

void CMainFrame::StartDiagnosis(uint8_t* block)
{
    SetDiagnosisRunning(true);
    ClearVehicleTextCache();  // one maker's texts never show for another's
    const float version = ParseDatabaseVersion(Block(block));
    SetGlobalFloat1(version);
    SetDataResourceVersion(version);
    ResSetLanguageCode(GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN"));

    START_ANSWER answer;
    answer.softwareFolder = ToAnsi(ResGetSoftwareDir());
    answer.languageCode = ToAnsi(ResGetLanguageCode());
    answer.runMode = ToAnsi(ResGetRunModeFlag());
    answer.unitMode = static_cast<uint8_t>(ResGetUnitMode());
    answer.recordFlag = ToAnsi(ResGetRecordFlag());
    answer.launched = static_cast<uint8_t>(ResGetLaunchFlag());
    WriteStartAnswer(Block(block), answer);
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}
