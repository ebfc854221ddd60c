#pragma once
#include <windows.h>

#include <string>

// The logo of a maker or vehicle-software family: program folder + "\LOGO\" + name + ".BMP", loaded
// from disk. Null when the file is missing or is no bitmap, and for a name that is not a plain
// folder name. The caller owns the bitmap (DeleteObject).
HBITMAP LoadLogoBitmap(const std::wstring& name);
