#include "ReportPageLayout.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace {

constexpr int kTitlePoints = 16;
constexpr int kTextPoints = 10;
constexpr int kHeaderBottomUnits = 16;  // the banner and the address block end here
constexpr int kTitleUnits = 19;
constexpr int kBodyUnits = 21;
constexpr int kPathLinesBeforeTitle = 3;
constexpr int kCustomerTableLines = 5;
constexpr int kInfoTableLines = 11;

}  // namespace

REPORT_PAGE_LAYOUT LayOutReportPage(int width, int height, int pixelsPerInchY, int textLineHeight,
                                    int footerLineHeight)
{
    REPORT_PAGE_LAYOUT layout;
    // A device of fewer than 72 dots per inch would scale everything to nothing.
    layout.scale = std::max(1, pixelsPerInchY / 72);
    layout.unit = kReportUnitPoints * layout.scale;
    layout.margin = kReportMarginPoints * layout.scale;
    layout.width = width;
    layout.height = height;
    layout.titleFontHeight = kTitlePoints * layout.scale;
    layout.textFontHeight = kTextPoints * layout.scale;
    const int u = layout.unit;
    const int m = layout.margin;
    layout.header = {m, m, width - m, kHeaderBottomUnits * u};
    layout.footer = {0, height - 5 * footerLineHeight, width, height};
    layout.body = {m, kBodyUnits * u, width - m, height - 5 * footerLineHeight - textLineHeight};
    const int tablesTop = kHeaderBottomUnits * u;
    const int pitch = u + textLineHeight;
    layout.customerTable = {m, tablesTop, width - m, tablesTop + kCustomerTableLines * pitch};
    layout.infoTable = {m, layout.customerTable.bottom, width - m, tablesTop + kInfoTableLines * pitch + m};
    return layout;
}

REPORT_HEADER_PLACES PlaceReportHeader(const REPORT_PAGE_LAYOUT& layout, int pathLines)
{
    const int u = layout.unit;
    REPORT_HEADER_PLACES places;
    places.pathTop = kHeaderBottomUnits * u;
    const int extraLines = std::max(0, pathLines - kPathLinesBeforeTitle);
    places.titleTop = (kTitleUnits + extraLines) * u;
    places.bodyTop = std::max(layout.body.top, (kBodyUnits + extraLines) * u);
    return places;
}

int ReportBannerId(std::wstring_view languageCode)
{
    return languageCode == L"CN" ? 308 : 309;
}

std::wstring ReportPathText(std::wstring_view maker, std::wstring_view menuPath)
{
    std::wstring text = L"Path: ";
    text.append(maker).append(L" / ").append(menuPath);
    for (size_t at = text.find(L"->"); at != std::wstring::npos; at = text.find(L"->", at + 3))
        text.replace(at, 2, L" / ");
    return text;
}

std::wstring ReportPageNumberText(int page)
{
    return L"- " + std::to_wstring(page) + L" -";
}

std::wstring ReportDateTimeText(int year, int month, int day, int hour, int minute, int second)
{
    wchar_t text[64] = {};
    std::swprintf(text, std::size(text), L"%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return text;
}

std::wstring ReportDocumentName(std::wstring_view dateTime, std::wstring_view title)
{
    std::wstring name = L"Morvaks";
    name.append(dateTime).append(L" ").append(title);
    return name;
}
