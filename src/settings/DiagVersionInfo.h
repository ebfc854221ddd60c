#pragma once
// The device's versions in a dialog of their own: the hardware version read over the link and the
// program's version, on white and grey stripes like the settings' information page.
#include <array>
#include <functional>
#include <string>

#include "Dialog.h"

class CDiagVersionInfo : public CDialog {
public:
    explicit CDiagVersionInfo(HWND parent);

    // Shows the waiting text on the help-information bar and schedules the read, once.
    void StartRead();
    // The read itself (the timer runs it).
    void RunRead();
    bool IsReading() const { return m_reading; }
    bool IsDone() const { return m_done; }
    // The texts Print collects: the four labels with their values, and the status line.
    std::array<std::array<std::wstring, 2>, 5> PrintRows() const;

    // How the read waits between its requests; a test makes it return at once.
    void SetPause(std::function<void(unsigned milliseconds)> pause) { m_pause = std::move(pause); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void CentreRow(int label, int value, int centreY) const;
    std::wstring TextOf(int id) const;

    std::wstring m_version = L"******";
    bool m_done = false;
    std::wstring m_status;
    bool m_reading = false;
    std::function<void(unsigned)> m_pause;
};
