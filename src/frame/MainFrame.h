#pragma once
// The main window of the program. In this first form it is a plain frame that fills the work area;
// the bars, the views and the dispatch of the diagnostic program's requests come with it later.
#include "FrameWindow.h"

class CMainFrame : public CFrameWindow {
public:
    // Creates the frame from frame resource 128 (its title and icon).
    bool LoadFrame(DWORD style);

    void SwitchView(int viewId, int show);
    int CurrentViewId() const { return m_nCurrentViewId; }

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    int m_nCurrentViewId = 0;
};
