#pragma once
// The replay of a data-stream recording (view 162): the recorded items in the live-data table,
// their stored values shown row after row every 100 ms, each added to the item's curve, with pause
// and resume. The recording list loads a recording into it and switches to it; the frame meanwhile
// keeps serving the diagnostic program's live data with the hidden live-data screen.
#include <memory>
#include <string>
#include <vector>

#include "DiagResultPrinter.h"
#include "FormViewEx.h"
#include "MultiCtrl.h"

class CDSRecord;

class CReplayView : public CFormViewEx {
public:
    static constexpr int kViewId = 162;
    static constexpr int kMaxStoredRows = 1000;
    static constexpr int kSlotChars = 32;  // 31 characters and the terminator
    static constexpr UINT_PTR kReplayTimer = 1;
    static constexpr UINT kReplayPeriodMs = 100;
    static constexpr int kPauseKey = 3009;

    CReplayView();
    ~CReplayView() override;

    // Takes the recording's items into the table, with room for their values; no value is stored yet.
    void LoadRecording(const CDSRecord& recording);
    // Stores the value of an item in the row being filled; cut to 31 characters.
    void StoreSample(int item, const wchar_t* text);
    // Ends the row being filled (at most 1000 rows are kept).
    void NextRow();
    // Plays from the first row when any row is stored.
    void StartReplay();
    void FreeSamples();
    void TogglePause();
    void StopTimer();

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnPrint() override;
    void OnExitDiagnosis() override;
    void OnPlay() override { TogglePause(); }

    int StoredRows() const { return m_storedRows; }
    int Position() const { return m_position; }
    bool IsPaused() const { return m_paused; }
    CMultiCtrl& Engine() { return m_engine; }
    CDiagResultPrinter& Printer() { return m_printer; }

protected:
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    bool OnLButtonDown(UINT, POINT) override { return true; }

private:
    const wchar_t* Slot(int item, int row) const;
    void ShowPosition();
    void ShowRowValues();
    void UpdatePageKeys();
    void SetPauseCaption(bool paused);
    void ClearLiveDataGraphs();

    std::unique_ptr<IMultiCtrlHost> m_pHost;  // before the engine, which keeps it
    CMultiCtrl m_engine;
    std::vector<wchar_t> m_samples;  // item-major: slot (item, row) at (item x 1000 + row) x 32
    int m_items = 0;
    int m_storedRows = 0;
    int m_position = 0;
    bool m_paused = true;
    bool m_timerArmed = false;
    std::vector<int> m_pageBases;  // the graph rows each earlier page started at
    CDiagResultPrinter m_printer;
};
