#pragma once
// The quick-test screen (view 159, command 100): the running list of a quick test, item and
// result, refreshed by every request. Each request is answered at once with what the user did since
// the one before (a row clicked, Back, the start/stop key), so the test keeps running.
#include <string>

#include "DiagView.h"

class CShortTestView : public CDiagView {
public:
    static constexpr int kViewId = 159;
    static constexpr int kToggleKey = 3017;
    CShortTestView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;
    void OnCommand3017() override;

    // The action the next answer reports, and the row clicked.
    uint8_t PendingAction() const { return m_action; }
    uint16_t ClickedRow() const { return m_clickedRow; }
    // Reports a click on a row, as a click on it does.
    void ClickRow(int row);

protected:
    bool OnLButtonDown(UINT keys, POINT point) override;

private:
    void ShowToggleKey();
    void FollowModeWord(int mode);
    void SetToggleCaption(uint32_t textId);
    void ShowTitleOnTitleBar() const;

    uint8_t m_action = 255;
    uint16_t m_clickedRow = 0;
    bool m_toggle = false;
    bool m_engineAttached = false;
    std::wstring m_title;
};
