#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../frame/FrameFixture.h"
#include "../screens/MetafileCapture.h"
#include "ConfigStore.h"
#include "DiagResultPrinter.h"
#include "RepairInfoView.h"

namespace {

using print_test::PRINTED_TEXT;

// The two label tables of a report, printed on a metafile in place of a printer, inside the frame
// whose menu path they name.
class ReportTablesTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetModalAnswerer([](const MODAL_BOX& box) -> std::optional<int> {
            return box.templateId == 1538 ? IDOK : IDCANCEL;
        });
        SetPrintSinkFactory([this]() { return std::make_unique<print_test::CCaptureSink>(capture, documentName); });
    }
    void TearDown() override
    {
        SetPrintSinkFactory({});
        LoadConfigDocument((programFolder.Path() / L"missing.xml").c_str());
        MainFrameTest::TearDown();
    }

    void LoadUserInfo(const std::string& attributes)
    {
        const auto file = programFolder.Write(
            "Config.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG>\n<COMMON>\n  <USERINFO " +
                              attributes + " />\n</COMMON>\n</CONFIG>\n");
        ASSERT_TRUE(LoadConfigDocument(file.c_str()));
    }

    // Every text lies inside `area`; labels in the first column, values in the second.
    static void ExpectInside(const std::vector<PRINTED_TEXT>& printed, const REPORT_RECT& area)
    {
        for (const PRINTED_TEXT& item : printed) {
            EXPECT_GE(item.x, area.left) << testing::PrintToString(item.text);
            EXPECT_LT(item.x, area.right) << testing::PrintToString(item.text);
            EXPECT_GE(item.y, area.top) << testing::PrintToString(item.text);
            EXPECT_LT(item.y, area.bottom) << testing::PrintToString(item.text);
        }
    }

    print_test::CMetafileCapture capture;
    std::wstring documentName;
    CDiagResultPrinter printer;
};

TEST_F(ReportTablesTest, TheFactsTableNamesTimeMakerMenuPathAndTitleInItsPlace)
{
    EXPECT_EQ(printer.PrintInfoTable(), 0) << "no printer set up yet";
    ResSetMakerName(L"Acme");
    frame->RepairInfoView().OnMenuItemChosen({L"Engine", L"ABS"}, 0);
    frame->RepairInfoView().OnMenuItemChosen({L"Read codes", L"Live data"}, 1);
    printer.SetTitle(L"Live Data");
    ASSERT_TRUE(printer.SetupPrinter());

    EXPECT_EQ(printer.PrintInfoTable(), 4);
    const REPORT_RECT area = printer.Layout().infoTable;
    const auto printed = capture.Finish();
    ASSERT_EQ(printed.size(), 9u);
    const auto texts = print_test::TextsOf(printed);
    const std::wstring time = texts[2];
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"STRID_PRINT_DIAG_INFO", L"STRID_PRINT_DIAG_TIME", time,
                                                L"STRID_PRINT_DIAG_VEHICLE", L"Acme", L"STRID_PRINT_DIAG_SYS",
                                                L"Engine-Live data", L"STRID_PRINT_DIAG_FUNC", L"Live Data"}));
    ASSERT_EQ(time.size(), 19u) << "the date-time of the set-up, e.g. 2015-11-08 09:05:03";
    EXPECT_EQ(time.find_first_not_of(L"0123456789-: "), std::wstring::npos);
    ExpectInside(printed, area);
    for (size_t row = 0; row < 4; ++row) {
        const PRINTED_TEXT& label = printed[1 + 2 * row];
        const PRINTED_TEXT& value = printed[2 + 2 * row];
        EXPECT_EQ(label.x, area.left);
        EXPECT_EQ(value.x, printed[2].x) << "values share one column";
        EXPECT_GT(value.x, area.left);
        EXPECT_EQ(value.y, label.y);
        EXPECT_GT(label.y, printed[row == 0 ? 0 : 2 * row - 1].y) << "each row below the one before";
    }
}

TEST_F(ReportTablesTest, NoTableIsDrawnOnAJobThatHasEnded)
{
    printer.SetTitle(L"DTC");
    ASSERT_TRUE(printer.SetupPrinter());
    ASSERT_TRUE(printer.PrintDocument());
    const size_t printedByJob = capture.Finish().size();
    EXPECT_GT(printedByJob, 0u);
    EXPECT_EQ(printer.PrintInfoTable(), 0) << "the job's printer context is gone";
    EXPECT_EQ(printer.PrintCustomerTable(), 0);
}

struct CustomerCase {
    const char* name;
    std::string attributes;  // of COMMON\USERINFO; "" for a configuration without the element
    std::vector<std::wstring> expected;
};

void PrintTo(const CustomerCase& c, std::ostream* out) { *out << c.name; }

class CustomerTableTest : public ReportTablesTest, public ::testing::WithParamInterface<CustomerCase> {};

TEST_P(CustomerTableTest, PrintsTheCustomerFromTheConfigurationInItsPlace)
{
    if (GetParam().attributes.empty())
        LoadConfigDocument((programFolder.Path() / L"missing.xml").c_str());
    else
        LoadUserInfo(GetParam().attributes);
    EXPECT_EQ(printer.PrintCustomerTable(), 0) << "no printer set up yet";
    ASSERT_TRUE(printer.SetupPrinter());

    EXPECT_EQ(printer.PrintCustomerTable(), 4);
    const REPORT_RECT area = printer.Layout().customerTable;
    const auto printed = capture.Finish();
    EXPECT_EQ(print_test::TextsOf(printed), GetParam().expected);
    ExpectInside(printed, area);
}

INSTANTIATE_TEST_SUITE_P(Cases, CustomerTableTest, ::testing::Values(
    CustomerCase{"Filled", "FIRSTNAME=\"Jo Miller\" TELEPHONE=\"555-0100\" FAX=\"555-0101\" EMAIL=\"jo@example.org\"",
                 {L"STRID_X_USERINFO:", L"STRID_PRINT_CUST_NAME:", L"Jo Miller", L"STRID_PRINT_CUST_TEL:",
                  L"555-0100", L"STRID_PRINT_CUST_FAX:", L"555-0101", L"STRID_PRINT_CUST_EMAIL:",
                  L"jo@example.org"}},
    CustomerCase{"EmptyValues", "FIRSTNAME=\"\" TELEPHONE=\"\" FAX=\"\" EMAIL=\"\"",
                 {L"STRID_X_USERINFO:", L"STRID_PRINT_CUST_NAME:", L"STRID_PRINT_CUST_TEL:",
                  L"STRID_PRINT_CUST_FAX:", L"STRID_PRINT_CUST_EMAIL:"}},
    CustomerCase{"NoConfiguration", "",
                 {L"STRID_X_USERINFO:", L"STRID_PRINT_CUST_NAME:", L"STRID_PRINT_CUST_TEL:",
                  L"STRID_PRINT_CUST_FAX:", L"STRID_PRINT_CUST_EMAIL:"}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(ReportTablesTest, ALongNameWrapsInItsCellAndRowsThatNoLongerFitAreLeftOut)
{
    std::string name;
    for (int word = 0; word < 20; ++word)
        name += "Name" + std::to_string(word) + " ";
    name += "End";
    LoadUserInfo("FIRSTNAME=\"" + name + "\" TELEPHONE=\"555-0100\" FAX=\"555-0101\" EMAIL=\"jo@example.org\"");
    ASSERT_TRUE(printer.SetupPrinter());

    const int rows = printer.PrintCustomerTable();
    const REPORT_RECT area = printer.Layout().customerTable;
    const auto printed = capture.Finish();
    ExpectInside(printed, area);
    ASSERT_GE(printed.size(), 4u);
    EXPECT_LT(rows, 4) << "the name's lines take the place of the last rows";
    EXPECT_GE(rows, 1);
    // The name's lines lie one below the other in the value column and together give the name.
    std::wstring joined;
    int lines = 0;
    for (size_t i = 2; i < printed.size() && printed[i].x == printed[2].x; ++i, ++lines) {
        if (i > 2) {
            EXPECT_GT(printed[i].y, printed[i - 1].y);
        }
        joined += printed[i].text;
    }
    EXPECT_GT(lines, 1);
    EXPECT_EQ(joined, std::wstring(name.begin(), name.end()));
    const auto texts = print_test::TextsOf(printed);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), L"STRID_PRINT_CUST_EMAIL:"), 0)
        << "a row that does not fit is not printed over the table below";
}

}  // namespace
