#pragma once
// Where the language page puts its buttons: as many 299 by 63 buttons as the page holds, column by
// column, one button page at a time.
#include <cstddef>

struct LANGUAGE_PAGE_LAYOUT {
    int rows = 1;
    int columns = 1;
    int perPage = 1;
    int pageCount = 0;
};

constexpr int kLanguageButtonWidth = 299;
constexpr int kLanguageButtonHeight = 63;

LANGUAGE_PAGE_LAYOUT LanguagePageLayoutFor(int clientWidth, int clientHeight, size_t buttonCount);

// The place of the button at `index` within its page (column by column), in client pixels.
struct LANGUAGE_BUTTON_PLACE {
    int x;
    int y;
};
LANGUAGE_BUTTON_PLACE LanguageButtonPlace(const LANGUAGE_PAGE_LAYOUT& layout, size_t index);
