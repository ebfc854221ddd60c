#pragma once
// The user manuals: one PDF document per topic of the program's own use.
#include "DocumentPanelDlg.h"

class CUserManualDlg : public CDocumentPanelDlg {
public:
    explicit CUserManualDlg(HWND parent);

protected:
    void ScanDocuments() override;
};
