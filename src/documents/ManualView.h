#pragma once
// The user manuals (view 505): the manual topics and the document library as two panels chosen by
// the middle-left bar's tabs, and the document opened from either in the reader.
#include <memory>

#include "DiagnosedataDlg.h"
#include "PdfDocumentView.h"
#include "UserManualDlg.h"

class CManualView : public CPdfDocumentView {
public:
    static constexpr int kViewId = 505;
    static constexpr int kTemplateId = 494;
    CManualView();

    void OnShowView() override;
    void OnBack() override;
    // Shows the panel of the selected tab and hides the host; the reader stays open behind it.
    void ShowPanels();
    // Called by a panel once it started the reader on a document.
    void OpenReaderHost();

    CUserManualDlg* ManualPanel() const { return m_pManualPanel.get(); }
    CDiagnosedataDlg* LibraryPanel() const { return m_pLibraryPanel.get(); }

protected:
    void OnDestroy() override;

private:
    void SetUpBars();
    void AddTabs();
    void CreatePanels();

    std::unique_ptr<CUserManualDlg> m_pManualPanel;
    std::unique_ptr<CDiagnosedataDlg> m_pLibraryPanel;
};
