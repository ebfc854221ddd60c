#pragma once
// The progress screen (view 165, command 80): a long operation of the diagnostic program with its
// message, a percentage bar along the bottom and a Cancel key. Every request is answered at once;
// the answer tells whether the user pressed Cancel since the previous one.
#include <string>

#include "DiagView.h"
#include "TextProgressCtrl.h"

class CBarView : public CDiagView {
public:
    static constexpr int kViewId = 165;
    static constexpr uint8_t kNoKey = 255;
    static constexpr uint8_t kCancelled = 2;
    CBarView() : CDiagView(kViewId) { m_nKey = kNoKey; }

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnViewCancel() override { m_nKey = kCancelled; }

    const std::wstring& MessageText() const { return m_strMessage; }
    const std::wstring& Title() const { return m_strTitle; }
    CTextProgressCtrl& Progress() { return m_progress; }

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;

private:
    void ShowTitle();

    CTextProgressCtrl m_progress;
    bool m_placed = false;
    std::wstring m_strMessage;
    std::wstring m_strTitle;
};
