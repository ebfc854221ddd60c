#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageKeys.h"

namespace {

using ACTION = MESSAGE_KEY_ACTION;

// The shown keys as "caption:code".
std::vector<std::wstring> Shown(const CMessageKeys& keys)
{
    std::vector<std::wstring> shown;
    for (const MESSAGE_KEY& key : keys.Keys()) {
        if (key.shown)
            shown.push_back(key.english + L":" + std::to_wstring(key.code));
    }
    return shown;
}

struct TypeCase {
    uint16_t typeWord;
    std::vector<std::wstring> keys;
    int printKey;
    int helpKey;
};

class MessageKeyTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(MessageKeyTypeTest, ShowsTheKeysOfTheBoxType)
{
    CMessageKeys keys;
    keys.Setup(GetParam().typeWord);
    EXPECT_EQ(Shown(keys), GetParam().keys);
    EXPECT_EQ(keys.PrintKey(), GetParam().printKey);
    EXPECT_EQ(keys.HelpKey(), GetParam().helpKey);
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageKeyTypeTest, ::testing::Values(
    TypeCase{0x0000, {}, -1, -1},
    TypeCase{0x0001, {L"OK:1"}, -1, -1},
    TypeCase{0x0002, {L"Cancel:2"}, -1, -1},
    TypeCase{0x0003, {L"OK:1", L"Cancel:2"}, -1, -1},
    TypeCase{0x0004, {L"Yes:3", L"No:4"}, -1, -1},
    TypeCase{0x0005, {L"Yes:3", L"No:4", L"Cancel:2"}, -1, -1},
    TypeCase{0x0006, {L"Retry:5", L"Cancel:2"}, -1, -1},
    TypeCase{0x0007, {L"Abort:7", L"Retry:5", L"Ignore:6"}, -1, -1},
    TypeCase{0x0008, {L"Ignore:6", L"Abort:7"}, -1, -1},
    TypeCase{0x0009, {L"OK:0"}, -1, -1},
    TypeCase{0x0016, {L"Next:9", L"Cancel:2"}, -1, -1},
    TypeCase{0x0017, {L"Previous:8", L"Next:9", L"Cancel:2"}, -1, -1},
    TypeCase{0x0019, {L"Previous:8", L"Finish:10"}, -1, -1},
    TypeCase{0x00C4, {L"Yes:3", L"No:4", L"Print:0", L"Help:0"}, 2, 3},
    TypeCase{0x0081, {L"OK:1", L"Help:0"}, -1, 1},
    TypeCase{0x0040, {L"Print:0"}, 0, -1},
    TypeCase{0x00D7, {L"Previous:8", L"Next:9", L"Cancel:2", L"Print:0", L"Help:0"}, 3, 4},
    TypeCase{0x0104, {}, -1, -1}));  // the high byte counts: not type 4

TEST(MessageKeys, TypesWithoutAnsweringKeysAnswerAtOnceWithNoCode)
{
    CMessageKeys keys;
    keys.Setup(0x0004);
    EXPECT_FALSE(keys.Setup(0x0004).has_value()) << "a Yes/No box waits for the user";
    EXPECT_EQ(keys.Setup(0x0000), std::optional<uint8_t>(0));
    EXPECT_EQ(keys.Setup(0x0004), std::nullopt);
    // A type this screen does not know would leave the diagnostic program waiting for ever.
    EXPECT_EQ(keys.Setup(0x0033), std::optional<uint8_t>(0));
    for (const MESSAGE_KEY& key : keys.Keys())
        EXPECT_EQ(key.code, 0);
}

TEST(MessageKeys, FirstKeyAnswersOnceAndClearsEveryCode)
{
    CMessageKeys keys;
    keys.Setup(0x0005);
    const MESSAGE_KEY_PRESS press = keys.Press(0);
    EXPECT_EQ(press.action, ACTION::Answer);
    EXPECT_EQ(press.code, 3);
    EXPECT_FALSE(press.restorePath);
    EXPECT_EQ(keys.Press(1).action, ACTION::None) << "the codes went with the first answer";
}

TEST(MessageKeys, OtherKeysKeepTheirCodesAndCancelOrNoOnTheSecondRestoresThePath)
{
    CMessageKeys keys;
    keys.Setup(0x0004);
    MESSAGE_KEY_PRESS press = keys.Press(1);
    EXPECT_EQ(press.action, ACTION::Answer);
    EXPECT_EQ(press.code, 4);
    EXPECT_TRUE(press.restorePath);
    EXPECT_EQ(keys.Press(0).code, 3);

    keys.Setup(0x0005);
    press = keys.Press(2);
    EXPECT_EQ(press.code, 2);
    EXPECT_FALSE(press.restorePath) << "only the second key restores the path";
    keys.Setup(0x0003);
    EXPECT_TRUE(keys.Press(1).restorePath);
    keys.Setup(0x0017);
    EXPECT_FALSE(keys.Press(1).restorePath) << "Next is not Cancel";
}

TEST(MessageKeys, PrintAndHelpKeysRunTheirOperations)
{
    CMessageKeys keys;
    keys.Setup(0x00C4);
    EXPECT_EQ(keys.Press(2).action, ACTION::Print);
    EXPECT_EQ(keys.Press(3).action, ACTION::Help);
    EXPECT_EQ(keys.Press(4).action, ACTION::None) << "a hidden key";
    keys.Setup(0x0080);
    EXPECT_EQ(keys.Press(0).action, ACTION::Help);
}

TEST(MessageKeys, PollingOkAnswersWhatTheUserPressedSinceTheLastPoll)
{
    CMessageKeys keys;
    keys.Setup(0x0001);
    keys.Press(0);
    EXPECT_EQ(keys.Setup(0x0009), std::optional<uint8_t>(0)) << "after an answered OK box";
    EXPECT_EQ(keys.Press(0).action, ACTION::None) << "OK on a polled box only arms the next answer";
    EXPECT_EQ(keys.Setup(0x0009), std::optional<uint8_t>(1));
    EXPECT_EQ(keys.Setup(0x0009), std::optional<uint8_t>(1));

    // Cancel of an OK/Cancel box leaves OK's code on the first key; the poll after it must not
    // report OK.
    keys.Setup(0x0003);
    EXPECT_EQ(keys.Press(1).code, 2);
    EXPECT_EQ(keys.Setup(0x0009), std::optional<uint8_t>(0));
}

}  // namespace

namespace {

// The picture screen shares the table but knows no polled OK: type 9 is a type it does not know.
TEST(MessageKeys, WithoutThePolledOkTypeNineHasNoKeyAndAnswersAtOnce)
{
    CMessageKeys keys(false);
    EXPECT_EQ(keys.Setup(0x0009), std::optional<uint8_t>(0));
    EXPECT_TRUE(Shown(keys).empty());
    EXPECT_EQ(keys.Press(0).action, ACTION::None);
    EXPECT_EQ(keys.Setup(0x0044), std::nullopt);
    EXPECT_EQ(Shown(keys), (std::vector<std::wstring>{L"Yes:3", L"No:4", L"Print:0"}));
    EXPECT_EQ(keys.Press(2).action, ACTION::Print);
    EXPECT_EQ(keys.Press(1).code, 4);
}

}  // namespace
