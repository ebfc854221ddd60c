#include "MakerView.h"

#include <string>
#include <vector>

#include "Application.h"
#include "ExchangeBuffer.h"

std::string MainWindowCaptionAnsi(const char* fallback)
{
    const CApplication* application = CApplication::Current();
    const CWindow* main = application ? application->MainWindow() : nullptr;
    const std::wstring caption = main ? main->GetText() : std::wstring();
    if (caption.empty())
        return fallback;
    const int length = WideCharToMultiByte(CP_ACP, 0, caption.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return fallback;
    std::vector<char> narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, caption.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow.data();
}

CMakerView::~CMakerView()
{
    // The view stays mapped until the process ends: screens may still point into it.
    m_hSharedMemory.Reset();
}

void CMakerView::OnShowView()
{
    CFormViewEx::OnShowView();
    // The icon pages of the makers are built here; the exchange block is made with the first build.
    CreateSharedMemory();
}

bool CMakerView::CreateSharedMemory()
{
    if (m_pSharedView)
        return true;
    m_hSharedMemory.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             static_cast<DWORD>(exchange::kBlockSize), "DisplayDiagnoseData"));
    if (!m_hSharedMemory)
        return false;
    m_pSharedView = static_cast<uint8_t*>(MapViewOfFile(m_hSharedMemory.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (m_pSharedView)
        ResetSharedMemory();
    return m_pSharedView != nullptr;
}

void CMakerView::ResetSharedMemory()
{
    if (!m_pSharedView)
        return;
    ResetExchangeBlock(ExchangeBlock(m_pSharedView, exchange::kBlockSize), MainWindowCaptionAnsi("Nuthawk"));
}
