#pragma once
// The guide bar below the top bar (bar 170): the breadcrumb of the diagnostic program's menu path.
// When the path is wider than the bar its end stays in view.
#include <string>

#include "DialogBar.h"
#include "ScopedWin.h"

class CTopGuide : public CDialogBar {
public:
    static constexpr int kBarId = 170;
    CTopGuide() : CDialogBar(kBarId) {}

    // Shows a menu path whose levels are joined by "->".
    void SetPathText(const std::wstring& text);
    // The menu path as it was set.
    const std::wstring& PathText() const { return m_pathText; }
    // The breadcrumb as the bar shows it.
    const std::wstring& Breadcrumb() const { return m_breadcrumb; }
    // The bar has no item buttons of its own; kept for the pages that hide them.
    void ShowItems(bool) {}

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::wstring m_pathText;
    std::wstring m_breadcrumb;
    CScopedBitmap m_background;
};
