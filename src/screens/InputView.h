#pragma once
// The value-input screen (view 167, command 70): a prompt and one edit field whose characters follow
// the input type the diagnostic program asks for. Accept answers the typed text (a number is first
// checked against the request's range); Back answers it with the back key.
#include <string>

#include "DiagView.h"
#include "InputFrames.h"
#include "KeyEdit.h"

class CInputView : public CDiagView {
public:
    static constexpr int kViewId = 167;
    CInputView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnAccept() override;
    void OnBack() override;

    CKeyEdit& ValueField() { return m_edit; }
    const std::wstring& Title() const { return m_title; }
    std::wstring PromptText() const;

private:
    void PlaceControlsOnce();
    void ShowTitle();

    static inline bool s_controlsPlaced = false;
    CKeyEdit m_edit;
    INPUT_REQUEST m_request;
    uint8_t m_key = 0;
    std::wstring m_title;
};
