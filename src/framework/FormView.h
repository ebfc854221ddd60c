#pragma once
// A view: a child window laid out by a dialog template (WS_CHILD in the template), placed by the
// frame in its client area and swapped with the other views.
#include "Dialog.h"

class CFormView : public CDialog {
public:
    explicit CFormView(int templateId) : CDialog(templateId, nullptr) {}

    // Creates the view hidden, as a child of the frame, with the given control id.
    bool CreateView(HWND frame, int controlId);
};
