#pragma once
// The base of the program's printed reports: it asks for a printer, lays each page out (a header
// with the banner, the company's address from "CONFIG.INI", the date, the maker and the menu path
// under the title; the body; a footer with the page number) and prints the document page by page
// until the body has nothing left.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ReportPageLayout.h"
#include "ScopedWin.h"

// Where a print job goes: the printer the user chose, or what a test supplies in its place (the
// system has no printer under Wine).
class IPrintSink {
public:
    virtual ~IPrintSink() = default;
    virtual HDC Dc() const = 0;
    virtual bool BeginDocument(const std::wstring& name) = 0;
    virtual bool BeginPage() = 0;
    virtual bool EndPage() = 0;
    virtual void EndDocument(bool completed) = 0;
};

// Installs (or, with an empty function, removes) the maker of print sinks used after the print
// dialog was answered; returns the previous one.
using PrintSinkFactory = std::function<std::unique_ptr<IPrintSink>()>;
PrintSinkFactory SetPrintSinkFactory(PrintSinkFactory factory);

class CDiagSystemPrinter;

// The Print command of a screen: asks for a printer and prints. A job the printer refused is told
// to the user, so that it never passes for a printed report; a cancelled print dialog is not a
// failure and says nothing. False only when the job failed.
bool PrintReport(CDiagSystemPrinter& printer);

class CDiagSystemPrinter {
public:
    CDiagSystemPrinter();
    virtual ~CDiagSystemPrinter();
    CDiagSystemPrinter(const CDiagSystemPrinter&) = delete;
    CDiagSystemPrinter& operator=(const CDiagSystemPrinter&) = delete;

    // Shows the print dialog; false when the user cancels or no printer can be had.
    bool SetupPrinter();
    // Prints every page; false when the printer refused the job.
    bool PrintDocument();

    // The lines of `text` in `width` device units of the context's font, appended to `lines`;
    // their count. 0 for an empty text or a null context.
    static int WrapText(HDC dc, int width, const std::wstring& text, std::vector<std::wstring>& lines);

    // Two small label-and-value tables for a page of the job set up last, each in its place below
    // the header: the facts of the diagnosis, and the customer's name and numbers from the
    // configuration. The rows printed; 0 when no printer is set up. The labels are the text keys
    // as they stand. No print job prints them yet.
    virtual int PrintInfoTable() = 0;
    int PrintCustomerTable();

    void SetTitle(const std::wstring& title) { m_strTitle = title; }
    const std::wstring& Title() const { return m_strTitle; }
    int PageCount() const { return m_nPages; }
    // The layout of the job set up last.
    const REPORT_PAGE_LAYOUT& Layout() const { return m_layout; }

protected:
    // Prints the body from `firstRow` into `area` of the current page; the rows consumed.
    virtual int PrintBody(HDC dc, HFONT font, const RECT& area, int firstRow) = 0;
    // The number of rows the body holds.
    virtual int BodyRowCount() const = 0;

    using LABEL_ROWS = std::vector<std::pair<std::wstring, std::wstring>>;
    // `title` on a line of its own at the top of `area`, then the rows below it in two columns,
    // each cell wrapped to its column, as many rows as fit; the rows printed.
    int PrintLabelTable(const REPORT_RECT& area, const std::wstring& title, const LABEL_ROWS& rows) const;
    const std::wstring& DateTime() const { return m_strDateTime; }

private:
    void LayOutPage();
    void PreparePath(HDC dc);
    void PrintPageHeader(HDC dc) const;
    void PrintBanner(HDC dc) const;
    void PrintAddress(HDC dc) const;
    void PrintPageFooter(HDC dc, int page) const;
    RECT BodyRect() const;
    void ReleaseJob();

    std::unique_ptr<IPrintSink> m_pSink;
    std::wstring m_strTitle;
    std::wstring m_strDateTime;
    REPORT_PAGE_LAYOUT m_layout;
    REPORT_HEADER_PLACES m_places;
    std::wstring m_strMaker;
    std::vector<std::wstring> m_pathLines;
    int m_nFooterCharWidth = 0;
    int m_nFooterLineHeight = 0;
    CScopedFont m_titleFont;
    CScopedFont m_bodyFont;
    CScopedFont m_footerFont;
    int m_nPages = 0;
};
