#include "ButtonBar.h"

#include "FormView.h"
#include "FrameWindow.h"
#include "SoftButtonCaptions.h"
#include "resource.h"

namespace {

constexpr int kButtonWidth = 103;
constexpr int kButtonHeight = 29;

// Commands the row hands straight to the active view; the others travel through the frame.
bool GoesStraightToView(int id)
{
    return id == IDOK || id == IDCANCEL || (id >= 3001 && id <= 3011) || id == 3019 || id == 3025;
}

void ApplyPlace(CBmpBtn& button, const SOFT_BUTTON_PLACE& place)
{
    button.Move(place.x, place.y, place.width, place.height, true);
    button.Show(place.visible ? SW_SHOW : SW_HIDE);
}

}  // namespace

CButtonBar::CButtonBar() : CDialogBar(IDD_BUTTONBAR), m_layout(0, kButtonWidth, kButtonHeight) {}

bool CButtonBar::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(IDB_SOFTROW_BACKGROUND));
    return false;
}

std::unique_ptr<CBmpBtn> CButtonBar::MakeButton(int id, const std::wstring& caption)
{
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", WS_TABSTOP, RECT{0, 0, 0, 0}, Handle(), id))
        return nullptr;
    if (!caption.empty())
        button->SetText(caption);
    button->SetCenterText(true);
    button->SetBitmaps(IDB_SOFTROW_BUTTON, IDB_SOFTROW_BUTTON_DOWN, IDB_SOFTROW_BUTTON_OFF, 0);
    button->SetFontChoice(1);
    return button;
}

void CButtonBar::AddButton(int id, bool show)
{
    auto button = MakeButton(id, SoftButtonCaption(id));
    if (!button)
        return;
    m_buttons.push_back(std::move(button));
    m_layout.SetRowWidth(ClientRect().right);
    m_layout.AddButton(id, show);
    ApplyLayout();
}

void CButtonBar::ApplyPagingButton(std::unique_ptr<CBmpBtn>& button, const SOFT_BUTTON_PLACE& place, bool enabled)
{
    if (!m_layout.HasPagingButtons()) {
        button.reset();
        return;
    }
    if (!button)
        button = MakeButton(place.id, SoftButtonCaption(place.id));
    if (!button)
        return;
    ApplyPlace(*button, place);
    button->Enable(enabled);
}

void CButtonBar::ApplyLayout()
{
    const auto& places = m_layout.Buttons();
    for (size_t i = 0; i < m_buttons.size() && i < places.size(); ++i)
        ApplyPlace(*m_buttons[i], places[i]);
    ApplyPagingButton(m_next, m_layout.NextGroupButton(), m_layout.NextGroupEnabled());
    ApplyPagingButton(m_previous, m_layout.PreviousGroupButton(), m_layout.PreviousGroupEnabled());
}

void CButtonBar::RemoveAllButtons()
{
    m_buttons.clear();
    m_next.reset();
    m_previous.reset();
    m_layout.RemoveAllButtons();
}

CBmpBtn* CButtonBar::GetButton(int id) const
{
    for (const auto& button : m_buttons) {
        if (button->ControlId() == id)
            return button.get();
    }
    return nullptr;
}

CBmpBtn* CButtonBar::GetButtonAt(int position) const
{
    if (position < 0 || position >= GetButtonCount())
        return nullptr;
    return m_buttons[static_cast<size_t>(position)].get();
}

void CButtonBar::SetButtonText(int id, const std::wstring& text)
{
    if (CBmpBtn* button = GetButton(id)) {
        button->SetText(text);
        button->Invalidate();
    }
}

void CButtonBar::SetButtonBitmaps(int id, int normal, int pressed, int disabled)
{
    if (CBmpBtn* button = GetButton(id)) {
        button->SetBitmaps(normal, pressed, disabled, 0);
        button->Invalidate();
    }
}

void CButtonBar::ShowGroup(int group)
{
    m_layout.ShowGroup(group);
    ApplyLayout();
}

void CButtonBar::OnNextGroup()
{
    m_layout.OnNextGroup();
    ApplyLayout();
}

void CButtonBar::OnPrevGroup()
{
    m_layout.OnPrevGroup();
    ApplyLayout();
}

HWND CButtonBar::ActiveView() const
{
    const auto* frame = dynamic_cast<CFrameWindow*>(CWindow::FromHandle(GetParent(Handle())));
    CFormView* view = frame ? frame->GetActiveView() : nullptr;
    return view ? view->Handle() : nullptr;
}

bool CButtonBar::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    if (id == CSoftRowModel::kNextGroupId) {
        OnNextGroup();
    } else if (id == CSoftRowModel::kPreviousGroupId) {
        OnPrevGroup();
    } else if (GoesStraightToView(id)) {
        if (HWND view = ActiveView())
            SendMessageW(view, WM_COMMAND, static_cast<WPARAM>(id), 0);
    } else {
        SendMessageW(GetParent(Handle()), WM_COMMAND, static_cast<WPARAM>(id), 0);  // the frame's routing
    }
    return true;
}

bool CButtonBar::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    if (m_background) {
        BITMAP info = {};
        GetObjectW(m_background.Get(), sizeof(info), &info);
        CMemoryDc memory(paint.Get());
        CSelectObject selected(memory.Get(), m_background.Get());
        SetStretchBltMode(paint.Get(), COLORONCOLOR);
        StretchBlt(paint.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    }
    return true;
}
