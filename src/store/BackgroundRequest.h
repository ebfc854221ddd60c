#pragma once
#include <windows.h>

#include <functional>

// Runs a request to the web service on a thread of its own, so a slow or stalled service never holds
// the user interface. When the work has finished, `message` is posted to `window` with `ticket` as
// wParam; the owner then reads what the work wrote into storage it shares with it (a shared_ptr the
// work holds, so the owner may go away first). The work must not touch process-wide state.
class CBackgroundRequest {
public:
    // False when no thread could be started; the work has then not run.
    static bool Start(HWND window, UINT message, WPARAM ticket, std::function<void()> work);
};
