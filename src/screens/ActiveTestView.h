#pragma once
// The actuator-test screen (view 166, command 30): a table of measured values and a row of test
// buttons, one per test command of the diagnostic program. In key mode every request is answered at
// once, so the values keep coming, and a test button travels as a key through the mailbox; in answer
// mode the screen waits until a test button or a row is chosen.
#include <string>
#include <vector>

#include "ActiveTestFrames.h"
#include "DiagView.h"

class CActiveTestView : public CDiagView {
public:
    static constexpr int kViewId = 166;
    static constexpr int kEditId = 1040;
    CActiveTestView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    // A test button: its index is the answer, or its key goes through the mailbox.
    void OnTestButton(int commandId);
    bool HandlesCommand(int commandId) const override;

    bool KeyMode() const { return m_keyMode; }
    int PendingKey() const { return m_nKey; }
    const std::wstring& Title() const { return m_title; }
    const std::vector<std::wstring>& RowNames() const { return m_names; }
    const std::vector<std::wstring>& RowUnits() const { return m_units; }

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnLButtonDown(UINT keys, POINT point) override;

private:
    void BuildItems(const ACTIVE_TEST_REQUEST& request);
    bool ApplyColumnLayout(const ACTIVE_TEST_REQUEST& request);
    void BuildTextRows(const ACTIVE_TEST_REQUEST& request, bool ownLayout);
    void BuildIdRows(const ACTIVE_TEST_REQUEST& request, bool ownLayout);
    void SetValueColumns(int count, bool lastFound);
    void ShowHelpText(const ACTIVE_TEST_REQUEST& request);
    void UpdateTestButtons(const ACTIVE_TEST_REQUEST& request);
    void UpdatePageKeys();
    void ShowTitleOnBar();
    void LayOutView();
    void ClearRowLists();
    HWND EditControl() const;

    bool m_keyMode = true;
    bool m_firstShow = true;
    uint8_t m_option = 0;
    std::wstring m_title;
    std::vector<RDS_ID> m_ids;
    std::vector<RDS_ID> m_seconds;
    std::vector<std::wstring> m_names;
    std::vector<std::wstring> m_units;
    std::vector<RDS_ID> m_unnamedIds;  // the list whose database could not be opened
};
