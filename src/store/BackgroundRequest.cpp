#include "BackgroundRequest.h"

#include <memory>

namespace {

struct REQUEST {
    HWND window;
    UINT message;
    WPARAM ticket;
    std::function<void()> work;
};

DWORD WINAPI RunRequest(LPVOID parameter)
{
    const std::unique_ptr<REQUEST> request(static_cast<REQUEST*>(parameter));
    request->work();
    // A window that has gone meanwhile simply does not receive it.
    PostMessageW(request->window, request->message, request->ticket, 0);
    return 0;
}

}  // namespace

bool CBackgroundRequest::Start(HWND window, UINT message, WPARAM ticket, std::function<void()> work)
{
    auto request = std::make_unique<REQUEST>(REQUEST{window, message, ticket, std::move(work)});
    const HANDLE thread = CreateThread(nullptr, 0, RunRequest, request.get(), 0, nullptr);
    if (!thread)
        return false;
    request.release();
    CloseHandle(thread);
    return true;
}
