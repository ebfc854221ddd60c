#pragma once
// Where the parts of a printed report go on a page, and the texts of its header and footer. Plain
// arithmetic on device units, so the layout can be checked without a printer.
#include <string>
#include <string_view>

struct REPORT_RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The layout unit and the margin before scaling, in points.
constexpr int kReportUnitPoints = 10;
constexpr int kReportMarginPoints = 55;

struct REPORT_PAGE_LAYOUT {
    int scale = 1;   // device units per point: LOGPIXELSY / 72, at least 1
    int unit = 0;    // u
    int margin = 0;  // m
    int width = 0;
    int height = 0;
    REPORT_RECT header;
    REPORT_RECT body;  // below the header on every page
    REPORT_RECT footer;
    // The customer's table (a title and four rows) below the header, and the diagnosis facts
    // below it.
    REPORT_RECT customerTable;
    REPORT_RECT infoTable;
    int titleFontHeight = 0;
    int textFontHeight = 0;
};

// `textLineHeight` and `footerLineHeight`: line heights (height plus external leading) of the
// report's text and footer fonts on the device.
REPORT_PAGE_LAYOUT LayOutReportPage(int width, int height, int pixelsPerInchY, int textLineHeight,
                                    int footerLineHeight);

// Where the header's title goes and where the body starts, given how many lines the menu path
// took: a long path pushes both down instead of printing over them.
struct REPORT_HEADER_PLACES {
    int pathTop = 0;
    int titleTop = 0;
    int bodyTop = 0;
};
REPORT_HEADER_PLACES PlaceReportHeader(const REPORT_PAGE_LAYOUT& layout, int pathLines);

// The bitmap resource of the banner: one for the Chinese language, one for every other.
int ReportBannerId(std::wstring_view languageCode);

// "Path: " + maker + " / " + menu path, every "->" shown as " / ".
std::wstring ReportPathText(std::wstring_view maker, std::wstring_view menuPath);
// "- 3 -" for page 3.
std::wstring ReportPageNumberText(int page);
// "YYYY-MM-DD hh:mm:ss".
std::wstring ReportDateTimeText(int year, int month, int day, int hour, int minute, int second);
// The spooler's name of a job: "Morvaks" + date-time + " " + title.
std::wstring ReportDocumentName(std::wstring_view dateTime, std::wstring_view title);
