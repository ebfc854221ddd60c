#pragma once
#include <windows.h>
#include <urlmon.h>

#include <atomic>
#include <cstdint>
#include <optional>

// Reports a download's progress to the window that started the batch as message 100, code 201
// (marked with the batch's number), each percent once, and holds the download while the batch is paused. One object serves one job; it lives on
// the download thread's stack, so it counts no references.
class CBindCBHttpCallback : public IBindStatusCallback {
public:
    CBindCBHttpCallback(HWND progressWindow, int32_t jobId, HANDLE stopEvent = nullptr, HANDLE runEvent = nullptr,
                        uint16_t batch = 0);
    virtual ~CBindCBHttpCallback() = default;

    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP_(ULONG) AddRef() override { return 0; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }
    STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return E_NOTIMPL; }
    STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode, LPCWSTR statusText) override;
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

private:
    HWND m_progressWindow;
    int32_t m_jobId;
    uint16_t m_batch;
    // Once the batch is being stopped no report goes out, so the stopping thread never waits on one.
    HANDLE m_stopEvent;
    HANDLE m_runEvent;
    std::optional<uint32_t> m_lastPercent;  // the last one reported
};
