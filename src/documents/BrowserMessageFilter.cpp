#include "BrowserMessageFilter.h"

#include <algorithm>
#include <vector>

#include "RepairPageRules.h"

namespace {

// The filters of the user-interface thread, the only one with a browser control.
std::vector<CBrowserMessageFilter*>& ThreadFilters()
{
    static std::vector<CBrowserMessageFilter*> filters;
    return filters;
}

}  // namespace

CBrowserMessageFilter::CBrowserMessageFilter(HWND control)
    : m_control(control), m_hook(SetWindowsHookExW(WH_GETMESSAGE, &OnMessageTaken, nullptr, GetCurrentThreadId()))
{
    if (m_hook)
        ThreadFilters().push_back(this);
}

CBrowserMessageFilter::~CBrowserMessageFilter()
{
    if (!m_hook)
        return;
    UnhookWindowsHookEx(m_hook);
    std::vector<CBrowserMessageFilter*>& filters = ThreadFilters();
    filters.erase(std::remove(filters.begin(), filters.end(), this), filters.end());
}

bool CBrowserMessageFilter::Drops(const MSG& message) const
{
    if (RepairPageRules::PassesToBrowser(message.message) || !m_control || !message.hwnd)
        return false;
    return message.hwnd == m_control || IsChild(m_control, message.hwnd);
}

LRESULT CALLBACK CBrowserMessageFilter::OnMessageTaken(int code, WPARAM removal, LPARAM message)
{
    auto* taken = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && taken) {
        const std::vector<CBrowserMessageFilter*>& filters = ThreadFilters();
        if (std::any_of(filters.begin(), filters.end(), [&](const CBrowserMessageFilter* f) { return f->Drops(*taken); }))
            taken->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
