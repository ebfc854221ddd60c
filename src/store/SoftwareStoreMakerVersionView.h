#pragma once
// The store's information page of one package (view 476): its logo, name and version, and the two
// descriptions the web service gives for it, read-only. The store hands them over before it
// switches here; Back leads to the store.
#include <string>

#include "FormViewEx.h"
#include "ScopedWin.h"

class CSoftwareStoreMakerVersionView : public CFormViewEx {
public:
    static constexpr int kViewId = 476;
    CSoftwareStoreMakerVersionView() : CFormViewEx(kViewId) {}

    // The logo stays the store's: this page only draws it.
    void SetLogo(HBITMAP logo) { m_logo = logo; }
    void SetNames(const std::wstring& name, const std::wstring& text);
    void SetDescriptionA(const std::wstring& text) { m_descriptionA = text; }
    void SetDescriptionB(const std::wstring& text) { m_descriptionB = text; }
    // The store's page the package is on: the middle-left bar marks it.
    void SetListIndex(int index) { m_listIndex = index; }

    void OnShowView() override;
    void OnBack() override;

    // The texts as the page's controls show them (for a look from outside).
    std::wstring ShownName() const { return TextOf(m_nameLabel); }
    std::wstring ShownText() const { return TextOf(m_textLabel); }
    std::wstring ShownDescriptionA() const { return TextOf(m_boxA); }
    std::wstring ShownDescriptionB() const { return TextOf(m_boxB); }
    HWND DescriptionBoxA() const { return m_boxA; }

protected:
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void FillMiddleLeftBar();
    void CreateControls();
    void ShowTexts();
    void Layout(const RECT& client);
    HWND MakeLabel(const std::wstring& text, HFONT font, DWORD extraStyle = WS_VISIBLE);
    HWND MakeBox();
    static std::wstring TextOf(HWND control);

    HBITMAP m_logo = nullptr;
    std::wstring m_name;
    std::wstring m_text;
    std::wstring m_descriptionA;
    std::wstring m_descriptionB;
    int m_listIndex = 0;

    HWND m_nameLabel = nullptr;
    HWND m_textLabel = nullptr;
    HWND m_captionA = nullptr;
    HWND m_captionB = nullptr;
    HWND m_boxA = nullptr;
    HWND m_boxB = nullptr;
    HWND m_copyA = nullptr;
    HWND m_copyB = nullptr;
    CScopedBitmap m_edge;
};
