#pragma once
// How the bars stretch their background images: each image is cut into pieces, and each piece is
// stretched onto a part of the bar. Plain rectangles, so the rules can be checked without a window.
#include <vector>

struct STRETCH_PIECE {
    int sourceX, sourceY, sourceWidth, sourceHeight;
    int x, y, width, height;
};

// The bottom bar: the image's first 180 columns as the left end at the bar's full height, columns
// 180-329 stretched across the middle (at the image's height), and the rest as the right end, drawn
// last so that the image always ends at the bar's right edge.
std::vector<STRETCH_PIECE> BottomBarPieces(int imageWidth, int imageHeight, int left, int top, int width, int height);

// The top bar: the image's first 280 columns over the bar's first 280 pixels, the rest over the
// remaining width, both at full height.
std::vector<STRETCH_PIECE> TopBarPieces(int imageWidth, int imageHeight, int width, int height);

// A line bar: the image's columns 0-3 and its last four columns as the two ends, 4 pixels wide each,
// and its columns 6-11 stretched between them.
std::vector<STRETCH_PIECE> LineBarPieces(int imageWidth, int imageHeight, int left, int top, int width, int height);
