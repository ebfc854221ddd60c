#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "Application.h"
#include "ModalSeam.h"
#include "PopMsgDlg.h"
#include "ScopedWin.h"
#include "Window.h"

namespace {

// A push button that handles its own notifications.
class CSelfHandlingButton : public CWindow {
public:
    bool handleClicks = true;
    int clicks = 0;
    int draws = 0;

protected:
    bool OnReflectedCommand(int code) override
    {
        if (code != BN_CLICKED || !handleClicks)
            return false;
        ++clicks;
        return true;
    }
    bool OnDrawItem(const DRAWITEMSTRUCT&) override
    {
        ++draws;
        return true;
    }
};

class CParentWindow : public CWindow {
public:
    int commands = 0;
    bool throwOnTimer = false;
    bool finalMessage = false;

protected:
    bool OnCommand(int id, int, HWND) override
    {
        commands += id == 42;
        return true;
    }
    bool OnTimer(UINT_PTR) override
    {
        if (throwOnTimer)
            throw std::runtime_error("handler failed");
        return true;
    }
    void OnFinalMessage() override { finalMessage = true; }
};

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.rect = {0, 0, 300, 200};
        ASSERT_TRUE(parent.Create(args));
        args = WINDOW_CREATE_ARGS{};
        args.className = L"BUTTON";
        args.style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
        args.rect = {10, 10, 110, 40};
        args.parent = parent.Handle();
        args.controlId = 42;
        ASSERT_TRUE(button.Create(args));
    }

    static void PumpMessages()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    CParentWindow parent;
    CSelfHandlingButton button;
};

TEST_F(FrameworkTest, ObjectsAreFoundFromTheirWindows)
{
    EXPECT_EQ(CWindow::FromHandle(parent.Handle()), &parent);
    EXPECT_EQ(CWindow::FromHandle(button.Handle()), &button);
    EXPECT_EQ(CWindow::FromHandle(GetDesktopWindow()), nullptr);
}

TEST_F(FrameworkTest, ChildNotificationsReachTheChildFirst)
{
    button.SendMsg(BM_CLICK);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.commands, 0);

    button.handleClicks = false;
    button.SendMsg(BM_CLICK);
    EXPECT_EQ(parent.commands, 1) << "a notification the child leaves goes to the parent";
}

TEST_F(FrameworkTest, OwnerDrawnChildDrawsItself)
{
    button.Invalidate();
    UpdateWindow(button.Handle());
    EXPECT_GE(button.draws, 1);
}

TEST_F(FrameworkTest, AFailingHandlerDoesNotUnwindThroughWindows)
{
    parent.throwOnTimer = true;
    EXPECT_NO_THROW(parent.SendMsg(WM_TIMER, 1));
}

TEST_F(FrameworkTest, DestroyedWindowLetsGoOfItsObject)
{
    const HWND window = parent.Handle();
    parent.Destroy();
    EXPECT_TRUE(parent.finalMessage);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(parent.Handle(), nullptr);
}

// A screen as the message loop sees it: requests of another thread, each an exchange turn, and
// paints; its timer ends the loop once the requests are done and the screen was painted.
class CScreenWindow : public CWindow {
public:
    std::atomic<bool> peerDone = false;
    int requests = 0;
    int paints = 0;

protected:
    bool OnPaint() override
    {
        CPaintDc paint(Handle());
        ++paints;
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_APP)
            return false;
        ++requests;
        NoteExchangeTurn();
        result = 1;
        return true;
    }
    bool OnTimer(UINT_PTR) override
    {
        if (peerDone && paints > 0)
            PostQuitMessage(7);
        return true;
    }
};

TEST(ApplicationLoop, PaintsHeldByTurnsComeOnceTheyStopAndNoRequestIsLost)
{
    CApplication application;
    CScreenWindow screen;
    WINDOW_CREATE_ARGS args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.rect = {0, 0, 200, 100};
    ASSERT_TRUE(screen.Create(args));
    UpdateWindow(screen.Handle());
    screen.paints = 0;

    screen.Invalidate(false);
    NoteExchangeTurn();
    std::thread peer([&] {
        for (int i = 0; i < 200; ++i)
            SendMessageW(screen.Handle(), WM_APP, 0, 0);
        screen.peerDone = true;
    });
    SetTimer(screen.Handle(), 1, 20, nullptr);
    EXPECT_EQ(application.Run(), 7) << "the quit ends the loop while paints are held or not";
    peer.join();
    EXPECT_EQ(screen.requests, 200);
    EXPECT_GE(screen.paints, 1) << "the invalidated screen is painted once the turns stop";
    screen.Destroy();
}

TEST(ModalSeam, AnswersABoxWithoutAWindow)
{
    std::vector<MODAL_BOX> asked;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        asked.push_back(box);
        return IDCANCEL;
    });
    PopMsgDlg box(nullptr);
    box.SetMessage(L"Delete the software?");
    EXPECT_EQ(box.DoModal(), IDCANCEL);
    SetModalAnswerer({});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].templateId, 303);
    EXPECT_EQ(asked[0].text, L"Delete the software?");
}

// Presses a button of the question box that is open on this thread once the modal loop runs.
struct PendingPress {
    static inline int buttonId = 0;
    static inline std::wstring seenText;
    static inline std::wstring seenYes;
    static void CALLBACK Press(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (!box || !GetDlgItem(box, 9003))
            return;
        KillTimer(nullptr, timer);
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 1084, text, 256);
        seenText = text;
        GetDlgItemTextW(box, 9003, text, 256);
        seenYes = text;
        if (buttonId == IDCANCEL)
            SendMessageW(box, WM_COMMAND, IDCANCEL, 0);  // Escape
        else
            SendMessageW(GetDlgItem(box, buttonId), BM_CLICK, 0, 0);
    }
};

struct PressCase {
    int buttonId;
    INT_PTR expected;
};

class QuestionBoxTest : public ::testing::TestWithParam<PressCase> {};

TEST_P(QuestionBoxTest, EndsWithTheAnswerOfThePressedButton)
{
    PendingPress::buttonId = GetParam().buttonId;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PendingPress::Press);
    PopMsgDlg box(nullptr);
    box.SetMessage(L"Are you sure to exit this system?");
    EXPECT_EQ(box.DoModal(), GetParam().expected);
    KillTimer(nullptr, timer);
    EXPECT_EQ(PendingPress::seenText, L"Are you sure to exit this system?");
    EXPECT_EQ(PendingPress::seenYes, L"Yes");
}

INSTANTIATE_TEST_SUITE_P(Cases, QuestionBoxTest, ::testing::Values(
    PressCase{9003, IDOK}, PressCase{9004, IDCANCEL}, PressCase{IDCANCEL, IDCANCEL}));

}  // namespace
