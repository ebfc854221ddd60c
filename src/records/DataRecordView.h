#pragma once
// The recording page (view 493): hosts the recorder's control panel, made on the first show.
#include <memory>
#include <string>

#include "FormViewEx.h"
#include "ScreenRecordDlg.h"

class CDataRecordView : public CFormViewEx {
public:
    static constexpr int kViewId = 493;
    CDataRecordView();
    ~CDataRecordView() override;

    void OnShowView() override;
    void OnBack() override;

    CScreenRecordDlg* Panel() const { return m_panel.get(); }

protected:
    void OnDestroy() override;

private:
    std::unique_ptr<CScreenRecordDlg> m_panel;
};

// The bars of the recording page and of the replay of its recordings: the top and bottom bars, and
// the page's one item on the middle-left bar.
void ShowRecordingPageBars(CFormViewEx& view, const std::wstring& item);
