#include "PrintTextWrap.h"

namespace {

// How many characters of the line fit the width: at least one.
size_t FittingLength(std::wstring_view line, int width, const PrintTextMeasure& measure)
{
    size_t length = 1;
    while (length < line.size() && measure(line.substr(0, length + 1)) <= width)
        ++length;
    return length;
}

void WrapParagraph(std::wstring_view paragraph, int width, const PrintTextMeasure& measure,
                   std::vector<std::wstring>& lines)
{
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    while (!paragraph.empty()) {
        size_t length = FittingLength(paragraph, width, measure);
        if (length < paragraph.size()) {
            const size_t breakAt = paragraph.substr(0, length).find_last_of(L" ,");
            if (breakAt != std::wstring_view::npos)
                length = breakAt + 1;
        }
        lines.emplace_back(paragraph.substr(0, length));
        paragraph.remove_prefix(length);
    }
}

}  // namespace

std::vector<std::wstring> WrapPrintText(std::wstring_view text, int width, const PrintTextMeasure& measure)
{
    std::vector<std::wstring> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of(L"\r\n");
        WrapParagraph(text.substr(0, end), width, measure, lines);
        if (end == std::wstring_view::npos)
            break;
        const size_t breakLength = text.substr(end, 2) == L"\r\n" ? 2 : 1;
        text.remove_prefix(end + breakLength);
    }
    return lines;
}
