#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EcuCommException.h"
#include "EcuMessages.h"
#include "EcuParameterTexts.h"
#include "EcuTestBytes.h"

namespace {

CSendFrame Frame(std::initializer_list<Bytes> pieces)
{
    CSendFrame frame;
    for (const Bytes& piece : pieces)
        frame.AddPiece(Piece(piece));
    return frame;
}

CFilterOrLengthRecognise Filter48()
{
    CFilterOrLengthRecognise filter;
    const uint8_t byte = 0x48;
    filter.SetFilter(0, 1, &byte);
    return filter;
}

struct MESSAGE_CASE {
    const char* name;
    EcuMessage message;
    Bytes expected;
};

class EcuMessageTest : public ::testing::TestWithParam<MESSAGE_CASE> {};

TEST_P(EcuMessageTest, Bytes)
{
    EXPECT_EQ(GetParam().message, GetParam().expected);
}

std::vector<MESSAGE_CASE> MessageCases()
{
    const CSendFrame keep = Frame({{0x81, 0x3E}});
    const CFilterOrLengthRecognise filter = Filter48();
    return {
        {"GetStatus", GetStatusMessage(1, 15), {0x02, 0x06, 0x01, 0x0F}},
        {"FlashCode", FlashCodeMessage(0x0102, 0x0304, 0x0506, 0x0708),
         {0x02, 0x05, 0x01, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}},
        {"SetIoPortInputFirst", SetIoPortMessage(7, 8, -5, 0x1C3), {0x01, 0x01, 0x08, 0x07, 0xFB, 0xC3}},
        {"EnableOutputIoLine", EnableOutputIoLineMessage(7, true), {0x01, 0x02, 0x07, 0xFF}},
        {"SetBps", SetBpsMessage(10400.0f, 0, 8), {0x01, 0x03, 0x28, 0xA0, 0x00, 0x80}},
        {"SetBpsUnknownParity", SetBpsMessage(9600.0f, 9, 8), {0x01, 0x03, 0x25, 0x80, 0x00, 0x89}},
        {"SetCommTime", SetCommTimeMessage(1000, 5, 1.5f), {0x01, 0x04, 0x00, 0x64, 0x00, 0x05, 0x00, 0x0F}},
        {"KeepLinkIgnoresFrameWithoutTime", KeepLinkMessage(0, &keep), {0x02, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00}},
        {"KeepLinkWithoutFrame", KeepLinkMessage(2000, nullptr), {0x02, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00}},
        {"KeepLink", KeepLinkMessage(2000, &keep),
         {0x02, 0x01, 0x00, 0x07, 0x07, 0xD0, 0x01, 0x02, 0x81, 0x3E, 0x01}},
        {"AutoAnswerEmptyFrame", FilteredFrameMessage(0x0A, Filter48(), CSendFrame()), {0x02, 0x0A, 0x00, 0x00}},
        {"AutoAnswer", FilteredFrameMessage(0x0A, Filter48(), keep),
         {0x02, 0x0A, 0x01, 0x01, 0x03, 0x00, 0x01, 0x48, 0x01, 0x02, 0x81, 0x3E, 0x01}},
        {"ContinuedFrame", FilteredFrameMessage(0x0E, CFilterOrLengthRecognise(), keep),
         {0x02, 0x0E, 0x00, 0x01, 0x02, 0x81, 0x3E, 0x01}},
        {"BoschKeepLink", BoschKeepLinkMessage(false), {0x02, 0x02, 0x00}},
        {"HighLowTimesAlternate", VoltageHighLowTimesMessage({25, 300, 25}),
         {0x02, 0x03, 0x03, 0xFF, 0x00, 0x19, 0x00, 0x01, 0x2C, 0xFF, 0x00, 0x19}},
        {"VoltageKeep", VoltageKeepMessage(0x0102, 0x0304, 2), {0x02, 0x0C, 0x01, 0x02, 0x03, 0x04, 0x02}},
        {"Protocol3Default", *ProtocolSetMessage(3, nullptr), {0x02, 0x07, 0x03, 0x00, 0x01, 0x01, 0x03, 0x00, 0x01, 0x48}},
        {"Protocol4Default", *ProtocolSetMessage(4, nullptr), {0x02, 0x07, 0x04, 0x00, 0x01, 0x01, 0x03, 0x00, 0x01, 0x41}},
        {"Protocol5NoDefault", *ProtocolSetMessage(5, nullptr), {0x02, 0x07, 0x05, 0x00}},
        {"ProtocolWithFilter", *ProtocolSetMessage(1, &filter),
         {0x02, 0x07, 0x01, 0x01, 0x01, 0x03, 0x00, 0x01, 0x48}},
        {"Command0D", SingleByteCommandMessage(0x0D, 0x42), {0x02, 0x0D, 0x42}},
        {"AddressCodeEnter", AddressCodeEnterMessage(0x33, 0x0013, 10400.0f, 40),
         {0x02, 0x04, 0x33, 0x28, 0xA0, 0x00, 0x00, 0x13, 0x00, 0x28}},
        {"BoschEnter", BoschEnterMessage(0x10, 0x0102), {0x02, 0x09, 0x10, 0x01, 0x02}},
        {"SendFramesRepeat", SendFramesMessage(Frame({{0x01, 0x02}, {0x03}}), true),
         {0x02, 0x08, 0xFF, 0x02, 0x02, 0x01, 0x02, 0x01, 0x01, 0x03, 0x01}},
        {"QuickFlash", QuickFlashMessage(1, true), {0x02, 0x0B, 0x01, 0x01}},
    };
}

INSTANTIATE_TEST_SUITE_P(Commands, EcuMessageTest, ::testing::ValuesIn(MessageCases()),
                         [](const ::testing::TestParamInfo<MESSAGE_CASE>& testCase) { return std::string(testCase.param.name); });

TEST(EcuMessageRefusalTest, ProtocolOutsideItsRangeBuildsNothing)
{
    EXPECT_FALSE(ProtocolSetMessage(7, nullptr));
    EXPECT_FALSE(ProtocolSetMessage(-1, nullptr));
}

TEST(EcuMessageRefusalTest, KeepLinkPiecesMustFitTheirRoom)
{
    const CSendFrame big = Frame({Bytes(48, 0x11)});  // 50 bytes of layout: not below the room of 50
    EXPECT_THROW(KeepLinkMessage(100, &big), CEcuCommException);
    const CSendFrame fits = Frame({Bytes(47, 0x11)});
    EXPECT_EQ(KeepLinkMessage(100, &fits).size(), 7u + 49u);
}

// Pieces travel in one link frame of at most 292 data bytes; those that would not are refused
// (code 6) while the message is built, never handed to a link that cannot send them.
struct FRAME_FIT_CASE {
    const char* name;
    std::function<EcuMessage()> build;
    size_t size;  // 0: refused
};

void PrintTo(const FRAME_FIT_CASE& c, std::ostream* out) { *out << c.name; }

class EcuMessageFrameFitTest : public ::testing::TestWithParam<FRAME_FIT_CASE> {};

TEST_P(EcuMessageFrameFitTest, PiecesFitOneLinkFrameOrAreRefused)
{
    if (GetParam().size > 0) {
        EXPECT_EQ(GetParam().build().size(), GetParam().size);
        return;
    }
    try {
        GetParam().build();
        FAIL() << "no exception";
    } catch (const CEcuCommException& error) {
        EXPECT_EQ(error.GetErrorCode(), 6);
    }
}

CSendFrame Pieces(std::initializer_list<size_t> sizes)
{
    CSendFrame frame;
    for (const size_t size : sizes)
        frame.AddPiece(Piece(Bytes(size, 0x21)));
    return frame;
}

CFilterOrLengthRecognise LargestFilter()
{
    CFilterOrLengthRecognise filter;
    const Bytes bytes(CFilterOrLengthRecognise::kMaxFilterBytes, 0x33);
    filter.SetFilter(0, CFilterOrLengthRecognise::kMaxFilterBytes, bytes.data());
    return filter;
}

INSTANTIATE_TEST_SUITE_P(Cases, EcuMessageFrameFitTest, ::testing::Values(
    FRAME_FIT_CASE{"SendFramesFillingTheFrame", [] { return SendFramesMessage(Pieces({255, 29}), false); }, 292},
    FRAME_FIT_CASE{"SendFramesOneByteOver", [] { return SendFramesMessage(Pieces({255, 30}), true); }, 0},
    FRAME_FIT_CASE{"SendFramesOfManySmallPieces", [] { return SendFramesMessage(Pieces(std::initializer_list<size_t>{
        100, 100, 100}), false); }, 0},
    FRAME_FIT_CASE{"AutoAnswerAfterTheLargestFilter", [] { return FilteredFrameMessage(0x0A, LargestFilter(), Pieces({29})); }, 292},
    FRAME_FIT_CASE{"AutoAnswerPastTheFrame", [] { return FilteredFrameMessage(0x0A, LargestFilter(), Pieces({30})); }, 0},
    FRAME_FIT_CASE{"ContinuedFrameWithinItsRoom", [] { return FilteredFrameMessage(0x0E, CFilterOrLengthRecognise(), Pieces({97})); }, 103}));

struct TEXT_CASE {
    const char* name;
    std::wstring text;
    std::wstring expected;
};

class EcuParameterTextTest : public ::testing::TestWithParam<TEXT_CASE> {};

TEST_P(EcuParameterTextTest, Reads)
{
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

std::vector<TEXT_CASE> TextCases()
{
    return {
        {"GetStatus", GetStatusParameters(1, 15),
         L"W_UINT8 ui8StatusWay = GS_CHANNEL_VOLTAGE, \n  BYTE ucIoInputPort = DB15_PIN15_INPUT_WORK_VOLTAGE"},
        {"GetStatusUnknown", GetStatusParameters(5, 16), L"W_UINT8 ui8StatusWay = UNKNOW, \n  BYTE ucIoInputPort = UNKNOW"},
        {"FlashCode", FlashCodeParameters(1, 2, 3, 4),
         L"uiBitMaxInterval=1, uiByteMaxInterval=2, uiCodeMaxInterval=3, uiMaxCodeTime=4, "},
        {"SetIoPort", SetIoPortParameters(15, 16, -5, 0xC1),
         L"W_UINT8 iIoOutputPort = , \n  W_UINT8 iIoInputPort = DB15_UNDEFINE, \n  W_INT8 iOutputVoltage = -5, "
         L"\n  W_UINT16 ui16IoSelectItem = IOS_INPUT_POSITIVE_LOGIC|IOS_OUTPUT_NEGATIVE_LOGIC|IOS_OUTPUT_REVERSE"
         L"|IOS_INPUT_PULL_UP"},
        {"EnableOutputIoLine", EnableOutputIoLineParameters(4, false),
         L"W_UINT8 iIoOutputPort = DB15_PIN4_OUTPUT_INVALIDATION, \n  bool bIsConnect = false"},
        {"SetBps", SetBpsParameters(9600.0f, 9, 8),
         L"W_FLOAT fBps = 9600.000000, \n  W_INT8 iParityBit = UNDEFINE,\n  W_INT8 iDataBit = 8 "},
        {"KeepLink", KeepLinkParameters(2000, true), L"W_INT16 iKeepTime = 2000 (ms),\n  CSendFrame *pKeepLinkCommand = NOT NULL"},
        {"BoschKeepLink", BoschKeepLinkParameters(true), L"bool bEnableKeep = true"},
        {"HighLowTimes", VoltageHighLowTimesParameters({25, 300}), L"W_INT16 iHighLowTimes = 2,\n  25,\n  300"},
        {"VoltageKeepBoth", VoltageKeepParameters(1, 2, 3),
         L"uiVoltageKeepTime=1, \n uiOverTime=2, \n VoltageLevelStatus==WVT_HIGH_VOLTAGE|WVT_LOW_VOLTAGE"},
        {"VoltageKeepLow", VoltageKeepParameters(1, 2, 1), L"uiVoltageKeepTime=1, \n uiOverTime=2, \n VoltageLevelStatus==WVT_LOW_VOLTAGE "},
        {"Protocol5", ProtocolSetParameters(5, false),
         L"W_INT16 iProtocolWay = PROTOCOL_PWM, \n  CFilterOrLengthRecognise *pFilterOrLengthRecognise = NULL"},
        {"Protocol7", ProtocolSetParameters(7, true),
         L"W_INT16 iProtocolWay = UNDEFINE_PROTOCOL, \n  CFilterOrLengthRecognise *pFilterOrLengthRecognise = NOT NULL"},
        {"AddressCodeEnter", AddressCodeEnterParameters(0x33, 0x93, 10400.0f, 40),
         L"BYTE ucAddressCode = 0x33, \n  W_UINT16 ui16Parameter = ACE_BPS_AUTO_RECOGNIZE|ACE_KW2_REVERSE_TO_ECU"
         L"|ACE_RECEIVE_ONE_FRAME|ACE_CLOSE_TRIGGER_CHANNEL, \n  W_FLOAT fBps = 10400.0   bps , \n  W_INT16 "
         L"i16ReverseKw2TimeInterval = 40 mS "},
        {"BoschEnter", BoschEnterParameters(0x0A), L"BYTE ucAddressCode = 0x0A, "},
        {"QuickFlash", QuickFlashParameters(1, false), L"W_UINT16 uiFlashType = QF_TOYOTA, bRepeat==false"},
        {"QuickFlashOther", QuickFlashParameters(2, true), L"W_UINT16 uiFlashType = unknow, bRepeat==true"},
    };
}

INSTANTIATE_TEST_SUITE_P(Commands, EcuParameterTextTest, ::testing::ValuesIn(TextCases()),
                         [](const ::testing::TestParamInfo<TEXT_CASE>& testCase) { return std::string(testCase.param.name); });

TEST(Db15PinNameTest, NamesByRole)
{
    EXPECT_EQ(Db15PinName(7, PinRole::kOutput), L"DB15_PIN7");
    EXPECT_EQ(Db15PinName(4, PinRole::kInput), L"DB15_PIN4_INPUT_UNCONNECT");
    EXPECT_EQ(Db15PinName(134, PinRole::kStatusInput), L"DB15_CAN_PIN6_14");
    EXPECT_EQ(Db15PinName(255, PinRole::kOutput), L"DB15_NO_SWITCH_CHANNEL");
    EXPECT_EQ(Db15PinName(16, PinRole::kOutput), L"");
}

}  // namespace
