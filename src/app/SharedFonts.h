#pragma once
// The process-wide fonts, made once at start and deleted at exit. Before they exist (a question box
// during start-up) each accessor gives null, which every control takes as the system's default font.
#include <windows.h>

#include <string>

HFONT NormalFont();  // the face's default height, weight 400
HFONT BoldFont();    // height 20, weight 700
HFONT LargeFont();   // height 40, weight 400

void CreateSharedFonts(const std::wstring& faceName, int charset);
void DeleteSharedFonts();
