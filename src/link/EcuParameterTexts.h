#pragma once
// The parameter texts the control-unit command layer puts into its exceptions, and the names of
// the interface's pins, parities and protocols they use.
#include <cstdint>
#include <string>
#include <vector>

enum class PinRole { kStatusInput, kInput, kOutput };

// The name of a pin of the DB15 connector. An unknown number is "UNKNOW" for a status input,
// "DB15_UNDEFINE" for an input and empty for an output.
std::wstring Db15PinName(int port, PinRole role);

std::wstring GetStatusParameters(uint8_t way, uint8_t inputPort);
std::wstring FlashCodeParameters(unsigned bitInterval, unsigned byteInterval, unsigned codeInterval, unsigned maxCodeTime);
std::wstring SetIoPortParameters(uint8_t outputPort, uint8_t inputPort, int8_t voltage, uint16_t select);
std::wstring EnableOutputIoLineParameters(uint8_t outputPort, bool connect);
std::wstring SetBpsParameters(float rate, int8_t parityBit, int8_t dataBit);
std::wstring KeepLinkParameters(int16_t keepTimeMs, bool hasFrame);
std::wstring BoschKeepLinkParameters(bool enable);
std::wstring VoltageHighLowTimesParameters(const std::vector<uint16_t>& times);
std::wstring VoltageKeepParameters(unsigned keepTime, unsigned overTime, uint8_t level);
std::wstring ProtocolSetParameters(int16_t way, bool hasFilter);
std::wstring AddressCodeEnterParameters(uint8_t address, uint16_t parameter, float rate, int16_t reverseKw2IntervalMs);
std::wstring BoschEnterParameters(uint8_t address);
std::wstring QuickFlashParameters(uint16_t flashType, bool repeat);
