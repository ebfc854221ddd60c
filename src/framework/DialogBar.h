#pragma once
// A bar docked to one edge of a frame, laid out by a dialog template (WS_CHILD in the template).
// The frame asks each bar for its fixed size when it lays itself out.
#include "Dialog.h"

enum class DOCK_SIDE { Top, Bottom, Left, Right };

class CDialogBar : public CDialog {
public:
    explicit CDialogBar(int templateId) : CDialog(templateId, nullptr) {}

    // Creates the bar as a child of the frame; its control id is its template id.
    bool CreateBar(HWND frame, DOCK_SIDE side);

    DOCK_SIDE Side() const { return m_side; }
    // The bar's size as the template gives it.
    SIZE TemplateSize() const { return m_templateSize; }
    // The size the frame gives the bar: stretched along its edge, the template's size across it.
    virtual SIZE CalcFixedLayout(bool stretch, bool horizontal) const;

private:
    DOCK_SIDE m_side = DOCK_SIDE::Bottom;
    SIZE m_templateSize = {};
};
