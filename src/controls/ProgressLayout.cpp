#include "ProgressLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFrame = 3;

}  // namespace

TEXT_PROGRESS_LAYOUT LayoutTextProgress(const PROGRESS_BOX& client, int position)
{
    const int percent = std::clamp(position, 0, 100);
    const double fraction = percent / 100.0;
    TEXT_PROGRESS_LAYOUT layout;
    layout.inner = {client.left + kFrame, client.top + kFrame, client.right - kFrame, client.bottom - kFrame};
    const int fillEnd = layout.inner.left + static_cast<int>(std::max(0, layout.inner.Width()) * fraction);
    layout.filled = {layout.inner.left, layout.inner.top, fillEnd, layout.inner.bottom};
    layout.rest = {fillEnd, layout.inner.top, layout.inner.right, layout.inner.bottom};
    // From the position itself: 29 / 100.0 * 100.0 truncates to 28.
    layout.text = std::to_wstring(percent) + L"%";
    return layout;
}

std::vector<SCALE_TICK> LayoutScaleTicks(int width, int upper, int divisions)
{
    std::vector<SCALE_TICK> ticks;
    if (divisions < 1)
        return ticks;
    const int spacing = (width - 1) / divisions;
    const int limit = std::abs(width);
    for (int i = 0;; ++i) {
        const int x = i * spacing;
        if (x > limit)
            break;
        ticks.push_back({x, std::to_wstring(upper / divisions * i), i == divisions});
        if (spacing <= 0)
            break;  // a bar narrower than its divisions: one tick, not an endless row
    }
    return ticks;
}

int ScaleFilledWidth(int width, int lower, int upper, int position)
{
    if (upper <= lower)
        return 0;
    const double ratio = static_cast<double>(std::abs(width)) / (upper - lower);
    return std::clamp(static_cast<int>((position - lower) * ratio), 0, std::abs(width));
}
