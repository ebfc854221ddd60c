// The maker chooser and the family chooser in the program's own frame, driven by the commands and
// keys the user's clicks and presses become.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ExchangeBuffer.h"
#include "FrameFixture.h"
#include "HarrowfenView.h"
#include "MakerView.h"
#include "ReloadSoftwareLists.h"
#include "SoftwareFixture.h"
#include "VersionView.h"

namespace {

std::string Names(const std::string& regions, const std::string& makers = "", const std::string& families = "")
{
    return "<HARROWFEN><VEHICLENAME>" + families + "</VEHICLENAME></HARROWFEN><VEHICLE><MULTILANGUAGE><VEHICLENAME>" +
           makers + "</VEHICLENAME><REGION>" + regions + "</REGION></MULTILANGUAGE><REGIONID /></VEHICLE>";
}

class ChooserViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
        software.Languages({L"en"});
    }
    // Two regions: East with three makers, West with two.
    void InstallTwoRegions()
    {
        software.Config(Names("<EAST EN=\"East\" /><WEST EN=\"West\" />",
                              "<Alder EN=\"Alder Cars\" /><Birch EN=\"Birch Vans\" />"));
        software.Install(Maker(L"EAST", L"Alder", 30));
        software.Install(Maker(L"EAST", L"Aspen", 20));
        software.Install(Maker(L"EAST", L"Ash", 10));
        software.Install(Maker(L"WEST", L"Birch", 25));
        software.Install(Maker(L"WEST", L"Beech", 5));
        software.Logo(L"Birch", SolidBmp(8, 6, RGB(200, 0, 0)));
        software.Load();
    }

    void AnswerBoxes(int answer)
    {
        SetModalAnswerer([this, answer](const MODAL_BOX& box) -> std::optional<int> {
            asked.push_back(box.text);
            return answer;
        });
    }

    CMakerView& Makers() { return frame->MakerView(); }
    CHarrowfenView& Families() { return *dynamic_cast<CHarrowfenView*>(frame->View(CHarrowfenView::kViewId)); }
    CVersionView& Versions() { return *dynamic_cast<CVersionView*>(frame->View(CVersionView::kViewId)); }
    void Command(CWindow& window, int id) { window.SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Key(CIconBtn* grid, WPARAM key) { SendMessageW(grid->Handle(), WM_KEYDOWN, key, 0); }
    std::wstring Program(const std::wstring& relative) const
    {
        return programFolder.Path().wstring() + L"\\" + relative;
    }
    std::string BlockText() { return reinterpret_cast<const char*>(Makers().SharedView()); }

    SoftwareFolderFixture software{programFolder.Path()};
    std::vector<std::wstring> asked;
};

TEST_F(ChooserViewTest, BuildsOnePageOfIconsPerRegionWithTheRegionsOnTheBar)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);

    ASSERT_EQ(Makers().PageCount(), 2);
    EXPECT_EQ(Makers().PageName(0), L"East") << "the region of the busiest maker comes first";
    EXPECT_EQ(Makers().PageName(1), L"West");
    EXPECT_EQ(ResGetMakerList(), (std::vector<std::wstring>{L"East", L"West"}));
    ASSERT_EQ(frame->MiddleLeftBar().GetItemCount(), 2);
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(1).name, L"West");
    EXPECT_EQ(Makers().EntryCount(0), 3);
    EXPECT_EQ(Makers().Grid(0)->GetCaption(0), L"Alder Cars");
    EXPECT_EQ(Makers().Grid(1)->GetCaption(0), L"Birch Vans");
    EXPECT_EQ(Makers().Entry(1, 1)->folder, Program(L"Scan\\WEST\\Beech\\"));
    EXPECT_NE(Makers().Entry(1, 0)->logo.Get(), nullptr);
    EXPECT_EQ(Makers().Entry(1, 1)->logo.Get(), nullptr) << "a maker without a logo file has an icon without picture";

    EXPECT_EQ(Makers().GetText(), L"Vehicle selection---East");
    EXPECT_TRUE(Makers().Grid(0)->IsVisible());
    EXPECT_FALSE(Makers().Grid(1)->IsVisible());
    EXPECT_EQ(GetDlgCtrlID(Makers().Grid(0)->Handle()), 3032);
    for (int id : {3002, 3003, 3004, 3005})
        EXPECT_EQ(Makers().CommandEnableState(id), false) << id;
    EXPECT_EQ(Makers().CommandEnableState(3001), true);

    ASSERT_NE(Makers().SharedView(), nullptr) << "the first build makes the exchange block";
    EXPECT_EQ(BlockText(), "Nuthawk");
}

TEST_F(ChooserViewTest, ARegionAndAMakerArePickedThroughTheBarAndTheGrid)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);
    Command(frame->MiddleLeftBar(), 1091);
    EXPECT_EQ(Makers().CurrentRegion(), 1);
    EXPECT_EQ(Makers().GetText(), L"Vehicle selection---West");
    EXPECT_TRUE(Makers().Grid(1)->IsVisible());
    EXPECT_FALSE(Makers().Grid(0)->IsVisible());

    Key(Makers().Grid(1), VK_RIGHT);
    Key(Makers().Grid(1), VK_RETURN);
    EXPECT_EQ(frame->CurrentViewId(), 136);
    EXPECT_EQ(ResGetMakerDir(), Program(L"Scan\\WEST\\Beech\\"));
    EXPECT_EQ(ResGetMakerName(), L"Beech");
    EXPECT_EQ(Makers().CurrentRegion(), 1);
    ASSERT_EQ(frame->MiddleLeftBar().GetItemCount(), 2) << "the version view lists the regions too";
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(0).name, L"East");
    EXPECT_EQ(frame->MiddleLeftBar().GetCurrentItem(), 1);
    EXPECT_EQ(frame->CurrentViewId(), 136) << "showing the regions does not lead back by itself";

    // Back from the version view, the region chosen last is shown again.
    Command(Versions(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 131);
    EXPECT_EQ(frame->MiddleLeftBar().GetCurrentItem(), 1);
    EXPECT_TRUE(Makers().Grid(1)->IsVisible());
    EXPECT_EQ(Makers().GetText(), L"Vehicle selection---West");
}

TEST_F(ChooserViewTest, AClickOnAnIconChoosesIt)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);
    CIconBtn* grid = Makers().Grid(0);
    const CIconGridModel& layout = grid->Grid();
    ASSERT_GE(layout.Columns(), 3);
    const LPARAM third = MAKELPARAM(2 * layout.PitchX() + layout.PitchX() / 2, layout.PitchY() / 2);
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, third);
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, third);
    EXPECT_EQ(frame->CurrentViewId(), 136);
    EXPECT_EQ(ResGetMakerName(), L"Ash");
}

TEST_F(ChooserViewTest, AClickBesideTheIconsChoosesNothing)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);
    CIconBtn* grid = Makers().Grid(0);
    const CIconGridModel& layout = grid->Grid();
    const LPARAM empty = MAKELPARAM(layout.PitchX() / 2, layout.PitchY() + layout.PitchY() / 2);  // second row
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, empty);
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, empty);
    EXPECT_EQ(frame->CurrentViewId(), 131);
}

TEST_F(ChooserViewTest, ARegionChosenOnTheVersionViewLeadsBackToTheMakerChooser)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);
    Key(Makers().Grid(0), VK_RETURN);
    ASSERT_EQ(frame->CurrentViewId(), 136);
    Command(frame->MiddleLeftBar(), 1091);
    EXPECT_EQ(frame->CurrentViewId(), 131);
    EXPECT_EQ(Makers().CurrentRegion(), 1);
    EXPECT_TRUE(Makers().Grid(1)->IsVisible());
}

TEST_F(ChooserViewTest, PageKeysPageTheCurrentRegion)
{
    std::string names;
    software.Config(Names("<EAST EN=\"East\" />"));
    for (int i = 0; i < 40; ++i) {
        wchar_t folder[16];
        swprintf(folder, 16, L"M%02d", i);
        software.Install(Maker(L"EAST", folder, 100 - i));
    }
    software.Load();
    frame->SwitchView(131, 1);
    CIconBtn* grid = Makers().Grid(0);
    const int page = grid->Grid().PageSize();
    ASSERT_GT(page, 0);
    ASSERT_LT(page, 40);
    EXPECT_EQ(Makers().CommandEnableState(3002), false);
    EXPECT_EQ(Makers().CommandEnableState(3003), true);

    Command(Makers(), 3003);
    EXPECT_EQ(grid->Grid().First(), page);
    EXPECT_EQ(Makers().CommandEnableState(3002), true);
    while (grid->Grid().First() + page < 40)
        Command(Makers(), 3003);
    EXPECT_EQ(Makers().CommandEnableState(3003), false);
    const int last = grid->Grid().First();
    Command(Makers(), 3003);
    EXPECT_EQ(grid->Grid().First(), last) << "page down on the last page stays";
    EXPECT_EQ(Makers().CommandEnableState(3003), false);

    Command(Makers(), 3002);
    while (grid->Grid().First() > page)
        Command(Makers(), 3002);
    EXPECT_EQ(grid->Grid().First(), page);
    Key(grid, VK_HOME);  // no key of the grid: the selection stays where it was
    const LPARAM first = MAKELPARAM(grid->Grid().PitchX() / 2, grid->Grid().PitchY() / 2);
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, first);
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, first);
    wchar_t expected[16];
    swprintf(expected, 16, L"M%02d", page);
    EXPECT_EQ(ResGetMakerName(), expected) << "the first icon of the second page is entry page size + 0";
}

TEST_F(ChooserViewTest, WithoutSoftwareTheChooserOffersTheStore)
{
    software.Config(Names(""));
    software.Load();
    AnswerBoxes(IDCANCEL);
    frame->SwitchView(131, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"No vehicle model directory was found.\nPlease contact the dealer or manufacturer.");
    EXPECT_EQ(frame->CurrentViewId(), 131);
    EXPECT_EQ(Makers().SharedView(), nullptr) << "no pages, no exchange block";

    AnswerBoxes(IDOK);
    frame->SwitchView(286, 1);
    frame->SwitchView(131, 1);
    EXPECT_EQ(frame->CurrentViewId(), 446);
}

TEST_F(ChooserViewTest, BackExitAndSettingsLeaveTheChooser)
{
    InstallTwoRegions();
    frame->SwitchView(131, 1);
    AnswerBoxes(IDCANCEL);
    Command(Makers(), 3011);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"Are you sure to exit this system?");
    EXPECT_TRUE(frame->IsWindow()) << "No keeps the program";
    Command(Makers(), 3021);
    EXPECT_EQ(frame->CurrentViewId(), 295);
    frame->SwitchView(131, 1);
    Command(Makers(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 286);
}

TEST_F(ChooserViewTest, AReloadRebuildsBothChoosersAtTheirNextShow)
{
    InstallTwoRegions();
    software.Install(Family(L"LINE"));
    software.Load();
    frame->SwitchView(131, 1);
    frame->SwitchView(492, 1);
    ASSERT_EQ(Makers().EntryCount(1), 2);

    software.Install(Maker(L"WEST", L"Cedar", 1));
    software.Install(Family(L"ROAD"));
    SetSoftwareListsChanged(true);
    frame->SwitchView(131, 1);
    EXPECT_FALSE(SoftwareListsChanged());
    EXPECT_EQ(Makers().EntryCount(1), 3);
    EXPECT_FALSE(Makers().IsListChanged());
    EXPECT_TRUE(Families().IsListChanged()) << "the family chooser rebuilds at its own next show";
    frame->SwitchView(492, 1);
    EXPECT_EQ(Families().EntryCount(0), 2);
    EXPECT_FALSE(Families().IsListChanged());
}

TEST_F(ChooserViewTest, MakersOfAnEighthRegionAreLeftOutAndTheUserIsTold)
{
    std::string regions;
    for (int i = 1; i <= 8; ++i) {
        const std::string region = "R" + std::to_string(i);
        regions += "<" + region + " EN=\"Region " + std::to_string(i) + "\" />";
        software.Install(Maker(std::wstring(region.begin(), region.end()), L"Maker", 10 - i));
    }
    software.Config(Names(regions));
    software.Load();
    AnswerBoxes(IDOK);
    frame->SwitchView(131, 1);
    ASSERT_EQ(asked.size(), 1u) << "the technician is told, not left to think the software lost";
    EXPECT_NE(asked[0].find(L"cannot show"), std::wstring::npos);
    EXPECT_NE(asked[0].find(L"Maker"), std::wstring::npos);
    EXPECT_EQ(Makers().PageCount(), 7);
    EXPECT_EQ(frame->MiddleLeftBar().GetItemCount(), 7);
    for (int page = 0; page < 7; ++page)
        EXPECT_EQ(Makers().EntryCount(page), 1) << page;
    EXPECT_EQ(g_VehicleList.back()->nPage, -1);
}

TEST_F(ChooserViewTest, TheFamilyChooserShowsEveryFamilyOnOnePage)
{
    software.Config(Names("<EAST EN=\"East\" />", "", "<LINE EN=\"The Line\" />"));
    software.Install(Maker(L"EAST", L"Alder", 1));
    software.Install(Family(L"LINE"));
    software.Install(Family(L"road"));
    software.Load();
    frame->SwitchView(131, 1);
    Command(frame->MiddleLeftBar(), 1090);
    frame->SwitchView(492, 1);

    ASSERT_EQ(Families().PageCount(), 1);
    EXPECT_EQ(Families().EntryCount(0), 2);
    ASSERT_EQ(frame->MiddleLeftBar().GetItemCount(), 1);
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(0).name, CHarrowfenView::ListCaption());
    EXPECT_EQ(Families().GetText(), L"Vehicle selection---Harrowfen");

    CIconBtn* grid = Families().Grid(0);
    const int line = grid->GetCaption(0) == L"The Line" ? 0 : 1;
    for (int i = 0; i < line; ++i)
        Key(grid, VK_RIGHT);
    Key(grid, VK_RETURN);
    EXPECT_EQ(frame->CurrentViewId(), 136);
    EXPECT_EQ(ResGetMakerDir(), Program(L"Scan\\PRO\\LINE\\"));
    EXPECT_EQ(ResGetMakerName(), L"The Line");
    EXPECT_EQ(Makers().CurrentRegion(), 0) << "the maker chooser keeps its region";
    ASSERT_EQ(frame->MiddleLeftBar().GetItemCount(), 1);
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(0).name, CHarrowfenView::ListCaption());
    Command(Versions(), 3001);
    EXPECT_EQ(frame->CurrentViewId(), 492) << "Back from the version view returns to the family chooser";
}

TEST_F(ChooserViewTest, TheFamilyChooserShownFirstMakesTheBlockForTheFrame)
{
    software.Config(Names("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", L"Alder", 1));
    software.Install(Family(L"LINE"));
    software.Load();
    frame->SetText(L"");
    ASSERT_EQ(Makers().SharedView(), nullptr);
    frame->SwitchView(492, 1);
    ASSERT_NE(Families().SharedView(), nullptr);
    EXPECT_EQ(Makers().SharedView(), Families().SharedView()) << "the frame reads the block through the maker chooser";
    EXPECT_EQ(BlockText(), "KORVE");

    Makers().SharedView()[0xFFFF] = exchange::kMailboxReady;
    frame->SwitchView(131, 1);
    EXPECT_EQ(Makers().SharedView(), Families().SharedView()) << "one block for the run";
    EXPECT_EQ(BlockText(), "Nuthawk");
    EXPECT_EQ(Makers().SharedView()[0xFFFF], exchange::kMailboxReady);
}

TEST_F(ChooserViewTest, AnEmptyFamilyListOffersTheStore)
{
    software.Config(Names("<EAST EN=\"East\" />"));
    software.Install(Maker(L"EAST", L"Alder", 1));
    software.Load();
    AnswerBoxes(IDOK);
    frame->SwitchView(492, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(frame->CurrentViewId(), 446);
}

TEST_F(ChooserViewTest, ReloadingTheListsAsksBothChoosersToRebuild)
{
    InstallTwoRegions();
    SetSoftwareListsChanged(true);
    ReloadSoftwareLists();
    EXPECT_FALSE(SoftwareListsChanged());
    EXPECT_TRUE(Makers().IsListChanged());
    EXPECT_TRUE(Families().IsListChanged());
    EXPECT_EQ(g_VehicleList.size(), 5u);
}

}  // namespace
