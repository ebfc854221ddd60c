#pragma once
// A host, a measure and a canvas for the engine without a window: every character is the same
// width, pictures are kept for inspection, and the host's answers are plain fields.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TableEngine.h"

namespace engine_test {

class CFixedMeasure : public ITextMeasure {
public:
    explicit CFixedMeasure(int width) : m_width(width) {}
    int CharWidth(wchar_t) const override { return m_width; }

private:
    int m_width;
};

class CFakeHost : public IMultiCtrlHost {
public:
    bool liveDataActive = false;
    int viewId = 137;
    int rowLimit = 300;
    int displayMode = 0;
    const std::vector<std::wstring>* rowNames = nullptr;
    std::vector<std::pair<bool, std::wstring>> waveKeys;

    bool IsLiveDataActive() const override { return liveDataActive; }
    int ActiveViewId() const override { return viewId; }
    int LiveDataRowLimit() const override { return rowLimit; }
    int LiveDataDisplayMode() const override { return displayMode; }
    const std::vector<std::wstring>* LiveDataRowNames() const override { return rowNames; }
    void SetWaveKey(bool enabled, const std::wstring& caption) override { waveKeys.emplace_back(enabled, caption); }
};

class CFakeCanvas : public ITableCanvas {
public:
    bool window = true;
    CFixedMeasure measure{8};
    std::vector<DRAW_LIST> pictures;

    bool HasWindow() const override { return window; }
    const ITextMeasure& TableMeasure() const override { return measure; }
    void Present(const DRAW_LIST& picture) override { pictures.push_back(picture); }
};

// An engine in a 640 x 400 window at (20, 50) of its view, as Attach leaves it: header 37, one
// column, rows 38 high.
struct ENGINE_RIG {
    explicit ENGINE_RIG(ENGINE_AREA area = ENGINE_AREA{20, 50, 640, 400})
        : engine(std::make_unique<CTableEngine>(host, canvas))
    {
        CTableEngine::SetBaseRowHeight(1);
        CTableEngine::SetGraphRowCount(0);
        engine->OnAttached(area);
    }
    CFakeHost host;
    CFakeCanvas canvas;
    std::unique_ptr<CTableEngine> engine;

    CTableEngine* operator->() { return engine.get(); }
    void Rows(int count, const wchar_t* text = L"row")
    {
        engine->SetRowCount(count);
        for (int row = 0; row < count; ++row)
            engine->SetCellText(row, 0, text, -1);
    }
    const DRAW_LIST& LastPicture() const { return canvas.pictures.back(); }
};

// The colour a picture leaves at a point from its fills and dots (text and lines aside).
inline std::optional<uint32_t> FillAt(const DRAW_LIST& picture, int x, int y)
{
    std::optional<uint32_t> colour;
    for (const DRAW_OP& op : picture.ops) {
        if ((op.kind == DRAW_KIND::Fill || op.kind == DRAW_KIND::Dot) && x >= op.rect.left && x < op.rect.right &&
            y >= op.rect.top && y < op.rect.bottom)
            colour = op.colour;
    }
    return colour;
}

// The texts drawn, in order.
inline std::vector<std::wstring> TextsOf(const DRAW_LIST& picture)
{
    std::vector<std::wstring> texts;
    for (const DRAW_OP& op : picture.ops) {
        if (op.kind == DRAW_KIND::Text || op.kind == DRAW_KIND::TextAt)
            texts.push_back(op.text);
    }
    return texts;
}

}  // namespace engine_test
