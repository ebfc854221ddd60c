#include <gtest/gtest.h>

#include "ReportPageLayout.h"

namespace {

struct LayoutCase {
    const char* name;
    int dpi;
    int scale;
    int unit;
    int margin;
    int headerBottom;
    int bodyTop;
    int titleFont;
    int customerBottom;
    int infoBottom;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class ReportPageLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ReportPageLayoutTest, ScalesByWholePointsPerDot)
{
    const LayoutCase& c = GetParam();
    const REPORT_PAGE_LAYOUT layout = LayOutReportPage(4800, 6600, c.dpi, 90, 80);
    EXPECT_EQ(layout.scale, c.scale);
    EXPECT_EQ(layout.unit, c.unit);
    EXPECT_EQ(layout.margin, c.margin);
    EXPECT_EQ(layout.header.bottom, c.headerBottom);
    EXPECT_EQ(layout.body.top, c.bodyTop);
    EXPECT_EQ(layout.titleFontHeight, c.titleFont);
    EXPECT_EQ(layout.body.left, c.margin);
    EXPECT_EQ(layout.body.right, 4800 - c.margin);
    EXPECT_EQ(layout.body.bottom, 6600 - 5 * 80 - 90);
    EXPECT_EQ(layout.footer.top, 6600 - 5 * 80);
    // The customer's table starts where the header ends; the facts' table right below it.
    EXPECT_EQ(layout.customerTable.left, c.margin);
    EXPECT_EQ(layout.customerTable.top, c.headerBottom);
    EXPECT_EQ(layout.customerTable.right, 4800 - c.margin);
    EXPECT_EQ(layout.customerTable.bottom, c.customerBottom);
    EXPECT_EQ(layout.infoTable.left, c.margin);
    EXPECT_EQ(layout.infoTable.top, c.customerBottom);
    EXPECT_EQ(layout.infoTable.right, 4800 - c.margin);
    EXPECT_EQ(layout.infoTable.bottom, c.infoBottom);
}

INSTANTIATE_TEST_SUITE_P(Printers, ReportPageLayoutTest, ::testing::Values(
    LayoutCase{"Dpi600", 600, 8, 80, 440, 1280, 1680, 128, 2130, 3590},
    LayoutCase{"Dpi96", 96, 1, 10, 55, 160, 210, 16, 660, 1315},
    LayoutCase{"BelowOnePointPerDot", 50, 1, 10, 55, 160, 210, 16, 660, 1315}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ReportHeaderTest, ALongPathPushesTitleAndBodyDownInsteadOfPrintingOverThem)
{
    const REPORT_PAGE_LAYOUT layout = LayOutReportPage(800, 1100, 96, 12, 12);
    const REPORT_HEADER_PLACES short_ = PlaceReportHeader(layout, 2);
    EXPECT_EQ(short_.pathTop, 160);
    EXPECT_EQ(short_.titleTop, 190);
    EXPECT_EQ(short_.bodyTop, 210);
    const REPORT_HEADER_PLACES longer = PlaceReportHeader(layout, 5);
    EXPECT_GE(longer.titleTop, longer.pathTop + 5 * layout.unit) << "the title starts below the last path line";
    EXPECT_EQ(longer.bodyTop, 230);
}

TEST(ReportTextsTest, HeaderAndFooterTexts)
{
    EXPECT_EQ(ReportPathText(L"Acme", L"Engine->Live data->Group 1"), L"Path: Acme / Engine / Live data / Group 1");
    EXPECT_EQ(ReportPathText(L"Acme", L""), L"Path: Acme / ");
    EXPECT_EQ(ReportPageNumberText(3), L"- 3 -");
    EXPECT_EQ(ReportDateTimeText(2015, 11, 8, 9, 5, 3), L"2015-11-08 09:05:03");
    EXPECT_EQ(ReportBannerId(L"CN"), 308);
    EXPECT_EQ(ReportBannerId(L"EN"), 309);
    EXPECT_EQ(ReportBannerId(L"cn"), 309) << "language codes are compared as they are";
    EXPECT_EQ(ReportDocumentName(L"2015-11-08 09:05:03", L"Live Data"), L"Morvaks2015-11-08 09:05:03 Live Data");
}

}  // namespace
