// The animated picture on a window of the test: frames in order, the last-frame message to the
// parent, a single picture drawn once, refused files, and the worker ended by destruction.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "GifEncoder.h"
#include "PictureEx.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const std::vector<uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF};

class CCountingParent : public CWindow {
public:
    int lastFrameMessages = 0;

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != CPictureEx::kLastFrameMessage)
            return false;
        ++lastFrameMessages;
        result = 0;
        return true;
    }
};

struct SHOWN_FRAME {
    int index;
    COLORREF colour;
    int lastFrameMessagesBefore;
};

class CRecordingPicture : public CPictureEx {
public:
    explicit CRecordingPicture(const CCountingParent& parent) : m_parent(parent) {}
    std::vector<SHOWN_FRAME> shown;

protected:
    void OnFrameShown(int index) override { shown.push_back({index, PixelAt(2, 2), m_parent.lastFrameMessages}); }

private:
    const CCountingParent& m_parent;
};

class PictureExTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WINDOW_CREATE_ARGS args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.rect = {0, 0, 200, 200};
        ASSERT_TRUE(parent.Create(args));
        ASSERT_TRUE(picture.Create(RECT{0, 0, 10, 10}, parent.Handle(), 1234));
    }
    void TearDown() override { parent.Destroy(); }

    // Pumps messages until `done` holds; bounded so a stuck animation fails instead of hanging.
    template <typename Done>
    void PumpUntil(Done done)
    {
        const ULONGLONG giveUp = GetTickCount64() + 20000;
        while (!done() && GetTickCount64() < giveUp) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
    }

    CCountingParent parent;
    CRecordingPicture picture{parent};
};

TEST(PictureExTiming, FrameDelayInHundredthsBecomesMillisecondsWithAFloorForShortOnes)
{
    const struct {
        int delay;
        DWORD ms;
    } cases[] = {{-1, 100}, {0, 100}, {3, 100}, {4, 100}, {5, 50}, {20, 200}};
    for (const auto& c : cases)
        EXPECT_EQ(CPictureEx::FrameWaitMs(c.delay), c.ms) << c.delay;
}

TEST_F(PictureExTest, AnimationStepsThroughEveryFrameAndAnnouncesTheLastOncePerCycle)
{
    ASSERT_TRUE(picture.LoadFromBytes(EncodeColourCycleGif(16, 12, kColours, 20)));
    EXPECT_EQ(picture.FrameCount(), 3u);
    EXPECT_EQ(picture.GetSize().cx, 16);
    EXPECT_EQ(picture.GetSize().cy, 12);
    EXPECT_EQ(picture.WindowRect().right - picture.WindowRect().left, 16);  // the control takes the picture's size

    EXPECT_FALSE(picture.Draw());  // an animation starts; nothing is drawn at once
    EXPECT_TRUE(picture.IsPlaying());
    PumpUntil([&] { return picture.shown.size() >= 5; });
    ASSERT_GE(picture.shown.size(), 5u);

    const COLORREF expected[] = {kRed, kGreen, kBlue, kRed, kGreen};
    const int lastFrameMessages[] = {0, 0, 1, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(picture.shown[i].index, i % 3) << i;
        EXPECT_EQ(picture.shown[i].colour, expected[i]) << i;
        EXPECT_EQ(picture.shown[i].lastFrameMessagesBefore, lastFrameMessages[i]) << i;
    }
}

TEST_F(PictureExTest, SingleFrameIsDrawnOnceWithoutAWorker)
{
    ASSERT_TRUE(picture.LoadFromBytes(EncodeColourCycleGif(8, 8, {0x0000FF}, 0)));
    EXPECT_TRUE(picture.Draw());
    EXPECT_FALSE(picture.IsPlaying());
    EXPECT_EQ(picture.PixelAt(1, 1), kBlue);
}

TEST_F(PictureExTest, DestroyingTheControlEndsAWorkerInTheMiddleOfALongDelay)
{
    ASSERT_TRUE(picture.LoadFromBytes(EncodeColourCycleGif(8, 8, kColours, 60000)));  // ten minutes a frame
    picture.Draw();
    PumpUntil([&] { return !picture.shown.empty(); });
    ASSERT_TRUE(picture.IsPlaying());
    picture.Destroy();
    EXPECT_FALSE(picture.IsPlaying());
    EXPECT_EQ(picture.shown.size(), 1u);
}

TEST_F(PictureExTest, AnythingButAPictureIsRefusedAndLeavesTheControlEmpty)
{
    std::vector<uint8_t> truncated = EncodeColourCycleGif(8, 8, kColours, 5);
    truncated.resize(20);
    const std::vector<std::vector<uint8_t>> refused = {
        {}, {'G', 'I', 'F', '8', '9', 'a'}, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}, truncated};
    for (size_t i = 0; i < refused.size(); ++i) {
        ASSERT_TRUE(picture.LoadFromBytes(EncodeColourCycleGif(8, 8, kColours, 5)));
        EXPECT_FALSE(picture.LoadFromBytes(refused[i])) << i;
        EXPECT_EQ(picture.GetSize().cx, 0) << i;
        EXPECT_FALSE(picture.Draw()) << i;
        EXPECT_FALSE(picture.IsPlaying()) << i;
    }
    EXPECT_FALSE(picture.Load(L"C:\\no such folder\\none.gif"));
}

}  // namespace
