// The home page: its tiles, what they open, and its picture (saved for a person to look at).
#include "BarsFixture.h"

#include "HomeTiles.h"
#include "MainPageView.h"
#include "OutsideTools.h"
#include "ProcessValues.h"
#include "Snapshot.h"

namespace {

class MainPageViewTest : public BarsFixture {
protected:
    void SetUp() override
    {
        BarsFixture::SetUp();
        frame->SwitchView(286, 1);
    }
    CMainPageView& page() { return *dynamic_cast<CMainPageView*>(frame->View(286)); }
    RECT PlaceOf(int id) { return InFrame(page().Handle(), page().GetTile(id)->Handle()); }
    void ShowAgain()
    {
        frame->SwitchView(131, 1);
        frame->SwitchView(286, 1);
    }
};

TEST_F(MainPageViewTest, TwelveTilesSitInTheirPlacesWithoutOverlapping)
{
    EXPECT_EQ(ChildIds(page().Handle()),
              (std::vector<int>{1096, 1108, 1103, 1104, 1005, 1105, 1106, 1130, 1131, 1132, 3011, 1097}));
    const RECT pageArea = {0, 0, 1024, 700};
    for (const HOME_TILE& tile : HomeTiles()) {
        SCOPED_TRACE(tile.id);
        const RECT place = PlaceOf(tile.id);
        EXPECT_EQ(place.left, tile.x);
        EXPECT_EQ(place.top, tile.y);
        RECT inside = {};
        IntersectRect(&inside, &place, &pageArea);
        EXPECT_TRUE(EqualRect(&inside, &place)) << "within the 1024 x 700 page";
        for (const HOME_TILE& other : HomeTiles()) {
            const RECT otherPlace = PlaceOf(other.id);
            RECT overlap = {};
            if (other.id == tile.id)
                continue;
            EXPECT_FALSE(IntersectRect(&overlap, &place, &otherPlace)) << "overlaps " << other.id;
        }
    }
    EXPECT_EQ(page().GetTile(1097)->GetText(), L"Diagnostic service system");
    EXPECT_EQ(page().GetTile(1104)->GetText(), L"Online stor");
    EXPECT_EQ(page().GetTile(3011)->GetText(), L"Exit");
}

TEST_F(MainPageViewTest, TilesAreEnabledByTheirRulesAtEveryShow)
{
    struct Case {
        const wchar_t* language;
        bool dictionary, dtcQuery;
    };
    const Case cases[] = {{L"EN", false, false}, {L"CN", true, false}, {L"TW", false, true}, {L"DE", true, true}};
    // The screen recorder's tile follows the recorder program, as the top bar's button does.
    InstallTool(OUTSIDE_TOOL::ScreenRecorder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        std::filesystem::remove_all(programFolder / "tools");
        InstallTool(OUTSIDE_TOOL::ScreenRecorder);
        if (c.dictionary)
            InstallTool(OUTSIDE_TOOL::Dictionary);
        if (c.dtcQuery)
            InstallTool(OUTSIDE_TOOL::DtcQuery);
        ResSetLanguageCode(c.language);
        ShowAgain();
        const bool manual = std::wstring(c.language) != L"CN" && std::wstring(c.language) != L"TW";
        EXPECT_EQ(page().GetTile(1103)->IsEnabled(), manual);
        EXPECT_EQ(page().GetTile(1131)->IsEnabled(), c.dictionary);
        EXPECT_EQ(page().GetTile(1105)->IsEnabled(), c.dtcQuery);
        for (int id : {1005, 1106, 1130})
            EXPECT_FALSE(page().GetTile(id)->IsEnabled()) << id;
        for (int id : {1097, 1096, 1132, 1104, 3011, 1108})
            EXPECT_TRUE(page().GetTile(id)->IsEnabled()) << id;
    }
}

TEST_F(MainPageViewTest, WithoutTheScreenRecorderItsTileIsOff)
{
    ShowAgain();
    EXPECT_FALSE(page().GetTile(1108)->IsEnabled());
    InstallTool(OUTSIDE_TOOL::ScreenRecorder);
    ShowAgain();
    EXPECT_TRUE(page().GetTile(1108)->IsEnabled());
}

TEST_F(MainPageViewTest, AToolInstalledWhileTheHomePageIsShownCountsFromTheNextShow)
{
    EXPECT_FALSE(page().GetTile(1131)->IsEnabled());
    InstallTool(OUTSIDE_TOOL::Dictionary);
    EXPECT_FALSE(page().GetTile(1131)->IsEnabled());
    ShowAgain();
    EXPECT_TRUE(page().GetTile(1131)->IsEnabled());
}

TEST_F(MainPageViewTest, TilesOpenTheirViews)
{
    InstallTool(OUTSIDE_TOOL::ScreenRecorder);
    const std::pair<int, int> cases[] = {{1097, 131}, {1096, 492}, {1132, 295}, {1104, 446}, {1103, 505}, {1108, 493}};
    for (const auto& [id, view] : cases) {
        SCOPED_TRACE(id);
        ShowAgain();
        Click(page().GetTile(id));
        EXPECT_EQ(frame->CurrentViewId(), view);
        EXPECT_TRUE(IsWindowVisible(frame->TopBar().Handle())) << "the bars are back";
    }
    EXPECT_TRUE(asked.empty());
}

TEST_F(MainPageViewTest, TheCommandsOfDisabledTilesDoWhatTheTileWouldDo)
{
    for (int id : {1005, 1106, 1130}) {
        page().SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
        EXPECT_EQ(frame->CurrentViewId(), 286) << id;
    }
    page().SendMsg(WM_COMMAND, MAKEWPARAM(1108, BN_CLICKED));
    EXPECT_EQ(frame->CurrentViewId(), 493);
    EXPECT_TRUE(asked.empty());
}

TEST_F(MainPageViewTest, ExitAsksAndNoKeepsTheProgram)
{
    AnswerBoxes(IDCANCEL);
    Click(page().GetTile(3011));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"Are you sure to exit this system?");
    EXPECT_TRUE(frame->IsWindow());
}

struct ToolTileCase {
    int id;
    OUTSIDE_TOOL tool;
    const char* program;
};

class HomeToolTest : public MainPageViewTest, public ::testing::WithParamInterface<ToolTileCase> {};

TEST_P(HomeToolTest, ATileStartsItsToolOrNamesTheMissingFile)
{
    const ToolTileCase& c = GetParam();
    page().SendMsg(WM_COMMAND, MAKEWPARAM(c.id, BN_CLICKED));  // the tile is disabled: no tool
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"Please confirm if there is this file:\n" + ResGetAppDir() + L"\n" + ToolRelativePath(c.tool));

    const std::filesystem::path tool = InstallTool(c.tool);
    ShowAgain();
    Click(page().GetTile(c.id));
    EXPECT_EQ(WaitForToolLog(tool).rfind(std::string(c.program) + "|", 0), 0u);
    EXPECT_EQ(asked.size(), 1u) << "no message when it starts";
    EXPECT_EQ(frame->CurrentViewId(), 286);

    // A file of that name that is no program: the shell cannot start it. The tool may still be
    // ending after its log line, and a running program's file cannot be replaced.
    const DWORD start = GetTickCount();
    while (ReadFileBytes(tool) != "not a program" && GetTickCount() - start < 10000) {
        programFolder.Write(ToolRelativePath(c.tool), "not a program");
        Sleep(20);
    }
    ASSERT_EQ(ReadFileBytes(tool), "not a program");
    page().SendMsg(WM_COMMAND, MAKEWPARAM(c.id, BN_CLICKED));
    EXPECT_EQ(asked.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, HomeToolTest, ::testing::Values(
    ToolTileCase{1131, OUTSIDE_TOOL::Dictionary, "Dictionary.exe"},
    ToolTileCase{1105, OUTSIDE_TOOL::DtcQuery, "DTCQuery.exe"}));

TEST_F(MainPageViewTest, OnAScreenOfItsOwnSizeThePageIsCentred)
{
    ResSetScreenMode(0);
    ShowAgain();
    const PAGE_ORIGIN origin =
        HomePageOrigin(0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(PlaceOf(1097).left, origin.x + 31);
    EXPECT_EQ(PlaceOf(1097).top, origin.y + 118);
    ResSetScreenMode(1);
}

TEST_F(MainPageViewTest, DrawsItsBannerAndTilesOnBlackAndSavesAPicture)
{
    const HWND view = page().Handle();
    EXPECT_EQ(PixelOf(view, 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(view, 1010, 690), RGB(0, 0, 0));
    const COLORREF banner = PixelOf(view, 31 + 10, 38 + 36);
    EXPECT_GT(GetBValue(banner), GetRValue(banner) + 40) << "the blue banner";
    const COLORREF tile = PixelOf(view, 31 + 20, 118 + 300);
    EXPECT_GT(GetBValue(tile), GetRValue(tile)) << "the diagnosis tile";
    const COLORREF exitTile = PixelOf(view, 841 + 20, 464 + 60);
    EXPECT_GT(GetRValue(exitTile), GetBValue(exitTile) + 60) << "the red exit tile";
    const COLORREF disabled = PixelOf(view, 513 + 20, 233 + 60);
    EXPECT_EQ(GetRValue(disabled), GetBValue(disabled)) << "a disabled tile is grey";

    // The picture a person looks at after the run.
    const std::wstring saved = SaveFrameSnapshot(frame->Handle());
    ASSERT_FALSE(saved.empty());
    std::filesystem::copy_file(saved, BuildProgramFolder() / "home_page.png",
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace
