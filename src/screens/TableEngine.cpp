#include "TableEngine.h"

#include <algorithm>

#include "SoftButtonCaptions.h"
#include "StringResources.h"

namespace {

constexpr int kVersionListView = 158;
constexpr int kTroubleCodeView = 138;
constexpr uint32_t kGraphShownCaption = 0x10000240;
constexpr int kWaveKey = 3010;
constexpr int kHeaderTextTop = 2;
constexpr int kDotRadius = 5;
constexpr int kAxisTextLeft = 6;

// Texts from outside have no length limit; a cell holds 255 characters. A cut never splits a
// UTF-16 surrogate pair.
template <size_t N>
void CopyWide(std::array<wchar_t, N>& field, const wchar_t* text)
{
    size_t length = 0;
    while (length < N - 1 && text[length])
        ++length;
    if (length == N - 1 && text[length] && length > 0) {
        const unsigned last = static_cast<unsigned>(text[length - 1]);
        if (last >= 0xD800 && last <= 0xDBFF)
            --length;
    }
    std::copy(text, text + length, field.begin());
    field[length] = L'\0';
}

void CopyWide(wchar_t (&field)[256], const wchar_t* text)
{
    std::array<wchar_t, 256> copy;
    CopyWide(copy, text);
    std::copy(copy.begin(), copy.end(), field);
}

// Sample texts are digits: each byte stands for itself.
std::wstring Widen(const char* text)
{
    std::wstring wide;
    for (const char* p = text; *p; ++p)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    return wide;
}

bool RuledView(int viewId)
{
    return viewId == kVersionListView || viewId == kTroubleCodeView;
}

}  // namespace

CTableEngine::CTableEngine(IMultiCtrlHost& host, ITableCanvas& canvas)
    : m_host(host), m_canvas(canvas), m_table(std::make_unique<TABLE>()),
      m_records(std::make_unique<std::array<GRAPH_RECORD, kMaxRows>>())
{
    m_rowBottoms.reserve(kMaxRows);
    Init();
}

CTableEngine::~CTableEngine()
{
    for (GRAPH_RECORD& record : *m_records)
        FreeSamples(record);
}

void CTableEngine::Init()
{
    m_columnCount = 0;
    m_rowCount = 0;
    m_rowsPerPage = 0;
    m_rowHeight = 0;
    m_pageTop = 0;
    m_pageStack.fill(0);
    m_headerHeight = 0;
    for (auto& row : m_table->cells)
        for (CELL& cell : row)
            cell[0] = L'\0';
    for (CELL& title : m_table->header)
        title[0] = L'\0';
    m_columnWidths.fill(0);
    m_rowBottoms.clear();
    m_selected.fill(false);
    m_alert.fill(false);
    m_selectedCount = 0;
    m_multiSelect = false;
    m_selectionLimit = 0;
    m_frozen = false;
    m_recount = false;
    m_graphForm = false;
    m_pageBase = 0;
    m_livePageRows = 0;
    m_currentGraphRow = kNoGraphRow;
    m_textStyle = kStyleLeft;
}

void CTableEngine::OnAttached(const ENGINE_AREA& area)
{
    m_area = area;
    SetHeaderHeight(37, 0);
    SetColumns(1, 0);
    SetRowHeight(38, 0);
}

void CTableEngine::ForgetPagesAbove()
{
    // A page start recorded for other content or another area would skip or repeat rows.
    std::fill(m_pageStack.begin() + m_pageTop + 1, m_pageStack.end(), 0);
}

int CTableEngine::SetRect(const ENGINE_AREA& area)
{
    if (!m_canvas.HasWindow())
        return 0;
    m_area = area;
    m_pageTop = 0;
    m_pageStack[0] = 0;
    ForgetPagesAbove();
    Redraw(1);
    return 1;
}

void CTableEngine::Clear()
{
    m_selected.fill(false);
    m_selectedCount = 0;
    for (auto& row : m_table->cells)
        for (CELL& cell : row)
            cell[0] = L'\0';
    m_pageTop = 0;
    m_pageStack[0] = 0;
    ForgetPagesAbove();
    m_rowCount = 0;
}

int CTableEngine::AddRow()
{
    if (m_rowCount >= kMaxRows)
        return 0;
    ++m_rowCount;
    return 1;
}

int CTableEngine::SetRowCount(int count)
{
    if (count < 0 || count > kMaxRows)
        return 0;
    m_rowCount = count;
    return 1;
}

int CTableEngine::SetColumns(int count, int redrawMode)
{
    if (count <= 0 || count > kMaxColumnWidths || m_area.width <= 0)
        return 0;
    m_columnCount = count;
    for (int column = 0; column < count; ++column)
        m_columnWidths[column] = m_area.width / count;
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetColumnWidths(int column, int width, int redrawMode)
{
    if (m_columnCount == 0 || column < 0 || width < 0)
        return 0;
    if (column >= m_columnCount)
        column = m_columnCount - 1;
    if (width > m_area.width || m_columnCount == 1)
        width = m_area.width;
    if (width != m_area.width) {
        const int difference = m_columnWidths[column] - width;
        if (column < m_columnCount - 1)
            m_columnWidths[column + 1] += difference;
        else
            m_columnWidths[column - 1] += difference;
    }
    m_columnWidths[column] = width;
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetHeaderHeight(int height, int redrawMode)
{
    if (height < 0 || height > m_area.height)
        return 0;
    m_headerHeight = height;
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetRowHeight(int height, int redrawMode)
{
    // A row of no height would put every row of the table on one page, all at the same place.
    if (height <= 0 || height > m_area.height || m_area.height < m_headerHeight)
        return 0;
    m_rowHeight = height;
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetStyle(int type, int redrawMode)
{
    static constexpr unsigned kStyles[] = {kStyleLeft, kStyleCentre, kStyleRight};
    if (type < 0 || type > 2)
        return 0;
    m_textStyle = kStyles[type];
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetMode(int multiSelect, int redrawMode)
{
    m_multiSelect = multiSelect != 0;
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetHeaderText(int column, const wchar_t* text, int redrawMode)
{
    if (!text || column < 0 || column >= kMaxColumns)
        return 0;
    CopyWide(m_table->header[column], text);
    Redraw(redrawMode);
    return 1;
}

int CTableEngine::SetCellText(int row, int column, const wchar_t* text, int redrawMode, int graphDraw)
{
    if (m_columnCount > kMaxColumns || column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount || !text)
        return 0;
    CopyWide(m_table->cells[row][column], text);
    const int graphRow = row + m_pageBase;
    if (column == 2 && graphRow >= 0 && graphRow < kMaxRows)
        CopyWide((*m_records)[graphRow].valueText, text);
    if (row >= GetPageFirstRow()) {
        if (graphDraw == 1)
            DrawGraph(redrawMode, -1);
        else
            Redraw(redrawMode);
    }
    return 1;
}

const wchar_t* CTableEngine::GetCellText(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount || column >= kMaxColumns)
        return nullptr;
    return m_table->cells[row][column].data();
}

const wchar_t* CTableEngine::GetColumnTitle(int column) const
{
    if (column < 0 || column >= m_columnCount || column >= kMaxColumns)
        return nullptr;
    return m_table->header[column].data();
}

int CTableEngine::GetColumnWidth(int column) const
{
    if (column < 0 || column >= m_columnCount)
        return 0;
    return m_columnWidths[column];
}

// Paging.

int CTableEngine::PageDown(int redrawMode)
{
    const int first = GetPageFirstRow();
    if (m_pageTop < kPageStackSize - 1 && m_pageStack[m_pageTop + 1] > first)
        m_rowsPerPage = m_pageStack[m_pageTop + 1] - first;
    // A page that showed no row cannot be paged past: its next page would start where it did.
    if (m_rowsPerPage <= 0 || first + m_rowsPerPage >= m_rowCount)
        return 0;
    if (m_pageTop < kPageStackSize - 1) {
        m_pageStack[m_pageTop + 1] = first + m_rowsPerPage;
        ++m_pageTop;
    }
    if (!m_host.IsLiveDataActive())
        Redraw(redrawMode);
    return GetPageFirstRow() + m_rowsPerPage < m_rowCount ? 1 : 0;
}

int CTableEngine::PageUp(int redrawMode)
{
    if (m_pageTop > 0)
        --m_pageTop;
    if (!m_host.IsLiveDataActive())
        Redraw(redrawMode);
    return GetPageFirstRow() != 0 ? 1 : 0;
}

void CTableEngine::FindPageForRow(int row)
{
    // Back to the last recorded page that starts at or before the row, then forwards.
    while (m_pageTop > 0 && GetPageFirstRow() > row)
        --m_pageTop;
    // Rows per page must describe this page and this content, not the last page drawn.
    Redraw(0);
    while (GetPageFirstRow() < row) {
        const int top = m_pageTop;
        PageDown(0);
        if (m_pageTop == top)
            break;
    }
}

void CTableEngine::ShowRow(int row, int redrawMode)
{
    if (row < 0 || row >= m_rowCount)
        return;
    FindPageForRow(row);
    if (GetPageFirstRow() != row) {
        // Entry 0 always starts the table, so Page Up can still reach the rows before.
        if (m_pageTop == 0)
            m_pageTop = 1;
        m_pageStack[m_pageTop] = row;
        ForgetPagesAbove();
    }
    if (m_host.IsLiveDataActive())
        DrawGraph(redrawMode, -1);
    else
        Redraw(redrawMode);
}

// Selection.

void CTableEngine::SelectRow(int row, int redrawMode)
{
    if (row & 0x8000) {
        m_selected.fill(false);
        m_selectedCount = 0;
        Redraw(redrawMode);
        return;
    }
    if (row < 0 || row >= m_rowCount)
        return;
    if (m_multiSelect) {
        ++m_selectedCount;
        m_selected[row] = true;
    } else {
        const auto flagged = std::find(m_selected.begin(), m_selected.end(), true);
        if (flagged != m_selected.end())
            *flagged = false;
        m_selected[row] = true;
        m_selectedCount = 1;
    }
    Redraw(redrawMode);
}

void CTableEngine::SelectAll(int flag)
{
    m_selected.fill(false);
    m_selectedCount = 0;
    if (flag) {
        std::fill(m_selected.begin(), m_selected.begin() + m_rowCount, true);
        m_selectedCount = m_rowCount;
    }
    Redraw(1);
}

int CTableEngine::GetSelectedRow() const
{
    for (int row = 0; row < m_rowCount; ++row) {
        if (m_selected[row])
            return row;
    }
    return m_rowCount;
}

bool CTableEngine::IsRowSelected(int row) const
{
    return row >= 0 && row < kMaxRows && m_selectedCount != 0 && m_selected[row];
}

int CTableEngine::HitTest(int x, int y, int& row, int graphForm)
{
    const bool inColumns = x > m_area.left && x < m_area.left + m_area.width;
    if (graphForm) {
        int chosen = -1;
        int top = m_area.top + m_headerHeight;
        const int rows = CountGraphRowsOnPage(m_pageBase);
        for (int position = 0; position < rows; ++position) {
            const int bottom = top + (*m_records)[m_pageBase + position].textHeight;
            if (inColumns && y > top && y < bottom) {
                chosen = m_pageBase + position;
                break;
            }
            top = bottom;
        }
        if (chosen >= 0) {
            if (!m_multiSelect) {
                if (m_currentGraphRow >= 0 && m_currentGraphRow < kMaxRows)
                    (*m_records)[m_currentGraphRow].marked = 0;
                m_currentGraphRow = chosen;
                GRAPH_RECORD& record = (*m_records)[chosen];
                record.marked = 1;
                m_host.SetWaveKey(record.graphUnavailable != 1,
                                  record.graphShown ? ResGetString(kGraphShownCaption) : SoftButtonCaption(kWaveKey));
                m_selectedCount = 1;
            }
            row = chosen;
        }
        DrawGraph(1, -1);
        return chosen >= 0 ? 1 : 0;
    }

    if (!m_multiSelect) {
        m_selected.fill(false);
        m_selectedCount = 0;
    }
    const int areaBottom = m_area.top + m_area.height;
    int previous = m_area.top + m_headerHeight;
    const int drawn = std::min(m_rowsPerPage, static_cast<int>(m_rowBottoms.size()));
    for (int position = 0; position < drawn; ++position) {
        const int bottom = m_area.top + m_rowBottoms[position];
        if (bottom > areaBottom)
            break;
        const int hit = GetPageFirstRow() + position;
        if (inColumns && y > previous && y < bottom && hit < m_rowCount) {
            row = hit;
            if (!m_multiSelect) {
                m_selected[hit] = true;
                m_selectedCount = 1;
                Redraw(1);
                return 1;
            }
            if (m_selected[hit]) {
                m_selected[hit] = false;
                --m_selectedCount;
                Redraw(1);
                return 0;
            }
            if (m_selectedCount < m_selectionLimit) {
                m_selected[hit] = true;
                ++m_selectedCount;
                Redraw(1);
                return 1;
            }
            return 0;
        }
        previous = bottom;
    }
    Redraw(1);
    return 0;
}

// Graph form.

void CTableEngine::SetGraphRowCount(int count)
{
    s_graphRowCount = count < 0 ? 0 : count > kMaxRows ? kMaxRows : count;
}

int CTableEngine::EffectiveRowHeight()
{
    return std::max(s_baseRowHeight, kMinRowHeight);
}

void CTableEngine::ClearRecord(GRAPH_RECORD& record, short textHeight, short drawnHeight)
{
    FreeSamples(record);
    record.marked = 0;
    record.graphShown = 0;
    record.graphUnavailable = 0;
    record.textHeight = textHeight;
    record.maximumText[0] = '\0';
    record.minimumText[0] = '\0';
    record.maximum = 0;
    record.minimum = 0;
    record.capacity = 0;
    record.valueText[0] = L'\0';
    record.drawnHeight = drawnHeight;
}

void CTableEngine::Reset()
{
    const short height = static_cast<short>(std::min(EffectiveRowHeight(), 0x7FFF));
    for (int row = 0; row < s_graphRowCount; ++row) {
        GRAPH_RECORD& record = (*m_records)[row];
        ClearRecord(record, height, height);
        record.liveData1 = 0;
        record.liveData2 = 0;
    }
    // Rows beyond the count may still hold samples from a longer list: free them too.
    for (GRAPH_RECORD& record : *m_records)
        FreeSamples(record);
    SetRowHeight(EffectiveRowHeight(), -1);
    m_currentGraphRow = kNoGraphRow;
    m_pageBase = 0;
}

void CTableEngine::ForgetCurrentGraphRow()
{
    if (m_currentGraphRow >= 0 && m_currentGraphRow < kMaxRows)
        (*m_records)[m_currentGraphRow].marked = 0;
    m_currentGraphRow = kNoGraphRow;
}

void CTableEngine::ClearSamples()
{
    m_frozen = false;
    for (int row = 0; row < s_graphRowCount; ++row) {
        GRAPH_RECORD& record = (*m_records)[row];
        ClearRecord(record, 23, record.drawnHeight);
    }
    for (GRAPH_RECORD& record : *m_records)
        FreeSamples(record);
    s_graphRowCount = 0;
}

SAMPLE_NODE* CTableEngine::AppendSample(int row, const char* text)
{
    if (m_frozen || row < 0 || row >= kMaxRows)
        return nullptr;
    return AppendSampleToRecord((*m_records)[row], text, m_area.width - kPlotMargins, 3 * EffectiveRowHeight());
}

int CTableEngine::CountGraphRowsOnPage(int firstRow) const
{
    if (firstRow < 0 || firstRow >= s_graphRowCount)
        return 0;
    const int rowHeight = EffectiveRowHeight();
    const int room = (m_area.height - kGraphHeaderHeight) / rowHeight;
    int used = 0;
    int counted = 0;
    for (int row = firstRow; counted < kGraphRowsPerPage && row < s_graphRowCount && row < kMaxRows; ++row) {
        const int units = (*m_records)[row].textHeight / rowHeight;
        if (used + units > room)
            break;
        used += units;
        ++counted;
    }
    return counted;
}

void CTableEngine::SetRowAlert(int row, int flag)
{
    if (row >= 0 && row < kMaxRows)
        m_alert[row] = flag != 0;
}

GRAPH_RECORD* CTableEngine::GraphRecord(int row)
{
    if (row < 0 || row >= kMaxRows)
        return nullptr;
    return &(*m_records)[row];
}

// Layout and drawing.

std::wstring_view CTableEngine::CellText(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= kMaxColumns)
        return {};
    return std::wstring_view(m_table->cells[row][column].data());
}

int CTableEngine::ColumnLeft(int column) const
{
    int left = 0;
    for (int i = 0; i < column && i < kMaxColumnWidths; ++i)
        left += m_columnWidths[i];
    return left;
}

CTableEngine::ROW_LINES CTableEngine::WrapRow(int row) const
{
    ROW_LINES lines;
    const ITextMeasure& measure = m_canvas.TableMeasure();
    bool empty = true;
    for (int column = 0; column < m_columnCount; ++column) {
        lines[column] = WrapCellText(CellText(row, column), m_columnWidths[column], measure);
        const int count = CapLinesToArea(static_cast<int>(lines[column].size()), m_rowHeight, m_area.height);
        lines[column].resize(static_cast<size_t>(count));
        empty = empty && lines[column].empty();
    }
    // A row without any text still takes one line, so it neither ends the page nor vanishes.
    if (empty) {
        for (int column = 0; column < m_columnCount; ++column)
            lines[column].push_back(TEXT_LINE{});
    }
    return lines;
}

bool CTableEngine::RowFits(const ROW_LINES& lines, int y) const
{
    for (int column = 0; column < m_columnCount; ++column) {
        const auto count = static_cast<long long>(lines[column].size());
        if (count > 0 && y + count * m_rowHeight > m_area.height)
            return false;
    }
    return true;
}

uint32_t CTableEngine::RowFill(int row, bool marked, bool markOrange) const
{
    if (marked && markOrange)
        return kOrange;
    if (row >= 0 && row < kMaxRows && m_selected[row])
        return kNoFill;
    return (row % 2) ? kOddRowColour : kBodyColour;
}

int CTableEngine::EmitRow(int row, const ROW_LINES& lines, int y, uint32_t fill, uint32_t textColour,
                          DRAW_LIST* out) const
{
    const bool ruled = out && RuledView(m_host.ActiveViewId());
    const unsigned format = m_textStyle | kDrawExpandTabs | kDrawNoPrefix;
    int bottom = 0;
    for (int column = 0; column < m_columnCount; ++column) {
        const int left = ColumnLeft(column);
        const int width = m_columnWidths[column];
        const std::wstring_view text = CellText(row, column);
        for (size_t k = 0; k < lines[column].size(); ++k) {
            const int top = y + static_cast<int>(k) * m_rowHeight;
            const DRAW_RECT rect{left, top, left + width, top + m_rowHeight};
            if (rect.bottom > m_area.height)
                break;
            if (out) {
                if (fill != kNoFill)
                    out->Fill(rect, fill);
                const TEXT_LINE& line = lines[column][k];
                out->Text(rect, LineForDrawing(text.substr(std::min(line.start, text.size()), line.length)), format,
                          textColour);
                if (ruled)
                    out->Line(rect.left, rect.top, rect.right, rect.top);
            }
            bottom = std::max(bottom, rect.bottom);
        }
    }
    if (ruled && bottom > 0)
        out->Line(0, bottom, ColumnLeft(m_columnCount), bottom);
    return bottom;
}

void CTableEngine::ComposeFrame(DRAW_LIST& picture) const
{
    const int width = m_area.width;
    const int height = m_area.height;
    picture.width = width;
    picture.height = height;
    picture.Fill(DRAW_RECT{0, 0, width, height}, kButtonFaceColour);
    picture.Fill(DRAW_RECT{0, 0, width, m_headerHeight}, kHeaderColour);
    picture.Fill(DRAW_RECT{0, m_headerHeight, width, height}, kBodyColour);
    const unsigned format = m_textStyle | kDrawExpandTabs | kDrawNoPrefix;
    for (int column = 0; column < m_columnCount; ++column) {
        const std::wstring_view title =
            column < kMaxColumns ? std::wstring_view(m_table->header[column].data()) : std::wstring_view();
        const std::vector<TEXT_LINE> lines = WrapCellText(title, m_columnWidths[column], m_canvas.TableMeasure());
        if (lines.empty())
            continue;
        const int left = ColumnLeft(column);
        picture.Text(DRAW_RECT{left, kHeaderTextTop, left + m_columnWidths[column], kHeaderTextTop + m_headerHeight},
                     LineForDrawing(title.substr(lines[0].start, lines[0].length)), format, kHeaderTextColour);
    }
    picture.Line(0, 0, width, 0);
    picture.Line(0, m_headerHeight, width, m_headerHeight);
    picture.Line(0, 0, 0, m_headerHeight);
    for (int column = 0; column < m_columnCount; ++column) {
        const int x = ColumnLeft(column + 1);
        if (x < width)
            picture.Line(x, 0, x, m_headerHeight);
    }
}

void CTableEngine::LayOutTable(DRAW_LIST* picture)
{
    m_rowBottoms.clear();
    int drawn = 0;
    if (m_rowHeight > 0) {
        int y = m_headerHeight;
        for (int row = GetPageFirstRow(); row < m_rowCount && y < m_area.height; ++row) {
            const ROW_LINES lines = WrapRow(row);
            // A page always shows its first row, cut at the bottom if need be: a row taller than
            // the area must not stop paging.
            const bool fits = RowFits(lines, y);
            if (!fits && !m_graphForm && drawn > 0)
                break;
            const bool marked = (*m_records)[row].marked != 0;
            int bottom = EmitRow(row, lines, y, RowFill(row, marked, m_graphForm), kTextColour, picture);
            if (bottom == 0) {
                if (drawn > 0)
                    break;
                bottom = m_area.height;
            }
            if (picture && m_selected[row]) {
                picture->Fill(DRAW_RECT{0, y, m_area.width, bottom}, kOrange);
                EmitRow(row, lines, y, kNoFill, kTextColour, picture);
            }
            m_rowBottoms.push_back(bottom);
            ++drawn;
            if (!fits || bottom >= m_area.height)
                break;
            y = bottom;
        }
    }
    m_rowsPerPage = drawn;
}

void CTableEngine::DrawSeparators(DRAW_LIST& picture) const
{
    for (int column = 0; column < m_columnCount; ++column) {
        const int x = ColumnLeft(column + 1);
        if (x > 0 && x < m_area.width)
            picture.Line(x, m_headerHeight, x, m_area.height - 1);
    }
}

void CTableEngine::Redraw(int redrawMode)
{
    if (!m_canvas.HasWindow() || redrawMode < 0)
        return;
    // The live-data screen draws through DrawGraph.
    if (m_host.IsLiveDataActive())
        return;
    if (redrawMode != 1) {
        LayOutTable(nullptr);
        return;
    }
    DRAW_LIST picture;
    ComposeFrame(picture);
    LayOutTable(&picture);
    DrawSeparators(picture);
    m_canvas.Present(picture);
}

void CTableEngine::DrawPlot(DRAW_LIST& picture, GRAPH_RECORD& record, int baseLine, int sampleLimit) const
{
    const int width = m_area.width;
    const int band = 3 * EffectiveRowHeight();
    picture.Fill(DRAW_RECT{kPlotLeft, baseLine - band, width - kPlotLeft, baseLine}, kBodyColour);
    picture.TextAt(kAxisTextLeft, baseLine - band + 1, L"MAX:" + Widen(record.maximumText), false, DRAW_FONT::Graph);
    picture.TextAt(kAxisTextLeft, baseLine - 1, L"MIN:" + Widen(record.minimumText), true, DRAW_FONT::Graph);
    picture.Line(kPlotLeft, baseLine, width - 81, baseLine);
    picture.Line(width - 85, baseLine - 3, width - 82, baseLine);
    picture.Line(width - 85, baseLine + 3, width - 82, baseLine);
    const int axisTop = baseLine - band + 7;
    picture.Line(kPlotLeft, baseLine, kPlotLeft, axisTop);
    picture.Line(kPlotLeft - 3, axisTop + 3, kPlotLeft, axisTop);
    picture.Line(kPlotLeft + 3, axisTop + 3, kPlotLeft, axisTop);

    if (m_frozen || !record.oldest)
        return;
    SAMPLE_NODE* start = record.oldest->previous;  // the newest
    int points = record.sampleCount;
    if (sampleLimit >= 0) {
        // Replay: the sample `sampleLimit` steps on from the oldest, one step back.
        start = record.oldest;
        for (int step = 0; step < sampleLimit && start->next; ++step)
            start = start->next;
        start = start->previous;
        points = std::min(sampleLimit + 1, static_cast<int>(record.sampleCount));
    }
    std::vector<DRAW_POINT> curve;
    int x = kPlotLeft;
    SAMPLE_NODE* node = start;
    for (int drawn = 0; node && drawn < points && x <= width - kPlotLeft; ++drawn) {
        node->x = static_cast<short>(x);
        curve.push_back(DRAW_POINT{x, baseLine - node->height});
        node = node->previous;
        x = kPlotLeft + NextSampleOffset(x - kPlotLeft);
    }
    if (curve.empty())
        return;
    if (curve.size() > 1)
        picture.Polyline(curve);
    const DRAW_POINT newest = curve.front();
    picture.Dot(DRAW_RECT{newest.x - kDotRadius, newest.y - kDotRadius, newest.x + kDotRadius, newest.y + kDotRadius},
                kRed);
}

void CTableEngine::DrawGraph(int redrawMode, int sampleLimit)
{
    if (!m_canvas.HasWindow() || redrawMode < 0)
        return;
    DRAW_LIST picture;
    ComposeFrame(picture);
    const int width = m_area.width;
    const int band = 3 * EffectiveRowHeight();

    int rows = m_livePageRows;
    if (m_recount) {
        rows = CountGraphRowsOnPage(m_pageBase);
        m_recount = false;
    }
    rows = std::max(0, std::min(rows, m_host.LiveDataRowLimit()));
    const bool paged = m_host.LiveDataPagedByProgram();

    // Each row takes its text height: its graph band (when shown) above the line of its text.
    struct TEXT_SPAN {
        int top;
        int bottom;
    };
    std::vector<TEXT_SPAN> spans;
    m_rowBottoms.clear();
    int slotTop = m_headerHeight;
    int drawn = 0;
    for (int position = 0; position < rows && position < kMaxRows; ++position) {
        const int graphRow = m_pageBase + position;
        if (graphRow < 0 || graphRow >= kMaxRows)
            break;
        GRAPH_RECORD& record = (*m_records)[graphRow];
        const int shownBand = record.graphShown ? band : 0;
        const int y = slotTop + shownBand;
        if (y + record.drawnHeight > m_area.height)
            break;
        const int textRow = paged ? position : graphRow;
        const ROW_LINES lines = WrapRow(textRow);
        const int bottom = EmitRow(textRow, lines, y, RowFill(textRow, record.marked != 0, true), kTextColour, &picture);
        if (bottom == 0)
            break;
        if (m_alert[graphRow]) {
            picture.Fill(DRAW_RECT{0, y, width, bottom}, kRed);
            EmitRow(textRow, lines, y, kNoFill, kWhite, &picture);
        }
        if (record.marked) {
            picture.Fill(DRAW_RECT{0, shownBand ? y - shownBand : y + 1, width, bottom}, kOrange);
            EmitRow(textRow, lines, y, kNoFill, kTextColour, &picture);
        }
        // The plot last: its x axis runs along the top edge of the row's text, which the row's
        // fills cover.
        if (shownBand) {
            record.capacity = static_cast<short>(std::clamp(width - kPlotMargins, -0x8000, 0x7FFF));
            DrawPlot(picture, record, y, sampleLimit);
        }
        m_rowBottoms.push_back(bottom);
        ++drawn;
        const int height = std::min(bottom - y, 0x7FFF);
        if (height > record.drawnHeight)
            record.drawnHeight = static_cast<short>(height);
        if (!record.graphShown)
            record.textHeight = record.drawnHeight;
        picture.Line(0, y - shownBand, width, y - shownBand);
        spans.push_back(TEXT_SPAN{y, bottom});
        slotTop += record.textHeight > 0 ? record.textHeight : EffectiveRowHeight();
    }
    picture.Line(0, slotTop, width, slotTop);
    m_livePageRows = drawn;
    m_rowsPerPage = drawn;

    if (m_host.LiveDataDisplayMode() == 3) {
        if (const std::vector<std::wstring>* names = m_host.LiveDataRowNames()) {
            for (int position = 0; position < drawn; ++position) {
                size_t entry = static_cast<size_t>(std::max(0, m_pageBase + position));
                if (entry == 0)
                    entry = 1;
                if (entry < names->size())
                    SetCellText(paged ? position : m_pageBase + position, 0, (*names)[entry].c_str(), -1);
            }
        }
    }

    for (int column = 0; column < m_columnCount; ++column) {
        const int x = ColumnLeft(column + 1);
        if (x <= 0 || x >= width)
            continue;
        for (const TEXT_SPAN& span : spans)
            picture.Line(x, span.top, x, span.bottom);
        picture.Line(x, slotTop, x, m_area.height);
    }
    if (m_columnCount > 1) {
        const int right = width - 1;
        const int bottom = m_area.height - 1;
        picture.Line(0, 0, right, 0);
        picture.Line(right, 0, right, bottom);
        picture.Line(right, bottom, 0, bottom);
        picture.Line(0, bottom, 0, 0);
    }
    if (redrawMode == 1)
        m_canvas.Present(picture);
    m_alert.fill(false);
}
