#pragma once
// The column of item buttons on the left of the main window (bar 401). The view that is shown adds
// its items (regions, settings pages, store lists, manual topics) and lets the bar make up to seven
// buttons; choosing one marks it, remembers it and tells the view. The diagnosis screens show the
// chosen maker's logo here instead.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "BmpBtn.h"
#include "DialogBar.h"
#include "MiddleLeftModel.h"
#include "ScopedWin.h"

class CFormViewEx;
class CMainFrame;

struct MIDDLE_LEFT_ITEM {
    std::wstring name;  // the button's caption
    std::wstring text;
    CFormViewEx* owner = nullptr;
};

class CMiddleLeftBar : public CDialogBar {
public:
    static constexpr int kBarId = 401;
    static constexpr UINT_PTR kRepaintTimer = 1;  // armed by the diagnosis screens for one repaint

    CMiddleLeftBar();
    ~CMiddleLeftBar() override;

    void AddItem(const std::wstring& name, const std::wstring& text, CFormViewEx* owner);
    // Makes a button for each of the first seven items, then chooses the current item again, as if
    // its button had been clicked.
    void CreateButtons();
    // Forgets the items, their buttons, the current item, the flag and the logo.
    void ClearItemList();
    // Every button gets the opposite of `on`, then the button at `index` gets `on`.
    void SelectButton(int index, bool on);
    int GetCurrentItem() const { return m_nCurItem; }
    // The item the next CreateButtons chooses (the views mark the one they show).
    void SetCurrentItem(int index) { m_nCurItem = index; }
    // Set by the views from which an item leads back to the maker chooser or the store; a view sets
    // it after CreateButtons, or the first choice would already lead back.
    void SetFlag(bool flag) { m_bReturnToChooser = flag; }
    bool GetFlag() const { return m_bReturnToChooser; }
    // The maker logo shown for the diagnosis screens; the bar owns it.
    void SetLogo(HBITMAP logo) { m_hLogo.Reset(logo); }
    HBITMAP Logo() const { return m_hLogo.Get(); }

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const MIDDLE_LEFT_ITEM& GetItem(int index) const { return m_items.at(static_cast<size_t>(index)); }
    CBmpBtn* GetButton(int index) const;

    // What choosing the item of command `id` (1090..1099) does.
    void OnItemButton(int id);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void RunItemAction(CMainFrame& frame, ITEM_ACTION action, int index);
    void PlaceButtons();
    void DrawLogo(HDC dc, const RECT& client) const;

    std::vector<MIDDLE_LEFT_ITEM> m_items;
    int m_nCurItem = 0;
    std::array<std::unique_ptr<CBmpBtn>, kMaxItemButtons> m_buttons;
    CScopedBitmap m_hLogo;
    bool m_bReturnToChooser = false;
    CScopedBitmap m_background;
    CScopedBitmap m_logoFrame;
    SIZE m_buttonSize = {};
};
