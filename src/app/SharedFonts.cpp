#include "SharedFonts.h"

#include "ScopedWin.h"

namespace {

struct SharedFonts {
    CScopedFont normal;
    CScopedFont bold;
    CScopedFont large;
};

SharedFonts& Fonts()
{
    static SharedFonts fonts;
    return fonts;
}

HFONT MakeFont(int height, int weight, const std::wstring& faceName, int charset)
{
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, static_cast<DWORD>(charset), OUT_RASTER_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 0, faceName.c_str());
}

}  // namespace

HFONT NormalFont() { return Fonts().normal.Get(); }
HFONT BoldFont() { return Fonts().bold.Get(); }
HFONT LargeFont() { return Fonts().large.Get(); }

void CreateSharedFonts(const std::wstring& faceName, int charset)
{
    Fonts().normal.Reset(MakeFont(0, FW_NORMAL, faceName, charset));
    Fonts().bold.Reset(MakeFont(20, FW_BOLD, faceName, charset));
    Fonts().large.Reset(MakeFont(40, FW_NORMAL, faceName, charset));
}

void DeleteSharedFonts()
{
    Fonts().normal.Reset();
    Fonts().bold.Reset();
    Fonts().large.Reset();
}
