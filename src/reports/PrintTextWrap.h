#pragma once
// How a printed cell is cut into lines: a line ends after its last blank or comma that still fits,
// CR, LF and CR LF force a break, and a word wider than the width is cut where it stops fitting.
// Kept apart from GDI so the rule can be checked with any measure.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The width of a stretch of text in device units.
using PrintTextMeasure = std::function<int(std::wstring_view)>;

// The lines of `text` in `width` device units, without their line-break characters; none for an
// empty text. Every line takes at least one character, so the cut always ends.
std::vector<std::wstring> WrapPrintText(std::wstring_view text, int width, const PrintTextMeasure& measure);
