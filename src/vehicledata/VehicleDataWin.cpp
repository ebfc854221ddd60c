#include "VehicleDataWin.h"

#include <windows.h>

#include "MessageBox.h"
#include "TextConversion.h"
#include "VehicleDataHost.h"
#include "VehicleText.h"

namespace {

// Owned by whatever window the user is working in.
void ShowDbMessageBox(const std::wstring& text) { ShowMessageBox(GetActiveWindow(), text, L"", MB_OK); }

std::optional<std::string> EncodeWithCodePage(const std::wstring& text, unsigned codePage)
{
    if (text.empty())
        return std::string();
    const int units = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    std::string narrow(static_cast<size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, 0, text.data(), units, narrow.data(), length, nullptr, nullptr) != length)
        return std::nullopt;
    return narrow;
}

}  // namespace

void InstallVehicleDataServices()
{
    SetDbMessageShower(&ShowDbMessageBox);
    SetCodePageEncoder(&EncodeWithCodePage);
}

std::wstring GetVehicleText(const ByteString& key)
{
    const std::string narrow = GetVehicleTextA(key);
    const WideBuffer wide = Utf8ToWide(narrow.c_str());
    return wide ? std::wstring(wide.get()) : std::wstring();
}
