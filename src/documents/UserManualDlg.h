#pragma once
// The user manuals: one PDF document per topic of the program's own use.
#include "DocumentPanelDlg.h"

class CUserManualDlg : public CDocumentPanelDlg {
public:
    explicit CUserManualDlg(HWND parent);

protected:
    void ScanDocuments() override;
    HIMAGELIST MakeSmallImages() const override;
    int ColumnFormat() const override { return LVCFMT_LEFT; }
    int ColumnWidth() const override { return m_width - 300; }
};
