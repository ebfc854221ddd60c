#include "TwoChoicePage.h"

#include "ScopedWin.h"
#include "StringResources.h"

namespace {

constexpr int kNormalFace = 383;
constexpr int kLatchedFace = 384;

SIZE FaceSize()
{
    CScopedBitmap face(LoadProgramBitmap(kNormalFace));
    BITMAP info = {};
    if (face)
        GetObjectW(face.Get(), sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

std::wstring CaptionOf(const CHOICE_BUTTON& choice)
{
    const std::wstring text = ResGetString(choice.textId);
    return text.empty() && choice.english ? choice.english : text;
}

}  // namespace

CTwoChoicePage::CTwoChoicePage(SETUP_PAGE page, HWND view, int templateId, CHOICE_BUTTON first, CHOICE_BUTTON second)
    : CSetupPage(page, view, templateId), m_firstChoice(first), m_secondChoice(second)
{
}

CTwoChoicePage::~CTwoChoicePage() = default;

std::unique_ptr<CBmpBtn> CTwoChoicePage::MakeButton(const CHOICE_BUTTON& choice, int y) const
{
    const SIZE face = FaceSize();
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", WS_TABSTOP | WS_VISIBLE, RECT{0, y, face.cx, y + face.cy}, Handle(), choice.id))
        return nullptr;
    button->SetText(CaptionOf(choice));
    button->SetBitmaps(kNormalFace, kLatchedFace, 0, 0);
    button->SetCenterText(true);
    return button;
}

bool CTwoChoicePage::OnInitDialog()
{
    const int secondTop = FaceSize().cy;
    if (MakesSecondFirst()) {
        m_second = MakeButton(m_secondChoice, secondTop);
        m_first = MakeButton(m_firstChoice, 0);
    } else {
        m_first = MakeButton(m_firstChoice, 0);
        m_second = MakeButton(m_secondChoice, secondTop);
    }
    Choose(StartsWithSecond() ? m_secondChoice.id : m_firstChoice.id);
    return true;
}

CBmpBtn* CTwoChoicePage::Button(int id) const
{
    if (id == m_firstChoice.id)
        return m_first.get();
    if (id == m_secondChoice.id)
        return m_second.get();
    return nullptr;
}

void CTwoChoicePage::Choose(int id)
{
    if (!Button(id))
        return;
    if (m_first)
        m_first->SetChecked(id == m_firstChoice.id);
    if (m_second)
        m_second->SetChecked(id == m_secondChoice.id);
}

bool CTwoChoicePage::SecondChosen() const
{
    return m_second && m_second->GetChecked();
}

bool CTwoChoicePage::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || !Button(id))
        return false;
    Choose(id);
    return true;
}

bool CTwoChoicePage::OnPaint()
{
    CPaintDc paint(Handle());
    RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
}
