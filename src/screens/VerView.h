#pragma once
// The version-list screen (view 158, command 50): name-and-value pairs of a vehicle unit in two
// columns under a title. The user pages through them and leaves with Back, the only answer.
#include "DiagView.h"

class CVerView : public CDiagView {
public:
    static constexpr int kViewId = 158;
    static constexpr UINT_PTR kDrawTimer = 1;
    CVerView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;

    // Draws the request being served; the timer runs it so that the screen switch is painted first.
    void DrawRequest();

protected:
    bool OnTimer(UINT_PTR id) override;

private:
    void ShowTitle(const std::wstring& title);
    void BlankShownPairs();

    uint8_t m_key = 0;
};
