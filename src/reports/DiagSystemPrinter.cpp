#include "DiagSystemPrinter.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "MessageBox.h"
#include "ModalSeam.h"
#include "PrintTextWrap.h"
#include "StringResources.h"

namespace {

constexpr int kPrintDialogTemplate = 1538;  // the system's print dialog
constexpr int kMarginPoints = 36;
constexpr int kTitlePoints = 16;
constexpr int kBodyPoints = 10;
constexpr int kHeaderPoints = 48;
constexpr int kFooterPoints = 18;

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
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
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
    wchar_t text[32] = {};
    swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d:%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
             now.wSecond);
    return text;
}

HFONT MakeFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
}

}  // namespace

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
    if (!m_pSink || !m_pSink->Dc())
        return false;
    LayOutPage();
    m_strDateTime = DateTimeText();
    return true;
}

void CDiagSystemPrinter::LayOutPage()
{
    const HDC dc = m_pSink->Dc();
    const int width = GetDeviceCaps(dc, HORZRES);
    const int height = GetDeviceCaps(dc, VERTRES);
    m_nScale = std::max(1, GetDeviceCaps(dc, LOGPIXELSY) / 72);
    const int margin = kMarginPoints * m_nScale;
    m_rcHeader = {margin, margin, width - margin, margin + kHeaderPoints * m_nScale};
    m_rcFooter = {margin, height - margin - kFooterPoints * m_nScale, width - margin, height - margin};
    m_rcBody = {margin, m_rcHeader.bottom, width - margin, m_rcFooter.top};
    m_titleFont.Reset(MakeFont(kTitlePoints * m_nScale, FW_BOLD));
    m_bodyFont.Reset(MakeFont(kBodyPoints * m_nScale, FW_NORMAL));
}

void CDiagSystemPrinter::PrintHeader(HDC dc) const
{
    CSelectObject font(dc, m_titleFont.Get());
    TextOutW(dc, m_rcHeader.left, m_rcHeader.top, m_strTitle.c_str(), static_cast<int>(m_strTitle.size()));
    SelectObject(dc, m_bodyFont.Get());
    const int dateY = m_rcHeader.top + (kTitlePoints + 6) * m_nScale;
    TextOutW(dc, m_rcHeader.left, dateY, m_strDateTime.c_str(), static_cast<int>(m_strDateTime.size()));
    MoveToEx(dc, m_rcHeader.left, m_rcHeader.bottom - 4 * m_nScale, nullptr);
    LineTo(dc, m_rcHeader.right, m_rcHeader.bottom - 4 * m_nScale);
}

void CDiagSystemPrinter::PrintFooter(HDC dc, int page) const
{
    CSelectObject font(dc, m_bodyFont.Get());
    const std::wstring text = std::to_wstring(page);
    TextOutW(dc, m_rcFooter.left, m_rcFooter.top + 4 * m_nScale, text.c_str(), static_cast<int>(text.size()));
}

bool CDiagSystemPrinter::PrintDocument()
{
    m_nPages = 0;
    if (!m_pSink)
        return false;
    const HDC dc = m_pSink->Dc();
    if (!m_pSink->BeginDocument(m_strTitle)) {
        m_pSink->EndDocument(false);
        return false;
    }
    const int rows = BodyRowCount();
    int next = 0;
    bool completed = true;
    do {
        if (!m_pSink->BeginPage()) {
            completed = false;
            break;
        }
        ++m_nPages;
        PrintHeader(dc);
        const int consumed = PrintBody(dc, m_bodyFont.Get(), m_rcBody, next);
        PrintFooter(dc, m_nPages);
        completed = m_pSink->EndPage();
        if (consumed <= 0)
            break;  // nothing fits: never a page after page without progress
        next += consumed;
    } while (completed && next < rows);
    m_pSink->EndDocument(completed);
    return completed;
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
