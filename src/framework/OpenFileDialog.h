#pragma once
// The system's dialog for choosing a file to open. Like the modal boxes it goes through a seam: a
// test installs an answerer that names the file (or nothing, for a cancelled dialog) without a
// window.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

using OpenFileAnswerer = std::function<std::optional<std::wstring>(const std::wstring& folder)>;

OpenFileAnswerer SetOpenFileAnswerer(OpenFileAnswerer answerer);

// Lets the user choose a file in `folder` matching `filter` (pairs of NUL-ended texts, as the
// system wants them). Nothing when the user cancelled.
std::optional<std::wstring> AskFileToOpen(HWND owner, const std::wstring& folder, const std::wstring& filter);
