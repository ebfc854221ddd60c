// The replay of screen recordings in the frame: the list newest name first, the player's buttons
// by position in the list, their appearance at the animation's last frame, and stepping on.
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

namespace fs = std::filesystem;

namespace {

class ReplaygifViewTest : public MainFrameTest {
protected:
    void WriteRecording(const std::string& name)
    {
        const fs::path folder = programFolder.Path() / "SCREENRECORD";
        fs::create_directories(folder);
        const std::vector<uint8_t> picture = EncodeColourCycleGif(32, 24, {0xFF0000, 0x00FF00, 0x0000FF}, 5);
        std::ofstream(folder / (name + ".gif"), std::ios::binary)
            .write(reinterpret_cast<const char*>(picture.data()), static_cast<std::streamsize>(picture.size()));
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

}  // namespace
