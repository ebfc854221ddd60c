#pragma once
#include <functional>
#include <optional>
#include <string>

// What the vehicle-data readers need of the platform: showing a message to the user, and narrow
// texts in a Windows code page. The readers themselves stay free of Windows; the Windows layer
// installs both at start (InstallVehicleDataServices), and tests install their own. Until then no
// message is shown and no code-page text can be made.

using DbMessageShower = std::function<void(const std::wstring& text)>;
// Code page 0 is the system's ANSI code page. Nothing when the text cannot be converted.
using CodePageEncoder = std::function<std::optional<std::string>(const std::wstring& text, unsigned codePage)>;

// Each installs (or, with an empty function, removes) its hook and returns the previous one.
DbMessageShower SetDbMessageShower(DbMessageShower shower);
CodePageEncoder SetCodePageEncoder(CodePageEncoder encoder);

void ShowDbMessage(const std::wstring& text);
std::optional<std::string> EncodeCodePage(const std::wstring& text, unsigned codePage);
