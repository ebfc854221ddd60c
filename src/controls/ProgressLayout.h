#pragma once
// Where the two progress controls put their parts, without a window: the text bar's frame, filled
// part, rest and percentage, and the scale bar's filled width and ticks. The controls copy these
// boxes onto their device contexts.
#include <string>
#include <vector>

struct PROGRESS_BOX {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
};

struct TEXT_PROGRESS_LAYOUT {
    PROGRESS_BOX inner;   // the client area less the 3-pixel grey frame
    PROGRESS_BOX filled;  // orange, from the inner left edge
    PROGRESS_BOX rest;    // white, up to the inner right edge
    std::wstring text;    // "45%"
};

// The text bar for a control position read as a percentage. A position outside 0 to 100 (a range
// someone widened) is held to the bar, so the fill never leaves the frame.
TEXT_PROGRESS_LAYOUT LayoutTextProgress(const PROGRESS_BOX& client, int position);

struct SCALE_TICK {
    int x = 0;
    std::wstring label;       // "%d" of upper / divisions x i
    bool rightAligned = false;  // the last division's number sits at the bar's right end
};

// The ticks of a scale over a bar `width` pixels wide: one every (width - 1) / divisions pixels
// from x = 0 while x <= width. Divisions below 1 give no ticks.
std::vector<SCALE_TICK> LayoutScaleTicks(int width, int upper, int divisions);

// The width the scale bar fills: (position - lower) x width / (upper - lower), truncated; 0 for an
// empty range, never past the bar.
int ScaleFilledWidth(int width, int lower, int upper, int position);
