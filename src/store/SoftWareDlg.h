#pragma once
// One software package as a row of controls: a select box, an info button with name and text, an
// action button, pause and resume buttons, a status label and a progress bar. Its buttons' commands
// go on to the parent as messages of the same number, as the tile grid's do (wParam the item index).
#include <string>

#include "BmpBtn.h"
#include "Dialog.h"
#include "TextProgressCtrl.h"
#include "VersionBtn.h"

class CSoftWareDlg : public CDialog {
public:
    static constexpr int kSelectId = 3035;
    static constexpr int kInstallId = 1125;
    static constexpr int kActionId = 1134;
    static constexpr int kInfoId = 1129;
    static constexpr int kPauseId = 1116;
    static constexpr int kResumeId = 1117;
    static constexpr int kStatusId = 1135;
    static constexpr int kProgressId = 1136;

    explicit CSoftWareDlg(HWND parent);
    ~CSoftWareDlg() override;

    // Options that the set-up reads; set them before it.
    void SetPausable(bool pausable) { m_pausable = pausable; }
    void SetLatched(bool latched) { m_latched = latched; }
    void SetActionBitmaps(int normal, int pressed, int disabled);

    // Creates the row (hidden until shown) and lays out its controls for one package.
    bool CreateRow(const std::wstring& name, const std::wstring& text, int index);

    // The progress bar instead of the pause and resume buttons, and back.
    void ShowProgress();
    void ShowPauseButtons();

    int ItemIndex() const { return m_index; }
    CBmpBtn& SelectBox() { return m_select; }
    CBmpBtn& ActionButton() { return m_action; }
    CBmpBtn& PauseButton() { return m_pause; }
    CBmpBtn& ResumeButton() { return m_resume; }
    CVersionBtn& InfoButton() { return m_info; }
    CWindow& StatusLabel() { return m_status; }
    CTextProgressCtrl& ProgressBar() { return m_progress; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void SetUpControls();
    void LayOut();
    void Forward(int id, LPARAM lParam) const;

    int m_index = -1;
    std::wstring m_name;
    std::wstring m_text;
    int m_actionNormal = 443;
    int m_actionPressed = 443;
    int m_actionDisabled = 0;
    bool m_latched = true;
    bool m_pausable = false;
    bool m_progressVisible = false;

    CWindow m_status;
    CTextProgressCtrl m_progress;
    CVersionBtn m_info;
    CBmpBtn m_select;
    CBmpBtn m_action;
    CBmpBtn m_pause;
    CBmpBtn m_resume;
};
