#pragma once
// A top-level window that holds one active view in its client area (and, later, docked bars).
#include "Window.h"

class CFormView;

class CFrameWindow : public CWindow {
public:
    bool CreateFrame(const std::wstring& title, DWORD style, const RECT& rect);

    CFormView* GetActiveView() const { return m_activeView; }
    void SetActiveView(CFormView* view) { m_activeView = view; }

protected:
    // Commands the frame does not handle itself go on to the active view.
    bool OnCommand(int id, int code, HWND control) override;
    bool OnClose() override;
    void OnDestroy() override;

private:
    CFormView* m_activeView = nullptr;
};
