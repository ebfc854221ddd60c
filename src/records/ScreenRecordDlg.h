#pragma once
// The control panel of the recording page: start, pause, resume and stop the screen recorder, and
// list its recordings for the replay. The panel drives the recorder only through its window protocol
// (RecorderWindows.h); a recording longer than an hour is restarted by a timer.
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "BmpBtn.h"
#include "Dialog.h"

class CScreenRecordDlg : public CDialog {
public:
    static constexpr int kStart = 3012, kPause = 3013, kResume = 3014, kStop = 3015, kList = 3016;

    explicit CScreenRecordDlg(HWND view);
    ~CScreenRecordDlg() override;

    CBmpBtn* Button(int id) const;
    const std::vector<std::wstring>& Recordings() const { return m_recordings; }

    // Whether the restart timer starts a new recording, from the local hours and minutes of the
    // recording's start and of now.
    static bool NeedsRestart(int startHour, int startMinute, int nowHour, int nowMinute);

    void OnStart();
    void OnPause();
    void OnResume();
    void OnStop();
    void OnListRecordings();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void MakeButton(int id, uint32_t textId, const wchar_t* english);
    void StartRecorder();
    void ShowButton(int id, bool shown) const;
    void EnableButton(int id, bool enabled) const;
    void PlaceButtons();

    std::vector<std::unique_ptr<CBmpBtn>> m_buttons;
    std::vector<std::wstring> m_recordings;
    std::time_t m_startTime = 0;
    bool m_listedOnce = false;
};

// The recorder's program, "tools\DataRecord\ScreenRecorder.exe" below the program folder.
std::wstring RecorderProgramPath();
