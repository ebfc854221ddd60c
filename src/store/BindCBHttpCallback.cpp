#include "BindCBHttpCallback.h"

#include <memory>

#include "UpdateBlocks.h"
#include "UpdateMessages.h"
#include "UpdateRules.h"

CBindCBHttpCallback::CBindCBHttpCallback(HWND progressWindow, int32_t jobId, HANDLE stopEvent, HANDLE runEvent,
                                         uint16_t batch)
    : m_progressWindow(progressWindow), m_jobId(jobId), m_batch(batch), m_stopEvent(stopEvent), m_runEvent(runEvent)
{
}

STDMETHODIMP CBindCBHttpCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG, LPCWSTR)
{
    if (m_stopEvent && m_runEvent) {
        const HANDLE events[] = {m_stopEvent, m_runEvent};
        WaitForMultipleObjects(2, events, FALSE, INFINITE);
    }
    if (m_stopEvent && WaitForSingleObject(m_stopEvent, 0) == WAIT_OBJECT_0)
        return S_OK;
    const auto percent = update_rules::ProgressPercent(progress, progressMax);
    if (!percent)
        return S_FALSE;
    // A package of tens of megabytes comes in thousands of pieces, and each report is a send to the
    // user-interface thread: the same percent again would show nothing new.
    if (percent == m_lastPercent)
        return S_OK;
    m_lastPercent = percent;
    // The receiver reads the block only while the send runs, so it is freed right after.
    const auto block = std::make_unique<update_blocks::ProgressBlock>(update_blocks::PackProgress(m_jobId, *percent));
    SendMessageW(m_progressWindow, update_messages::kDownloadMessage,
                 update_messages::ReportParameter(update_messages::kProgress, m_batch),
                 reinterpret_cast<LPARAM>(block->data()));
    return S_OK;
}
