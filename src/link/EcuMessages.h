#pragma once
// The command messages of the control-unit command layer, each the data of one link frame:
// byte 0 the group (01 interface port settings, 02 communication with the control unit), byte 1
// the command, then the parameters, two-byte numbers high byte first. Building a message that
// carries send pieces may throw CEcuCommException (code 6) when they do not fit their room or the
// rest of one link frame (at most 292 data bytes).
#include <cstdint>
#include <optional>
#include <vector>

#include "FilterOrLengthRecognise.h"
#include "SendFrame.h"

using EcuMessage = std::vector<uint8_t>;

namespace ecu_message {
constexpr int kKeepLinkPieceRoom = 50;
constexpr int kAutoAnswerPieceRoom = 100;
constexpr int kSendFramesPieceRoom = 65535;
constexpr int kHighestProtocol = 6;
}  // namespace ecu_message

EcuMessage GetStatusMessage(uint8_t way, uint8_t inputPort);
EcuMessage FlashCodeMessage(uint16_t bitInterval, uint16_t byteInterval, uint16_t codeInterval, uint16_t maxCodeTime);
EcuMessage SetIoPortMessage(uint8_t outputPort, uint8_t inputPort, int8_t voltage, uint16_t select);
EcuMessage EnableOutputIoLineMessage(uint8_t outputPort, bool connect);
EcuMessage SetBpsMessage(float rate, int8_t parityBit, int8_t dataBit);
EcuMessage SetCommTimeMessage(int waitReceivePacketMs, int sendPacketGap, float sendByteGap);
// With no frame or a keep time of 0 the message carries no pieces.
EcuMessage KeepLinkMessage(int16_t keepTimeMs, const CSendFrame* frame);
// AutoAnswer is command 0x0A, SetAutoSendContinuedFrame 0x0E.
EcuMessage FilteredFrameMessage(uint8_t command, const CFilterOrLengthRecognise& filter, const CSendFrame& frame);
EcuMessage BoschKeepLinkMessage(bool enable);
EcuMessage VoltageHighLowTimesMessage(const std::vector<uint16_t>& times);
EcuMessage VoltageKeepMessage(uint16_t keepTime, uint16_t overTime, uint8_t level);
// Nothing for a way outside 0 to 6.
std::optional<EcuMessage> ProtocolSetMessage(int16_t way, const CFilterOrLengthRecognise* filter);
EcuMessage SingleByteCommandMessage(uint8_t command, uint8_t value);
EcuMessage AddressCodeEnterMessage(uint8_t address, uint16_t parameter, float rate, int16_t reverseKw2IntervalMs);
EcuMessage BoschEnterMessage(uint8_t address, uint16_t parameter);
EcuMessage SendFramesMessage(const CSendFrame& frame, bool repeat);
EcuMessage QuickFlashMessage(uint16_t flashType, bool repeat);
