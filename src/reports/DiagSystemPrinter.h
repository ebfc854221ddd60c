#pragma once
// The base of the program's printed reports: it asks for a printer, lays each page out (a header
// with the title and the date, the body, a footer with the page number) and prints the document
// page by page until the body has nothing left.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

    void SetTitle(const std::wstring& title) { m_strTitle = title; }
    const std::wstring& Title() const { return m_strTitle; }
    int PageCount() const { return m_nPages; }

protected:
    // Prints the body from `firstRow` into `area` of the current page; the rows consumed.
    virtual int PrintBody(HDC dc, HFONT font, const RECT& area, int firstRow) = 0;
    // The number of rows the body holds.
    virtual int BodyRowCount() const = 0;

private:
    void LayOutPage();
    void PrintHeader(HDC dc) const;
    void PrintFooter(HDC dc, int page) const;

    std::unique_ptr<IPrintSink> m_pSink;
    std::wstring m_strTitle;
    std::wstring m_strDateTime;
    int m_nScale = 1;
    RECT m_rcHeader = {};
    RECT m_rcBody = {};
    RECT m_rcFooter = {};
    CScopedFont m_titleFont;
    CScopedFont m_bodyFont;
    int m_nPages = 0;
};
