#include "ScreenFixture.h"

#include "MsgView.h"
#include "RepairInfoView.h"

namespace {

constexpr uint8_t kMessage = 60;

class MsgViewTest : public ScreenTest {
protected:
    void SendMessageBox(uint16_t typeWord, const std::string& text, const std::string& title = "")
    {
        Send(kMessage, std::string{static_cast<char>(typeWord >> 8), static_cast<char>(typeWord)} + text + '\0' +
                           title + '\0');
    }
    CMsgView& Screen() { return *static_cast<CMsgView*>(frame->View(CMsgView::kViewId)); }
    CBmpBtn* Key(int index) { return frame->ButtonBar().GetButton(CMsgView::kFirstKeyId + index); }
    void Press(int index) { Screen().SendMsg(WM_COMMAND, static_cast<WPARAM>(CMsgView::kFirstKeyId + index)); }
};

TEST_F(MsgViewTest, YesNoBoxWithPrintAndHelpWaitsForItsKey)
{
    SendMessageBox(0x00C4, "Erase the codes?");
    ASSERT_EQ(frame->CurrentViewId(), CMsgView::kViewId);
    EXPECT_FALSE(TokenFree()) << "the box keeps the turn until a key answers";
    const wchar_t* captions[] = {L"Yes", L"No", L"Print", L"Help"};
    RECT previous = {};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(Key(i), nullptr);
        EXPECT_TRUE(Key(i)->IsVisible()) << i;
        EXPECT_EQ(Key(i)->GetText(), captions[i]);
        const RECT place = Key(i)->WindowRect();
        if (i > 0) {
            EXPECT_GT(place.left, previous.right) << "side by side, in key order";
        }
        previous = place;
    }
    EXPECT_FALSE(Key(4)->IsVisible());
    // The four keys sit in the middle of the row.
    const RECT row = frame->ButtonBar().WindowRect();
    const int leftRoom = Key(0)->WindowRect().left - row.left;
    const int rightRoom = row.right - Key(3)->WindowRect().right;
    EXPECT_LE(std::abs(leftRoom - rightRoom), 1);
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Prompt message");

    Press(2);  // Print, then Help: neither answers
    Press(3);
    EXPECT_FALSE(TokenFree());
    Press(0);
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 3));
    std::memset(block, 0x5A, 8);  // the diagnostic program's next bytes
    Press(1);                     // a late key: nothing written, no second turn
    EXPECT_EQ(block[1], 0x5A);
    ReturnTurn();
    EXPECT_TRUE(TokenFree());
}

TEST_F(MsgViewTest, NoOnTheSecondKeyRestoresTheMenuPathBeforeItAnswers)
{
    frame->RepairInfoView().OnMenuItemChosen({L"Engine", L"ABS"}, 1);
    frame->RepairInfoView().PopLevel();
    ASSERT_EQ(frame->RepairInfoView().GetNodePath(), L"");

    SendMessageBox(0x0004, "Continue?", "Codes");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Codes");
    Press(1);
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 4));
    EXPECT_EQ(frame->RepairInfoView().GetNodePath(), L"ABS");
    ReturnTurn();
}

TEST_F(MsgViewTest, PolledBoxesAnswerAtOnceWithWhatTheUserPressed)
{
    SendMessageBox(0x0001, "Ready");
    Press(0);
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 1));
    ReturnTurn();

    SendMessageBox(0x0009, "Press OK when the engine runs");
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 0)) << "answered at once";
    ReturnTurn();
    EXPECT_TRUE(Key(0)->IsVisible());
    EXPECT_EQ(Key(0)->GetText(), L"OK");
    Press(0);
    EXPECT_FALSE(Key(0)->IsEnabled()) << "one press until the next request";
    SendMessageBox(0x0009, "Press OK when the engine runs");
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 1));
    ReturnTurn();
    EXPECT_TRUE(Key(0)->IsEnabled());
}

TEST_F(MsgViewTest, BoxesNoKeyCanAnswerAreAnsweredAtOnce)
{
    for (uint16_t typeWord : {uint16_t{0x0000}, uint16_t{0x0033}}) {
        SendMessageBox(typeWord, "Reading\nplease wait", "Status");
        EXPECT_EQ(TakeAnswer(5), KeyAnswer(kMessage, 0)) << typeWord;
        ReturnTurn();
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(Key(i)->IsVisible()) << typeWord << " key " << i;
    }
    EXPECT_EQ(Screen().MessageText(), L"Reading\r\nplease wait");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Status");
}

TEST_F(MsgViewTest, ALongMessageScrollsFromItsTop)
{
    std::string text;
    for (int line = 0; line < 200; ++line)
        text += "line " + std::to_string(line) + "\n";
    SendMessageBox(0x0001, text);
    EXPECT_GT(Screen().ScrollHeight(), Screen().ClientRect().bottom);
    EXPECT_EQ(GetScrollPos(Screen().Handle(), SB_VERT), 0);
    Screen().SendMsg(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_GT(GetScrollPos(Screen().Handle(), SB_VERT), 0);
    Press(0);
    TakeAnswer(5);
    ReturnTurn();
    SendMessageBox(0x0001, "short");
    EXPECT_EQ(GetScrollPos(Screen().Handle(), SB_VERT), 0);
    Press(0);
    TakeAnswer(5);
    ReturnTurn();
}

}  // namespace
