#pragma once
// The soft-button row under every screen. A view empties it when shown and adds the buttons it
// needs by command id; the row captions them, lays them out centred and pages them in groups when
// they do not fit. A click reaches the frame's active view as WM_COMMAND with the button's id.
#include <memory>
#include <string>
#include <vector>

#include "BmpBtn.h"
#include "DialogBar.h"
#include "ScopedWin.h"
#include "SoftRowModel.h"

class CButtonBar : public CDialogBar {
public:
    CButtonBar();

    void AddButton(int id, bool show = true);
    void RemoveAllButtons();
    CBmpBtn* GetButton(int id) const;
    void SetButtonText(int id, const std::wstring& text);
    void SetButtonBitmaps(int id, int normal, int pressed, int disabled);
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    // The button at a position of the row (in the order added), or null.
    CBmpBtn* GetButtonAt(int position) const;
    void ShowGroup(int group);
    void OnNextGroup();
    void OnPrevGroup();

    const CSoftRowModel& Layout() const { return m_layout; }
    CBmpBtn* NextGroupButton() const { return m_next.get(); }
    CBmpBtn* PreviousGroupButton() const { return m_previous.get(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}      // a bar is never ended by Enter or Escape
    void OnCancel() override {}

private:
    std::unique_ptr<CBmpBtn> MakeButton(int id, const std::wstring& caption);
    void ApplyLayout();
    void ApplyPagingButton(std::unique_ptr<CBmpBtn>& button, const SOFT_BUTTON_PLACE& place, bool enabled);
    HWND ActiveView() const;

    CSoftRowModel m_layout;
    std::vector<std::unique_ptr<CBmpBtn>> m_buttons;
    std::unique_ptr<CBmpBtn> m_next;
    std::unique_ptr<CBmpBtn> m_previous;
    CScopedBitmap m_background;
};
