#pragma once
// The menu screen (view 137, command 0): the diagnostic program's menus, one item per row. The user
// picks a row or goes back; the answer names the row and the page it was on, and the menu path the
// repair viewer keeps.
#include <vector>

#include "DiagView.h"
#include "MenuFrames.h"

class CMenuView : public CDiagView {
public:
    static constexpr int kViewId = 137;
    CMenuView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;

    // The guard against a second Back while the diagnostic program answers the first; every view
    // switch clears it.
    static void ClearBackGuard() { s_backGuard = false; }
    static bool BackGuard() { return s_backGuard; }

    // Chooses a row as a click on it would.
    void ChooseRow(int row);

protected:
    bool OnLButtonDown(UINT keys, POINT point) override;

private:
    std::vector<std::wstring> ItemTexts() const;
    void UpdateGuideText();

    static inline bool s_backGuard = false;
    static inline bool s_engineAttached = false;
    uint16_t m_firstRow = 0;
    int16_t m_selection = -1;
    int16_t m_lastAnsweredRow = -1;
    bool m_answered = false;
};
