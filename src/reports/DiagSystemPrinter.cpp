#include "DiagSystemPrinter.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "ConfigStore.h"
#include "MessageBox.h"
#include "ModalSeam.h"
#include "MainFrame.h"
#include "MultiCtrlPrinter.h"
#include "PrintTextWrap.h"
#include "ProcessValues.h"
#include "RepairInfoView.h"
#include "ShellTextIds.h"
#include "StringResources.h"

namespace {

constexpr int kPrintDialogTemplate = 1538;  // the system's print dialog

PrintSinkFactory& SinkFactory()
{
    static PrintSinkFactory factory;
    return factory;
}

// The printer the user chose in the print dialog; it owns the printer's device context.
class CPrinterSink : public IPrintSink {
public:
    explicit CPrinterSink(HDC dc) : m_dc(dc) {}
    ~CPrinterSink() override { DeleteDC(m_dc); }
    HDC Dc() const override { return m_dc; }
    bool BeginDocument(const std::wstring& name) override
    {
        DOCINFOW info = {};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        return StartDocW(m_dc, &info) > 0;
    }
    bool BeginPage() override { return StartPage(m_dc) > 0; }
    bool EndPage() override { return ::EndPage(m_dc) > 0; }
    void EndDocument(bool completed) override
    {
        if (completed)
            EndDoc(m_dc);
        else
            AbortDoc(m_dc);
    }

private:
    HDC m_dc;
};

std::unique_ptr<IPrintSink> AskForPrinter()
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    const BOOL chosen = PrintDlgW(&dialog);
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    if (!chosen || !dialog.hDC) {
        if (CommDlgExtendedError() != 0) {
            const std::wstring text = ResGetString(0x10000D12);
            ShowMessageBox(GetActiveWindow(),
                           text.empty() ? L"No default printer was found, or the printer was not installed!" : text,
                           L"", MB_OK);
        }
        return nullptr;
    }
    return std::make_unique<CPrinterSink>(dialog.hDC);
}

std::wstring DateTimeText()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return ReportDateTimeText(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

HFONT MakeFont(int height, int weight)
{
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
}

TEXTMETRICW MeasureFont(HDC dc, HFONT font)
{
    CSelectObject selected(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    return metrics;
}

void PrintText(HDC dc, int x, int y, const std::wstring& text)
{
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// One value of the company's address block; at most 255 characters, "" when missing.
std::wstring UserInfo(const wchar_t* key)
{
    const std::wstring path = ResGetAppDir() + L"CONFIG.INI";
    wchar_t value[256] = {};
    GetPrivateProfileStringW(L"USERINFO", key, L"", value, 256, path.c_str());
    return value;
}

std::wstring CurrentMenuPath()
{
    const CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->RepairInfoView().GetNodePath() : std::wstring();
}

}  // namespace

bool PrintReport(CDiagSystemPrinter& printer)
{
    if (!printer.SetupPrinter() || printer.PrintDocument())
        return true;
    const std::wstring text =
        ResGetStringOr(shell_text::kPrintFailed, L"Printing failed! The report was not printed, please check the printer.");
    ShowMessageBox(GetActiveWindow(), text, L"", MB_OK);
    return false;
}

PrintSinkFactory SetPrintSinkFactory(PrintSinkFactory factory)
{
    return std::exchange(SinkFactory(), std::move(factory));
}

CDiagSystemPrinter::CDiagSystemPrinter() = default;

CDiagSystemPrinter::~CDiagSystemPrinter() = default;

bool CDiagSystemPrinter::SetupPrinter()
{
    if (const auto answer = AnswerModalBox(MODAL_BOX{kPrintDialogTemplate, m_strTitle})) {
        if (*answer != IDOK || !SinkFactory())
            return false;
        m_pSink = SinkFactory()();
    } else {
        m_pSink = AskForPrinter();
    }
    if (!m_pSink || !m_pSink->Dc()) {
        m_pSink.reset();
        return false;
    }
    SetMapMode(m_pSink->Dc(), MM_TEXT);
    LayOutPage();
    m_strDateTime = DateTimeText();
    return true;
}

void CDiagSystemPrinter::LayOutPage()
{
    const HDC dc = m_pSink->Dc();
    const int scale = std::max(1, GetDeviceCaps(dc, LOGPIXELSY) / 72);
    m_titleFont.Reset(MakeFont(16 * scale, FW_BOLD));
    m_bodyFont.Reset(MakeFont(10 * scale, FW_NORMAL));
    m_footerFont.Reset(MakeFont(10 * scale, FW_NORMAL));
    const TEXTMETRICW text = MeasureFont(dc, m_bodyFont.Get());
    const TEXTMETRICW footer = MeasureFont(dc, m_footerFont.Get());
    m_nFooterLineHeight = footer.tmHeight + footer.tmExternalLeading;
    m_nFooterCharWidth = footer.tmAveCharWidth;
    m_layout = LayOutReportPage(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSY),
                                text.tmHeight + text.tmExternalLeading, m_nFooterLineHeight);
}

// The maker and the menu path are read once per job: every page shows the same header.
void CDiagSystemPrinter::PreparePath(HDC dc)
{
    m_strMaker = ResGetMakerName();
    m_pathLines.clear();
    if (!m_strTitle.empty()) {
        CSelectObject font(dc, m_bodyFont.Get());
        WrapText(dc, m_layout.width - 2 * m_layout.margin, ReportPathText(m_strMaker, CurrentMenuPath()), m_pathLines);
    }
    m_places = PlaceReportHeader(m_layout, static_cast<int>(m_pathLines.size()));
}

RECT CDiagSystemPrinter::BodyRect() const
{
    const REPORT_RECT& body = m_layout.body;
    const int top = m_strTitle.empty() ? m_layout.header.top : m_places.bodyTop;
    return RECT{body.left, std::min(top, body.bottom), body.right, body.bottom};
}

void CDiagSystemPrinter::PrintBanner(HDC dc) const
{
    const int id = ReportBannerId(ResGetLanguageCode());
    CScopedBitmap banner(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP size = {};
    if (!banner.Get() || !GetObjectW(banner.Get(), sizeof size, &size))
        return;
    const HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    {
        CSelectObject selected(source, banner.Get());
        const int u = m_layout.unit;
        const int m = m_layout.margin;
        StretchBlt(dc, m - u, m, m_layout.width - 2 * m, 11 * u, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    DeleteDC(source);
}

void CDiagSystemPrinter::PrintAddress(HDC dc) const
{
    const int u = m_layout.unit;
    const int m = m_layout.margin;
    int line = 1;
    for (const wchar_t* key : {L"Company", L"Address", L"Telephone", L"Fax", L"Email"})
        PrintText(dc, 5 * m, m + line++ * u, UserInfo(key));
}

void CDiagSystemPrinter::PrintPageHeader(HDC dc) const
{
    if (m_strTitle.empty())
        return;
    const int u = m_layout.unit;
    const int m = m_layout.margin;
    PrintBanner(dc);
    CSelectObject font(dc, m_titleFont.Get());
    PrintText(dc, m, m_places.titleTop, m_strTitle);
    SelectObject(dc, m_bodyFont.Get());
    PrintAddress(dc);
    PrintText(dc, 2 * m, m + 7 * u, m_strDateTime);
    PrintText(dc, 2 * m, m + 8 * u, m_strMaker);
    for (size_t i = 0; i < m_pathLines.size(); ++i)
        PrintText(dc, i == 0 ? m : 3 * m, m_places.pathTop + static_cast<int>(i) * u, m_pathLines[i]);
}

void CDiagSystemPrinter::PrintPageFooter(HDC dc, int page) const
{
    CSelectObject font(dc, m_footerFont.Get());
    const std::wstring text = ReportPageNumberText(page);
    const int length = static_cast<int>(text.size());
    PrintText(dc, m_layout.width - length * m_nFooterCharWidth - m_layout.margin,
              m_layout.height - 3 * m_nFooterLineHeight, text);
}

void CDiagSystemPrinter::ReleaseJob()
{
    m_titleFont.Reset();
    m_bodyFont.Reset();
    m_footerFont.Reset();
    m_pSink.reset();
}

bool CDiagSystemPrinter::PrintDocument()
{
    m_nPages = 0;
    if (!m_pSink)
        return false;
    const HDC dc = m_pSink->Dc();
    PreparePath(dc);
    if (!m_pSink->BeginDocument(ReportDocumentName(m_strDateTime, m_strTitle))) {
        m_pSink->EndDocument(false);
        ReleaseJob();
        return false;
    }
    const int rows = BodyRowCount();
    const RECT body = BodyRect();
    int next = 0;
    bool completed = true;
    do {
        if (!m_pSink->BeginPage()) {
            completed = false;
            break;
        }
        ++m_nPages;
        PrintPageHeader(dc);
        const int consumed = PrintBody(dc, m_bodyFont.Get(), body, next);
        PrintPageFooter(dc, m_nPages);
        completed = m_pSink->EndPage();
        if (consumed <= 0)
            break;  // nothing fits: never a page after page without progress
        next += consumed;
    } while (completed && next < rows);
    m_pSink->EndDocument(completed);
    ReleaseJob();
    return completed;
}

int CDiagSystemPrinter::PrintCustomerTable()
{
    const auto customer = [](const wchar_t* key) { return GetConfigValue(L"COMMON\\USERINFO", key, L""); };
    return PrintLabelTable(m_layout.customerTable, L"STRID_X_USERINFO:",
                           {{L"STRID_PRINT_CUST_NAME:", customer(L"FIRSTNAME")},
                            {L"STRID_PRINT_CUST_TEL:", customer(L"TELEPHONE")},
                            {L"STRID_PRINT_CUST_FAX:", customer(L"FAX")},
                            {L"STRID_PRINT_CUST_EMAIL:", customer(L"EMAIL")}});
}

int CDiagSystemPrinter::PrintLabelTable(const REPORT_RECT& area, const std::wstring& title, const LABEL_ROWS& rows) const
{
    if (!m_pSink || rows.empty())
        return 0;
    const HDC dc = m_pSink->Dc();
    const int u = m_layout.unit;
    std::vector<std::vector<std::wstring>> columns(2);
    for (const auto& [label, value] : rows) {
        columns[0].push_back(label);
        columns[1].push_back(value);
    }
    CMultiCtrlPrinter table;
    table.SetDC(dc);
    table.SetFont(m_bodyFont.Get());
    table.SetOption(u);
    RECT rowsArea = {area.left, area.top, area.right, area.bottom};
    table.SetPageRect(rowsArea);
    if (!table.Prepare(static_cast<int>(rows.size()), 2, &columns))
        return 0;
    // The title takes one line of the table's own pitch, so the rows keep their places below it.
    {
        CSelectObject font(dc, m_bodyFont.Get());
        PrintText(dc, area.left, area.top + u, title);
    }
    rowsArea.top += table.LineHeight() + u;
    table.SetPageRect(rowsArea);
    return table.PrintRow(0);
}

int CDiagSystemPrinter::WrapText(HDC dc, int width, const std::wstring& text, std::vector<std::wstring>& lines)
{
    if (!dc || text.empty())
        return 0;
    const auto measure = [dc](std::wstring_view fragment) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, fragment.data(), static_cast<int>(fragment.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::vector<std::wstring> wrapped = WrapPrintText(text, width, measure);
    lines.insert(lines.end(), wrapped.begin(), wrapped.end());
    return static_cast<int>(wrapped.size());
}
