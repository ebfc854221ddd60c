#pragma once
// The rows of the striped language page: two buttons a row, scrolled a row at a time.
#include <cstddef>

// Rows for a language list of `codes` entries (with or without a file): two a row.
int SetupLanguageRowCount(size_t codes);

// Scroll-bar codes, as the system numbers them.
enum SETUP_SCROLL_CODE { kScrollLineUp = 0, kScrollLineDown = 1, kScrollPageUp = 2, kScrollPageDown = 3,
                         kScrollThumbPosition = 4, kScrollTop = 6 };

// The first visible row after a scroll: never below 0, and never so far that the last row would be
// the first; other codes leave it.
int NextSetupLanguageScroll(int position, int rows, int code, int thumb);

// Whether a button of row `row` stands on a white band while the page shows rows from `position` on.
bool SetupLanguageRowOnWhiteBand(int row, int position);
