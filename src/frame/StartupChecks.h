#pragma once
// The checks the main frame runs on the program folder while it is created, in this order.
#include <string>

// "Ver.ini" in the program folder marks the version: COMMON\VERSION gets "6.30" under the language.
void CheckVersionMark();

// An updater left as "Update\Update.NewVersion" replaces "Update\Update.exe".
void ReplaceUpdater();

// Installs the program's copy of "arialuni.ttf" as the system font "Arial Unicode MS" once.
void CheckUnicodeFont();

// Runs the USB-serial driver installer once, when the configuration asks for it.
void CheckUsbDriver();

// The installer architecture for this process: "x64" when it runs as 32-bit code on a 64-bit
// system (or is itself 64-bit), else "x86".
std::wstring InstallerArchitecture();
