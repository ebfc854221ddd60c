#pragma once
// The language page: one button per language whose string file is installed, laid out column by
// column and paged by the view's page keys. Applying a different language stores it and restarts
// the program, which loads it at its start.
#include <memory>
#include <string>
#include <vector>

#include "BmpBtn.h"
#include "LanguagePageLayout.h"
#include "SetupPage.h"

class CSetLanguageDlg : public CSetupPage {
public:
    static constexpr int kFirstButtonId = 4000;

    explicit CSetLanguageDlg(HWND view);
    ~CSetLanguageDlg() override;

    void Apply() override;
    bool HasPreviousButtonPage() const override;
    bool HasNextButtonPage() const override;
    void PreviousButtonPage() override;
    void NextButtonPage() override;

    const std::wstring& ChosenCode() const { return m_strChosenCode; }
    int ButtonPage() const { return m_nPage; }
    size_t ButtonCount() const { return m_buttons.size(); }
    CBmpBtn* ButtonAt(size_t index) const { return index < m_buttons.size() ? m_buttons[index].get() : nullptr; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;

private:
    struct LANGUAGE_ENTRY {
        std::wstring code;
        int commandId;
    };

    void MakeButtons();
    void MakeScrollBar();
    void Latch(size_t index);
    LANGUAGE_PAGE_LAYOUT Layout() const;
    void PlaceButtons();
    void Redraw();

    std::wstring m_strChosenCode;
    size_t m_nListSize = 0;
    HWND m_scrollBar = nullptr;  // a child: destroyed with the page
    int m_nPage = 0;
    int m_nPageCount = 0;
    std::vector<std::unique_ptr<CBmpBtn>> m_buttons;
    std::vector<LANGUAGE_ENTRY> m_entries;
};
