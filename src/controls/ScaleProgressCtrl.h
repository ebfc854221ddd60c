#pragma once
// A progress bar with an optional scale: ticks above the bar, lines across it with their numbers,
// or ticks above and below. It keeps its own range and position beside the control's and paints
// off-screen.
#include "Window.h"

class CScaleProgressCtrl : public CWindow {
public:
    enum SCALE_POSITION { ScaleAbove = 0, ScaleAcross = 1, ScaleAboveAndBelow = 2 };

    void SetRange(int lower, int upper);
    void SetPos(int position);
    // Takes effect at the next paint.
    void SetScale(int scaleOn, int scalePosition, int divisions);

    int GetPos() const { return m_nPos; }

    // Draws the bar as the control shows it into any device context.
    void DrawBar(HDC dc, RECT client) const;

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    void DrawScale(HDC dc, const RECT& bar) const;

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nStep = 10;
    int m_nPos = 0;
    COLORREF m_crBar = RGB(36, 173, 225);
    COLORREF m_crBackground = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
    int m_bShowPercent = 0;
    int m_bShowScale = 0;
    int m_nScalePosition = ScaleAbove;
    int m_nDivisions = 10;
    int m_bBorder = 1;
};
