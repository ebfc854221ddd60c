#include "SetupLinkMode.h"

#include "ConfigStore.h"
#include "MainFrame.h"
#include "ScopedWin.h"
#include "SetupStripes.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "UsbSerialPort.h"
#include "WifiModuleClient.h"
#include "WlanSystemSession.h"

namespace {

constexpr uint32_t kLinkModeCaption = 0x10080007;
constexpr uint32_t kUsbText = 0x10080010;
constexpr uint32_t kWifiText = 0x10080011;
constexpr uint32_t kSignalLabelText = 0x10080026;
constexpr uint32_t kSsidLabelText = 0x10080027;
constexpr uint32_t kCheckingText = 0x10080028;
constexpr uint32_t kUnknownText = 0x1000010A;
constexpr COLORREF kEditBackground = 0xD0A281;

const wchar_t* const kWifiElement = L"COMMON\\WIFI";
const wchar_t* const kSsidKey = L"SSID";
const wchar_t* const kDefaultSsid = L"Pelgrid";

constexpr int kWifiRows[] = {CSetupLinkMode::kSsidLabel, CSetupLinkMode::kSsidEdit, CSetupLinkMode::kSignalLabel,
                             CSetupLinkMode::kSignalText};

// Each control's cell: the left or right half of a band.
struct CELL {
    int id;
    int half;
    int band;
};
constexpr CELL kCells[] = {
    {CSetupLinkMode::kModeLabel, 0, 0},   {CSetupLinkMode::kModeText, 1, 0},
    {CSetupLinkMode::kSsidLabel, 0, 1},   {CSetupLinkMode::kSsidEdit, 1, 1},
    {CSetupLinkMode::kSignalLabel, 0, 2}, {CSetupLinkMode::kSignalText, 1, 2},
};

void SetItemText(HWND dialog, int id, const std::wstring& text)
{
    SetDlgItemTextW(dialog, id, text.c_str());
}

}  // namespace

CSetupLinkMode::CSetupLinkMode(HWND parent) : CDialog(kTemplateId, parent), m_services(SystemServices()) {}

LINK_MODE_SERVICES CSetupLinkMode::SystemServices()
{
    return {[] { return ::HasUsbSerialPort(); }, SystemWlanServices(), [] { return SystemWifiModuleLink(); },
            [](unsigned milliseconds) { Sleep(milliseconds); }};
}

bool CSetupLinkMode::OnInitDialog()
{
    for (const CELL& cell : kCells)
        SendDlgItemMessageW(Handle(), cell.id, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), TRUE);
    SetItemText(Handle(), kModeLabel, ResGetString(kLinkModeCaption));
    // The two labels have no built-in English; these words are ours.
    SetItemText(Handle(), kSsidLabel, ResGetStringOr(kSsidLabelText, L"SSID"));
    SetItemText(Handle(), kSignalLabel, ResGetStringOr(kSignalLabelText, L"Signal strength"));
    if (HasUsbSerialPort()) {
        ShowUsbLayout();
    } else {
        SetItemText(Handle(), kModeText, ResGetString(kWifiText));
        SetItemText(Handle(), kSsidEdit, StoredSsid());
        SetItemText(Handle(), kSignalText, ResGetString(kUnknownText));
    }
    m_apply.Reset();
    PlaceControls();
    return true;
}

void CSetupLinkMode::Apply()
{
    ShowMessage(ResGetStringOr(kCheckingText, L"Checking connection, please wait..."));
    if (CMainFrame* frame = CMainFrame::Instance())
        RedrawWindow(frame->HelpInfoBar().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SetTimer(Handle(), kApplyTimer, kApplyDelayMs, nullptr);
}

bool CSetupLinkMode::OnTimer(UINT_PTR id)
{
    if (id == kApplyTimer)
        KillTimer(Handle(), kApplyTimer);
    m_apply.Run(*this);
    Invalidate(true);
    return true;
}

bool CSetupLinkMode::HasUsbSerialPort()
{
    return m_services.hasUsbSerialPort && m_services.hasUsbSerialPort();
}

std::wstring CSetupLinkMode::StoredSsid()
{
    return GetConfigValue(kWifiElement, kSsidKey, kDefaultSsid);
}

bool CSetupLinkMode::StoreSsid(const std::wstring& ssid)
{
    return SetConfigValue(kWifiElement, kSsidKey, ssid.c_str());
}

std::wstring CSetupLinkMode::EnteredSsid()
{
    const HWND edit = Item(kSsidEdit);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CSetupLinkMode::ShowWifiRows(bool show)
{
    for (const int id : kWifiRows)
        ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

void CSetupLinkMode::ShowUsbLayout()
{
    SetItemText(Handle(), kModeText, ResGetString(kUsbText));
    ShowWifiRows(false);
    Invalidate(true);
}

void CSetupLinkMode::ShowWifiLayout(const std::wstring& ssid)
{
    SetItemText(Handle(), kModeText, ResGetString(kWifiText));
    ShowWifiRows(true);
    SetItemText(Handle(), kSsidEdit, ssid);
    SetItemText(Handle(), kSignalText, ResGetString(kUnknownText));
}

void CSetupLinkMode::SetEnteredSsid(const std::wstring& ssid)
{
    SetItemText(Handle(), kSsidEdit, ssid);
}

void CSetupLinkMode::SetSignalText(const std::wstring& text)
{
    SetItemText(Handle(), kSignalText, text);
    RedrawWindow(Item(kSignalText), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSetupLinkMode::ShowMessage(const std::wstring& text)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(text);
}

std::optional<std::string> CSetupLinkMode::Narrow(const std::wstring& ssid)
{
    char buffer[CLinkModeApply::kMaxSsidBytes + 1] = {};
    if (!WideToNarrow(buffer, ssid.c_str(), sizeof(buffer), CP_THREAD_ACP))
        return std::nullopt;
    return std::string(buffer);
}

int CSetupLinkMode::ConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys, uint32_t& quality)
{
    WlanHelper helper(m_services.wlan);
    const int result = helper.WlanConnectSsid(ssid, mode, keys);
    quality = helper.GetSignalQuality();
    return result;
}

int CSetupLinkMode::ConfigureModule(const std::string& ssid)
{
    return m_services.moduleLink ? ConfigureWifiModule(ssid, m_services.moduleLink()) : 0;
}

void CSetupLinkMode::Wait(unsigned milliseconds)
{
    if (m_services.wait)
        m_services.wait(milliseconds);
}

void CSetupLinkMode::PlaceControls()
{
    const RECT client = ClientRect();
    for (const CELL& cell : kCells) {
        const HWND control = Item(cell.id);
        RECT rect = {};
        GetWindowRect(control, &rect);
        const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
        const RECT place = CentreInSetupCell(client, cell.half, cell.band, size);
        MoveWindow(control, place.left, place.top, size.cx, size.cy, FALSE);
    }
}

bool CSetupLinkMode::OnSize(UINT, int, int)
{
    PlaceControls();
    return false;
}

bool CSetupLinkMode::OnPaint()
{
    CPaintDc paint(Handle());
    PaintSetupStripes(paint.Get(), ClientRect());
    return true;
}

HBRUSH CSetupLinkMode::OnCtlColor(HDC dc, HWND control, UINT)
{
    const int id = GetDlgCtrlID(control);
    if (id == kSsidEdit) {
        SetBkColor(dc, kEditBackground);
        return GetSysColorBrush(COLOR_WINDOW);
    }
    for (const CELL& cell : kCells) {
        if (cell.id == id) {
            SetBkMode(dc, TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
    }
    return nullptr;
}
