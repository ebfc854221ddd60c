#pragma once
// The live-data screen (view 161, command 20): a table of name, value and unit that the diagnostic
// program refreshes with request after request, each answered at once with the key the user pressed
// since (255: none). A row can show its values as a curve. The list is paged either here or by the
// diagnostic program, which then sends one page at a time.
//
// The frame hands every live-data request to this screen, also while the recording list or the
// replay is in front: the screen then answers without being shown.
#include <array>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "DSRecord.h"
#include "DiagView.h"
#include "RdsFrames.h"

class CRdsView : public CDiagView {
public:
    static constexpr int kViewId = 161;
    static constexpr UINT_PTR kRecordTimer = 10;
    // A recording is bounded: it stops and is filed by itself after two minutes.
    static constexpr UINT kRecordingMs = 120000;
    static constexpr int kMaxRecordedItems = 4;
    CRdsView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnPrint() override;
    void OnExitDiagnosis() override;
    void OnChannel() override;
    void OnPlay() override;
    void OnWave() override;
    void OnRecord();
    bool HandlesCommand(int commandId) const override;

    // The recording list and the replay hand control back: the next request builds the table anew.
    void ForceRebuild() { m_rebuildForced = true; }
    void SetupButtons();

    // What the table-and-graph engine asks of the screen.
    bool PagedByProgram() const { return m_pagingMode == rds::kPagedByProgram; }
    uint8_t DisplayMode() const { return m_pagingMode; }
    // The rows of the current request that a page can show.
    int PageRowLimit() const;

    int PendingKey() const { return m_nKey; }
    uint16_t PageBase() const { return m_pageBase; }
    const std::vector<std::wstring>& ItemNames() const { return m_names; }
    const std::vector<std::wstring>& ItemUnits() const { return m_units; }
    bool IsRecording() const { return m_pRecording != nullptr; }

protected:
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ResetScreen();
    void ParseRequest(bool redrawTitle);
    void ApplyPageState(const RDS_REQUEST& request);
    void PrepareGraphRows();
    void ApplyTitle(const RDS_REQUEST& request, bool redrawTitle);
    void UpdateValues(const RDS_REQUEST& request);
    void RebuildFromDatabase(const RDS_REQUEST& request);
    void RebuildFromTexts(const RDS_REQUEST& request);
    void NoteSample(size_t graphRow, const std::string& value, const std::wstring& shown, bool updateAvailability);
    void FinishDrawing();
    void UpdatePageKeys();
    void ShowTitleOnBar();
    void StartPaging();
    void EndGroup(int key);
    void ForgetItems();
    void ClearGraphRows();
    void SetWaveCaption();
    void SetKeyEnabled(int commandId, bool enabled);
    RDS_ANSWER MakeAnswer();
    void AfterLeave();
    void ResizeEngine(int rows);
    void StartRecording();
    void StopRecording();
    void SaveRecording();
    void ReportRecordingNotSaved();
    void SetRecordingKeys(bool recording);
    // Hands the values this request collected to the recording; false when it refused them.
    bool HandSampleRow();

    uint8_t m_mode = 0;
    uint8_t m_idLayout = 0;
    uint16_t m_itemCount = 0;
    uint16_t m_total = 0;
    uint16_t m_pageBase = 0;
    uint8_t m_pagingMode = 0;
    int m_stackDepth = 0;
    std::array<uint16_t, rds::kMaxItems> m_stackFirst = {};
    std::array<uint16_t, rds::kMaxItems> m_stackRows = {};
    std::wstring m_databaseName;
    std::wstring m_title;
    std::vector<RDS_ID> m_ids;
    std::vector<RDS_ID> m_seconds;
    std::vector<std::wstring> m_names;
    std::vector<std::wstring> m_units;
    std::vector<RDS_ID> m_unnamedIds;  // the list whose database could not be opened
    std::unique_ptr<CDSRecord> m_pRecording;  // present while a recording runs
    std::time_t m_recordingStart = 0;
    std::vector<std::wstring> m_sampleRow;  // the values of the request being parsed, in item order
    bool m_rebuildForced = false;
    bool m_groupEnd = false;
    bool m_pagingInProgress = false;
};
