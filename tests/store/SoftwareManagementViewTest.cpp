// The installed-software view in the program's own frame: its tiles, the selection, and deleting
// packages, driven by the grid's notifications and the bottom bar's commands.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FrameFixture.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "ProgramRun.h"
#include "Snapshot.h"
#include "SoftwareFixture.h"
#include "SoftwareManagementView.h"

namespace {

namespace fs = std::filesystem;

class SoftwareManagementViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
        software.Languages({L"en"});
        software.Config("<VEHICLE><MULTILANGUAGE><VEHICLENAME /><REGION><EAST EN=\"East\" /></REGION></MULTILANGUAGE>"
                        "<REGIONID /></VEHICLE><HARROWFEN><VEHICLENAME /></HARROWFEN>");
        for (const wchar_t* maker : {L"Alder", L"Aspen", L"Ash", L"Birch"})
            software.Install(Maker(L"EAST", maker, 10));
        software.Install(Family(L"BASIC"));
        software.Load();
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            told.push_back(box.text);
            return IDOK;
        });
        frame->SwitchView(CSoftwareManagementView::kViewId, 1);
    }

    CSoftwareManagementView& view()
    {
        return *static_cast<CSoftwareManagementView*>(frame->View(CSoftwareManagementView::kViewId));
    }
    CSoftwareBtn& grid() { return *view().Grid(view().CurrentList()); }
    std::vector<std::wstring> TileNames()
    {
        std::vector<std::wstring> names;
        for (size_t i = 0; i < grid().GetCount(); ++i)
            names.push_back(grid().GetItemName(i));
        return names;
    }
    void Select(size_t index) { view().SendMsg(CSoftwareBtn::kSelectClicked, index, 1); }
    void Bottom(int id)
    {
        CBmpBtn* button = frame->BottomBar().GetButton(id);
        ASSERT_NE(button, nullptr) << id;
        frame->BottomBar().SendMsg(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
    }
    static void Click(CWindow* button)
    {
        ASSERT_NE(button, nullptr);
        SendMessageW(GetParent(button->Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button->Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button->Handle()));
    }
    fs::path MakerFolder(const wchar_t* name) { return programFolder.Path() / L"Scan" / L"EAST" / name; }

    SoftwareFolderFixture software{programFolder.Path()};
    std::vector<std::wstring> told;
};

TEST_F(SoftwareManagementViewTest, ListsTheInstalledSoftwareOnTwoPages)
{
    EXPECT_EQ(grid().GetCount(), 4u);
    EXPECT_EQ(grid().GetItemText(0), L"V1.00") << "the description's version line";
    EXPECT_EQ(frame->MiddleLeftBar().GetItemCount(), 2);
    Click(frame->MiddleLeftBar().GetButton(1));
    EXPECT_EQ(view().CurrentList(), 1);
    EXPECT_EQ(TileNames(), std::vector<std::wstring>{L"BASIC"});
    Click(frame->MiddleLeftBar().GetButton(0));
    KeepSnapshot(L"installed-software.png");
}

TEST_F(SoftwareManagementViewTest, DeletingNothingSaysSoAndChangesNothing)
{
    Bottom(1126);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(grid().GetCount(), 4u);
}

// Tiles chosen out of order are deleted with their folders; the maker chooser no longer lists them.
TEST_F(SoftwareManagementViewTest, ChosenPackagesAreDeletedAndLeaveTheChooser)
{
    const std::vector<std::wstring> before = TileNames();
    Select(3);
    Select(1);
    Bottom(1126);
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(grid().GetCount(), 2u);
    for (size_t i : {size_t{3}, size_t{1}})
        EXPECT_FALSE(fs::exists(MakerFolder(before[i].c_str()))) << before[i];
    EXPECT_TRUE(fs::exists(MakerFolder(before[0].c_str())));
    EXPECT_TRUE(SoftwareListsChanged());
    frame->SwitchView(131, 1);
    EXPECT_EQ(frame->MakerView().EntryCount(0), 2);
}

TEST_F(SoftwareManagementViewTest, TheTilesActionButtonDeletesThatPackageAtOnce)
{
    const std::wstring first = TileNames()[0];
    Select(2);
    view().SendMsg(CSoftwareBtn::kActionClicked, 0, 0);
    EXPECT_FALSE(fs::exists(MakerFolder(first.c_str())));
    EXPECT_EQ(grid().GetCount(), 3u);
    EXPECT_TRUE(view().Selection().Empty()) << "other choices are dropped first";
}

// A file in use stops the folder from going: the user is told, and the lists are scanned again at
// once, so the tiles show what is installed now rather than what was asked for.
TEST_F(SoftwareManagementViewTest, APackageThatCannotBeDeletedWholeIsSaidAndComesBack)
{
    const std::wstring first = TileNames()[0];
    const fs::path held = MakerFolder(first.c_str()) / L"MAKER.INI";
    HANDLE open = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    view().SendMsg(CSoftwareBtn::kActionClicked, 0, 0);
    CloseHandle(open);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(L"could not be deleted"), std::wstring::npos);
    EXPECT_TRUE(fs::exists(held));
    EXPECT_FALSE(SoftwareListsChanged()) << "rescanned";
}

TEST_F(SoftwareManagementViewTest, SelectAllChoosesEveryTileAndTwiceNone)
{
    Bottom(3035);
    EXPECT_EQ(view().Selection().Ids().size(), 4u);
    Bottom(3035);
    EXPECT_TRUE(view().Selection().Empty());
    for (size_t i = 0; i < grid().GetCount(); ++i)
        EXPECT_FALSE(grid().IsSelected(i));
}

}  // namespace
