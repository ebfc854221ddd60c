#include "BarPainting.h"

std::vector<STRETCH_PIECE> BottomBarPieces(int imageWidth, int imageHeight, int left, int top, int width, int height)
{
    const int a = imageWidth;
    return {
        {0, 0, 180, imageHeight, left, top, 180, height},
        {180, 0, 150, imageHeight, 180, top, width - a + 330, imageHeight},
        {330, 0, a - 330, imageHeight, width - a + 330, top, a - 330, height},
    };
}

std::vector<STRETCH_PIECE> TopBarPieces(int imageWidth, int imageHeight, int width, int height)
{
    constexpr int kLeftPart = 280;
    return {
        {0, 0, kLeftPart, imageHeight, 0, 0, kLeftPart, height},
        {kLeftPart, 0, imageWidth - kLeftPart, imageHeight, kLeftPart, 0, width - kLeftPart, height},
    };
}

std::vector<STRETCH_PIECE> LineBarPieces(int imageWidth, int imageHeight, int left, int top, int width, int height)
{
    return {
        {0, 0, 4, imageHeight, left, top, 4, height},
        {6, 0, 6, imageHeight, left + 4, top, width - 8, height},
        {imageWidth - 4, 0, 4, imageHeight, left + width - 4, top, 4, height},
    };
}
