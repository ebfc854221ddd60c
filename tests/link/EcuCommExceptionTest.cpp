#include <gtest/gtest.h>

#include <string>

#include "EcuCommException.h"

namespace {

struct ERROR_TEXT_CASE {
    int code;
    const wchar_t* text;
};

class EcuErrorTextTest : public ::testing::TestWithParam<ERROR_TEXT_CASE> {};

TEST_P(EcuErrorTextTest, CodeGivesItsText)
{
    EXPECT_EQ(InterfaceErrorText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codes, EcuErrorTextTest,
                         ::testing::Values(ERROR_TEXT_CASE{0, L"UNKNOW"}, ERROR_TEXT_CASE{-1, L"OVERTIME"},
                                           ERROR_TEXT_CASE{-3, L"ECU no respond"}, ERROR_TEXT_CASE{-4, L"UNDEFINE"},
                                           ERROR_TEXT_CASE{-7, L"UNDEFINE"}, ERROR_TEXT_CASE{-9, L"UNDEFINE"},
                                           ERROR_TEXT_CASE{-10, L"DOWN BOARD NO RESPONSION"},
                                           ERROR_TEXT_CASE{-21, L"CAN NO ANWSER ERROR"},
                                           ERROR_TEXT_CASE{-25, L"NO IDLESSE"}, ERROR_TEXT_CASE{-26, L"UNKNOW"},
                                           ERROR_TEXT_CASE{-32768, L"UNKNOW"}, ERROR_TEXT_CASE{6, L"UNKNOW"}));

class EcuReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = SetEcuReportBox([this](const std::wstring& text) {
            shown.push_back(text);
            return 1;
        });
    }
    void TearDown() override { SetEcuReportBox(m_previous); }

    std::vector<std::wstring> shown;

private:
    EcuReportBox m_previous;
};

TEST_F(EcuReportTest, ReportShowsCodeTextFunctionAndParameters)
{
    const CEcuCommException error(-10, L"bool bEnableKeep = true", L"CCommWithEcu::BoschKeepLink ()");
    EXPECT_EQ(error.Report(7), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], L"ErrorCode : -10\nWhat : DOWN BOARD NO RESPONSION\nFunction : \n  CCommWithEcu::BoschKeepLink ()\n"
                        L"Parameter : \n  bool bEnableKeep = true");
}

TEST_F(EcuReportTest, DefaultExceptionShowsCodeZeroRightAlignedAndEmptyTexts)
{
    const CEcuCommException error;
    error.Report();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], L"ErrorCode :  0\nWhat : UNKNOW\nFunction : \n  \nParameter : \n  ");
}

TEST_F(EcuReportTest, PositiveCodeShowsTheUnknownText)
{
    const CEcuCommException error(6, L"Exception thow from funtion", L"CSendFrame::PutCmdDataToBuffer");
    EXPECT_NE(error.ReportText().find(L"ErrorCode :  6\nWhat : UNKNOW\n"), std::wstring::npos);
}

TEST(EcuCommExceptionTest, ThrownByValueKeepsEverything)
{
    try {
        CEcuCommException error;
        error.Set(-13, L"p", L"f");
        throw error;
    } catch (const CEcuCommException& caught) {
        EXPECT_EQ(caught.GetErrorCode(), -13);
        EXPECT_EQ(caught.GetParameterText(), L"p");
        EXPECT_EQ(caught.GetFunctionName(), L"f");
    }
}

TEST(EcuCommExceptionTest, WithoutABoxNothingIsShown)
{
    const EcuReportBox previous = SetEcuReportBox({});
    EXPECT_EQ(CEcuCommException(-1, L"", L"").Report(), 0);
    SetEcuReportBox(previous);
}

}  // namespace
