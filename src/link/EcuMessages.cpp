#include "EcuMessages.h"

#include <algorithm>

#include "EcuAnswers.h"
#include "LinkFrame.h"

namespace {

constexpr uint8_t kPortGroup = 0x01;
constexpr uint8_t kEcuGroup = 0x02;
constexpr uint8_t kOn = 0xFF;
constexpr uint8_t kOff = 0x00;
constexpr size_t kMaxHighLowTimes = 255;

void PutWord(EcuMessage& message, uint32_t value)
{
    message.push_back(static_cast<uint8_t>(value >> 8));
    message.push_back(static_cast<uint8_t>(value));
}

void PutRate(EcuMessage& message, float rate)
{
    const auto encoded = EncodeRate(rate);
    message.insert(message.end(), encoded.begin(), encoded.end());
}

// The piece count, then the pieces, written within `room` and within what is left of one link
// frame: pieces that would not travel in it are refused here (CEcuCommException, code 6) instead
// of being handed to a link that cannot send them. Each piece takes at least two bytes, so a list
// that fits never has more pieces than its count byte can say.
void PutPieces(EcuMessage& message, const CSendFrame& frame, int room)
{
    const int frameLeft = static_cast<int>(kLinkFrameMaxData) - static_cast<int>(message.size()) - 1;
    const int usable = std::max(0, std::min(room, frameLeft + 1));  // the layout stays below its room
    message.push_back(static_cast<uint8_t>(frame.GetPieceCount()));
    std::vector<uint8_t> pieces(static_cast<size_t>(usable));
    const int size = frame.PutCmdDataToBuffer(pieces.data(), usable);
    message.insert(message.end(), pieces.begin(), pieces.begin() + size);
}

void PutFilter(EcuMessage& message, const CFilterOrLengthRecognise& filter)
{
    message.push_back(static_cast<uint8_t>(filter.GetFlag()));
    const int length = std::min<int>(filter.GetLength(), CFilterOrLengthRecognise::kDataSize);
    message.insert(message.end(), filter.GetData(), filter.GetData() + length);
}

}  // namespace

EcuMessage GetStatusMessage(uint8_t way, uint8_t inputPort)
{
    return {kEcuGroup, 0x06, way, inputPort};
}

EcuMessage FlashCodeMessage(uint16_t bitInterval, uint16_t byteInterval, uint16_t codeInterval, uint16_t maxCodeTime)
{
    EcuMessage message = {kEcuGroup, 0x05, 0x01};
    for (const uint16_t value : {bitInterval, byteInterval, codeInterval, maxCodeTime})
        PutWord(message, value);
    return message;
}

EcuMessage SetIoPortMessage(uint8_t outputPort, uint8_t inputPort, int8_t voltage, uint16_t select)
{
    return {kPortGroup, 0x01, inputPort, outputPort, static_cast<uint8_t>(voltage), static_cast<uint8_t>(select)};
}

EcuMessage EnableOutputIoLineMessage(uint8_t outputPort, bool connect)
{
    return {kPortGroup, 0x02, outputPort, connect ? kOn : kOff};
}

EcuMessage SetBpsMessage(float rate, int8_t parityBit, int8_t dataBit)
{
    EcuMessage message = {kPortGroup, 0x03};
    PutRate(message, rate);
    message.push_back(static_cast<uint8_t>(dataBit * 16 + (parityBit & 0x0F)));
    return message;
}

EcuMessage SetCommTimeMessage(int waitReceivePacketMs, int sendPacketGap, float sendByteGap)
{
    EcuMessage message = {kPortGroup, 0x04};
    PutWord(message, static_cast<uint32_t>(waitReceivePacketMs / 10));
    PutWord(message, static_cast<uint32_t>(sendPacketGap));
    PutWord(message, static_cast<uint32_t>(static_cast<int>(sendByteGap * 10.0f)));
    return message;
}

EcuMessage KeepLinkMessage(int16_t keepTimeMs, const CSendFrame* frame)
{
    const bool absent = !frame || keepTimeMs == 0;
    EcuMessage message = {kEcuGroup, 0x01, 0x00, 0x00};
    PutWord(message, absent ? 0 : static_cast<uint16_t>(keepTimeMs));
    if (absent)
        message.push_back(0x00);
    else
        PutPieces(message, *frame, ecu_message::kKeepLinkPieceRoom);
    const size_t length = message.size() - 4;
    message[2] = static_cast<uint8_t>(length >> 8);
    message[3] = static_cast<uint8_t>(length);
    return message;
}

EcuMessage FilteredFrameMessage(uint8_t command, const CFilterOrLengthRecognise& filter, const CSendFrame& frame)
{
    EcuMessage message = {kEcuGroup, command};
    if (frame.GetPieceCount() == 0) {
        message.insert(message.end(), {0x00, 0x00});
        return message;
    }
    PutFilter(message, filter);
    PutPieces(message, frame, ecu_message::kAutoAnswerPieceRoom);
    return message;
}

EcuMessage BoschKeepLinkMessage(bool enable)
{
    return {kEcuGroup, 0x02, static_cast<uint8_t>(enable ? 0x01 : 0x00)};
}

EcuMessage VoltageHighLowTimesMessage(const std::vector<uint16_t>& times)
{
    const size_t count = std::min(times.size(), kMaxHighLowTimes);
    EcuMessage message = {kEcuGroup, 0x03, static_cast<uint8_t>(count)};
    for (size_t i = 0; i < count; ++i) {
        message.push_back(i % 2 == 0 ? kOn : kOff);
        PutWord(message, times[i]);
    }
    return message;
}

EcuMessage VoltageKeepMessage(uint16_t keepTime, uint16_t overTime, uint8_t level)
{
    EcuMessage message = {kEcuGroup, 0x0C};
    PutWord(message, keepTime);
    PutWord(message, overTime);
    message.push_back(level);
    return message;
}

std::optional<EcuMessage> ProtocolSetMessage(int16_t way, const CFilterOrLengthRecognise* filter)
{
    if (way < 0 || way > ecu_message::kHighestProtocol)
        return std::nullopt;
    EcuMessage message = {kEcuGroup, 0x07, static_cast<uint8_t>(way), 0x00};
    if (filter) {
        message.pop_back();
        PutFilter(message, *filter);
    } else if (way == 3) {
        message.insert(message.end(), {0x01, 0x01, 0x03, 0x00, 0x01, 0x48});
    } else if (way == 4) {
        message.insert(message.end(), {0x01, 0x01, 0x03, 0x00, 0x01, 0x41});
    }
    return message;
}

EcuMessage SingleByteCommandMessage(uint8_t command, uint8_t value)
{
    return {kEcuGroup, command, value};
}

EcuMessage AddressCodeEnterMessage(uint8_t address, uint16_t parameter, float rate, int16_t reverseKw2IntervalMs)
{
    EcuMessage message = {kEcuGroup, 0x04, address};
    PutRate(message, rate);
    PutWord(message, parameter);
    PutWord(message, static_cast<uint16_t>(reverseKw2IntervalMs));
    return message;
}

EcuMessage BoschEnterMessage(uint8_t address, uint16_t parameter)
{
    EcuMessage message = {kEcuGroup, 0x09, address};
    PutWord(message, parameter);
    return message;
}

EcuMessage SendFramesMessage(const CSendFrame& frame, bool repeat)
{
    EcuMessage message = {kEcuGroup, 0x08, repeat ? kOn : kOff};
    PutPieces(message, frame, ecu_message::kSendFramesPieceRoom);
    return message;
}

EcuMessage QuickFlashMessage(uint16_t flashType, bool repeat)
{
    return {kEcuGroup, 0x0B, static_cast<uint8_t>(flashType), static_cast<uint8_t>(repeat ? 0x01 : 0x00)};
}
