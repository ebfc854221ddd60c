#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "MenuView.h"
#include "RepairInfoView.h"
#include "ScreenFixture.h"

namespace {

class MenuViewTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        ResSetMakerName(L"");
    }

    // Writes a menu request and sends it as the diagnostic program does.
    void SendMenu(int16_t selection, uint16_t firstRow, const std::vector<std::string>& items)
    {
        std::string payload = {static_cast<char>(selection >> 8), static_cast<char>(selection),
                               static_cast<char>(firstRow >> 8), static_cast<char>(firstRow),
                               static_cast<char>(items.size() >> 8), static_cast<char>(items.size()), 0};
        for (const auto& item : items)
            payload += item + '\0';
        Send(0, payload);
    }

    CMenuView& Menu() { return *static_cast<CMenuView*>(frame->View(137)); }
};

TEST_F(MenuViewTest, ARequestHoldsTheTurnUntilOneAnswer)
{
    SendMenu(-1, 0, {"Engine", "ABS", "Airbag"});
    EXPECT_EQ(frame->CurrentViewId(), 137);
    EXPECT_FALSE(TokenFree()) << "the menu keeps the turn until the user answers";
    EXPECT_EQ(Menu().GetText(), L"Menu");

    Menu().ChooseRow(1);
    EXPECT_EQ(TakeAnswer(8), std::string("\x00\x08\x00\x00\x00\x01\x00\x00", 8));
    std::memset(block, 0x5A, 16);  // the diagnostic program's next bytes
    Menu().ChooseRow(2);           // a late click: no byte written, no second turn
    Menu().OnBack();
    EXPECT_EQ(block[0], 0x5A);
    EXPECT_EQ(block[5], 0x5A);
    ReturnTurn();
    EXPECT_TRUE(TokenFree());
    EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_TIMEOUT) << "the token never counts above 1";
    ReturnTurn();
}

TEST_F(MenuViewTest, ChoicesBuildTheMenuPathAndBackDropsALevel)
{
    frame->View(137);
    SendMenu(-1, 0, {"Engine", "ABS"});
    Menu().ChooseRow(0);
    TakeAnswer(8);
    ReturnTurn();
    SendMenu(-1, 0, {"Read codes", "Live data"});
    Menu().ChooseRow(1);
    const std::string answer = TakeAnswer(8 + 2 * 40);
    const std::u16string expected = u"MENU_CHOOSEDEngine->Live data";
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(static_cast<uint8_t>(answer[8 + 2 * i]), expected[i] & 0xFF) << i;
    EXPECT_EQ(frame->TopGuide().PathText(), L">>Engine->Live data");
    ReturnTurn();

    SendMenu(-1, 0, {"Read codes", "Live data"});  // the same menu again: its level goes
    EXPECT_EQ(frame->RepairInfoView().GetNodePath(), L"Engine");
    Menu().OnBack();
    EXPECT_EQ(TakeAnswer(8), std::string("\x00\x08\x00\x00\xFF\xFF\x00\x00", 8));
    EXPECT_EQ(frame->RepairInfoView().GetNodePath(), L"");
    ReturnTurn();
}

TEST_F(MenuViewTest, RequestsWithoutABlockOrForOtherScreensGiveTheTurnBack)
{
    block[2] = 5;  // no screen has this code
    frame->SendMsg(WM_APP + 0x6EF);
    EXPECT_TRUE(TokenFree());
}

}  // namespace
