#pragma once
// A picture of the table as a list of simple drawing steps. The engine's layout produces it without
// any device context; the window code replays it into the off-screen bitmap.
#include <cstdint>
#include <string>
#include <vector>

struct DRAW_RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct DRAW_POINT {
    int x = 0;
    int y = 0;
};

enum class DRAW_KIND {
    Fill,      // rect in colour
    Text,      // text in rect with DrawText flags `format`, in colour
    TextAt,    // text from point (rect.left, rect.top), its top there, or its bottom when `format` is 1
    Line,      // one-pixel black line through `points` (two or more)
    Polyline,  // the same, for a curve
    Dot,       // ellipse filled and outlined in colour, in rect
};

enum class DRAW_FONT { Table, Graph };

struct DRAW_OP {
    DRAW_KIND kind = DRAW_KIND::Fill;
    DRAW_RECT rect;
    uint32_t colour = 0;  // a colour reference (0x00BBGGRR), or kButtonFaceColour
    std::wstring text;
    unsigned format = 0;
    DRAW_FONT font = DRAW_FONT::Table;
    std::vector<DRAW_POINT> points;
};

// The system's button-face colour, whatever it is on the machine.
constexpr uint32_t kButtonFaceColour = 0xFF000000u;

// DrawText flags the engine uses, with the values Windows gives them.
constexpr unsigned kDrawCentre = 0x1;
constexpr unsigned kDrawRight = 0x2;
constexpr unsigned kDrawVCentre = 0x4;
constexpr unsigned kDrawSingleLine = 0x20;
constexpr unsigned kDrawExpandTabs = 0x40;
constexpr unsigned kDrawNoPrefix = 0x800;

struct DRAW_LIST {
    int width = 0;
    int height = 0;
    std::vector<DRAW_OP> ops;

    void Fill(const DRAW_RECT& rect, uint32_t colour) { ops.push_back(DRAW_OP{DRAW_KIND::Fill, rect, colour, {}, 0, DRAW_FONT::Table, {}}); }
    void Text(const DRAW_RECT& rect, std::wstring text, unsigned format, uint32_t colour)
    {
        ops.push_back(DRAW_OP{DRAW_KIND::Text, rect, colour, std::move(text), format, DRAW_FONT::Table, {}});
    }
    void TextAt(int x, int y, std::wstring text, bool anchorBottom, DRAW_FONT font)
    {
        ops.push_back(DRAW_OP{DRAW_KIND::TextAt, DRAW_RECT{x, y, x, y}, 0, std::move(text), anchorBottom ? 1u : 0u, font, {}});
    }
    void Line(int x1, int y1, int x2, int y2)
    {
        ops.push_back(DRAW_OP{DRAW_KIND::Line, {}, 0, {}, 0, DRAW_FONT::Table, {DRAW_POINT{x1, y1}, DRAW_POINT{x2, y2}}});
    }
    void Polyline(std::vector<DRAW_POINT> points)
    {
        ops.push_back(DRAW_OP{DRAW_KIND::Polyline, {}, 0, {}, 0, DRAW_FONT::Table, std::move(points)});
    }
    void Dot(const DRAW_RECT& rect, uint32_t colour) { ops.push_back(DRAW_OP{DRAW_KIND::Dot, rect, colour, {}, 0, DRAW_FONT::Table, {}}); }
};
