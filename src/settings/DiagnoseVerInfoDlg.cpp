#include "DiagnoseVerInfoDlg.h"

#include "SharedFonts.h"

namespace {

constexpr UINT_PTR kReadTimer = 1;
constexpr int kCellBitmap = 383;

SIZE CellSize()
{
    CScopedBitmap cell(LoadProgramBitmap(kCellBitmap));
    BITMAP info = {};
    if (cell)
        GetObjectW(cell.Get(), sizeof(info), &info);
    return SIZE{info.bmWidth > 0 ? info.bmWidth : 240, info.bmHeight > 0 ? info.bmHeight : 40};
}

}  // namespace

CDiagnoseVerInfoDlg::CDiagnoseVerInfoDlg(HWND view) : CSetupPage(SETUP_PAGE::SystemInformation, view) {}

bool CDiagnoseVerInfoDlg::OnInitDialog()
{
    const SIZE cell = CellSize();
    const RECT client = ClientRect();
    // Rows are made in the order software version, hardware version, serial number, system name.
    for (int row : {CDeviceInfoPage::kSoftwareVersion, CDeviceInfoPage::kHardwareVersion,
                    CDeviceInfoPage::kSerialNumber, CDeviceInfoPage::kSystemName}) {
        const int y = client.top + row * cell.cy;
        for (int column = 0; column < 2; ++column) {
            auto button = std::make_unique<CBmpBtn>();
            const int x = client.left + column * cell.cx;
            if (!button->Create(L"", WS_VISIBLE | WS_DISABLED, RECT{x, y, x + cell.cx, y + cell.cy}, Handle(),
                                2000 + row * 2 + column))
                continue;
            button->SetBitmaps(kCellBitmap, kCellBitmap, kCellBitmap, 0);
            button->SetCenterText(true);
            m_cells[static_cast<size_t>(row * 2 + column)] = std::move(button);
        }
    }
    m_status = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, 0, Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    const HFONT font = NormalFont() ? NormalFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(m_status, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ShowValues();
    return true;
}

void CDiagnoseVerInfoDlg::ShowValues()
{
    for (int row = 0; row < CDeviceInfoPage::kRowCount; ++row) {
        const auto r = static_cast<CDeviceInfoPage::Row>(row);
        if (auto& label = m_cells[static_cast<size_t>(row * 2)])
            label->SetText(CDeviceInfoPage::LabelText(r));
        if (auto& value = m_cells[static_cast<size_t>(row * 2 + 1)]) {
            value->SetText(m_logic.RowValue(r));
            value->Invalidate(false);
        }
    }
    SetWindowTextW(m_status, m_logic.StatusText().c_str());
}

void CDiagnoseVerInfoDlg::StartRead()
{
    const bool arm = m_logic.StartRead();
    ShowValues();
    if (arm)
        SetTimer(Handle(), kReadTimer, CDeviceInfoPage::kReadDelayMs, nullptr);
}

void CDiagnoseVerInfoDlg::ReadNow()
{
    KillTimer(Handle(), kReadTimer);
    m_logic.RunRead();
    ShowValues();
}

bool CDiagnoseVerInfoDlg::OnTimer(UINT_PTR id)
{
    if (id != kReadTimer)
        return false;
    ReadNow();
    return true;
}

bool CDiagnoseVerInfoDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    MoveWindow(m_status, client.left + width / 3, client.bottom - height / 5, width / 3, height / 5, TRUE);
    return true;
}

HBRUSH CDiagnoseVerInfoDlg::OnCtlColor(HDC dc, HWND, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
