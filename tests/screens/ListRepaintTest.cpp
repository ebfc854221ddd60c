// The screens that build their list on a timer, 10 ms after the request: a paint that comes first
// (the screen switch, an expose) must not show the previous request's list.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "DtcView.h"
#include "ScreenFixture.h"
#include "VerView.h"

namespace {

struct LIST_SCREEN {
    const char* name;
    int viewId;
    uint8_t command;
    UINT_PTR buildTimer;
    std::string first;   // payload of a list with wide texts in its first row
    std::string second;  // payload of the next list
    int otherViewId;     // a screen the user may see between the two lists
};

void PrintTo(const LIST_SCREEN& c, std::ostream* out) { *out << c.name; }

std::string Count(uint16_t count) { return {static_cast<char>(count >> 8), static_cast<char>(count)}; }

const std::string kWide = "WWWWWWWWWWWW";

class ListRepaintTest : public ScreenTest, public ::testing::WithParamInterface<std::pair<LIST_SCREEN, bool>> {
protected:
    const LIST_SCREEN& Screen() const { return GetParam().first; }
    bool ViaOtherScreen() const { return GetParam().second; }
    CDiagView& View() { return *static_cast<CDiagView*>(frame->View(Screen().viewId)); }
    HWND EngineWindow() { return View().Engine()->Window(); }

    // Writes a request from byte 3 on (the trouble codes' option byte) and sends it.
    void SendList(const std::string& payload)
    {
        const std::string bytes = std::string{0, 0, static_cast<char>(Screen().command)} + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
    }
    void Build() { View().SendMsg(WM_TIMER, Screen().buildTimer, 0); }
    // Paints the screen and its table now, as Windows does when the screen comes up, without
    // letting the build timer run.
    void PaintNow()
    {
        RedrawWindow(View().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        UpdateWindow(EngineWindow());
    }
    // Pixels of `area` of the table's window that differ from `background`.
    int InkIn(const RECT& area, COLORREF background)
    {
        const HDC dc = GetDC(EngineWindow());
        int ink = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                ink += GetPixel(dc, x, y) != background ? 1 : 0;
        ReleaseDC(EngineWindow(), dc);
        return ink;
    }
    // The first row's first cell and the first column's header, inside their lines.
    RECT FirstCell()
    {
        const auto bottoms = View().Engine()->RowBottoms();
        EXPECT_FALSE(bottoms.empty());
        return RECT{6, kHeaderHeight + 4, View().Engine()->GetColumnWidth(0) - 6, bottoms.empty() ? 0 : bottoms[0] - 4};
    }
    RECT FirstHeader() { return RECT{6, 4, View().Engine()->GetColumnWidth(0) - 6, kHeaderHeight - 4}; }

    static constexpr int kHeaderHeight = 37;
    static constexpr COLORREF kBody = RGB(0xFF, 0xFF, 0xFF);
    static constexpr COLORREF kHeaderBand = RGB(0xA5, 0xA5, 0xA5);
};

TEST_P(ListRepaintTest, APaintBeforeTheNewListIsBuiltShowsNothingOfThePreviousOne)
{
    SendList(Screen().first);
    Build();
    PaintNow();
    const RECT cell = FirstCell();
    const RECT header = FirstHeader();
    ASSERT_GT(InkIn(cell, kBody), 0) << "the first list is drawn";
    const bool ownHeader = Screen().viewId == CDtcView::kViewId;  // the version list's header is its own
    if (ownHeader)
        ASSERT_GT(InkIn(header, kHeaderBand), 0);
    frame->SendMsg(WM_COMMAND, 3001);
    ASSERT_TRUE(TokenFree()) << "answered";

    if (ViaOtherScreen())
        frame->SwitchView(Screen().otherViewId, 1);
    SendList(Screen().second);
    PaintNow();
    EXPECT_EQ(InkIn(cell, kBody), 0) << "the previous list's first row";
    if (ownHeader)
        EXPECT_EQ(InkIn(header, kHeaderBand), 0) << "the previous list's header";
    KeepSnapshot(L"list-repaint-" + std::wstring(Screen().name, Screen().name + std::strlen(Screen().name)) + L".png");

    Build();
    PaintNow();
    EXPECT_GT(InkIn(cell, kBody), 0) << "the new list";
    frame->SendMsg(WM_COMMAND, 3001);
}

const LIST_SCREEN kScreens[] = {
    {"TroubleCodes", CDtcView::kViewId, 10, CDtcView::kBuildTimer,
     std::string{static_cast<char>(0x80)} + Count(2) + "T" + '\0' + kWide + '\0' + kWide + '\0' + kWide + '\0' + "C2" +
         '\0' + "D2" + '\0' + '\0',
     std::string{static_cast<char>(0x80)} + Count(1) + "T" + '\0' + kWide + '\0' + "D9" + '\0' + '\0', CVerView::kViewId},
    {"VersionList", CVerView::kViewId, 50, CVerView::kDrawTimer,
     std::string{'\0'} + Count(2) + "T" + '\0' + kWide + '\0' + kWide + '\0' + "n2" + '\0' + "v2" + '\0',
     std::string{'\0'} + Count(2) + "T" + '\0' + kWide + '\0' + "v1" + '\0' + "n2" + '\0' + "v2" + '\0',
     CDtcView::kViewId},
};

INSTANTIATE_TEST_SUITE_P(Screens, ListRepaintTest,
                         ::testing::Values(std::pair{kScreens[0], false}, std::pair{kScreens[0], true},
                                           std::pair{kScreens[1], false}, std::pair{kScreens[1], true}),
                         [](const auto& c) {
                             return std::string(c.param.first.name) + (c.param.second ? "ViaAnotherScreen" : "Directly");
                         });

}  // namespace
