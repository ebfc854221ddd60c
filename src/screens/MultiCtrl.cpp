#include "MultiCtrl.h"

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "MainFrame.h"
#include "RdsView.h"
#include "SharedFonts.h"
#include "TableEngine.h"
#include "TextConversion.h"
#include "Window.h"

static_assert(CMultiCtrl::kMaxRows == CTableEngine::kMaxRows);
static_assert(CMultiCtrl::kMaxColumns == CTableEngine::kMaxColumns);
static_assert(CMultiCtrl::kMaxColumnWidths == CTableEngine::kMaxColumnWidths);
static_assert(CMultiCtrl::kCellChars == CTableEngine::kCellChars);
static_assert(CMultiCtrl::kNoGraphRow == CTableEngine::kNoGraphRow);
static_assert(kDrawCentre == DT_CENTER && kDrawRight == DT_RIGHT && kDrawVCentre == DT_VCENTER);
static_assert(kDrawSingleLine == DT_SINGLELINE && kDrawExpandTabs == DT_EXPANDTABS && kDrawNoPrefix == DT_NOPREFIX);
static_assert(CTableEngine::kStyleLeft == 36 && CTableEngine::kStyleCentre == 37 && CTableEngine::kStyleRight == 38);

namespace {

constexpr int kLiveDataView = 161;
constexpr int kWaveKey = 3010;

// The engine's child window: a STATIC control that paints the last picture the engine presented,
// so that an expose (a window passing over it, the X server's redraws) shows the table again
// instead of an empty control. A presented picture is drawn at the next paint, so that a turn
// that presents several times, or turns that follow faster than paints, draw only the last one.
class CPictureWindow : public CWindow {
public:
    using REPLAY = std::function<void(HDC, const DRAW_LIST&)>;

    // How a picture is drawn into a device context.
    explicit CPictureWindow(REPLAY replay) : m_replay(std::move(replay)) {}

    void Present(const DRAW_LIST& picture)
    {
        m_pending = picture;
        if (!m_hasPending)  // else the window waits for its paint already
            Invalidate(false);
        m_hasPending = true;
    }
    void ForgetPicture()
    {
        m_picture.Reset();
        m_hasPending = false;
    }

protected:
    bool OnPaint() override
    {
        DrawPendingPicture();
        CPaintDc paint(Handle());
        if (!m_picture) {
            const RECT client = ClientRect();
            FillRect(paint.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        CMemoryDc memory(paint.Get());
        CSelectObject select(memory.Get(), m_picture.Get());
        BitBlt(paint.Get(), 0, 0, m_width, m_height, memory.Get(), 0, 0, SRCCOPY);
        return true;
    }
    bool OnEraseBkgnd(HDC) override { return true; }  // the picture covers the whole window

private:
    // The kept bitmap when it has the size, else a new one.
    HBITMAP PictureFor(HDC compatible, int width, int height)
    {
        if (!m_picture || width != m_width || height != m_height) {
            m_picture.Reset(CreateCompatibleBitmap(compatible, width, height));
            m_width = m_picture ? width : 0;
            m_height = m_picture ? height : 0;
        }
        return m_picture.Get();
    }
    void DrawPendingPicture()
    {
        if (!m_hasPending)
            return;
        m_hasPending = false;
        CClientDc screen(Handle());
        HBITMAP bitmap = PictureFor(screen.Get(), m_pending.width, m_pending.height);
        if (!bitmap)
            return;
        CMemoryDc memory(screen.Get());
        CSelectObject select(memory.Get(), bitmap);
        m_replay(memory.Get(), m_pending);
    }

    CScopedBitmap m_picture;
    int m_width = 0;
    int m_height = 0;
    DRAW_LIST m_pending;
    bool m_hasPending = false;
    REPLAY m_replay;
};

// Character widths in the table font, for wrapping. Latin characters are asked once per font.
class CGdiMeasure : public ITextMeasure {
public:
    CGdiMeasure() : m_dc(nullptr) { m_cache.fill(-1); }
    void SetFont(HFONT font)
    {
        m_font.reset();
        m_font = std::make_unique<CSelectObject>(m_dc.Get(), font);
        m_cache.fill(-1);
    }
    int CharWidth(wchar_t character) const override
    {
        const auto index = static_cast<size_t>(character);
        if (index < m_cache.size() && m_cache[index] >= 0)
            return m_cache[index];
        SIZE size = {};
        if (!m_dc.Get() || !GetTextExtentPoint32W(m_dc.Get(), &character, 1, &size))
            size.cx = 0;
        if (index < m_cache.size())
            m_cache[index] = size.cx;
        return size.cx;
    }

private:
    CMemoryDc m_dc;
    std::unique_ptr<CSelectObject> m_font;
    mutable std::array<int, 0x250> m_cache;
};

COLORREF Resolve(uint32_t colour)
{
    return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

RECT ToRect(const DRAW_RECT& rect)
{
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

const CRdsView* LiveDataScreen()
{
    const CMainFrame* frame = CMainFrame::Instance();
    return frame ? dynamic_cast<const CRdsView*>(frame->View(kLiveDataView)) : nullptr;
}

// The program's host: the main frame and its live-data screen. The screen keeps no list of row
// names for the engine to show in their place.
class CProgramMultiCtrlHost : public IMultiCtrlHost {
public:
    bool IsLiveDataActive() const override { return ActiveViewId() == kLiveDataView; }
    int ActiveViewId() const override
    {
        const CMainFrame* frame = CMainFrame::Instance();
        return frame ? frame->CurrentViewId() : 0;
    }
    int LiveDataRowLimit() const override
    {
        const CRdsView* screen = LiveDataScreen();
        return screen ? screen->PageRowLimit() : CTableEngine::kMaxRows;
    }
    int LiveDataDisplayMode() const override
    {
        const CRdsView* screen = LiveDataScreen();
        return screen ? screen->DisplayMode() : 0;
    }
    bool LiveDataPagedByProgram() const override
    {
        const CRdsView* screen = LiveDataScreen();
        return screen && screen->PagedByProgram();
    }
    const std::vector<std::wstring>* LiveDataRowNames() const override { return nullptr; }
    void SetWaveKey(bool enabled, const std::wstring& caption) override
    {
        CMainFrame* frame = CMainFrame::Instance();
        if (!frame)
            return;
        CButtonBar& row = frame->ButtonBar();
        if (CBmpBtn* key = row.GetButton(kWaveKey)) {
            key->Enable(enabled);
            row.SetButtonText(kWaveKey, caption);
        }
    }
};

}  // namespace

IMultiCtrlHost& ProgramMultiCtrlHost()
{
    static CProgramMultiCtrlHost host;
    return host;
}

struct CMultiCtrl::State : public ITableCanvas {
    explicit State(IMultiCtrlHost& host)
        : window([this](HDC dc, const DRAW_LIST& picture) { Replay(dc, picture); }), engine(host, *this)
    {
    }

    bool HasWindow() const override { return window.IsWindow(); }
    const ITextMeasure& TableMeasure() const override { return measure; }
    void Present(const DRAW_LIST& picture) override;
    void Replay(HDC dc, const DRAW_LIST& picture) const;

    CPictureWindow window;
    CGdiMeasure measure;
    HFONT tableFont = nullptr;  // the shared normal font; not ours
    CScopedFont graphFont;
    CTableEngine engine;  // last: it draws through the members above
};

void CMultiCtrl::State::Present(const DRAW_LIST& picture)
{
    if (!window.IsWindow() || picture.width <= 0 || picture.height <= 0)
        return;
    window.Present(picture);
    if (!window.IsVisible())
        window.Show(SW_SHOW);
}

void CMultiCtrl::State::Replay(HDC dc, const DRAW_LIST& picture) const
{
    std::map<uint32_t, CScopedBrush> brushes;
    auto brushOf = [&](uint32_t colour) {
        CScopedBrush& brush = brushes[colour];
        if (!brush)
            brush.Reset(CreateSolidBrush(Resolve(colour)));
        return brush.Get();
    };
    const HFONT plotFont = graphFont ? graphFont.Get() : tableFont;
    SetBkMode(dc, TRANSPARENT);
    CSelectObject font(dc, tableFont);
    CSelectObject pen(dc, GetStockObject(BLACK_PEN));
    for (const DRAW_OP& op : picture.ops) {
        RECT rect = ToRect(op.rect);
        switch (op.kind) {
        case DRAW_KIND::Fill:
            FillRect(dc, &rect, brushOf(op.colour));
            break;
        case DRAW_KIND::Text:
            SetTextColor(dc, Resolve(op.colour));
            DrawTextW(dc, op.text.c_str(), static_cast<int>(op.text.size()), &rect, op.format);
            break;
        case DRAW_KIND::TextAt: {
            CSelectObject textFont(dc, op.font == DRAW_FONT::Graph ? plotFont : tableFont);
            const UINT previousAlign = SetTextAlign(dc, TA_LEFT | (op.format ? TA_BOTTOM : TA_TOP));
            SetTextColor(dc, RGB(0, 0, 0));
            TextOutW(dc, rect.left, rect.top, op.text.c_str(), static_cast<int>(op.text.size()));
            SetTextAlign(dc, previousAlign);
            break;
        }
        case DRAW_KIND::Line:
        case DRAW_KIND::Polyline: {
            std::vector<POINT> points;
            for (const DRAW_POINT& point : op.points)
                points.push_back(POINT{point.x, point.y});
            if (points.size() >= 2)
                Polyline(dc, points.data(), static_cast<int>(points.size()));
            break;
        }
        case DRAW_KIND::Dot: {
            CScopedPen outline(CreatePen(PS_SOLID, 1, Resolve(op.colour)));
            CSelectObject dotPen(dc, outline.Get());
            CSelectObject dotBrush(dc, brushOf(op.colour));
            Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
            break;
        }
        }
    }
}

CMultiCtrl::CMultiCtrl(IMultiCtrlHost& host) : m_host(host), m_state(std::make_unique<State>(host)) {}

CMultiCtrl::~CMultiCtrl() = default;

void CMultiCtrl::Init()
{
    m_state->engine.Init();
}

int CMultiCtrl::Attach(const RECT& rect, HWND view)
{
    State& state = *m_state;
    state.tableFont = NormalFont() ? NormalFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    state.measure.SetFont(state.tableFont);
    if (state.window.IsWindow()) {
        state.engine.Clear();
        state.window.Destroy();
    }
    state.window.ForgetPicture();
    WINDOW_CREATE_ARGS args;
    args.className = L"STATIC";
    args.style = WS_CHILD | WS_VISIBLE;
    args.rect = rect;
    args.parent = view;
    args.controlId = kChildId;
    if (!state.window.Create(args))
        return 0;
    state.engine.OnAttached(ENGINE_AREA{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    state.window.Show(SW_SHOW);
    return 1;
}

int CMultiCtrl::SetRect(const RECT& rect)
{
    State& state = *m_state;
    if (!state.window.IsWindow())
        return 0;
    // The window follows its area, so the picture and the hit tests stay where the table is.
    state.window.Move(rect, false);
    return state.engine.SetRect(ENGINE_AREA{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

int CMultiCtrl::Show(int flag)
{
    const CPictureWindow& window = m_state->window;
    if (!window.IsWindow())
        return 0;
    // A window newly shown is painted whole; one already shown keeps its picture until the next
    // one is presented.
    if (window.IsVisible() != (flag != 0))
        window.Show(flag ? SW_SHOW : SW_HIDE);
    return 1;
}

void CMultiCtrl::Clear()
{
    m_state->engine.Clear();
}

int CMultiCtrl::AddRow()
{
    return m_state->engine.AddRow();
}

int CMultiCtrl::SetRowCount(int count)
{
    return m_state->engine.SetRowCount(count);
}

int CMultiCtrl::SetColumns(int count, int redrawMode)
{
    return m_state->engine.SetColumns(count, redrawMode);
}

int CMultiCtrl::SetColumnWidths(int column, int width, int redrawMode)
{
    return m_state->engine.SetColumnWidths(column, width, redrawMode);
}

int CMultiCtrl::SetHeaderHeight(int height, int redrawMode)
{
    return m_state->engine.SetHeaderHeight(height, redrawMode);
}

int CMultiCtrl::SetRowHeight(int height, int redrawMode)
{
    return m_state->engine.SetRowHeight(height, redrawMode);
}

int CMultiCtrl::SetStyle(int type, int redrawMode)
{
    return m_state->engine.SetStyle(type, redrawMode);
}

int CMultiCtrl::SetMode(int multiSelect, int redrawMode)
{
    return m_state->engine.SetMode(multiSelect, redrawMode);
}

void CMultiCtrl::SetMaxSelection(int count)
{
    m_state->engine.SetMaxSelection(count);
}

int CMultiCtrl::SetHeaderText(int column, const wchar_t* text, int redrawMode)
{
    return m_state->engine.SetHeaderText(column, text, redrawMode);
}

int CMultiCtrl::SetCellText(int row, int column, const wchar_t* text, int redrawMode, int graphDraw)
{
    return m_state->engine.SetCellText(row, column, text, redrawMode, graphDraw);
}

int CMultiCtrl::SetCellTextA(int row, int column, const char* text, int redrawMode, int graphDraw)
{
    const WideBuffer wide = Utf8ToWide(text);
    if (!wide)
        return 0;  // not convertible under the current DBFORMAT
    return m_state->engine.SetCellText(row, column, wide.get(), redrawMode, graphDraw);
}

const wchar_t* CMultiCtrl::GetCellText(int row, int column) const
{
    return m_state->engine.GetCellText(row, column);
}

const wchar_t* CMultiCtrl::GetColumnTitle(int column) const
{
    return m_state->engine.GetColumnTitle(column);
}

int CMultiCtrl::GetColumnWidth(int column) const
{
    return m_state->engine.GetColumnWidth(column);
}

int CMultiCtrl::GetRowCount() const
{
    return m_state->engine.GetRowCount();
}

int CMultiCtrl::GetColumnCount() const
{
    return m_state->engine.GetColumnCount();
}

int CMultiCtrl::GetRowsPerPage() const
{
    return m_state->engine.GetRowsPerPage();
}

int CMultiCtrl::GetPageFirstRow() const
{
    return m_state->engine.GetPageFirstRow();
}

bool CMultiCtrl::IsFirstPage() const
{
    return m_state->engine.IsFirstPage();
}

bool CMultiCtrl::IsLastPage() const
{
    return m_state->engine.IsLastPage();
}

int CMultiCtrl::PageDown(int redrawMode)
{
    return m_state->engine.PageDown(redrawMode);
}

int CMultiCtrl::PageUp(int redrawMode)
{
    return m_state->engine.PageUp(redrawMode);
}

void CMultiCtrl::ShowRow(int row, int redrawMode)
{
    m_state->engine.ShowRow(row, redrawMode);
}

void CMultiCtrl::SelectRow(int row, int redrawMode)
{
    m_state->engine.SelectRow(row, redrawMode);
}

void CMultiCtrl::SelectAll(int flag)
{
    m_state->engine.SelectAll(flag);
}

int CMultiCtrl::GetSelectedRow() const
{
    return m_state->engine.GetSelectedRow();
}

int CMultiCtrl::GetSelectedCount() const
{
    return m_state->engine.GetSelectedCount();
}

bool CMultiCtrl::IsRowSelected(int row) const
{
    return m_state->engine.IsRowSelected(row);
}

int CMultiCtrl::HitTest(int x, int y, int& row, int graphForm)
{
    return m_state->engine.HitTest(x, y, row, graphForm);
}

void CMultiCtrl::Reset()
{
    State& state = *m_state;
    if (!state.graphFont)
        state.graphFont.Reset(CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial Unicode MS"));
    state.engine.Reset();
}

void CMultiCtrl::ClearSamples()
{
    m_state->engine.ClearSamples();
}

SAMPLE_NODE* CMultiCtrl::AppendSample(int row, const char* text)
{
    return m_state->engine.AppendSample(row, text);
}

int CMultiCtrl::ParseSampleValue(const char* text)
{
    return ParseSampleText(text);
}

int CMultiCtrl::CountGraphRowsOnPage(int firstRow) const
{
    return m_state->engine.CountGraphRowsOnPage(firstRow);
}

void CMultiCtrl::SetPageBase(int row)
{
    m_state->engine.SetPageBase(row);
}

int CMultiCtrl::GetPageBase() const
{
    return m_state->engine.GetPageBase();
}

void CMultiCtrl::SetRowAlert(int row, int flag)
{
    m_state->engine.SetRowAlert(row, flag);
}

int CMultiCtrl::GetLiveDataPageRows() const
{
    return m_state->engine.GetLiveDataPageRows();
}

void CMultiCtrl::SetLiveDataPageRows(int count)
{
    m_state->engine.SetLiveDataPageRows(count);
}

GRAPH_RECORD* CMultiCtrl::GraphRecord(int row)
{
    return m_state->engine.GraphRecord(row);
}

void CMultiCtrl::SetFreeze(bool frozen)
{
    m_state->engine.SetFreeze(frozen);
}

void CMultiCtrl::SetRecount(bool recount)
{
    m_state->engine.SetRecount(recount);
}

void CMultiCtrl::SetGraphForm(bool graphForm)
{
    m_state->engine.SetGraphForm(graphForm);
}

int CMultiCtrl::CurrentGraphRow() const
{
    return m_state->engine.CurrentGraphRow();
}

void CMultiCtrl::ForgetCurrentGraphRow()
{
    m_state->engine.ForgetCurrentGraphRow();
}

void CMultiCtrl::Redraw(int redrawMode)
{
    m_state->engine.Redraw(redrawMode);
}

void CMultiCtrl::Refresh()
{
    m_state->engine.Redraw(1);
}

void CMultiCtrl::DrawGraph(int redrawMode, int sampleLimit)
{
    m_state->engine.DrawGraph(redrawMode, sampleLimit);
}

HWND CMultiCtrl::Window() const
{
    return m_state->window.Handle();
}

RECT CMultiCtrl::Area() const
{
    const ENGINE_AREA& area = m_state->engine.Area();
    return RECT{area.left, area.top, area.left + area.width, area.top + area.height};
}

std::vector<int> CMultiCtrl::RowBottoms() const
{
    return m_state->engine.RowBottoms();
}

int CMultiCtrl::BaseRowHeight()
{
    return CTableEngine::BaseRowHeight();
}

void CMultiCtrl::SetBaseRowHeight(int height)
{
    CTableEngine::SetBaseRowHeight(height);
}

int CMultiCtrl::GraphRowCount()
{
    return CTableEngine::GraphRowCount();
}

void CMultiCtrl::SetGraphRowCount(int count)
{
    CTableEngine::SetGraphRowCount(count);
}
