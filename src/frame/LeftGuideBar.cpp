#include "LeftGuideBar.h"

#include <algorithm>

#include "MainFrame.h"
#include "ScopedWin.h"
#include "Update.h"
#include "resource.h"

namespace {

constexpr int kMargin = 8;

}  // namespace

bool CLeftGuideBar::CreateBar(HWND frame)
{
    const SIZE button = CBmpButton::FrameSize(kUpdateId);
    WINDOW_CREATE_ARGS args;
    args.style = WS_CHILD | WS_CLIPSIBLINGS;
    args.rect = RECT{0, 0, button.cx, button.cy};
    args.parent = frame;
    if (!Create(args))
        return false;
    if (!m_update.Create(WS_VISIBLE | WS_TABSTOP, RECT{0, 0, button.cx, button.cy}, Handle(), kUpdateId))
        return false;
    m_update.SetBitmap(IDB_LEFTGUIDE_UPDATE);
    return true;
}

bool CLeftGuideBar::Place(const RECT& column, int itemsBottom)
{
    const SIZE button = CBmpButton::FrameSize(kUpdateId);
    const int x = column.left + std::max<int>(0, (column.right - column.left - button.cx) / 2);
    const int y = column.bottom - kMargin - button.cy;
    Move(x, y, button.cx, button.cy, true);
    // Above the item column, which is docked earlier and so lies under it.
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return y >= itemsBottom;
}

void CLeftGuideBar::EnableUpdateButton(bool enable)
{
    m_update.Enable(enable);
}

void CLeftGuideBar::OnGoUpdate()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    if (!frame->TopBar().ConfirmLeave())
        return;
    frame->TopBar().EndDiagnosis();
    EnableUpdateButton(false);
    frame->SwitchView(CUpdate::kViewId, 1);
    if (auto* update = dynamic_cast<CUpdate*>(frame->View(CUpdate::kViewId)))
        update->StartUpdateTimer();
    else
        EnableUpdateButton(true);
}

bool CLeftGuideBar::OnCommand(int id, int code, HWND)
{
    if (id != kUpdateId || code != BN_CLICKED)
        return false;
    OnGoUpdate();
    return true;
}

// The bar is exactly its button; nothing of it shows around it.
bool CLeftGuideBar::OnPaint()
{
    CPaintDc paint(Handle());
    return true;
}
