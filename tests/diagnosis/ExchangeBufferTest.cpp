#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ExchangeBuffer.h"

namespace {

class ExchangeBlockTest : public ::testing::Test {
protected:
    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0xEE);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(ExchangeBlockTest, ResetLeavesOnlyTheCaptionAndAnEmptyMailbox)
{
    memory[exchange::kMailboxMarker] = exchange::kMailboxReady;
    ResetExchangeBlock(block, "Nuthawk");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(memory.data())), "Nuthawk");
    for (size_t i = 7; i < exchange::kMailboxMarker; ++i)
        ASSERT_EQ(memory[i], 0) << i;
    EXPECT_EQ(memory[exchange::kMailboxMarker], exchange::kMailboxReady);
    EXPECT_EQ(PostKey(block, 5), 5) << "the mailbox is empty after a reset";
}

TEST_F(ExchangeBlockTest, AnOverlongCaptionNeverReachesTheMailbox)
{
    ResetExchangeBlock(block, std::string(70000, 'x'));
    EXPECT_EQ(memory[exchange::kMailboxOffset - 1], 0);
    EXPECT_EQ(memory[exchange::kProducerCount], 0);
    EXPECT_EQ(memory[exchange::kMailboxMarker], 0xEE);
}

struct PostCase {
    uint8_t marker, producer, consumer, key;
    uint8_t result, producerAfter, keyAfter;
};

class PostKeyTest : public ExchangeBlockTest, public ::testing::WithParamInterface<PostCase> {};

TEST_P(PostKeyTest, FollowsTheMailboxRule)
{
    const PostCase& c = GetParam();
    memory[exchange::kMailboxMarker] = c.marker;
    memory[exchange::kProducerCount] = c.producer;
    memory[exchange::kConsumerCount] = c.consumer;
    memory[exchange::kMailboxKey] = 9;
    EXPECT_EQ(PostKey(block, c.key), c.result);
    EXPECT_EQ(memory[exchange::kProducerCount], c.producerAfter);
    EXPECT_EQ(memory[exchange::kMailboxKey], c.keyAfter);
    EXPECT_EQ(memory[exchange::kConsumerCount], c.consumer) << "the consumer count is the other side's";
    EXPECT_EQ(memory[exchange::kMailboxMarker], exchange::kMailboxReady);
    EXPECT_EQ(memory[0], 0xEE) << "posting never touches the frame area";
}

INSTANTIATE_TEST_SUITE_P(Cases, PostKeyTest, ::testing::Values(
    PostCase{0x55, 3, 3, 7, 7, 4, 7},        // empty: posted
    PostCase{0x55, 4, 3, 7, 0, 4, 9},        // the previous key is not taken: refused
    PostCase{0x55, 255, 255, 1, 1, 0, 1},    // the count wraps
    PostCase{0x00, 8, 2, 2, 2, 3, 2}));      // not set up yet: set up, then posted

// The diagnostic program's side of the mailbox, as it takes keys while the shell posts them.
int TakeKey(std::vector<uint8_t>& memory)
{
    std::atomic_ref<uint8_t> posted(memory[exchange::kProducerCount]);
    std::atomic_ref<uint8_t> taken(memory[exchange::kConsumerCount]);
    const uint8_t takenCount = taken.load(std::memory_order_relaxed);
    if (posted.load(std::memory_order_acquire) == takenCount)
        return 0;
    const int key = std::atomic_ref<uint8_t>(memory[exchange::kMailboxKey]).load(std::memory_order_relaxed);
    taken.store(static_cast<uint8_t>(takenCount + 1), std::memory_order_release);
    return key;
}

// Built with a thread sanitizer, this also shows a post whose key and count are plain stores as a race.
TEST_F(ExchangeBlockTest, KeysPostedWhileTheOtherSideTakesThemArriveInOrderEachOnce)
{
    ResetExchangeBlock(block, "Nuthawk");
    constexpr int kKeys = 5000;  // the counts wrap many times
    std::vector<int> received;
    std::thread program([&] {
        while (received.size() < kKeys) {
            if (const int key = TakeKey(memory))
                received.push_back(key);
            else
                std::this_thread::yield();
        }
    });
    std::vector<int> posted;
    for (int i = 0; i < kKeys; ++i) {
        const auto key = static_cast<uint8_t>(1 + i % 255);
        while (PostKey(block, key) == 0)
            std::this_thread::yield();
        posted.push_back(key);
    }
    program.join();
    EXPECT_EQ(received, posted);
}

}  // namespace
