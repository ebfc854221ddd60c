#pragma once
// The recording page (view 493): hosts the recorder's control panel, made on the first show.
#include <memory>

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
    void SetUpBars();

    std::unique_ptr<CScreenRecordDlg> m_panel;
};
