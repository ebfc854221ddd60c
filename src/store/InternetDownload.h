#pragma once
#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <cstdint>
#include <string>

#include "WebServerHost.h"

// Connection, send and receive time-outs of a session, so a server that stalls fails the request.
void SetInternetTimeouts(HINTERNET session, DWORD timeoutMs);

// Downloads `url` into `path` (through a temporary file beside it, so a broken download never
// stands as the file). Progress goes to `progress` when given; a set `stopEvent` breaks off at
// once, and so does a server that sends nothing for `silenceMs`, or more than `maxBytes` (a reply
// with no length ends only when the server closes, so a broken one would fill the disk). True only
// for a whole body with status 200.
bool DownloadUrlToFile(HINTERNET session, const std::wstring& url, const std::wstring& path, HANDLE stopEvent,
                       DWORD silenceMs, IBindStatusCallback* progress,
                       uint64_t maxBytes = WebServerAddress::kMaxDownloadBytes);
