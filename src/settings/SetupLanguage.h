#pragma once
// The striped language page: a radio button per installed language, two a row, scrolled by its own
// scroll bar when the page is shorter than its rows. A click on another language stores it and
// restarts the program.
#include <memory>
#include <string>
#include <vector>

#include "Dialog.h"
#include "ScopedWin.h"

class CSetupLanguage : public CDialog {
public:
    static constexpr int kTemplateId = 291;
    static constexpr int kFirstButtonId = 4000;
    static constexpr int kScrollBarId = 101;
    static constexpr int kButtonWidth = 270;
    static constexpr int kButtonHeight = 20;

    explicit CSetupLanguage(HWND parent);
    ~CSetupLanguage() override;

    size_t ButtonCount() const { return m_entries.size(); }
    HWND ButtonAt(size_t index) const { return index < m_entries.size() ? m_entries[index].button : nullptr; }
    int RowCount() const { return m_rows; }
    int ScrollPosition() const { return m_position; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    struct LANGUAGE_BUTTON {
        std::wstring code;
        int id;
        HWND button;  // a child: destroyed with the page
    };

    void MakeButtons();
    void MakeScrollBar();
    void PlaceButtons();
    void Scroll(int code, int thumb);
    const LANGUAGE_BUTTON* EntryOf(int id, size_t* index = nullptr) const;

    std::vector<LANGUAGE_BUTTON> m_entries;
    size_t m_codeCount = 0;
    int m_rows = 0;
    int m_position = 0;
    HWND m_scrollBar = nullptr;
    bool m_sizing = false;
    // Made once: a brush per band colour, handed out on every colour request.
    CScopedBrush m_greyBrush;
    CScopedBrush m_whiteBrush;
};
