#include "BottomBar.h"

#include "BarDrawing.h"
#include "BottomBarModel.h"
#include "FormViewEx.h"
#include "FrameWindow.h"
#include "MainFrame.h"

namespace {

constexpr UINT_PTR kUpdateTimer = 1;

}  // namespace

CBottomBar::CBottomBar() : CDialogBar(kBarId) {}

CBottomBar::~CBottomBar() = default;

bool CBottomBar::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(BottomBarBackground(false)));
    m_wideBackground.Reset(LoadProgramBitmap(BottomBarBackground(true)));
    SetTimer(Handle(), kUpdateTimer, kUpdateIntervalMs, nullptr);
    Refresh();
    return false;
}

void CBottomBar::OnDestroy()
{
    KillTimer(Handle(), kUpdateTimer);
    DestroyButtons();
}

// The store's pages lay the bar out wide (the frame sets the flag at every switch).
bool CBottomBar::WideLayout() const
{
    return StorePageShown != 0;
}

void CBottomBar::AddButton(int id, bool)
{
    const BOTTOM_BAR_BUTTON* entry = FindBottomBarButton(id);
    if (!entry || !IsWindow())
        return;
    auto& slot = m_slots[static_cast<size_t>(entry->slot - 1)];
    slot.reset();

    CScopedBitmap normal(LoadProgramBitmap(entry->normal));
    const SIZE size = BitmapSize(normal.Get());
    const RECT client = ClientRect();
    const BAR_PLACE place = BottomBarButtonPlace(*entry, client.left, client.top, client.right - client.left,
                                                 client.bottom - client.top, size.cx, size.cy, WideLayout());
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", WS_TABSTOP, RECT{place.x, place.y, place.x + size.cx, place.y + size.cy}, Handle(), id))
        return;
    button->SetBitmaps(entry->normal, entry->pressed, entry->disabled, 0);
    button->Enable(entry->start != BOTTOM_BUTTON_START::ShownDisabled);
    button->Show(entry->start == BOTTOM_BUTTON_START::Hidden ? SW_HIDE : SW_SHOW);
    slot = std::move(button);
}

CBmpBtn* CBottomBar::GetButton(int id) const
{
    for (const auto& button : m_slots) {
        if (button && button->ControlId() == id)
            return button.get();
    }
    return nullptr;
}

void CBottomBar::DestroyButtons()
{
    for (auto& button : m_slots)
        button.reset();
}

bool CBottomBar::Refresh()
{
    if (IsWindow())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
    return true;
}

void CBottomBar::UpdateCommandStates()
{
    const auto* frame = dynamic_cast<CFrameWindow*>(CWindow::FromHandle(GetParent(Handle())));
    const auto* view = frame ? dynamic_cast<CFormViewEx*>(frame->GetActiveView()) : nullptr;
    for (const auto& button : m_slots) {
        if (!button)
            continue;
        const bool enabled = view && view->IsCommandEnabled(button->ControlId());
        if (button->IsEnabled() != enabled)
            button->Enable(enabled);
    }
}

bool CBottomBar::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || !GetButton(id))
        return false;
    // The frame hands the command to the active view; the view may switch views or close the
    // program, so the bar looks at itself again only when it still exists.
    {
        CFormViewEx::CBottomBarCommandScope fromTheBar;
        SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    if (IsWindow())
        UpdateCommandStates();
    return true;
}

bool CBottomBar::OnTimer(UINT_PTR id)
{
    if (id != kUpdateTimer)
        return false;
    if (IsVisible())
        UpdateCommandStates();
    return true;
}

bool CBottomBar::OnPaint()
{
    CPaintDc paint(Handle());
    const HBITMAP background = WideLayout() ? m_wideBackground.Get() : m_background.Get();
    const SIZE image = BitmapSize(background);
    const RECT client = ClientRect();
    DrawPieces(paint.Get(), background,
               BottomBarPieces(image.cx, image.cy, client.left, client.top, client.right - client.left,
                               client.bottom - client.top));
    return true;
}
