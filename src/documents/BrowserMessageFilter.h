#pragma once
// Keeps the mouse messages that the repair viewer does not pass to its browser control from reaching
// the control's windows (RepairPageRules::PassesToBrowser). The control makes its inner windows
// itself and reads its messages from the thread's queue, so the filter sits on that queue: it turns
// a filtered message for the control's window or any window inside it into WM_NULL as the message
// loop takes it, whichever loop that is. The filter lives as long as the object.
#include <windows.h>

class CBrowserMessageFilter {
public:
    explicit CBrowserMessageFilter(HWND control);
    ~CBrowserMessageFilter();
    CBrowserMessageFilter(const CBrowserMessageFilter&) = delete;
    CBrowserMessageFilter& operator=(const CBrowserMessageFilter&) = delete;

    bool IsActive() const { return m_hook != nullptr; }

private:
    static LRESULT CALLBACK OnMessageTaken(int code, WPARAM removal, LPARAM message);
    bool Drops(const MSG& message) const;

    HWND m_control;
    HHOOK m_hook;
};
