#pragma once
// Shows a repair page as its plain text in a read-only rich-edit control: used where the system's
// web-browser control cannot be had, so the technician can still read the repair steps. Links are
// not followed; the page's text is all it shows.
#include <string>

#include "RepairPageBrowser.h"
#include "ScopedWin.h"

class CPageTextBrowser : public IRepairPageBrowser {
public:
    // Nothing is created when the rich-edit control cannot be had; Window() is then null.
    CPageTextBrowser(HWND parent, int controlId, IRepairPageEvents& events);
    ~CPageTextBrowser() override;

    void Navigate(const std::wstring& target) override;
    void Move(const RECT& area) override;
    HWND Window() const override { return m_window; }

private:
    void ShowText(const std::wstring& text);

    IRepairPageEvents& m_events;
    HMODULE m_library = nullptr;
    HWND m_window = nullptr;
};
