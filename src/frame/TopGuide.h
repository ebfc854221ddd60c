#pragma once
// The guide bar below the top bar: the breadcrumb of the diagnostic program's menu path (bar 170). Created and docked by the main frame for the whole run.
#include <string>

#include "DialogBar.h"

class CTopGuide : public CDialogBar {
public:
    static constexpr int kBarId = 170;
    CTopGuide() : CDialogBar(kBarId) {}

    // The menu path shown in the bar.
    void SetPathText(const std::wstring& text)
    {
        m_pathText = text;
        if (IsWindow())
            Invalidate(false);
    }
    const std::wstring& PathText() const { return m_pathText; }

protected:
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::wstring m_pathText;
};
