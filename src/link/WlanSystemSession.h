#pragma once
// The system's wireless client library behind IWlanSession. The library is loaded for each session
// by name, so a PC without it (or Wine, whose library is a stub) simply has no wireless service, and
// tests can name a stand-in library of theirs instead.
#include <string>

#include "WlanSession.h"

// Empty: the system's "wlanapi.dll".
void SetWlanLibraryPath(const std::wstring& path);

// Sessions of the system library, waits with Sleep, names in the thread's code page, the hidden
// network flag on systems of major version 6 and above.
WLAN_SERVICES SystemWlanServices();
