#pragma once
#include <string>

#include "ByteString.h"

// The Windows side of the vehicle-data readers.

// Installs the message box of database errors (through the modal seam, so a test can answer it)
// and the code-page conversions of database texts. Called once at start.
void InstallVehicleDataServices();

// The display text of a vehicle key (GetVehicleTextA made wide with Utf8ToWide); empty when there
// is none or it cannot be decoded.
std::wstring GetVehicleText(const ByteString& key);
