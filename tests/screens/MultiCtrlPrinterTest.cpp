#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "EngineFakes.h"
#include "FrameWindow.h"
#include "MetafileCapture.h"
#include "MultiCtrl.h"
#include "MultiCtrlPrinter.h"
#include "ScopedWin.h"

namespace {

using print_test::CMetafileCapture;
using print_test::PRINTED_TEXT;

class MultiCtrlPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(capture.Dc());
        ASSERT_TRUE(font);
        // The engine lays its columns out only in a window of its own.
        ASSERT_TRUE(window.CreateFrame(L"printer test", WS_POPUP, RECT{0, 0, 700, 500}));
        ASSERT_EQ(engine.Attach(RECT{0, 0, 600, 400}, window.Handle()), 1);
        printer.SetDC(capture.Dc());
        printer.SetFont(font.Get());
    }

    // An engine of the given column widths, with one row per entry of `rows`.
    void FillEngine(const std::vector<int>& widths, const std::vector<std::vector<std::wstring>>& rows)
    {
        engine.SetColumns(static_cast<int>(widths.size()), -1);
        for (size_t column = 0; column < widths.size(); ++column) {
            engine.SetColumnWidths(static_cast<int>(column), widths[column], -1);
            engine.SetHeaderText(static_cast<int>(column), (L"H" + std::to_wstring(column)).c_str(), -1);
        }
        for (size_t row = 0; row < rows.size(); ++row) {
            engine.AddRow();
            for (size_t column = 0; column < rows[row].size(); ++column)
                engine.SetCellText(static_cast<int>(row), static_cast<int>(column), rows[row][column].c_str(), -1);
        }
    }

    // Prints page after page as the report printer does; the texts with their page numbers.
    std::vector<PRINTED_TEXT> PrintAllPages(int& pages)
    {
        pages = 0;
        for (int next = 0; next < printer.RowCount() && pages < 100; ++pages) {
            const int consumed = printer.PrintRow(next);
            capture.MarkPageEnd();
            if (consumed <= 0)
                break;
            next += consumed;
        }
        return capture.Finish();
    }

    const PRINTED_TEXT* Find(const std::vector<PRINTED_TEXT>& printed, const std::wstring& text) const
    {
        const auto found = std::find_if(printed.begin(), printed.end(), [&](const auto& item) { return item.text == text; });
        return found == printed.end() ? nullptr : &*found;
    }

    CFrameWindow window;
    engine_test::CFakeHost host;
    CMultiCtrl engine{host};
    CMetafileCapture capture;
    CScopedFont font{CreateFontW(-40, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial")};
    CMultiCtrlPrinter printer;
};

TEST_F(MultiCtrlPrinterTest, RefusesNullArguments)
{
    CMultiCtrlPrinter empty;
    EXPECT_EQ(empty.SetFont(nullptr), 0);
    EXPECT_EQ(empty.SetDC(nullptr), 0);
    EXPECT_EQ(empty.MeasureFont(), 0);
    EXPECT_EQ(empty.LoadTable(nullptr), 0);
    const std::vector<std::vector<std::wstring>> columns = {{L"a"}};
    EXPECT_EQ(empty.Prepare(0, 1, &columns), 0);
    EXPECT_EQ(empty.Prepare(1, 0, &columns), 0);
    EXPECT_EQ(empty.Prepare(1, 1, nullptr), 0);
    EXPECT_EQ(empty.PrintRow(0), 0);
}

TEST_F(MultiCtrlPrinterTest, EngineColumnsTakeTheirShareOfThePageAndFitOnIt)
{
    FillEngine({150, 150, 300}, {{L"a", L"b", L"c"}});  // 1 : 1 : 2 of the engine's 600
    printer.SetPageRect(RECT{0, 0, 4000, 3000});
    ASSERT_EQ(printer.LoadTable(&engine), 1);
    EXPECT_EQ(printer.RowCount(), 2);
    EXPECT_EQ(printer.ColumnWidth(0), 1000);
    EXPECT_EQ(printer.ColumnWidth(1), 1000);
    EXPECT_EQ(printer.ColumnWidth(2), 2000);
    EXPECT_LE(3 * printer.ColumnGap() + 4000, 4000) << "the gaps never push the last column off the page";
    EXPECT_GT(printer.LineHeight(), 0);
}

TEST_F(MultiCtrlPrinterTest, TextColumnsNarrowTheGapSoTheyFit)
{
    const std::vector<std::vector<std::wstring>> columns(4, std::vector<std::wstring>{L"x"});
    printer.SetPageRect(RECT{0, 0, 800, 3000});
    ASSERT_EQ(printer.Prepare(1, 4, &columns), 1);
    int sum = 0;
    for (int column = 0; column < 4; ++column) {
        EXPECT_GE(printer.ColumnWidth(column), 0) << column;
        sum += printer.ColumnWidth(column);
    }
    EXPECT_LT(printer.ColumnGap(), CMultiCtrlPrinter::kDefaultColumnGap);
    EXPECT_LE(sum + 4 * printer.ColumnGap(), 800);

    CMultiCtrlPrinter wide;
    wide.SetDC(capture.Dc());
    wide.SetFont(font.Get());
    wide.SetPageRect(RECT{0, 0, 4000, 3000});
    ASSERT_EQ(wide.Prepare(1, 4, &columns), 1);
    EXPECT_EQ(wide.ColumnGap(), CMultiCtrlPrinter::kDefaultColumnGap) << "room enough: the gap stays";
    EXPECT_EQ(wide.ColumnWidth(0), (4000 - 4 * 250) / 4);
}

TEST_F(MultiCtrlPrinterTest, CellsOfARowStartOnOneLineAndEmptyRowsTakeNoSpace)
{
    FillEngine({150, 450}, {{L"A", L"first\nsecond\nthird"}, {L"", L""}, {L"B", L"next"}});
    printer.SetPageRect(RECT{100, 50, 2100, 3000});
    ASSERT_EQ(printer.LoadTable(&engine), 1);
    EXPECT_EQ(printer.PrintRow(0), 4);
    const auto printed = capture.Finish();
    const int line = printer.LineHeight();
    const PRINTED_TEXT* header = Find(printed, L"H1");
    const PRINTED_TEXT* a = Find(printed, L"A");
    const PRINTED_TEXT* first = Find(printed, L"first");
    const PRINTED_TEXT* third = Find(printed, L"third");
    const PRINTED_TEXT* b = Find(printed, L"B");
    ASSERT_TRUE(header && a && first && third && b);
    EXPECT_EQ(header->y, 50);
    EXPECT_EQ(a->x, 100);
    EXPECT_EQ(first->x, 100 + printer.ColumnWidth(0) + printer.ColumnGap()) << "every row starts at the left edge";
    EXPECT_EQ(a->y, 50 + line);
    EXPECT_EQ(first->y, a->y);
    EXPECT_EQ(third->y, a->y + 2 * line);
    EXPECT_EQ(b->y, a->y + 3 * line) << "the empty row took no space";
    EXPECT_EQ(b->x, 100);
}

TEST_F(MultiCtrlPrinterTest, PagesHoldWholeRowsAndEveryRowIsPrintedOnce)
{
    std::vector<std::vector<std::wstring>> rows;
    for (int row = 0; row < 40; ++row)
        rows.push_back({L"C" + std::to_wstring(row), row % 7 == 3 ? L"one\ntwo\nthree" : L"text"});
    FillEngine({150, 450}, rows);
    ASSERT_EQ(printer.MeasureFont(), 1);
    const int bottom = 50 + 10 * printer.LineHeight() + printer.LineHeight() / 2;
    printer.SetPageRect(RECT{0, 50, 2000, bottom});
    ASSERT_EQ(printer.LoadTable(&engine), 1);
    int pages = 0;
    const auto printed = PrintAllPages(pages);
    EXPECT_GT(pages, 4);
    std::map<std::wstring, int> seen;
    for (const auto& item : printed) {
        ++seen[item.text];
        EXPECT_LE(item.y + printer.LineHeight(), bottom) << "nothing runs past the page's foot: " << item.text.c_str();
    }
    for (int row = 0; row < 40; ++row)
        EXPECT_EQ(seen[L"C" + std::to_wstring(row)], 1) << row;
    EXPECT_EQ(Find(printed, L"H0")->page, 0) << "the header row leads the first page only";
    EXPECT_EQ(seen[L"H0"], 1);
}

TEST_F(MultiCtrlPrinterTest, ARowTallerThanThePageIsPrintedWholeOnItsOwnPage)
{
    std::wstring tall;
    for (int line = 0; line < 12; ++line)
        tall += L"line" + std::to_wstring(line) + L"\n";
    FillEngine({300, 300}, {{L"before", L"x"}, {L"tall", tall}, {L"after", L"y"}});
    ASSERT_EQ(printer.MeasureFont(), 1);
    printer.SetPageRect(RECT{0, 0, 2000, 5 * printer.LineHeight()});
    ASSERT_EQ(printer.LoadTable(&engine), 1);
    int pages = 0;
    const auto printed = PrintAllPages(pages);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(Find(printed, L"before")->page, 0);
    EXPECT_EQ(Find(printed, L"tall")->page, 1);
    EXPECT_EQ(Find(printed, L"line11")->page, 1);
    EXPECT_EQ(Find(printed, L"after")->page, 2);
}

}  // namespace
