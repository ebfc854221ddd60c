#include "TextWrap.h"

std::vector<TEXT_LINE> WrapCellText(std::wstring_view text, int columnWidth, const ITextMeasure& measure)
{
    std::vector<TEXT_LINE> lines;
    const int room = columnWidth - kWrapMargin;
    size_t position = 0;
    while (position < text.size() && static_cast<int>(lines.size()) < kMaxCellLines) {
        const size_t start = position;
        size_t end = start;
        int width = 0;
        size_t breakPoint = 0;  // line length up to a following space; 0: none yet
        for (;;) {
            if (position >= text.size()) {
                end = position;
                break;
            }
            const wchar_t character = text[position];
            if (character == L'\r') {
                position += (position + 1 < text.size() && text[position + 1] == L'\n') ? 2 : 1;
                end = position;
                break;
            }
            if (character == L'\n') {
                end = ++position;
                break;
            }
            const int characterWidth = measure.CharWidth(character);
            if (width + characterWidth < room || position == start) {
                width += characterWidth;
                ++position;
                if (position < text.size() && text[position] == L' ')
                    breakPoint = position - start;
                continue;
            }
            if (breakPoint > 0 && start + breakPoint < position)
                end = start + breakPoint + 1;  // just after the space
            else
                end = position;
            position = end;
            break;
        }
        lines.push_back(TEXT_LINE{start, end - start});
    }
    return lines;
}

int CapLinesToArea(int lines, int rowHeight, int areaHeight)
{
    if (rowHeight <= 0 || lines <= 0)
        return lines;
    if (static_cast<long long>(lines) * rowHeight > areaHeight) {
        const int fit = areaHeight / rowHeight - 1;
        return fit < 1 ? 1 : fit;
    }
    return lines;
}

std::wstring LineForDrawing(std::wstring_view line)
{
    std::wstring drawn;
    drawn.reserve(line.size() + 2);
    for (wchar_t character : line) {
        if (character != L'\r' && character != L'\n')
            drawn.push_back(character);
    }
    if (drawn.size() >= 2 && drawn[0] == L' ' && drawn[1] != L' ')
        drawn.erase(0, 1);
    return L"  " + drawn;
}
