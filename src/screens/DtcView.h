#pragma once
// The trouble-code screen (view 138, command 10): the codes the diagnostic program has read, one
// per row with their description and status. The request carries either the texts themselves or
// keys into the maker's trouble-code database. The user goes back, prints the list, or, when a help
// database is installed, clicks a code to ask about it.
#include <map>
#include <string>

#include "DiagView.h"
#include "DtcFrames.h"

class CDbFile;

class CDtcView : public CDiagView {
public:
    static constexpr int kViewId = 138;
    static constexpr UINT_PTR kBuildTimer = 1;
    CDtcView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;
    void OnPrint() override;

    // Reads the request and fills the table; the build timer runs it once the view has been drawn.
    void BuildScreen();

    uint8_t KeyCode() const { return m_nKeyCode; }
    bool HelpAvailable() const { return m_bHelpAvailable; }
    const std::wstring& HelpDatabasePath() const { return m_strHelpDbPath; }
    const std::wstring& Title() const { return m_strTitle; }
    // The database key of a row as twelve lower-case hex digits; empty for rows without one.
    std::string RowKey(int row) const;

protected:
    bool OnTimer(UINT_PTR id) override;
    bool OnLButtonDown(UINT keys, POINT point) override;

private:
    void SetUpColumns(int count);
    void TakeTitle(const std::string& title);
    void FillTextRows(const DTC_REQUEST& request);
    void FillKeyRows(const DTC_REQUEST& request);
    void FillShortKeyRow(int row, const DTC_KEY_ENTRY& entry, CDbFile* database);
    void FillWideKeyRow(int row, const DTC_KEY_ENTRY& entry, CDbFile* database);
    void FillLiteralRow(int row, const DTC_KEY_ENTRY& entry);
    void SetUnknownDescription(int row);
    void ForgetShownList();
    void FindHelpDatabase();
    void ShowTitleOnTitleBar();
    void Answer(uint16_t clickedRow, bool click);

    bool m_bEngineAttached = false;
    uint8_t m_nKeyCode = 0;
    bool m_bHelpAvailable = false;
    uint8_t m_nOption = 0;
    std::map<std::wstring, std::string> m_rowKeys;
    std::wstring m_strDisplayCode;
    std::wstring m_strHelpDbPath;
    std::wstring m_strTitle;
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
    bool m_bBuildPending = false;  // a request waits for its list to be built
};
