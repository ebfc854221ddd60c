#pragma once
// Which serial port the link uses: the ports of USB-serial bridges that the system lists, against
// the port stored in the configuration.
#include <optional>
#include <string>
#include <vector>

// One value of the system's list of serial ports: the device name and the port name ("COM3").
struct SERIAL_PORT_ENTRY {
    std::wstring device;
    std::wstring port;
};

// Whether a device name is a USB-serial bridge's ("\device\silabser" in any case).
bool IsBridgeDeviceName(const std::wstring& device);

// The ports of USB-serial bridges (device names containing "\device\silabser" in any case), in
// the order listed.
std::vector<std::wstring> BridgePorts(const std::vector<SERIAL_PORT_ENTRY>& entries);

// The port to store instead of `stored`: the first bridge port when there is one and `stored` is
// none of them; otherwise nothing.
std::optional<std::wstring> ChooseComPort(const std::vector<SERIAL_PORT_ENTRY>& entries, const std::wstring& stored);
