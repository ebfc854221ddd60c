#include "UsbSerialPort.h"

#include <windows.h>

#include "ComPortChoice.h"

bool HasUsbSerialPort()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Hardware\\DeviceMap\\SerialComm", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    constexpr DWORD kNameRoom = 128;
    bool found = false;
    for (DWORD index = 0; !found; ++index) {
        wchar_t name[kNameRoom + 1] = {};
        DWORD nameLength = kNameRoom;
        const LONG status = RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA)
            continue;  // a name longer than any device's: not the bridge
        if (status != ERROR_SUCCESS)
            break;
        found = IsBridgeDeviceName(name);
    }
    RegCloseKey(key);
    return found;
}
