#pragma once
// A dialog built from a dialog template of the program's resources, run modally (DoModal) or
// modelessly (CreateModeless, also the base of form views). Messages reach the same named handlers
// as any CWindow; OnInitDialog, OnOK and OnCancel are the dialog's own.
#include "Window.h"

class CDialog : public CWindow {
public:
    CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

    // Runs the dialog modally and returns the value it ended with. Goes through the modal seam
    // first, so a test can answer without a window. -1 when the template cannot be loaded.
    virtual INT_PTR DoModal();
    bool CreateModeless();
    void EndDialog(INT_PTR result);

    int TemplateId() const { return m_templateId; }

protected:
    virtual bool OnInitDialog() { return true; }  // true: the system sets the focus
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // What a modal box says to the user, for the modal seam.
    virtual std::wstring ModalText() const { return GetText(); }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND Parent() const { return m_parent; }
    void SetParentWindow(HWND parent) { m_parent = parent; }

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
    bool m_modal = false;
    bool m_defaultCalled = false;
};
