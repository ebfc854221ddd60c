#pragma once
// The program's message boxes. Like every modal box, it asks the modal seam first, so a test can
// answer it without a window.
#include <windows.h>

#include <string>

int ShowMessageBox(HWND parent, const std::wstring& text, const std::wstring& caption, UINT type);
