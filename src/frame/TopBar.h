#pragma once
// The bar of main destinations at the top of the main window (bar 376). The view that is shown lays
// out its buttons from the right; a click leaves a running diagnosis, after asking, and goes to the
// destination, or starts an outside tool. The bar handles its own buttons' clicks, so their ids never
// reach a view (1005 is also a view command).
#include <memory>
#include <vector>

#include "BmpBtn.h"
#include "DialogBar.h"
#include "ScopedWin.h"

class CTopBar : public CDialogBar {
public:
    static constexpr int kBarId = 376;
    CTopBar();
    ~CTopBar() override;

    // Counts a slot and puts the button of `id` in it, from the right; the Manual button is not made
    // when the manuals are missing, but its slot still counts.
    void AddButton(int id, bool show = true);
    void ClearButtons();
    // Marks one button as the current one; every other loses the mark.
    void SetCurrentButton(int id);
    void EnableButton(int id, bool enable);
    CBmpBtn* GetButton(int id) const;
    int SlotCount() const { return m_slotCount; }

    // Rebuilds the bar with the buttons of a view and marks the view's own.
    void ShowButtonsForView(int viewId);

    // While a diagnosis runs, asks whether to leave it; true when the caller may go on. Either way
    // it closes the document readers.
    bool ConfirmLeave();
    // Ends the diagnosis from the shell's side: the diagnostic program (when the shell started it),
    // the turn, the exchange block and the repair viewer's menu path.
    void EndDiagnosis();

    // What a click on a button of the bar does.
    void OnButtonClicked(int id);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::vector<std::unique_ptr<CBmpBtn>> m_buttons;
    int m_slotCount = 0;
    CScopedBitmap m_background;
};
