#pragma once
// The repair viewer's page history and the restored copies it owes a clean-up: pages shown in
// order, the place in that list, and which restored files may be removed once they are loaded.
#include <set>
#include <string>
#include <vector>

class CRepairHistory {
public:
    // Emptied on every activation of the viewer.
    void Reset();

    // A navigation completed. A new page cuts the entries after the current one and is appended,
    // unless it is an in-page link or the move came from Back/Forward in the history.
    void OnNavigateComplete(const std::wstring& path);

    // Moves one step and returns the page to show; empty when there is no such step.
    std::wstring StepBack();
    std::wstring StepForward();

    bool CanGoBack() const { return m_index > 0; }
    bool CanGoForward() const { return m_index >= 0 && m_index + 1 < static_cast<int>(m_pages.size()); }
    int Index() const { return m_index; }
    const std::vector<std::wstring>& Pages() const { return m_pages; }

    // A page restored from its stored form: it lives until the browser has loaded it.
    void NoteRestored(const std::wstring& path) { m_restored.insert(path); }
    // Whether the completed page is one of ours to remove (never any other file); forgets it.
    bool TakeRestored(const std::wstring& path);
    // The restored copies still waiting, for the clean-up when the viewer closes; forgets them.
    std::vector<std::wstring> TakeAllRestored();

private:
    std::vector<std::wstring> m_pages;
    int m_index = -1;
    bool m_moving = false;  // set while Back/Forward navigates
    std::wstring m_lastCompleted;
    std::set<std::wstring> m_restored;
};
