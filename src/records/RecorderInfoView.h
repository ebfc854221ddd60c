#pragma once
// The list of data-stream recordings (view 249), opened by the live-data screen's Play key: the
// recordings of the maker and language in use, by start time and menu path, to replay or delete.
// The index is read afresh at every show and written back whenever the list is left, which drops
// records whose recording file is gone.
#include <memory>
#include <string>
#include <vector>

#include "DSRecorderInfoMgr.h"
#include "FormViewEx.h"
#include "MultiCtrl.h"

class CRecorderInfoView : public CFormViewEx {
public:
    static constexpr int kViewId = 249;
    static constexpr int kDeleteKey = 3019;
    static constexpr int kLiveDataView = 161;

    CRecorderInfoView() : CFormViewEx(kViewId) {}
    ~CRecorderInfoView() override;

    void OnShowView() override;
    void OnHideView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnAccept() override { OpenRecording(); }
    void OnExitDiagnosis() override;
    bool HandlesCommand(int commandId) const override;

    void OpenRecording();
    void DeleteRecording();

    // The view Back returns to; the opener names it before switching here.
    void SetReturnView(int viewId) { m_returnViewId = viewId; }
    int ReturnView() const { return m_returnViewId; }
    // Where Back goes for a requested view: that view when the frame has it, else the live-data
    // screen, the list's own opener (the list itself would leave the user nowhere to go).
    static int BackTarget(int requested, bool frameHasView);

    CMultiCtrl* Engine() const { return m_pTable.get(); }

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnLButtonUp(UINT keys, POINT point) override;

private:
    void FillRows();
    // The index record of the selected row, or -1.
    int SelectedRecord() const;
    void EnableRowCommands(bool enabled);
    void UpdatePageKeys();
    void DiscardManager();
    void ReportNotOpened(const std::wstring& fileName) const;
    void ReportNotDeleted(const std::wstring& fileName) const;

    std::unique_ptr<CMultiCtrl> m_pTable;
    std::unique_ptr<CDSRecorderInfoMgr> m_pManager;
    std::vector<int> m_rowRecords;  // the index record shown in each row
    int m_returnViewId = kLiveDataView;
};
