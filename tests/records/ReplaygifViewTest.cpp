// The replay of screen recordings in the frame: the list newest name first and its rows as it draws
// them, the player's buttons by position in the list, their appearance at the animation's last
// frame, the hint of the left strip, scrolling a recording larger than the page, and stepping on.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "../frame/FrameFixture.h"
#include "BmpBtn.h"
#include "DataRecordView.h"
#include "GifEncoder.h"
#include "ReplaygifView.h"
#include "ScopedWin.h"
#include "StringFile.h"
#include "StringResources.h"

namespace fs = std::filesystem;

namespace {

constexpr COLORREF kChosenRow = RGB(0xFA, 0x7D, 0x00);
constexpr COLORREF kCornerMark = RGB(0xFF, 0x00, 0x00);

class ReplaygifViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        m_savedLanguage = ResGetLanguageCode();
        const TAG_STRING_RESOURCE_ITEM texts[] = {{0x20000172, L"Screen recordings"},
                                                  {0x20000174, L"Back to the list"}};
        fs::create_directories(programFolder.Path() / "SysString");
        ASSERT_TRUE(WriteStringFile(programFolder.Path() / "SysString" / "STRRES.EN", texts));
        ResSetLanguageCode(L"EN");
        ASSERT_EQ(ResLoadStringFile(), 1);
    }
    void TearDown() override
    {
        MainFrameTest::TearDown();
        ResFreeStrings();
        ResSetLanguageCode(m_savedLanguage);
    }

    void WriteRecording(const std::string& name, const std::vector<uint8_t>& picture)
    {
        const fs::path folder = programFolder.Path() / "SCREENRECORD";
        fs::create_directories(folder);
        std::ofstream(folder / (name + ".gif"), std::ios::binary)
            .write(reinterpret_cast<const char*>(picture.data()), static_cast<std::streamsize>(picture.size()));
    }
    void WriteRecording(const std::string& name)
    {
        WriteRecording(name, EncodeColourCycleGif(32, 24, {0xFF0000, 0x00FF00, 0x0000FF}, 5));
    }

    // A grey recording of two frames, larger than any page, whose bottom-right corner is marked.
    static std::vector<uint8_t> MarkedCornerGif(uint16_t width, uint16_t height)
    {
        constexpr uint16_t kMark = 6;
        GIF_FRAME frame;
        frame.pixels.assign(size_t{width} * height, 1);
        for (uint16_t y = height - kMark; y < height; ++y)
            for (uint16_t x = width - kMark; x < width; ++x)
                frame.pixels[size_t{y} * width + x] = 2;
        frame.delay = 5;
        return EncodeAnimatedGif(width, height, {0x000000, 0x808080, 0xFF0000}, {frame, frame});
    }

    CReplaygifView* ShowReplay(std::vector<std::wstring> names)
    {
        auto* view = dynamic_cast<CReplaygifView*>(frame->View(CReplaygifView::kViewId));
        if (!view)
            return nullptr;
        view->SetRecordings(std::move(names));
        frame->SwitchView(CReplaygifView::kViewId, SW_SHOW);
        return view;
    }

    // Pumps messages until `done` holds; bounded so a stuck player fails instead of hanging.
    template <typename Done>
    void PumpUntil(Done done)
    {
        const ULONGLONG giveUp = GetTickCount64() + 20000;
        while (!done() && GetTickCount64() < giveUp) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
    }

    static std::wstring ItemText(HWND list, int index)
    {
        wchar_t text[64] = {};
        ListView_GetItemText(list, index, 0, text, static_cast<int>(std::size(text)));
        return text;
    }

    // Opens the player on `index` and waits until its animation reached the last frame.
    CReplaygifDlg* PlayToTheEnd(CReplaygifView& view, int index)
    {
        view.OpenPlayer(index);
        CReplaygifDlg* player = view.Player();
        if (player)
            PumpUntil([&] { return player->ButtonsShown(); });
        return player;
    }

    // The colour a window shows at a point of its client area, read from the visible child that
    // lies there (the player's picture) when there is one.
    static COLORREF ScreenPixel(HWND window, POINT point)
    {
        if (HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE); child && child != window) {
            MapWindowPoints(window, child, &point, 1);
            window = child;
        }
        CClientDc dc(window);
        return GetPixel(dc.Get(), point.x, point.y);
    }

    std::wstring m_savedLanguage;
};

TEST_F(ReplaygifViewTest, RecordingsAreListedNewestNameFirst)
{
    CReplaygifView* view = ShowReplay({L"REC2", L"REC3", L"REC1"});
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(ListView_GetItemCount(view->List()), 3);
    EXPECT_EQ(ItemText(view->List(), 0), L"REC3");
    EXPECT_EQ(ItemText(view->List(), 1), L"REC2");
    EXPECT_EQ(ItemText(view->List(), 2), L"REC1");
}

// Reached from the recording page's list command, as the user does: the page's own item replaces
// the recording page's on the middle-left bar.
TEST_F(ReplaygifViewTest, ThePageHasItsItemOnTheMiddleLeftBar)
{
    frame->SwitchView(CDataRecordView::kViewId, SW_SHOW);
    ASSERT_NE(ShowReplay({L"REC1"}), nullptr);
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    ASSERT_EQ(bar.GetItemCount(), 1);
    EXPECT_EQ(bar.GetItem(0).name, L"Screen recordings");
    ASSERT_NE(bar.GetButton(0), nullptr);
    EXPECT_TRUE(IsWindowVisible(bar.GetButton(0)->Handle()));
    KeepSnapshot(L"replay-gif-list.png");
}

TEST_F(ReplaygifViewTest, TheEdgeStripClosesTheListOffAndLinesTheRightEdge)
{
    CReplaygifView* view = ShowReplay({L"REC1", L"REC2"});
    ASSERT_NE(view, nullptr);
    CScopedBitmap edge(LoadProgramBitmap(472));
    ASSERT_TRUE(edge);
    CMemoryDc source(nullptr);
    CSelectObject select(source.Get(), edge.Get());
    UpdateWindow(view->Handle());
    CClientDc dc(view->Handle());
    const RECT client = view->ClientRect();
    const int y = client.bottom / 2;
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(GetPixel(dc.Get(), 340 + column, y), GetPixel(source.Get(), column, 0)) << "beside the list, " << column;
    for (int column = 0; column < 2; ++column)
        EXPECT_EQ(GetPixel(dc.Get(), client.right - 2 + column, y), GetPixel(source.Get(), column, 0))
            << "at the right edge, " << column;
    EXPECT_EQ(GetPixel(dc.Get(), 400, y), RGB(255, 255, 255));
}

TEST_F(ReplaygifViewTest, LabelsAndListBoxesAreDrawnOnWhite)
{
    CReplaygifView* view = ShowReplay({L"REC1"});
    ASSERT_NE(view, nullptr);
    const HWND label = GetDlgItem(view->Handle(), 3012);
    ASSERT_NE(label, nullptr);
    for (const UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX}) {
        CMemoryDc dc(nullptr);
        SetBkColor(dc.Get(), RGB(0xC0, 0xC0, 0xC0));
        const LRESULT brush = view->SendMsg(message, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetStockObject(WHITE_BRUSH)) << std::hex << message;
        EXPECT_EQ(GetBkColor(dc.Get()), RGB(255, 255, 255)) << std::hex << message;
    }
}

TEST_F(ReplaygifViewTest, PlayerStepsThroughTheListWithItsButtonsShownAtTheLastFrame)
{
    WriteRecording("REC1");
    WriteRecording("REC2");
    CReplaygifView* view = ShowReplay({L"REC1", L"REC2"});
    ASSERT_NE(view, nullptr);

    view->OpenPlayer(0);
    CReplaygifDlg* player = view->Player();
    ASSERT_NE(player, nullptr);
    EXPECT_FALSE(IsWindowVisible(view->List()));
    EXPECT_EQ(player->Picture().FrameCount(), 3u);
    EXPECT_FALSE(player->Button(CReplaygifDlg::kPrevious)->IsEnabled());  // the first one
    EXPECT_TRUE(player->Button(CReplaygifDlg::kNext)->IsEnabled());
    EXPECT_FALSE(player->ButtonsShown());
    PumpUntil([&] { return player->ButtonsShown(); });
    EXPECT_TRUE(player->Button(CReplaygifDlg::kNext)->IsVisible());

    player->SendMsg(WM_COMMAND, MAKEWPARAM(CReplaygifDlg::kNext, BN_CLICKED),
                    reinterpret_cast<LPARAM>(player->Button(CReplaygifDlg::kNext)->Handle()));
    EXPECT_FALSE(player->IsVisible());  // hidden at once; the next one opens after a short wait
    PumpUntil([&] { return view->Player() && view->Player()->IsVisible(); });
    ASSERT_EQ(view->ChosenIndex(), 1);
    player = view->Player();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->Button(CReplaygifDlg::kPrevious)->IsEnabled());
    EXPECT_FALSE(player->Button(CReplaygifDlg::kNext)->IsEnabled());  // the last one

    // A click on the picture reaches the player, which shows or hides its buttons.
    RECT picture = player->Picture().WindowRect();
    const POINT centre = {(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
    const HWND clicked = WindowFromPoint(centre);
    ASSERT_EQ(clicked, player->Handle());
    const bool shown = player->ButtonsShown();
    POINT inPlayer = centre;
    ScreenToClient(clicked, &inPlayer);
    SendMessageW(clicked, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inPlayer.x, inPlayer.y));
    EXPECT_NE(player->ButtonsShown(), shown);

    player->SendMsg(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 100));  // the strip along the left edge
    PumpUntil([&] { return IsWindowVisible(view->List()) != FALSE; });
    EXPECT_TRUE(IsWindowVisible(view->List()));
    EXPECT_FALSE(player->IsVisible());
}

TEST_F(ReplaygifViewTest, RowsAreDrawnWithTheirMarkAndTheChosenOneInOrange)
{
    CReplaygifView* view = ShowReplay({L"REC1", L"REC2", L"REC3"});
    ASSERT_NE(view, nullptr);
    const HWND list = view->List();
    ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(frame->Handle());  // the chosen row stays marked when the list loses the focus
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    CScopedBitmap mark(LoadProgramBitmap(487));
    ASSERT_TRUE(mark);
    CMemoryDc source(nullptr);
    CSelectObject select(source.Get(), mark.Get());
    const struct {
        int row;
        COLORREF fill;
    } rows[] = {{0, RGB(255, 255, 255)}, {1, kChosenRow}, {2, RGB(255, 255, 255)}};
    for (const auto& row : rows) {
        RECT bounds = {};
        RECT icon = {};
        ASSERT_TRUE(ListView_GetItemRect(list, row.row, &bounds, LVIR_BOUNDS));
        ASSERT_TRUE(ListView_GetItemRect(list, row.row, &icon, LVIR_ICON));
        const int middle = (bounds.top + bounds.bottom) / 2;
        EXPECT_EQ(ScreenPixel(list, {bounds.right - 20, middle}), row.fill) << "row " << row.row;
        // The mark's own frame at the row's left, and the row's fill beside it where the mark's
        // cell is transparent.
        EXPECT_EQ(ScreenPixel(list, {icon.left + 3, icon.top + 16}), GetPixel(source.Get(), 3, 16)) << "row " << row.row;
        EXPECT_EQ(ScreenPixel(list, {icon.left + 37, icon.top + 16}), row.fill) << "row " << row.row;
        // The name, in black, a few pixels inside its cell.
        RECT label = {};
        ListView_GetSubItemRect(list, row.row, 0, LVIR_LABEL, &label);
        bool inked = false;
        for (int x = label.left + 5; x < label.left + 60 && !inked; ++x)
            for (int y = bounds.top; y < bounds.bottom && !inked; ++y)
                inked = ScreenPixel(list, {x, y}) == RGB(0, 0, 0);
        EXPECT_TRUE(inked) << "row " << row.row;
    }
}

TEST_F(ReplaygifViewTest, ARecordingLargerThanThePageScrollsToItsLastRowAndColumn)
{
    WriteRecording("REC1", MarkedCornerGif(1500, 1100));
    CReplaygifView* view = ShowReplay({L"REC1"});
    ASSERT_NE(view, nullptr);
    CReplaygifDlg* player = PlayToTheEnd(*view, 0);
    ASSERT_NE(player, nullptr);
    ASSERT_EQ(player->Picture().GetSize().cx, 1500);

    const RECT client = player->ClientRect();
    const POINT corner = {client.right - 1, client.bottom - 1};
    UpdateWindow(player->Handle());
    EXPECT_NE(ScreenPixel(player->Handle(), corner), kCornerMark);
    for (const int bar : {SB_VERT, SB_HORZ}) {
        const UINT message = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        for (int step = 0; step < 100; ++step) {  // page on until the bar no longer moves
            const int before = GetScrollPos(player->Handle(), bar);
            player->SendMsg(message, SB_PAGEDOWN, 0);
            if (GetScrollPos(player->Handle(), bar) == before)
                break;
        }
    }
    RedrawWindow(player->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(ScreenPixel(player->Handle(), corner), kCornerMark);
    KeepSnapshot(L"replay-gif-player-scrolled.png");
    // ... and no further: the pixel beyond the mark's far edge is not the picture's.
    RECT picture = player->Picture().WindowRect();
    MapWindowPoints(nullptr, player->Handle(), reinterpret_cast<POINT*>(&picture), 2);
    EXPECT_GE(picture.right, client.right);
    EXPECT_GE(picture.bottom, client.bottom);
    EXPECT_LE(picture.right - client.right, 6);
    EXPECT_LE(picture.bottom - client.bottom, 6);

    // Back up by lines and by the thumb: positions stay within the range.
    player->SendMsg(WM_VSCROLL, SB_LINEUP, 0);
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(player->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, info.nMax - static_cast<int>(info.nPage));
    player->SendMsg(WM_VSCROLL, SB_PAGEUP, 0);
    player->SendMsg(WM_VSCROLL, SB_PAGEUP, 0);
    player->SendMsg(WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(GetScrollPos(player->Handle(), SB_VERT), 0);
    RECT back = player->Picture().WindowRect();
    MapWindowPoints(nullptr, player->Handle(), reinterpret_cast<POINT*>(&back), 2);
    EXPECT_EQ(back.top, 0);
}

TEST_F(ReplaygifViewTest, ButtonsAppearAtTheLastFrameAndAClickHidesThem)
{
    WriteRecording("REC1");
    WriteRecording("REC2");
    WriteRecording("REC3");
    CReplaygifView* view = ShowReplay({L"REC1", L"REC2", L"REC3"});
    ASSERT_NE(view, nullptr);
    view->OpenPlayer(1);
    CReplaygifDlg* player = view->Player();
    ASSERT_NE(player, nullptr);
    const int ids[] = {CReplaygifDlg::kPrevious, CReplaygifDlg::kCentre, CReplaygifDlg::kNext};
    for (const int id : ids) {
        ASSERT_NE(player->Button(id), nullptr) << id;
        EXPECT_FALSE(player->Button(id)->IsVisible()) << id;
    }
    EXPECT_FALSE(player->Button(CReplaygifDlg::kCentre)->IsEnabled());
    PumpUntil([&] { return player->ButtonsShown(); });
    for (const int id : ids)
        EXPECT_TRUE(player->Button(id)->IsVisible()) << id;

    // Centred in a row: previous, centre and next, each as large as the centre face, 50 apart.
    const SIZE face = ProgramBitmapSize(496);
    const RECT client = player->ClientRect();
    RECT places[3] = {};
    for (int i = 0; i < 3; ++i) {
        places[i] = player->Button(ids[i])->WindowRect();
        MapWindowPoints(nullptr, player->Handle(), reinterpret_cast<POINT*>(&places[i]), 2);
        EXPECT_EQ(places[i].right - places[i].left, face.cx) << ids[i];
        EXPECT_EQ(places[i].top, (client.bottom - face.cy) / 2) << ids[i];
    }
    EXPECT_EQ(places[1].left, (client.right - face.cx) / 2);
    EXPECT_EQ(places[1].left - places[0].left, face.cx + 50);
    EXPECT_EQ(places[2].left - places[1].left, face.cx + 50);
    KeepSnapshot(L"replay-gif-player.png");

    player->SendMsg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 3, client.bottom / 4));
    for (const int id : ids)
        EXPECT_FALSE(player->Button(id)->IsVisible()) << id;
}

TEST_F(ReplaygifViewTest, TheHintShowsBesideThePointerInTheLeftStripOnly)
{
    WriteRecording("REC1");
    CReplaygifView* view = ShowReplay({L"REC1"});
    ASSERT_NE(view, nullptr);
    view->OpenPlayer(0);
    CReplaygifDlg* player = view->Player();
    ASSERT_NE(player, nullptr);
    const HWND hint = player->Hint();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(GetDlgCtrlID(hint), 3012);
    EXPECT_FALSE(IsWindowVisible(hint));
    wchar_t text[64] = {};
    GetWindowTextW(hint, text, 64);
    EXPECT_STREQ(text, L"Back to the list");

    const struct {
        int x;
        bool shown;
    } moves[] = {{3, true}, {7, true}, {8, false}, {300, false}, {0, true}};
    for (const auto& move : moves) {
        player->SendMsg(WM_MOUSEMOVE, 0, MAKELPARAM(move.x, 120));
        EXPECT_EQ(IsWindowVisible(hint) != FALSE, move.shown) << move.x;
        if (!move.shown)
            continue;
        RECT place = {};
        GetWindowRect(hint, &place);
        MapWindowPoints(nullptr, player->Handle(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, move.x + 20);
        EXPECT_EQ(place.top, 120);
        EXPECT_GT(place.right - place.left, 15);  // sized to its text
    }
}

// A recording that is not a picture, is cut short, or is too large to decode: the player opens on
// an empty page with its scroll ranges within bounds, and the way back to the list still works.
TEST_F(ReplaygifViewTest, ABadRecordingOpensAnEmptyPlayer)
{
    std::vector<uint8_t> cut = EncodeColourCycleGif(64, 48, {0xFF0000, 0x00FF00}, 5);
    cut.resize(cut.size() / 2);
    std::vector<uint8_t> huge = EncodeColourCycleGif(8, 8, {0xFF0000}, 5);
    huge[6] = huge[7] = huge[8] = huge[9] = 0xFF;  // a logical screen of 65535 x 65535
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> recordings = {
        {"REC1", {'n', 'o', 't', ' ', 'a', ' ', 'g', 'i', 'f'}}, {"REC2", cut}, {"REC3", huge}, {"REC4", {}}};
    std::vector<std::wstring> names;
    for (const auto& [name, bytes] : recordings) {
        WriteRecording(name, bytes);
        names.push_back(fs::path(name).wstring());
    }
    CReplaygifView* view = ShowReplay(names);
    ASSERT_NE(view, nullptr);
    for (int index = 0; index < static_cast<int>(names.size()); ++index) {
        view->OpenPlayer(index);
        CReplaygifDlg* player = view->Player();
        ASSERT_NE(player, nullptr) << index;
        EXPECT_TRUE(player->IsVisible()) << index;
        for (const int bar : {SB_VERT, SB_HORZ}) {
            player->SendMsg(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, SB_PAGEDOWN, 0);
            SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
            GetScrollInfo(player->Handle(), bar, &info);
            EXPECT_GE(info.nPos, 0) << index;
            EXPECT_LE(info.nMax, 65536) << index;
        }
        player->SendMsg(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 100));
        PumpUntil([&] { return IsWindowVisible(view->List()) != FALSE; });
        EXPECT_TRUE(IsWindowVisible(view->List())) << index;
    }
}

}  // namespace
