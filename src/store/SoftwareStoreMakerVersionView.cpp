#include "SoftwareStoreMakerVersionView.h"

#include <vector>

#include "BmpBtn.h"
#include "MainFrame.h"
#include "SharedFonts.h"
#include "SoftwareStoreView.h"
#include "StoreBars.h"
#include "StringResources.h"

namespace {

constexpr COLORREF kLineColour = RGB(230, 230, 230);
constexpr int kEdgeBitmap = 472;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void Place(HWND control, int x, int y, int width, int height)
{
    if (control)
        MoveWindow(control, x, y, width, std::max(0, height), TRUE);
}

}  // namespace

void CSoftwareStoreMakerVersionView::SetNames(const std::wstring& name, const std::wstring& text)
{
    m_name = name;
    m_text = text;
}

void CSoftwareStoreMakerVersionView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowStorePagesOnTopBar(1101);
    ShowStoreBars(*this, {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031}, {3002, 3003, 3004, 3005});
    if (CMainFrame* frame = CMainFrame::Instance()) {
        if (CBmpBtn* button = frame->BottomBar().GetButton(3031))
            button->SetChecked(false);
    }
    FillMiddleLeftBar();
    if (!m_boxA)
        CreateControls();
    ShowTexts();
    Invalidate(true);
}

// The store's page names; choosing one returns to the store.
void CSoftwareStoreMakerVersionView::FillMiddleLeftBar()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    std::vector<std::wstring> names;
    if (auto* store = dynamic_cast<CSoftwareStoreView*>(frame->View(CSoftwareStoreView::kViewId)))
        store->GetPageNames(names);
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    for (const auto& name : names)
        bar.AddItem(name, L"", this);
    bar.SetCurrentItem(m_listIndex % 7);
    bar.CreateButtons();
    bar.SetFlag(true);
}

HWND CSoftwareStoreMakerVersionView::MakeLabel(const std::wstring& text, HFONT font, DWORD extraStyle)
{
    const HWND label = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | extraStyle, 0, 0, 10, 10, Handle(),
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    if (label && font)
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

HWND CSoftwareStoreMakerVersionView::MakeBox()
{
    const HWND box = CreateWindowExW(0, L"EDIT", L"",
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                                     0, 0, 10, 10, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (box) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
        SendMessageW(box, EM_SETREADONLY, TRUE, 0);
    }
    return box;
}

void CSoftwareStoreMakerVersionView::CreateControls()
{
    m_captionA = MakeLabel(ResGetStringOr(0x10000029, L"Software information"), BoldFont());
    m_captionB = MakeLabel(ResGetStringOr(0x1000002A, L"Software description"), BoldFont());
    m_textLabel = MakeLabel(L"", NormalFont());
    m_nameLabel = MakeLabel(L"CarName", BoldFont());
    m_copyA = MakeLabel(L"", NormalFont(), 0);
    m_copyB = MakeLabel(L"", NormalFont(), 0);
    m_boxA = MakeBox();
    m_boxB = MakeBox();
    m_edge.Reset(LoadProgramBitmap(kEdgeBitmap));
}

// The service's texts break lines with LF alone; an edit control wants CR LF.
void CSoftwareStoreMakerVersionView::ShowTexts()
{
    auto withReturns = [](const std::wstring& text) {
        std::wstring out;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
                out.push_back(L'\r');
            out.push_back(text[i]);
        }
        return out;
    };
    SetWindowTextW(m_nameLabel, m_name.c_str());
    SetWindowTextW(m_textLabel, m_text.c_str());
    SetWindowTextW(m_boxA, withReturns(m_descriptionA).c_str());
    SetWindowTextW(m_copyA, m_descriptionA.c_str());
    SetWindowTextW(m_boxB, withReturns(m_descriptionB).c_str());
    SetWindowTextW(m_copyB, m_descriptionB.c_str());
}

std::wstring CSoftwareStoreMakerVersionView::TextOf(HWND control)
{
    if (!control)
        return L"";
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool CSoftwareStoreMakerVersionView::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    const RECT client = ClientRect();
    const auto [l, t, r, b] = client;
    const int a = (b - t - 180) / 2 - 38;
    if (m_logo) {
        CMemoryDc memory(dc);
        CSelectObject chosen(memory.Get(), m_logo);
        const SIZE logo = BitmapSize(m_logo);
        BitBlt(dc, 15, 10, logo.cx, logo.cy, memory.Get(), 0, 0, SRCCOPY);
    }
    {
        CScopedPen pen(CreatePen(PS_SOLID, 2, kLineColour));
        CSelectObject chosen(dc, pen.Get());
        const POINT lines[][2] = {{{l + 10, t + 180}, {r - l - 10, t + 180}},
                                  {{l + 10, t + a + 184}, {r - l - 10, t + a + 184}},
                                  {{l + 10, t + 180}, {l + 10, t + a + 184}},
                                  {{l + 10, b - t - a - 2}, {r - l - 10, b - t - a - 2}},
                                  {{l + 10, b - t - a - 2}, {l + 10, b - t}}};
        for (const auto& line : lines) {
            MoveToEx(dc, line[0].x, line[0].y, nullptr);
            LineTo(dc, line[1].x, line[1].y);
        }
    }
    if (m_edge) {
        const SIZE edge = BitmapSize(m_edge.Get());
        CMemoryDc memory(dc);
        CSelectObject chosen(memory.Get(), m_edge.Get());
        StretchBlt(dc, r - edge.cx, t, edge.cx, b - t, memory.Get(), 0, 0, edge.cx, edge.cy, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
    Layout(client);
    return true;
}

void CSoftwareStoreMakerVersionView::Layout(const RECT& client)
{
    const auto [l, t, r, b] = client;
    const int a = (b - t - 180) / 2 - 38;
    const int logoWidth = BitmapSize(m_logo).cx;
    Place(m_nameLabel, l + logoWidth + 25, t + 25, 250, 40);
    Place(m_textLabel, l + logoWidth + 25, t + 70, 250, 40);
    Place(m_captionA, l + 25, t + 145, 250, 34);
    Place(m_captionB, l + 25, b - t - a - 38, 250, 34);
    Place(m_copyA, l + 10, t + 183, r - l - 20, a);
    Place(m_boxA, l + 15, t + 183, r - l - 20, a);
    Place(m_copyB, l + 10, b - t - a, r - l - 20, a);
    Place(m_boxB, l + 15, b - t - a, r - l - 20, a);
}

HBRUSH CSoftwareStoreMakerVersionView::OnCtlColor(HDC dc, HWND, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void CSoftwareStoreMakerVersionView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(CSoftwareStoreView::kViewId, 1);
}
