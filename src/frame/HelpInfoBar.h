#pragma once
// A line of help or status text under the screens (bar 283): a read-only text field beside an icon.
// Ctrl and a double-click anywhere on the bar show the help text the diagnostic program sent last.
#include <memory>
#include <string>

#include "DialogBar.h"
#include "ScopedWin.h"

class CHelpInfoBar : public CDialogBar {
public:
    static constexpr int kBarId = 283;
    CHelpInfoBar();
    ~CHelpInfoBar() override;

    // Shows the text in the bar's field, in the normal font, and repaints the bar.
    void SetInfoText(const std::wstring& text);
    std::wstring GetInfoText() const;

    // Repaints the bar without erasing it.
    bool Refresh();

    // The area that answers Ctrl and a double-click, in the bar's client coordinates.
    RECT AnswerRect() const { return m_answerRect; }

    // What Ctrl and a double-click at `point` (client coordinates) do: true when it showed the help text.
    bool OnHelpDoubleClick(UINT keys, POINT point);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    class CInfoField;

    void PlaceField();

    std::unique_ptr<CInfoField> m_field;
    RECT m_answerRect = {};
    CScopedBitmap m_icon;
    CScopedBrush m_white;
};
