#pragma once
// What the "System Information" page of the settings shows and does, without its window: the four
// rows (system name, software version, hardware version, serial number), the status line, and the
// read of the hardware version and serial number from the vehicle interface device over the link.
// A serial number read from the device is remembered as COMMON\LOGIN "SERIALNO" and as the Wi-Fi
// network name COMMON\WIFI "SSID".
//
// The page's window arms its one-shot read timer when StartRead says so and calls RunRead from it;
// it shows LabelText and RowValue in its cells and StatusText in its status line.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One version read over the link: 00 FE 00, a pause to let the device settle, then the link check
// (00 06) and the version request (00 01), each with its reply. The version reply's bytes, or
// nothing when the link or either reply failed.
std::optional<std::vector<uint8_t>> ReadDeviceVersion(const std::function<void(unsigned milliseconds)>& pause);

class CDeviceInfoPage {
public:
    enum Row { kSystemName, kSoftwareVersion, kHardwareVersion, kSerialNumber, kRowCount };

    static constexpr unsigned kReadDelayMs = 100;    // from the selection of the page to the read
    static constexpr unsigned kSettleDelayMs = 200;  // after the reset request, before the link check
    static constexpr size_t kReplyRoom = 100;

    CDeviceInfoPage();

    // The page was selected: shows the waiting text. True when the caller must arm the read timer,
    // false while a read is already scheduled.
    bool StartRead();
    // The read. Blocks the calling thread for at most two reply time-outs and the settle delay.
    void RunRead();

    static std::wstring LabelText(Row row);
    const std::wstring& RowValue(Row row) const { return m_values[row]; }
    const std::wstring& StatusText() const { return m_status; }
    bool IsReadScheduled() const { return m_reading; }
    bool IsDone() const { return m_done; }

    // How the read waits between its requests; a test makes it return at once.
    void SetPause(std::function<void(unsigned milliseconds)> pause) { m_pause = std::move(pause); }

private:
    bool ReadFromDevice();
    void ShowFixedRows();
    void ShowUnknown();

    std::wstring m_values[kRowCount];
    std::wstring m_status;
    bool m_reading = false;
    bool m_done = false;
    std::function<void(unsigned)> m_pause;
};
