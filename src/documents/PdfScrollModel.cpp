#include "PdfScrollModel.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr int kReaderPageHeight = 1292;
constexpr int kUnitHeight = 20;

// A host taller than the reader's page would give no units per page or fewer; one unit keeps the
// arithmetic and the scroll bar sound.
int UnitsPerPageFor(int height)
{
    const int rest = kReaderPageHeight - height;
    const int units = rest / kUnitHeight + 1 + (rest % kUnitHeight != 0 ? 1 : 0);
    return std::max(units, 1);
}

}  // namespace

CPdfScrollModel::CPdfScrollModel(int /*width*/, int height, int pageCount)
    : m_height(std::max(height, 1)),
      m_unitsPerPage(UnitsPerPageFor(height)),
      m_maximum(std::clamp(pageCount, 1, 100000) * m_unitsPerPage + m_height - 1)
{
}

void CPdfScrollModel::MoveTo(int position)
{
    m_position = std::clamp(position, 0, std::max(LastPosition(), 0));
}

std::optional<READER_COMMAND> CPdfScrollModel::LineUp()
{
    if (m_position <= 0)
        return std::nullopt;
    MoveTo(m_position - 1);
    return READER_COMMAND{2, 1};
}

std::optional<READER_COMMAND> CPdfScrollModel::LineDown()
{
    if (m_position + m_height >= m_maximum)
        return std::nullopt;
    MoveTo(m_position + 1);
    return READER_COMMAND{3, 1};
}

std::optional<READER_COMMAND> CPdfScrollModel::PageUp()
{
    if (m_position == 0)
        return std::nullopt;
    MoveTo(m_position - m_unitsPerPage);
    return READER_COMMAND{4, 1};
}

std::optional<READER_COMMAND> CPdfScrollModel::PageDown()
{
    if (m_position + m_height >= m_maximum)
        return std::nullopt;
    MoveTo(m_position + m_unitsPerPage);
    return READER_COMMAND{5, 1};
}

READER_COMMAND CPdfScrollModel::ThumbTo(int position)
{
    const int from = m_position;
    const int to = std::clamp(position, 0, std::max(LastPosition(), 0));
    m_position = to;
    return to >= from ? READER_COMMAND{3, to - from} : READER_COMMAND{2, from - to};
}

int CPdfScrollModel::ArrowStep() const
{
    return std::max((m_height - 40) / kUnitHeight, 1);
}

std::optional<READER_COMMAND> CPdfScrollModel::LeftKey(int currentPage)
{
    if (m_position == 0)
        return std::nullopt;
    int step = ArrowStep();
    const int base = m_unitsPerPage * (currentPage - 1);
    if (m_position == base)
        step = 1;
    else if (m_position - base > 0 && m_position - base < step)
        step = m_position - base;
    step = std::min(step, m_position);
    MoveTo(m_position - step);
    return READER_COMMAND{2, step};
}

std::optional<READER_COMMAND> CPdfScrollModel::RightKey(int currentPage)
{
    if (m_position >= LastPosition())
        return std::nullopt;
    int step = ArrowStep();
    const int rest = currentPage * m_unitsPerPage - m_position;
    if (rest == 1)
        step = 1;
    else if (rest - 1 > 0 && rest - 1 < step)
        step = rest - 1;
    step = std::min(step, LastPosition() - m_position);
    MoveTo(m_position + step);
    return READER_COMMAND{3, step};
}

std::optional<std::wstring> CPdfScrollModel::ClampPageEntry(const std::wstring& text, int pageCount)
{
    long long value = 0;
    bool negative = false;
    size_t index = 0;
    if (index < text.size() && text[index] == L'-') {
        negative = true;
        ++index;
    }
    for (; index < text.size() && iswdigit(text[index]); ++index)
        value = std::min(value * 10 + (text[index] - L'0'), 1000000LL);
    if (negative || value <= 0)
        return text == L"1" ? std::nullopt : std::optional<std::wstring>(L"1");
    if (value > pageCount)
        return std::to_wstring(pageCount);
    return std::nullopt;
}
