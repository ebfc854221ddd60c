#include "EcuParameterTexts.h"

#include <cstdarg>
#include <cwchar>

namespace {

std::wstring Format(const wchar_t* format, ...)
{
    wchar_t text[256] = {};
    va_list arguments;
    va_start(arguments, format);
    std::vswprintf(text, sizeof text / sizeof text[0], format, arguments);
    va_end(arguments);
    return text;
}

const wchar_t* TrueFalse(bool value)
{
    return value ? L"true" : L"false";
}

const wchar_t* NullText(bool present)
{
    return present ? L"NOT NULL" : L"NULL";
}

std::wstring KnownPinName(int port, PinRole role)
{
    switch (port) {
    case 0: return L"DB15_PIN0_INPUT_GROUND";
    case 1: case 3: case 5: case 6: case 7: case 8: case 9: case 11: case 12: case 13: case 14:
        return Format(L"DB15_PIN%d", port);
    case 2: return L"DB15_PIN2_INPUT";
    case 4: return role == PinRole::kOutput ? L"DB15_PIN4_OUTPUT_INVALIDATION" : L"DB15_PIN4_INPUT_UNCONNECT";
    case 10: return L"DB15_PIN10_INPUT";
    case 15: return role == PinRole::kOutput ? L"" : L"DB15_PIN15_INPUT_WORK_VOLTAGE";
    case 17: return L"DB15_PIN1_HIGH_ELECTRICITY";
    case 21: return L"DB15_PIN5_HIGH_ELECTRICITY";
    case 30: return L"DB15_PIN14_153_6kHz";
    case 34: return L"DB15_VPW";
    case 66: return L"DB15_PWM";
    case 131: return L"DB15_CAN_PIN3_11";
    case 134: return L"DB15_CAN_PIN6_14";
    case 255: return L"DB15_NO_SWITCH_CHANNEL";
    default: return L"";
    }
}

std::wstring ParityName(int8_t parity)
{
    static const wchar_t* const kNames[] = {L"PB_NONE", L"PB_ODD", L"PB_EVEN", L"PB_MARK", L"PB_SPACE"};
    return parity >= 0 && parity <= 4 ? kNames[parity] : L"UNDEFINE";
}

std::wstring ProtocolName(int16_t way)
{
    static const wchar_t* const kNames[] = {L"PROTOCOL_NORMAL", L"PROTOCOL_KWP", L"PROTOCOL_ISO", L"PROTOCOL_VPW",
                                            L"PROTOCOL_PWM",    L"PROTOCOL_PWM", L"PROTOCOL_BOSCH"};
    return way >= 0 && way <= 6 ? kNames[way] : L"UNDEFINE_PROTOCOL";
}

std::wstring AddressOptionNames(uint16_t parameter)
{
    static const struct {
        uint16_t bit;
        const wchar_t* name;
    } kOptions[] = {{0x01, L"ACE_BPS_AUTO_RECOGNIZE"},           {0x02, L"ACE_KW2_REVERSE_TO_ECU"},
                    {0x04, L"ACE_GET_ADDRESS_REVERSE_FROM_ECU"}, {0x08, L"ACE_RECEIVE_KW5"},
                    {0x10, L"ACE_RECEIVE_ONE_FRAME"},            {0x80, L"ACE_CLOSE_TRIGGER_CHANNEL"}};
    std::wstring names;
    for (const auto& option : kOptions) {
        if (!(parameter & option.bit))
            continue;
        if (!names.empty())
            names += L"|";
        names += option.name;
    }
    return names;
}

}  // namespace

std::wstring Db15PinName(int port, PinRole role)
{
    const std::wstring name = KnownPinName(port, role);
    if (!name.empty() || role == PinRole::kOutput)
        return name;
    return role == PinRole::kStatusInput ? L"UNKNOW" : L"DB15_UNDEFINE";
}

std::wstring GetStatusParameters(uint8_t way, uint8_t inputPort)
{
    const wchar_t* wayName = way == 0 ? L"GS_CHANNEL_SIGNAL" : way == 1 ? L"GS_CHANNEL_VOLTAGE" : L"UNKNOW";
    return std::wstring(L"W_UINT8 ui8StatusWay = ") + wayName + L", " + L"\n  BYTE ucIoInputPort = " +
           Db15PinName(inputPort, PinRole::kStatusInput);
}

std::wstring FlashCodeParameters(unsigned bitInterval, unsigned byteInterval, unsigned codeInterval, unsigned maxCodeTime)
{
    return Format(L"uiBitMaxInterval=%d, uiByteMaxInterval=%d, uiCodeMaxInterval=%d, uiMaxCodeTime=%d, ",
                  static_cast<int>(bitInterval), static_cast<int>(byteInterval), static_cast<int>(codeInterval),
                  static_cast<int>(maxCodeTime));
}

std::wstring SetIoPortParameters(uint8_t outputPort, uint8_t inputPort, int8_t voltage, uint16_t select)
{
    std::wstring text = L"W_UINT8 iIoOutputPort = " + Db15PinName(outputPort, PinRole::kOutput) + L", " +
                        L"\n  W_UINT8 iIoInputPort = " + Db15PinName(inputPort, PinRole::kInput) + L", " +
                        Format(L"\n  W_INT8 iOutputVoltage = %d, ", voltage) + L"\n  W_UINT16 ui16IoSelectItem = ";
    text += (select & 0x01) ? L"IOS_INPUT_POSITIVE_LOGIC" : L"IOS_INPUT_NEGATIVE_LOGIC";
    text += L"|";
    text += (select & 0x02) ? L"IOS_OUTPUT_POSITIVE_LOGIC" : L"IOS_OUTPUT_NEGATIVE_LOGIC";
    if (select & 0x80)
        text += L"|IOS_OUTPUT_REVERSE";
    if (select & 0x40)
        text += L"|IOS_INPUT_PULL_UP";
    return text;
}

std::wstring EnableOutputIoLineParameters(uint8_t outputPort, bool connect)
{
    return L"W_UINT8 iIoOutputPort = " + Db15PinName(outputPort, PinRole::kOutput) + L", " +
           L"\n  bool bIsConnect = " + TrueFalse(connect);
}

std::wstring SetBpsParameters(float rate, int8_t parityBit, int8_t dataBit)
{
    return Format(L"W_FLOAT fBps = %f, ", static_cast<double>(rate)) + L"\n  W_INT8 iParityBit = " +
           ParityName(parityBit) + L"," + Format(L"\n  W_INT8 iDataBit = %d ", dataBit);
}

std::wstring KeepLinkParameters(int16_t keepTimeMs, bool hasFrame)
{
    return Format(L"W_INT16 iKeepTime = %d (ms),", keepTimeMs) + L"\n  CSendFrame *pKeepLinkCommand = " +
           NullText(hasFrame);
}

std::wstring BoschKeepLinkParameters(bool enable)
{
    return std::wstring(L"bool bEnableKeep = ") + TrueFalse(enable);
}

std::wstring VoltageHighLowTimesParameters(const std::vector<uint16_t>& times)
{
    std::wstring text = Format(L"W_INT16 iHighLowTimes = %d", static_cast<int>(times.size()));
    for (const uint16_t time : times)
        text += Format(L",\n  %d", time);
    return text;
}

std::wstring VoltageKeepParameters(unsigned keepTime, unsigned overTime, uint8_t level)
{
    const wchar_t* levelText = level == 2   ? L", \n VoltageLevelStatus==WVT_HIGH_VOLTAGE "
                               : level == 1 ? L", \n VoltageLevelStatus==WVT_LOW_VOLTAGE "
                                            : L", \n VoltageLevelStatus==WVT_HIGH_VOLTAGE|WVT_LOW_VOLTAGE";
    return Format(L"uiVoltageKeepTime=%d", static_cast<int>(keepTime)) +
           Format(L", \n uiOverTime=%d", static_cast<int>(overTime)) + levelText;
}

std::wstring ProtocolSetParameters(int16_t way, bool hasFilter)
{
    return L"W_INT16 iProtocolWay = " + ProtocolName(way) + L", " +
           L"\n  CFilterOrLengthRecognise *pFilterOrLengthRecognise = " + NullText(hasFilter);
}

std::wstring AddressCodeEnterParameters(uint8_t address, uint16_t parameter, float rate, int16_t reverseKw2IntervalMs)
{
    return Format(L"BYTE ucAddressCode = 0x%02X, ", address) + L"\n  W_UINT16 ui16Parameter = " +
           AddressOptionNames(parameter) + Format(L", \n  W_FLOAT fBps = %-9.1f bps ", static_cast<double>(rate)) +
           Format(L", \n  W_INT16 i16ReverseKw2TimeInterval = %d mS ", reverseKw2IntervalMs);
}

std::wstring BoschEnterParameters(uint8_t address)
{
    return Format(L"BYTE ucAddressCode = 0x%02X, ", address);
}

std::wstring QuickFlashParameters(uint16_t flashType, bool repeat)
{
    return std::wstring(L"W_UINT16 uiFlashType = ") + (flashType == 1 ? L"QF_TOYOTA" : L"unknow") +
           (repeat ? L", bRepeat==true" : L", bRepeat==false");
}
