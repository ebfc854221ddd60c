// The settings view's page switching: its bars, its pages and the commands each page allows.
#include "../frame/BarsFixture.h"

#include "SetupView.h"
#include "DiagnoseVerInfoDlg.h"

namespace {

class SetupViewTest : public BarsFixture {
protected:
    void SetUp() override
    {
        BarsFixture::SetUp();
        frame->SwitchView(295, 1);
    }
    CSetupView& setup() { return *dynamic_cast<CSetupView*>(frame->View(295)); }
    bool BottomEnabled(int id) { return frame->BottomBar().GetButton(id)->IsEnabled(); }
};

TEST_F(SetupViewTest, ShowingTheViewFillsTheBarsAndShowsTheLanguagePage)
{
    EXPECT_EQ(ChildIds(frame->TopBar().Handle()), (std::vector<int>{1132, 1104, 1105, 1097, 1096, 1103}));
    EXPECT_TRUE(frame->TopBar().GetButton(1132)->GetChecked());
    EXPECT_EQ(ChildIds(frame->BottomBar().Handle()),
              (std::vector<int>{3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031}));
    EXPECT_FALSE(frame->BottomBar().GetButton(3031)->GetChecked());

    CMiddleLeftBar& items = frame->MiddleLeftBar();
    ASSERT_EQ(items.GetItemCount(), 7);
    const wchar_t* titles[] = {L"Language", L"Run Mode", L"Unit Selection", L"Window Size",
                               L"log",      L"Update",   L"System Information"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(items.GetItem(i).name, titles[i]);
        EXPECT_EQ(items.GetItem(i).owner, &setup());
    }
    EXPECT_EQ(items.GetCurrentItem(), 0);
    EXPECT_TRUE(items.GetButton(0)->GetChecked());
    EXPECT_EQ(setup().VisiblePage(), 0);
    EXPECT_TRUE(BottomEnabled(3004));
    EXPECT_FALSE(BottomEnabled(3002)) << "one page of languages";
    EXPECT_FALSE(BottomEnabled(3003));
    EXPECT_FALSE(BottomEnabled(3005));
    EXPECT_TRUE(BottomEnabled(3001));
    EXPECT_TRUE(BottomEnabled(3011));
}

struct PageCase {
    int index;
    bool accept;
};

class SetupPageSwitchTest : public SetupViewTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(SetupPageSwitchTest, AnItemShowsItsPageWithItsCommands)
{
    const PageCase& c = GetParam();
    Click(frame->MiddleLeftBar().GetButton(c.index));
    EXPECT_EQ(setup().VisiblePage(), c.index);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(setup().Page(i)->IsVisible(), i == c.index) << i;
    EXPECT_EQ(setup().CommandEnableState(3004), c.accept);
    EXPECT_EQ(BottomEnabled(3004), c.accept);
    EXPECT_FALSE(BottomEnabled(3002));
    EXPECT_FALSE(BottomEnabled(3003));
    EXPECT_FALSE(BottomEnabled(3005));
    EXPECT_EQ(frame->CurrentViewId(), 295);
}

INSTANTIATE_TEST_SUITE_P(Pages, SetupPageSwitchTest, ::testing::Values(
    PageCase{1, true}, PageCase{2, true}, PageCase{3, true}, PageCase{4, true},
    PageCase{5, false}, PageCase{6, false}, PageCase{0, true}));

TEST_F(SetupViewTest, AcceptGoesBackToTheLanguagePage)
{
    Click(frame->MiddleLeftBar().GetButton(3));
    Click(frame->BottomBar().GetButton(3004));
    EXPECT_EQ(setup().VisiblePage(), 0);
    EXPECT_EQ(frame->MiddleLeftBar().GetCurrentItem(), 0);
    EXPECT_TRUE(frame->MiddleLeftBar().GetButton(0)->GetChecked());
    EXPECT_FALSE(frame->MiddleLeftBar().GetButton(3)->GetChecked());
}

TEST_F(SetupViewTest, BackGoesHome)
{
    Click(frame->BottomBar().GetButton(3001));
    EXPECT_EQ(frame->CurrentViewId(), 286);
}

TEST_F(SetupViewTest, EveryShowMakesThePagesAnew)
{
    Click(frame->MiddleLeftBar().GetButton(4));
    const HWND before = setup().Page(4)->Handle();
    frame->SwitchView(286, 1);
    frame->SwitchView(295, 1);
    EXPECT_NE(setup().Page(4)->Handle(), before);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(setup().VisiblePage(), 0) << "a show starts on the language page";
}

}  // namespace

namespace {

TEST_F(SetupViewTest, SystemInformationPageShowsItsRowsAndReadsOnShow)
{
    ResSetRunModeFlag(L"1");  // no device: the read gives its failure values at once
    CDiagnoseVerInfoDlg page(frame->View(295)->Handle());
    ASSERT_TRUE(page.CreatePage(RECT{0, 0, 600, 400}));
    page.StartRead();
    auto cellText = [&](int row, int column) {
        wchar_t text[64] = {};
        GetDlgItemTextW(page.Handle(), 2000 + row * 2 + column, text, 64);
        return std::wstring(text);
    };
    EXPECT_EQ(cellText(CDeviceInfoPage::kSerialNumber, 1), L"----");
    EXPECT_EQ(cellText(CDeviceInfoPage::kSoftwareVersion, 0), CDeviceInfoPage::LabelText(CDeviceInfoPage::kSoftwareVersion));
    page.ReadNow();
    EXPECT_TRUE(page.Logic().IsDone());
    for (int row = 0; row < CDeviceInfoPage::kRowCount; ++row)
        EXPECT_EQ(cellText(row, 1), page.Logic().RowValue(static_cast<CDeviceInfoPage::Row>(row))) << row;
    EXPECT_EQ(cellText(CDeviceInfoPage::kSystemName, 1), L"Nuthawk");
    ResSetRunModeFlag(L"0");
}

}  // namespace
