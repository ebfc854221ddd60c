#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "EngineFakes.h"
#include "GraphSamples.h"
#include "StringResources.h"
#include "TableEngine.h"

namespace {

using engine_test::ENGINE_RIG;
using engine_test::FillAt;
using engine_test::TextsOf;

constexpr int kTop = 50;
constexpr int kBand = 69;  // three rows of 23

TEST(SampleValue, ParsesDigitsAndScalesDecimals)
{
    struct PARSE_CASE {
        const char* text;
        int value;
    };
    const std::string manyDigits(400, '9');
    const std::string tinyFraction = "0." + std::string(399, '0') + "1";
    const std::string hugeFraction = "1." + std::string(400, '0');
    const PARSE_CASE cases[] = {
        {nullptr, 0},
        {"", 0},
        {"0", 0},
        {"42", 42},
        {"-42", -42},
        {"12.34", 1234},
        {"3.5", 35},
        {"-3.5", -35},
        {"5.", 5},
        {".5", 0},      // a leading '.': the integer value of the text
        {"-.5", -5},
        {"-", 0},
        {"1.2.3", 1200},  // 1.2 scaled by the three characters after the first '.'
        {"0.0000000001", 1},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
        {"12345678901.5", INT_MAX},
        {manyDigits.c_str(), INT_MAX},
        {tinyFraction.c_str(), 1},
        {hugeFraction.c_str(), INT_MAX},
        {"1e5", -1},
        {"+5", -1},
        {"5-", -1},
        {"--5", -1},
        {" 5", -1},
        {"abc", -1},
        {"1,5", -1},
    };
    for (const PARSE_CASE& test : cases)
        EXPECT_EQ(ParseSampleText(test.text), test.value) << (test.text ? test.text : "(null)");
}

// Walks a row's list from the oldest sample, checking its links on the way.
std::vector<std::string> SampleTexts(const GRAPH_RECORD& record)
{
    std::vector<std::string> texts;
    const SAMPLE_NODE* node = record.oldest;
    while (node && texts.size() <= 1000) {
        texts.emplace_back(node->text);
        EXPECT_EQ(node->next ? node->next->previous : record.oldest->previous, node);
        node = node->next;
        if (node == record.oldest)
            break;
    }
    return texts;
}

class GraphForm : public ::testing::Test {
protected:
    void SetUp() override { ResFreeStrings(); }
    void TearDown() override
    {
        CTableEngine::SetBaseRowHeight(1);
        CTableEngine::SetGraphRowCount(0);
    }
    // Graph rows with one-line texts "row N", as the live-data screen leaves them.
    void GraphRows(int count)
    {
        CTableEngine::SetGraphRowCount(count);
        rig->Reset();
        rig->SetRowCount(count);
        for (int row = 0; row < count; ++row)
            rig->SetCellText(row, 0, (L"row " + std::to_wstring(row)).c_str(), -1);
    }
    ENGINE_RIG rig;
};

TEST_F(GraphForm, AppendsSamplesUntilThePlotIsFullThenRunsARing)
{
    // 640 wide: a plot of 480 pixels, 40 samples 8 apart and then 40 more 4 apart.
    for (int i = 1; i <= 80; ++i)
        ASSERT_NE(rig->AppendSample(0, std::to_string(i).c_str()), nullptr);
    GRAPH_RECORD& record = *rig->GraphRecord(0);
    EXPECT_EQ(record.sampleCount, 80);
    EXPECT_EQ(record.oldest->previous->next, nullptr) << "not a ring before it is full";
    EXPECT_EQ(record.capacity, 480);

    SAMPLE_NODE* reused = record.oldest;
    EXPECT_EQ(rig->AppendSample(0, "81"), reused) << "the oldest node is reused";
    EXPECT_EQ(record.sampleCount, 80);
    EXPECT_STREQ(record.oldest->text, "2");
    EXPECT_EQ(record.oldest->previous, reused);
    EXPECT_EQ(reused->next, record.oldest) << "a closed ring";
    rig->AppendSample(0, "82");
    const std::vector<std::string> texts = SampleTexts(record);
    ASSERT_EQ(texts.size(), 80u);
    EXPECT_EQ(texts.front(), "3");
    EXPECT_EQ(texts.back(), "82");
}

TEST_F(GraphForm, KeepsMaximumAndMinimumAndRescales)
{
    struct STEP {
        const char* text;
        int maximum, minimum;
        const char* maximumText;
        const char* minimumText;
        std::vector<int> heights;  // oldest first
    };
    const STEP steps[] = {
        {"10", 10, 10, "10", "10", {5}},
        {"20", 20, 10, "20", "10", {5, 64}},
        {"5", 20, 5, "20", "5", {23, 64, 5}},
        {"15", 20, 5, "20", "5", {23, 64, 5, 46}},
        {"12", 20, 5, "20", "5", {23, 64, 5, 46, 32}},
    };
    GRAPH_RECORD& record = *rig->GraphRecord(3);
    for (const STEP& step : steps) {
        rig->AppendSample(3, step.text);
        EXPECT_EQ(record.maximum, step.maximum) << step.text;
        EXPECT_EQ(record.minimum, step.minimum) << step.text;
        EXPECT_STREQ(record.maximumText, step.maximumText) << step.text;
        EXPECT_STREQ(record.minimumText, step.minimumText) << step.text;
        std::vector<int> heights;
        for (const SAMPLE_NODE* node = record.oldest; node; node = node->next)
            heights.push_back(node->height);
        EXPECT_EQ(heights, step.heights) << step.text;
    }
}

TEST_F(GraphForm, ScalesASpanNarrowerThanTheBandWithoutDividingByZero)
{
    // Ten units over a 69-pixel band: an integer scale would be 0.
    for (const char* text : {"0", "10", "3"})
        rig->AppendSample(0, text);
    const GRAPH_RECORD& record = *rig->GraphRecord(0);
    EXPECT_EQ(record.oldest->height, 5);
    EXPECT_EQ(record.oldest->next->height, kBand - 5);
    EXPECT_EQ(record.oldest->next->next->height, 20);

    // The widest span there is.
    rig->AppendSample(1, "-99999999999");
    rig->AppendSample(1, "99999999999");
    rig->AppendSample(1, "0");
    EXPECT_EQ(rig->GraphRecord(1)->oldest->previous->height, kBand / 2);
}

TEST_F(GraphForm, ComparesDecimalsInUnitsOfTheirLastDigit)
{
    rig->AppendSample(0, "3.5");
    rig->AppendSample(0, "12");
    const GRAPH_RECORD& record = *rig->GraphRecord(0);
    EXPECT_EQ(record.maximum, 35);
    EXPECT_STREQ(record.maximumText, "3.5");
    EXPECT_EQ(record.minimum, 12);
    EXPECT_STREQ(record.minimumText, "12");
}

TEST_F(GraphForm, AddsNothingForASpaceANullTextAFrozenGraphOrAnotherRow)
{
    EXPECT_EQ(rig->AppendSample(0, " "), nullptr);
    EXPECT_EQ(rig->AppendSample(0, nullptr), nullptr);
    EXPECT_EQ(rig->AppendSample(300, "1"), nullptr);
    EXPECT_EQ(rig->AppendSample(-1, "1"), nullptr);
    EXPECT_EQ(rig->GraphRecord(0)->sampleCount, 0);
    rig->AppendSample(0, "1");
    rig->SetFreeze(true);
    EXPECT_EQ(rig->AppendSample(0, "2"), nullptr);
    EXPECT_EQ(rig->GraphRecord(0)->sampleCount, 1);
    rig->ClearSamples();
    EXPECT_FALSE(rig->IsFrozen()) << "clearing the samples thaws the graph";
    EXPECT_NE(rig->AppendSample(0, "2"), nullptr);
}

TEST_F(GraphForm, CutsSampleTextsTo255Characters)
{
    const std::string longText(1000, '7');
    const SAMPLE_NODE* node = rig->AppendSample(0, longText.c_str());
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(std::string(node->text), std::string(255, '7'));
    EXPECT_EQ(std::string(rig->GraphRecord(0)->maximumText).size(), 255u);
    EXPECT_EQ(node->value, INT_MAX);
}

TEST_F(GraphForm, ResetAndClearSamplesEmptyTheRecords)
{
    CTableEngine::SetBaseRowHeight(30);
    CTableEngine::SetGraphRowCount(5);
    rig->AppendSample(2, "1");
    rig->AppendSample(250, "1");  // beyond the graph rows
    rig->GraphRecord(2)->graphShown = 1;
    rig->Reset();
    EXPECT_EQ(rig->GraphRecord(2)->oldest, nullptr);
    EXPECT_EQ(rig->GraphRecord(250)->oldest, nullptr) << "no list outlives a reset";
    EXPECT_EQ(rig->GraphRecord(2)->graphShown, 0);
    EXPECT_EQ(rig->GraphRecord(2)->textHeight, 30);
    EXPECT_EQ(rig->GraphRecord(2)->drawnHeight, 30);
    EXPECT_EQ(rig->GetRowHeight(), 30);
    EXPECT_EQ(rig->CurrentGraphRow(), CTableEngine::kNoGraphRow);

    rig->AppendSample(1, "1");
    rig->ClearSamples();
    EXPECT_EQ(rig->GraphRecord(1)->oldest, nullptr);
    EXPECT_EQ(rig->GraphRecord(1)->textHeight, 23);
    EXPECT_EQ(CTableEngine::GraphRowCount(), 0);
}

TEST_F(GraphForm, CountsTheRowsThatFitOnAPage)
{
    struct COUNT_CASE {
        const char* name;
        int areaHeight;
        int graphRows;
        int tallRow;  // a row whose graph is shown; -1 none
        int firstRow;
        int expected;
    };
    const COUNT_CASE cases[] = {
        {"fifteen rows of 23 under the header", 400, 30, -1, 0, 15},
        {"a graph band takes three rows", 400, 30, 0, 0, 12},
        {"no more than twenty", 1000, 30, -1, 0, 20},
        {"the rows that are left", 400, 30, -1, 25, 5},
        {"nothing from beyond the graph rows", 400, 30, -1, 30, 0},
        {"nothing from a negative row", 400, 30, -1, -1, 0},
    };
    for (const COUNT_CASE& test : cases) {
        rig->SetRect(ENGINE_AREA{0, 0, 640, test.areaHeight});
        CTableEngine::SetGraphRowCount(test.graphRows);
        rig->Reset();
        if (test.tallRow >= 0)
            rig->GraphRecord(test.tallRow)->textHeight = 4 * 23;
        EXPECT_EQ(rig->CountGraphRowsOnPage(test.firstRow), test.expected) << test.name;
    }
}

TEST_F(GraphForm, HitTestChoosesTheGraphRowAndSetsTheWaveKey)
{
    GraphRows(30);
    rig->GraphRecord(2)->graphShown = 1;
    rig->GraphRecord(2)->textHeight = 4 * 23;
    rig->GraphRecord(2)->graphUnavailable = 1;
    int row = -1;
    EXPECT_EQ(rig->HitTest(100, kTop + 37 + 23 + 10, row, 1), 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(rig->CurrentGraphRow(), 1);
    EXPECT_EQ(rig->GraphRecord(1)->marked, 1);
    EXPECT_EQ(rig->GetSelectedCount(), 1);
    ASSERT_EQ(rig.host.waveKeys.size(), 1u);
    EXPECT_EQ(rig.host.waveKeys[0], std::make_pair(true, std::wstring(L"Wave")));

    EXPECT_EQ(rig->HitTest(100, kTop + 37 + 46 + 80, row, 1), 1) << "inside row 2's band";
    EXPECT_EQ(row, 2);
    EXPECT_EQ(rig->GraphRecord(1)->marked, 0);
    EXPECT_EQ(rig->GraphRecord(2)->marked, 1);
    EXPECT_EQ(rig.host.waveKeys.back(), std::make_pair(false, std::wstring(L"Data stream")));
    EXPECT_FALSE(rig.canvas.pictures.empty()) << "the graph is drawn after each click";

    row = -1;
    EXPECT_EQ(rig->HitTest(100, kTop + 10, row, 1), 0) << "the header";
    EXPECT_EQ(row, -1);
    EXPECT_EQ(rig->CurrentGraphRow(), 2);

    rig->SetPageBase(10);
    EXPECT_EQ(rig->HitTest(100, kTop + 37 + 10, row, 1), 1);
    EXPECT_EQ(row, 10) << "rows count from the page base";

    rig->SetMode(1, -1);
    const size_t keys = rig.host.waveKeys.size();
    EXPECT_EQ(rig->HitTest(100, kTop + 37 + 23 + 10, row, 1), 1);
    EXPECT_EQ(row, 11);
    EXPECT_EQ(rig->CurrentGraphRow(), 10) << "multi-select mode chooses no graph row";
    EXPECT_EQ(rig.host.waveKeys.size(), keys);
}

TEST_F(GraphForm, DrawsAxesCurveAndTheRedDotOnTheNewestSample)
{
    GraphRows(5);
    GRAPH_RECORD& record = *rig->GraphRecord(0);
    record.graphShown = 1;
    record.textHeight = static_cast<short>(kBand + 23);
    for (const char* text : {"1", "4", "2", "9"})
        rig->AppendSample(0, text);
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    const DRAW_LIST& picture = rig.LastPicture();

    // Row 0's band runs from the header (37) to its text line at 106; the newest sample is the
    // maximum, plotted 64 above the base line.
    const int baseLine = 37 + kBand;
    EXPECT_EQ(FillAt(picture, 80, baseLine - 64), CTableEngine::kRed);
    const std::vector<std::wstring> texts = TextsOf(picture);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"MAX:9"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"MIN:1"), texts.end());
    const DRAW_OP* curve = nullptr;
    for (const DRAW_OP& op : picture.ops) {
        if (op.kind == DRAW_KIND::Polyline)
            curve = &op;
    }
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->points.size(), 4u);
    EXPECT_EQ(curve->points[0].x, 80) << "newest first";
    EXPECT_EQ(curve->points[3].x, 104) << "older samples further right";
    EXPECT_EQ(curve->points[3].y, baseLine - 5) << "the oldest is the minimum";
    EXPECT_EQ(record.oldest->x, 104);
    EXPECT_EQ(rig->GetLiveDataPageRows(), 5);
    EXPECT_EQ(rig->RowBottoms().front(), baseLine + 23);

    rig->SetFreeze(true);
    rig->DrawGraph(1, -1);
    for (const DRAW_OP& op : rig.LastPicture().ops)
        EXPECT_NE(op.kind, DRAW_KIND::Dot) << "a frozen graph draws no curve";
}

TEST_F(GraphForm, ReplaysFromAGivenSample)
{
    GraphRows(2);
    GRAPH_RECORD& record = *rig->GraphRecord(0);
    record.graphShown = 1;
    record.textHeight = static_cast<short>(kBand + 23);
    for (int i = 1; i <= 10; ++i)
        rig->AppendSample(0, std::to_string(i).c_str());
    rig->SetRecount(true);
    rig->DrawGraph(1, 3);
    const DRAW_OP* dot = nullptr;
    const DRAW_OP* curve = nullptr;
    for (const DRAW_OP& op : rig.LastPicture().ops) {
        if (op.kind == DRAW_KIND::Dot)
            dot = &op;
        if (op.kind == DRAW_KIND::Polyline)
            curve = &op;
    }
    ASSERT_NE(dot, nullptr);
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->points.size(), 4u) << "the sample limit and three before it";
    const SAMPLE_NODE* third = record.oldest->next->next;
    EXPECT_EQ(curve->points[0].y, 37 + kBand - third->height) << "three steps on, one back: the third sample";
    EXPECT_EQ(dot->rect.left, 75);
}

TEST_F(GraphForm, FillsAlertedRowsRedOnceAndMarkedRowsOrange)
{
    GraphRows(5);
    rig->SetRowAlert(1, 1);
    rig->SetRowAlert(300, 1);  // beyond the table: ignored
    rig->SetRowAlert(-1, 1);
    rig->GraphRecord(3)->marked = 1;
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    EXPECT_EQ(FillAt(rig.LastPicture(), 300, 37 + 23 + 10), CTableEngine::kRed);
    EXPECT_EQ(FillAt(rig.LastPicture(), 300, 37 + 3 * 23 + 10), CTableEngine::kOrange);
    EXPECT_FALSE(rig->RowAlert(1)) << "an alert lasts one drawing";
    rig->DrawGraph(1, -1);
    EXPECT_EQ(FillAt(rig.LastPicture(), 300, 37 + 23 + 10), CTableEngine::kOddRowColour);
}

TEST_F(GraphForm, RowHeightsFollowTheirTextWhileNoGraphIsShown)
{
    GraphRows(5);
    rig->SetCellText(2, 0, L"two\nlines", -1);
    rig->SetRecount(true);
    rig->DrawGraph(0, -1);
    EXPECT_TRUE(rig.canvas.pictures.empty()) << "mode 0 presents nothing";
    EXPECT_EQ(rig->GraphRecord(2)->drawnHeight, 46);
    EXPECT_EQ(rig->GraphRecord(2)->textHeight, 46);
    EXPECT_EQ(rig->RowBottoms(), (std::vector<int>{60, 83, 129, 152, 175}));
}

TEST_F(GraphForm, DrawsNoMoreRowsThanTheLiveDataScreenAllows)
{
    GraphRows(10);
    rig.host.rowLimit = 2;
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    EXPECT_EQ(rig->GetLiveDataPageRows(), 2);
    rig.host.rowLimit = 300;
    rig->SetLiveDataPageRows(4);
    rig->DrawGraph(1, -1);
    EXPECT_EQ(rig->RowBottoms().size(), 4u) << "without a recount: the screen's own count";
}

TEST_F(GraphForm, TakesTextRowsByPositionWhenTheProgramPages)
{
    GraphRows(5);
    rig->SetPageBase(2);
    CTableEngine::SetGraphRowCount(10);
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    std::vector<std::wstring> texts = TextsOf(rig.LastPicture());
    EXPECT_EQ(texts.front(), L"  row 2") << "local paging: graph row 2 is table row 2";

    rig.host.displayMode = 1;
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    texts = TextsOf(rig.LastPicture());
    EXPECT_EQ(texts.front(), L"  row 0") << "the program's pages start at table row 0";
}

TEST_F(GraphForm, NamesRowsFromTheLiveDataListInDisplayModeThree)
{
    GraphRows(3);
    const std::vector<std::wstring> names = {L"title", L"Speed", L"Load", L"Temp"};
    rig.host.displayMode = 3;
    rig.host.rowNames = &names;
    rig->SetRecount(true);
    rig->DrawGraph(1, -1);
    EXPECT_STREQ(rig->GetCellText(0, 0), L"Speed") << "entry 0 is replaced by entry 1";
    EXPECT_STREQ(rig->GetCellText(1, 0), L"Speed");
    EXPECT_STREQ(rig->GetCellText(2, 0), L"Load");
}

}  // namespace
