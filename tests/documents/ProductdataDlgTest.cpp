#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../frame/FrameFixture.h"
#include "ProductdataDlg.h"
#include "ProgramRun.h"
#include "Snapshot.h"

namespace {

namespace fs = std::filesystem;

class ProductdataDlgTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
    }
    void Touch(const fs::path& relative)
    {
        fs::create_directories((programFolder.Path() / relative).parent_path());
        std::ofstream(programFolder.Path() / relative) << "x";
    }
    std::unique_ptr<CProductdataDlg> Open()
    {
        auto dialog = std::make_unique<CProductdataDlg>(frame->Handle());
        dialog->SetSize(640, 480);
        EXPECT_TRUE(dialog->CreateModeless());
        return dialog;
    }
    static std::wstring Text(HWND tree, HTREEITEM item)
    {
        wchar_t text[64] = {};
        TVITEMW data = {};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 63;
        TreeView_GetItem(tree, &data);
        return text;
    }
    static std::vector<std::wstring> Children(HWND tree, HTREEITEM parent)
    {
        std::vector<std::wstring> texts;
        for (HTREEITEM item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item))
            texts.push_back(Text(tree, item));
        return texts;
    }
    // The list's own visibility; the dialog itself need not be on screen.
    static bool Shown(HWND list) { return (GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE) != 0; }
    static std::vector<std::wstring> Rows(HWND list)
    {
        std::vector<std::wstring> rows;
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            wchar_t text[MAX_PATH] = {};
            ListView_GetItemText(list, i, 0, text, MAX_PATH);
            rows.push_back(text);
        }
        return rows;
    }
};

TEST_F(ProductdataDlgTest, KindsWithEntriesHangUnderTheRootAndShowTheirList)
{
    Touch("SCREENRECORD/a.gif");
    Touch("SCREENRECORD/b.gif");
    Touch("Snapshot/shot1.png");
    Touch("Europe/SAMPLE/EN/SAMPLE_EN.pdf");
    Touch("Pro/KIT/EN/KIT_EN.pdf");
    auto dialog = Open();
    HWND tree = dialog->Tree();
    HTREEITEM root = TreeView_GetRoot(tree);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Text(tree, root), L"功能");
    EXPECT_EQ(Children(tree, root), (std::vector<std::wstring>{L"SCREENRECORD", L"Snapshot", L"Europe"}));
    EXPECT_EQ(Rows(dialog->List(0)), (std::vector<std::wstring>{L"b.gif", L"a.gif"}));
    EXPECT_EQ(Rows(dialog->List(4)), std::vector<std::wstring>{L"SAMPLE_EN.pdf"});
    EXPECT_EQ(dialog->Entries()[6].size(), 1u);  // gathered, but never in the tree
    for (size_t i = 0; i < CProductdataScan::kKindCount; ++i)
        EXPECT_FALSE(Shown(dialog->List(i))) << i;

    HTREEITEM europe = TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, TreeView_GetChild(tree, root)));
    TreeView_SelectItem(tree, europe);
    EXPECT_EQ(dialog->CurrentKind(), 4);
    EXPECT_TRUE(Shown(dialog->List(4)));
    EXPECT_FALSE(Shown(dialog->List(0)));
    TreeView_SelectItem(tree, root);  // the root shows nothing new
    EXPECT_EQ(dialog->CurrentKind(), 4);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(dialog->List(0), GWL_STYLE)) & 0xFFFF, 0x0029u);

    // A picture for a person to look at: the browser over the frame, Europe chosen.
    SetWindowPos(dialog->Handle(), HWND_TOP, 0, 0, 640, 480, SWP_SHOWWINDOW);
    RedrawWindow(frame->Handle(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_INVALIDATE);
    const std::wstring saved = SaveFrameSnapshot(frame->Handle());
    ASSERT_FALSE(saved.empty());
    const fs::path screenshots = BuildProgramFolder().parent_path().parent_path() / "screenshots";
    fs::create_directories(screenshots);
    fs::copy_file(saved, screenshots / "product-data.png", fs::copy_options::overwrite_existing);
}

TEST_F(ProductdataDlgTest, AnEmptyProgramFolderGivesTheRootAlone)
{
    auto dialog = Open();
    HTREEITEM root = TreeView_GetRoot(dialog->Tree());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(TreeView_GetChild(dialog->Tree(), root), nullptr);
}

}  // namespace
