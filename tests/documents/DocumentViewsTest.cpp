#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <string>

#include "../frame/FrameFixture.h"
#include "MShowView.h"
#include "ManualView.h"
#include "PdfReader.h"
#include "ProgramRun.h"
#include "ScopedWin.h"

namespace {

namespace fs = std::filesystem;

std::string Narrow(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

// A program folder with the stand-in reader installed; every reader a test leaves is closed.
class DocumentViewsTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        ResSetLanguageCode(L"EN");
        fs::create_directories(programFolder.Path() / "tools" / "PDF");
        fs::copy_file(BuildProgramFolder() / "PDFReader.exe", programFolder.Path() / "tools" / "PDF" / "PDFReader.exe");
    }
    void TearDown() override
    {
        while (HWND reader = FindWindowW(nullptr, L"PDFReader")) {
            SendReaderControl(reader, 6, 1);
            if (::IsWindow(reader))
                break;  // not one of ours: leave it
        }
        g_hManualReader = nullptr;
        g_hDocumentReader = nullptr;
        MainFrameTest::TearDown();
    }

    void AddFile(const fs::path& relative)
    {
        fs::create_directories((programFolder.Path() / relative).parent_path());
        std::ofstream(programFolder.Path() / relative) << "%PDF";
    }
    std::string ReaderLog() const
    {
        const fs::path log = programFolder.Path() / "tools" / "PDF" / "pdfreader.log";
        return fs::exists(log) ? ReadFileBytes(log) : std::string();
    }
    // The log from the line after the last "text ..." line that names the document onwards.
    std::string LogAfterOpening() const
    {
        const std::string log = ReaderLog();
        const size_t document = log.rfind(".pdf\n");
        return document == std::string::npos ? log : log.substr(document + 5);
    }
    CManualView& ShowManuals()
    {
        frame->SwitchView(286, 1);  // the view is made anew only when it is switched to
        frame->SwitchView(CManualView::kViewId, 1);
        return *static_cast<CManualView*>(frame->View(CManualView::kViewId));
    }
    static std::vector<std::wstring> Names(const DOCUMENT_GROUP& group)
    {
        std::vector<std::wstring> names;
        for (const DocumentEntry& entry : group.entries)
            names.push_back(entry.strName);
        return names;
    }
    // Marks row `row` of a list as the user's click would, and delivers the click.
    static void ClickRow(CDocumentPanelDlg& panel, int listId, int row)
    {
        HWND list = GetDlgItem(panel.Handle(), listId);
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetSelectionMark(list, row);
        NMHDR header = {list, static_cast<UINT_PTR>(listId), static_cast<UINT>(NM_CLICK)};
        SendMessageW(panel.Handle(), WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&header));
    }
    void Notify(int code, int value) { SendMessageW(frame->Handle(), ReaderControlMessage, code, value); }
    // The panel of a list may be hidden itself; this asks about the list alone.
    static bool Shown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }
    static std::wstring RowText(HWND list, int row)
    {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(list, row, 0, text, MAX_PATH);
        return text;
    }
};

TEST_F(DocumentViewsTest, LibraryListsTheCurrentLanguagesDocumentsByRegion)
{
    AddFile("scan/Europe/Sample/EN/Sample_EN.pdf");
    AddFile("scan/Europe/Lower/en/Lower_en.pdf");       // the language folder is matched exactly
    AddFile("scan/Europe/Missing/EN/readme.txt");       // no document in it
    AddFile("scan/Asia/Multi/EN/MULTI_EN.pdf");
    AddFile("scan/Asia/Multi/DE/MULTI_DE.pdf");          // another language: one entry only
    AddFile("scan/Asia/Alpha/EN/ALPHA_EN.pdf");
    AddFile("scan/Pro/Tool/EN/TOOL_EN.pdf");
    CDiagnosedataDlg& library = *ShowManuals().LibraryPanel();

    const auto& groups = library.Groups();
    ASSERT_EQ(groups.size(), 7u);
    EXPECT_EQ(Names(groups[4]), std::vector<std::wstring>{L"SAMPLE_EN"});
    const std::wstring expected = ResGetAppDir() + L"scan\\EUROPE\\SAMPLE\\EN\\SAMPLE_EN.pdf";
    EXPECT_EQ(groups[4].entries.at(0).strPath, expected);
    EXPECT_EQ(groups[4].entries.at(0).strFileName, L"SAMPLE_EN.pdf");
    EXPECT_EQ(groups[1].entries.size(), 2u);
    EXPECT_EQ(Names(groups[6]), std::vector<std::wstring>{L"TOOL_EN"});
    EXPECT_TRUE(groups[0].entries.empty());

    // The rows of a list run down by name; regions with documents hang under their roots.
    HWND asia = GetDlgItem(library.Handle(), 3013);
    EXPECT_EQ(RowText(asia, 0), L"MULTI_EN");
    EXPECT_EQ(RowText(asia, 1), L"ALPHA_EN");
    HWND tree = GetDlgItem(library.Handle(), CDocumentPanelDlg::kTreeId);
    EXPECT_EQ(TreeView_GetCount(tree), 5u) << "DSS, ASIA, EUROPE, ESS, PRO";

    library.ShowGroup(L"EUROPE");
    EXPECT_TRUE(Shown(GetDlgItem(library.Handle(), 3016)));
    EXPECT_FALSE(Shown(asia));
    EXPECT_EQ(library.CurrentGroup(), 4);
    library.ShowGroup(L"ESS");
    EXPECT_FALSE(Shown(GetDlgItem(library.Handle(), 3016))) << "a root without children matches nothing";
}

TEST_F(DocumentViewsTest, ChosenRowIsDrawnInTheHighlight)
{
    AddFile("scan/Europe/Sample/EN/Sample_EN.pdf");
    CManualView& view = ShowManuals();
    frame->MiddleLeftBar().SetCurrentItem(1);
    view.ShowPanels();
    view.LibraryPanel()->ShowGroup(L"EUROPE");
    HWND list = GetDlgItem(view.LibraryPanel()->Handle(), 3016);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    RECT row = {};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    CClientDc dc(list);
    EXPECT_EQ(GetPixel(dc.Get(), row.right - 3, row.top + 2), RGB(250, 125, 0));
    EXPECT_EQ(GetPixel(dc.Get(), row.right - 3, row.bottom - 1), RGB(1, 67, 101)) << "the rule under the row";
}

TEST_F(DocumentViewsTest, UserManualTakesTheFirstDocumentOfATopic)
{
    AddFile("MANUAL/Settings/Guide.2015.pdf");
    CUserManualDlg& manual = *ShowManuals().ManualPanel();
    const auto& groups = manual.Groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(Names(groups[0]), std::vector<std::wstring>{L"Guide"});
    EXPECT_TRUE(groups[1].entries.empty());
    EXPECT_EQ(RowText(GetDlgItem(manual.Handle(), 3013), 0), L"Guide");
    HWND tree = GetDlgItem(manual.Handle(), CDocumentPanelDlg::kTreeId);
    EXPECT_EQ(TreeView_GetCount(tree), 2u) << "USER MANUAL and Settings";
}

TEST_F(DocumentViewsTest, TabsFollowTheLanguage)
{
    for (const auto& [language, tabs] : {std::pair{L"CN", 1}, {L"DE", 1}, {L"EN", 1}}) {
        ResSetLanguageCode(language);
        ShowManuals();
        EXPECT_EQ(frame->MiddleLeftBar().GetItemCount(), tabs) << language;
    }
    g_VehicleList.push_back(std::make_unique<VEHICLE_LIST_ITEM>());
    for (const auto& [language, tabs] : {std::pair{L"DE", 1}, {L"EN", 2}}) {
        ResSetLanguageCode(language);
        ShowManuals();
        EXPECT_EQ(frame->MiddleLeftBar().GetItemCount(), tabs) << language << " with vehicle software";
    }
    EXPECT_EQ(frame->MiddleLeftBar().GetItem(1).name, L"Code Coverage");
}

TEST_F(DocumentViewsTest, OpenedDocumentIsEmbeddedAndTakesKeysUntilTheViewIsLeft)
{
    AddFile("scan/Europe/Sample/EN/Sample_EN.pdf");
    CManualView& view = ShowManuals();
    frame->MiddleLeftBar().SetCurrentItem(1);
    view.ShowPanels();
    ClickRow(*view.LibraryPanel(), 3016, 0);

    const std::string document = Narrow(ResGetAppDir() + L"scan\\EUROPE\\SAMPLE\\EN\\SAMPLE_EN.pdf");
    EXPECT_EQ(ReaderLog(), "started\ntext " + Narrow(frame->GetText()) + "\ntext " + document + "\n");
    ASSERT_NE(g_hManualReader, nullptr);
    ASSERT_NE(view.Host(), nullptr);
    EXPECT_EQ(GetAncestor(g_hManualReader, GA_PARENT), view.Host()->Handle()) << "the reader is embedded in the host";
    EXPECT_FALSE(IsWindowVisible(view.LibraryPanel()->Handle()));
    EXPECT_EQ(view.PageCount(), 3) << "the reader reported its pages while taking the document";
    EXPECT_EQ(view.Host()->Scroll()->Maximum(), 3 * view.Host()->Scroll()->UnitsPerPage() +
                                                    view.Host()->Scroll()->PageSize() - 1);
    EXPECT_EQ(view.CommandEnableState(3002), false);
    EXPECT_EQ(view.CommandEnableState(3003), true);
    HWND host = view.Host()->Handle();
    RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);  // the page number is placed when painted
    RECT pageNumber = {}, client = {};
    GetWindowRect(GetDlgItem(host, 3013), &pageNumber);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&pageNumber), 2);
    GetClientRect(host, &client);
    EXPECT_LE(pageNumber.bottom, client.bottom) << "the page number lies whole inside the host";

    // Keys pressed in the reader come back through the frame and go out as reader commands.
    Notify(9, VK_DOWN);
    Notify(9, VK_PRIOR);  // on page 1: not a command
    Notify(9, VK_NEXT);
    Notify(1, 2);
    EXPECT_EQ(view.CommandEnableState(3002), true);
    EXPECT_EQ(view.CommandEnableState(3003), true);
    Notify(9, VK_PRIOR);
    Notify(8, 1);
    view.OnPageDown();
    EXPECT_EQ(LogAfterOpening(), "scroll down 1\npage down\npage up\nscroll up 1\npage down\n");

    // Back shows the list again with the reader alive; a second Back closes it and goes home.
    view.OnBack();
    EXPECT_TRUE(IsWindowVisible(view.LibraryPanel()->Handle()));
    EXPECT_FALSE(IsWindowVisible(view.Host()->Handle()));
    EXPECT_NE(g_hManualReader, nullptr);
    view.OnBack();
    EXPECT_EQ(g_hManualReader, nullptr);
    EXPECT_EQ(frame->CurrentViewId(), 286);
    EXPECT_NE(LogAfterOpening().find("close\n"), std::string::npos);
}

TEST_F(DocumentViewsTest, ASecondDocumentClosesTheFirstReader)
{
    AddFile("scan/Europe/Sample/EN/Sample_EN.pdf");
    AddFile("scan/Europe/Other/EN/Other_EN.pdf");
    CManualView& view = ShowManuals();
    ClickRow(*view.LibraryPanel(), 3016, 0);
    HWND first = g_hManualReader;
    view.ShowPanels();
    ClickRow(*view.LibraryPanel(), 3016, 1);
    EXPECT_NE(g_hManualReader, first);
    const std::string log = ReaderLog();
    const size_t close = log.find("close\n");
    ASSERT_NE(close, std::string::npos);
    EXPECT_EQ(log.find("started\n", close), log.rfind("started\n")) << "the old reader closed before the new one";
    EXPECT_NE(log.find("OTHER_EN.pdf\n", close), std::string::npos);
}

TEST_F(DocumentViewsTest, DocumentViewEmbedsItsReaderAndBackClosesIt)
{
    AddFile("help/Help_EN.pdf");
    ASSERT_TRUE(OpenDocumentInReader(ResGetAppDir() + L"help\\Help_EN.pdf", g_hDocumentReader, frame->Handle()));
    frame->SwitchView(CMShowView::kViewId, 1);
    auto& view = *static_cast<CMShowView*>(frame->View(CMShowView::kViewId));
    ASSERT_NE(view.Host(), nullptr);
    EXPECT_EQ(GetAncestor(g_hDocumentReader, GA_PARENT), view.Host()->Handle());
    Notify(9, VK_RIGHT);
    EXPECT_EQ(LogAfterOpening().substr(0, 12), "scroll down ");
    view.OnBack();
    EXPECT_EQ(g_hDocumentReader, nullptr);
    EXPECT_EQ(frame->CurrentViewId(), 136);
    EXPECT_NE(LogAfterOpening().find("close\n"), std::string::npos);
}

// A reader slow to close (here: one that ignores the close) keeps its window titled "PDFReader";
// the document must go to the reader the shell just started, not to the first window of that title.
TEST_F(DocumentViewsTest, TheDocumentGoesToTheReaderJustStarted)
{
    AddFile("help/Help_EN.pdf");
    HWND deaf = CreateWindowW(L"STATIC", L"PDFReader", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(deaf, nullptr);
    HWND reader = nullptr;
    ASSERT_TRUE(OpenDocumentInReader(ResGetAppDir() + L"help\\Help_EN.pdf", reader, frame->Handle()));
    EXPECT_NE(reader, deaf);
    DWORD owner = 0;
    GetWindowThreadProcessId(reader, &owner);
    EXPECT_NE(owner, GetCurrentProcessId());
    EXPECT_NE(ReaderLog().find("Help_EN.pdf\n"), std::string::npos);
    SendReaderControl(reader, 6, 1);
    DestroyWindow(deaf);
}

TEST_F(DocumentViewsTest, AReaderThatCannotStartIsReported)
{
    fs::remove(programFolder.Path() / "tools" / "PDF" / "PDFReader.exe");
    std::vector<std::wstring> boxes;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        boxes.push_back(box.text);
        return IDOK;
    });
    HWND reader = nullptr;
    EXPECT_FALSE(OpenDocumentInReader(L"C:\\none.pdf", reader, frame->Handle()));
    EXPECT_EQ(reader, nullptr);
    EXPECT_EQ(boxes, std::vector<std::wstring>{std::to_wstring(ERROR_FILE_NOT_FOUND)});
}

}  // namespace
