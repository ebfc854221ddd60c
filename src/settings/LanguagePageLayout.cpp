#include "LanguagePageLayout.h"

#include <algorithm>

LANGUAGE_PAGE_LAYOUT LanguagePageLayoutFor(int clientWidth, int clientHeight, size_t buttonCount)
{
    LANGUAGE_PAGE_LAYOUT layout;
    // The last row may stand up to three pixels below the client area.
    layout.rows = std::max((clientHeight + 3) / kLanguageButtonHeight, 1);
    layout.columns = std::max(clientWidth / kLanguageButtonWidth, 1);
    layout.perPage = layout.rows * layout.columns;
    const size_t perPage = static_cast<size_t>(layout.perPage);
    layout.pageCount = static_cast<int>((buttonCount + perPage - 1) / perPage);
    return layout;
}

LANGUAGE_BUTTON_PLACE LanguageButtonPlace(const LANGUAGE_PAGE_LAYOUT& layout, size_t index)
{
    const size_t onPage = index % static_cast<size_t>(std::max(layout.perPage, 1));
    const size_t rows = static_cast<size_t>(std::max(layout.rows, 1));
    return {static_cast<int>(onPage / rows) * kLanguageButtonWidth, static_cast<int>(onPage % rows) * kLanguageButtonHeight};
}
