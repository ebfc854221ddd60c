#pragma once
// The document library: the PDF documents of the installed vehicle software, by region, in the
// current language.
#include "DocumentPanelDlg.h"

class CDiagnosedataDlg : public CDocumentPanelDlg {
public:
    explicit CDiagnosedataDlg(HWND parent);

protected:
    void ScanDocuments() override;
    HIMAGELIST MakeSmallImages() const override;
    int ColumnFormat() const override { return 0x800; }
    int ColumnWidth() const override { return m_width - 320; }
};
