#pragma once
// An owner-drawn list box with tall rows, each closed by an etched line: the list of the version
// view. Its rows are 28 pixels high whatever the font.
#include <string>

#include "Window.h"

class CLineListBox : public CWindow {
public:
    static constexpr int kRowHeight = 28;

    // Takes over a list box created with LBS_OWNERDRAWFIXED and LBS_HASSTRINGS and sets its row
    // height (the list box measured its rows before it was taken over).
    bool Subclass(HWND listBox);

    // Draws one row as the list box asks for it.
    static void DrawRow(const DRAWITEMSTRUCT& item, const std::wstring& text);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};
