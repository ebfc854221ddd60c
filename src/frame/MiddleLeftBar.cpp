#include "MiddleLeftBar.h"

#include "BarDrawing.h"
#include "MShowView.h"
#include "MainFrame.h"
#include "MakerView.h"
#include "ManualView.h"
#include "ProcessValues.h"
#include "SetupView.h"
#include "SoftwareManagementView.h"
#include "SoftwareStoreView.h"
#include "resource.h"

namespace {

constexpr int kLogoTop = 10;

template <typename View>
View* FrameView(CMainFrame& frame, int viewId)
{
    return dynamic_cast<View*>(frame.View(viewId));
}

}  // namespace

CMiddleLeftBar::CMiddleLeftBar() : CDialogBar(kBarId) {}

CMiddleLeftBar::~CMiddleLeftBar() = default;

bool CMiddleLeftBar::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(IDB_MIDDLELEFT_BACKGROUND));
    m_logoFrame.Reset(LoadProgramBitmap(IDB_MIDDLELEFT_LOGO_FRAME));
    CScopedBitmap item(LoadProgramBitmap(IDB_MIDDLELEFT_ITEM));
    m_buttonSize = BitmapSize(item.Get());
    return false;
}

void CMiddleLeftBar::OnDestroy()
{
    ClearItemList();
}

void CMiddleLeftBar::AddItem(const std::wstring& name, const std::wstring& text, CFormViewEx* owner)
{
    m_items.push_back(MIDDLE_LEFT_ITEM{name, text, owner});
}

void CMiddleLeftBar::CreateButtons()
{
    for (auto& button : m_buttons)
        button.reset();
    const RECT client = ClientRect();
    const size_t count = std::min(m_items.size(), m_buttons.size());
    for (size_t i = 0; i < count; ++i) {
        const int y = client.top + static_cast<int>(i) * m_buttonSize.cy;
        auto button = std::make_unique<CBmpBtn>();
        if (!button->Create(m_items[i].name, WS_TABSTOP,
                            RECT{client.left, y, client.left + m_buttonSize.cx, y + m_buttonSize.cy}, Handle(),
                            kFirstItemCommand + static_cast<int>(i)))
            continue;
        button->SetBitmaps(IDB_MIDDLELEFT_ITEM, IDB_MIDDLELEFT_ITEM_DOWN, IDB_MIDDLELEFT_ITEM, 0);
        button->SetCenterText(true);
        button->Show(SW_SHOW);
        m_buttons[i] = std::move(button);
    }
    if (!m_items.empty())
        OnItemButton(kFirstItemCommand + m_nCurItem);
}

void CMiddleLeftBar::ClearItemList()
{
    m_items.clear();
    m_nCurItem = 0;
    m_bReturnToChooser = false;
    m_hLogo.Reset();
    for (auto& button : m_buttons)
        button.reset();
}

CBmpBtn* CMiddleLeftBar::GetButton(int index) const
{
    if (index < 0 || index >= kMaxItemButtons)
        return nullptr;
    return m_buttons[static_cast<size_t>(index)].get();
}

void CMiddleLeftBar::SelectButton(int index, bool on)
{
    for (const auto& button : m_buttons) {
        if (button)
            button->SetChecked(!on);
    }
    if (CBmpBtn* button = GetButton(index))
        button->SetChecked(on);
}

void CMiddleLeftBar::OnItemButton(int id)
{
    const int index = ItemIndexOfCommand(id);
    if (index < 0)
        return;
    for (const auto& button : m_buttons) {
        if (button)
            button->SetChecked(false);
    }
    const int previous = ResGetGuideIndex();
    m_nCurItem = index;
    ResSetGuideIndex(index);
    if (CBmpBtn* button = GetButton(index))
        button->SetChecked(true);

    if (CMainFrame* frame = CMainFrame::Instance())
        RunItemAction(*frame, ItemActionFor(frame->CurrentViewId(), m_bReturnToChooser, index != previous), index);
    if (IsWindow())
        Invalidate(false);
}

void CMiddleLeftBar::RunItemAction(CMainFrame& frame, ITEM_ACTION action, int index)
{
    auto showRegion = [&frame, index] {
        frame.MakerView().SetCurrentRegion(index);
        frame.MakerView().ShowCurrentRegion();
    };
    switch (action) {
    case ITEM_ACTION::ShowRegion:
        showRegion();
        break;
    case ITEM_ACTION::ShowRegionAndReturn:
        showRegion();
        frame.SwitchView(131, 1);
        break;
    case ITEM_ACTION::ShowSettingsPage:
        if (auto* setup = FrameView<CSetupView>(frame, 295))
            setup->ShowPageTitle();
        break;
    case ITEM_ACTION::RefreshInstalled:
        if (auto* installed = FrameView<CSoftwareManagementView>(frame, 445))
            installed->RefreshPage();
        break;
    case ITEM_ACTION::RefreshStore:
        if (auto* store = FrameView<CSoftwareStoreView>(frame, 446))
            store->RefreshPage();
        break;
    case ITEM_ACTION::ReturnToStore:
        frame.SwitchView(446, 1);
        break;
    case ITEM_ACTION::CloseDocumentAndReturn:
        if (auto* document = FrameView<CMShowView>(frame, 491))
            document->CloseReader();
        showRegion();
        frame.SwitchView(131, 1);
        break;
    case ITEM_ACTION::ShowManualPanels:
        if (auto* manual = FrameView<CManualView>(frame, 505))
            manual->ShowPanels();
        break;
    case ITEM_ACTION::None:
        break;
    }
}

bool CMiddleLeftBar::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || ItemIndexOfCommand(id) < 0)
        return false;
    OnItemButton(id);
    return true;
}

bool CMiddleLeftBar::OnTimer(UINT_PTR id)
{
    if (id != kRepaintTimer)
        return false;
    KillTimer(Handle(), kRepaintTimer);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return true;
}

// Each button in its place, in case the bar was laid out again since the buttons were made.
void CMiddleLeftBar::PlaceButtons()
{
    const RECT client = ClientRect();
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (!m_buttons[i])
            continue;
        const RECT wanted = {client.left, client.top + static_cast<int>(i) * m_buttonSize.cy,
                             client.left + m_buttonSize.cx, client.top + static_cast<int>(i + 1) * m_buttonSize.cy};
        RECT now = m_buttons[i]->WindowRect();
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&now), 2);
        if (!EqualRect(&now, &wanted))
            m_buttons[i]->Move(wanted, true);
        if (!m_buttons[i]->IsVisible())
            m_buttons[i]->Show(SW_SHOW);
    }
}

// The logo sits in its frame picture, centred, without the logo's own border.
void CMiddleLeftBar::DrawLogo(HDC dc, const RECT& client) const
{
    if (!m_hLogo)
        return;
    const SIZE frameSize = BitmapSize(m_logoFrame.Get());
    const int frameX = (client.right - client.left - frameSize.cx) / 2;
    DrawImage(dc, m_logoFrame.Get(), frameX, kLogoTop);
    const SIZE logo = BitmapSize(m_hLogo.Get());
    const int width = logo.cx - 18;
    const int height = logo.cy - 26;
    if (width <= 0 || height <= 0)
        return;
    CMemoryDc memory(dc);
    CSelectObject selected(memory.Get(), m_hLogo.Get());
    BitBlt(dc, frameX + (frameSize.cx - width) / 2, kLogoTop + (frameSize.cy - height) / 2, width, height,
           memory.Get(), 10, 13, SRCCOPY);
}

bool CMiddleLeftBar::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    const SIZE image = BitmapSize(m_background.Get());
    DrawPieces(paint.Get(), m_background.Get(),
               {STRETCH_PIECE{0, 0, image.cx, image.cy, client.left, client.top, image.cx, client.bottom - client.top}});
    PlaceButtons();
    DrawLogo(paint.Get(), client);
    return true;
}
