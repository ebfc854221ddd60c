#include "ReloadSoftwareLists.h"

#include "HarrowfenView.h"
#include "MainFrame.h"
#include "MakerView.h"
#include "ProcessValues.h"
#include "SoftwareManagementView.h"
#include "SoftwareStoreView.h"
#include "SoftwareLists.h"
#include "StartDlg.h"

void ReloadSoftwareLists()
{
    SetSoftwareListsChanged(false);
    const std::wstring folder = ResGetAppDir();
    CStartDlg::LoadConfiguration(folder + L"Scan\\");
    CStartDlg::LoadVehicleNames(folder + L"Scan\\PRO\\");
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->MakerView().SetListChanged();
    if (auto* families = dynamic_cast<CHarrowfenView*>(frame->View(CHarrowfenView::kViewId)))
        families->SetListChanged();
    if (auto* installed = dynamic_cast<CSoftwareManagementView*>(frame->View(CSoftwareManagementView::kViewId)))
        installed->RequestRefresh();
    if (auto* store = dynamic_cast<CSoftwareStoreView*>(frame->View(CSoftwareStoreView::kViewId)))
        store->RequestRefresh();
}
