#include "DiagVersionInfo.h"

#include <cmath>
#include <cwchar>

#include "DeviceInfoPage.h"
#include "DeviceVersionReply.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "ScopedWin.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kReadTimer = 1;
constexpr UINT kReadDelayMs = 100;
constexpr int kStripeHeight = 38;
constexpr int kPrintCommand = 1031;
constexpr int kLabels[] = {1107, 1108, 1109, 1110};
constexpr int kValues[] = {1111, 1112, 1113, 1114};
constexpr int kStatusLine = 1123;

void SetTextWhenGiven(HWND window, uint32_t id)
{
    if (const std::wstring text = ResGetString(id); !text.empty())
        SetWindowTextW(window, text.c_str());
}

void SetHelpInfo(const std::wstring& text)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(text);
}

}  // namespace

CDiagVersionInfo::CDiagVersionInfo(HWND parent)
    : CDialog(IDD_VERSIONINFO, parent), m_pause([](unsigned milliseconds) { Sleep(milliseconds); })
{
}

bool CDiagVersionInfo::OnInitDialog()
{
    SetTextWhenGiven(Handle(), 0x10000105);
    SetTextWhenGiven(Item(1107), 0x10000106);
    SetTextWhenGiven(Item(1108), 0x10000107);
    m_reading = false;
    return true;
}

void CDiagVersionInfo::StartRead()
{
    m_status = ResGetStringOr(0x10000904, L"Reading version data, please wait...");
    SetHelpInfo(m_status);
    if (m_reading)
        return;
    SetTimer(Handle(), kReadTimer, kReadDelayMs, nullptr);
    m_reading = true;
}

bool CDiagVersionInfo::OnTimer(UINT_PTR id)
{
    if (id != kReadTimer)
        return false;
    KillTimer(Handle(), kReadTimer);
    RunRead();
    return true;
}

void CDiagVersionInfo::RunRead()
{
    const auto reply = ReadDeviceVersion(m_pause);
    const auto texts = reply ? ParseDeviceVersionReply(*reply) : std::nullopt;
    m_version = texts ? texts->hardwareVersion : ResGetStringOr(0x1000010A, L"Unkown");
    SetDlgItemTextW(Handle(), 1111, m_version.c_str());
    wchar_t program[32] = {};
    std::swprintf(program, std::size(program), L"%.2f", static_cast<double>(GetGlobalFloat2()));
    SetDlgItemTextW(Handle(), 1112, program);
    m_reading = false;
    Invalidate(true);
    m_done = true;
    SetHelpInfo(L"");
}

std::wstring CDiagVersionInfo::TextOf(int id) const
{
    wchar_t text[256] = {};
    GetDlgItemTextW(Handle(), id, text, static_cast<int>(std::size(text)));
    return text;
}

std::array<std::array<std::wstring, 2>, 5> CDiagVersionInfo::PrintRows() const
{
    std::array<std::array<std::wstring, 2>, 5> rows;
    for (size_t i = 0; i < 4; ++i)
        rows[i] = {TextOf(kLabels[i]), TextOf(kValues[i])};
    rows[4] = {TextOf(kStatusLine), L""};
    return rows;
}

bool CDiagVersionInfo::OnCommand(int id, int code, HWND control)
{
    if (id == kPrintCommand && code == BN_CLICKED) {
        PrintRows();  // collected for a printer this dialog never had
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CDiagVersionInfo::CentreRow(int label, int value, int centreY) const
{
    const RECT client = ClientRect();
    const int half = (client.right - client.left) / 2;
    const auto place = [this, centreY](int id, int left, int width) {
        RECT rect = {};
        GetWindowRect(Item(id), &rect);
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        int x = left + (width - w) / 2;
        if (x <= 29)
            x = 40;  // never over the lines at the left edge
        MoveWindow(Item(id), x, centreY - h / 2, w, h, FALSE);
    };
    place(label, 0, half);
    place(value, half, half);
}

bool CDiagVersionInfo::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    const int stripes = static_cast<int>(std::lround((client.bottom - client.top) / static_cast<double>(kStripeHeight)));
    CScopedBrush grey(CreateSolidBrush(RGB(0xF0, 0xF0, 0xF0)));
    for (int i = 0; i < stripes; ++i) {
        const RECT stripe = {0, i * kStripeHeight, width, (i + 1) * kStripeHeight};
        FillRect(dc, &stripe, i % 2 ? grey.Get() : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    CScopedBrush band(CreateSolidBrush(RGB(0xE0, 0xE0, 0xE0)));
    const RECT line = {10 - 20, 0, 10 + 20, client.bottom};
    FillRect(dc, &line, band.Get());
    CScopedPen thin(CreatePen(PS_SOLID, 1, RGB(0xA0, 0xA0, 0xA0)));
    CSelectObject pen(dc, thin.Get());
    for (int x : {30, width / 2}) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, client.bottom);
    }
    CentreRow(1107, 1111, 19);
    CentreRow(1108, 1112, 57);
    return true;
}

HBRUSH CDiagVersionInfo::OnCtlColor(HDC dc, HWND, UINT)
{
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
