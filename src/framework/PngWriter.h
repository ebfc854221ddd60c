#pragma once
// Saving a bitmap as a PNG file through GDI+.
#include <windows.h>

#include <string>

bool SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& path);
