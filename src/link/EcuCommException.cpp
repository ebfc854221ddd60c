#include "EcuCommException.h"

#include <array>
#include <cwchar>

namespace {

constexpr int kLowestKnownCode = -25;

const std::array<std::wstring, 26>& InterfaceErrorTexts()
{
    static const std::array<std::wstring, 26> texts = {
        L"UNKNOW",
        L"OVERTIME",
        L"execute break",
        L"ECU no respond",
        L"UNDEFINE",
        L"UNDEFINE",
        L"UNDEFINE",
        L"UNDEFINE",
        L"UNDEFINE",
        L"UNDEFINE",
        L"DOWN BOARD NO RESPONSION",
        L"IO_VOLTAGE",
        L"BUFFER_OVER",
        L"INVALIDATION PARAMETER",
        L"FLASH ERASE FAILURE",
        L"FLASH WRITE PROTECTED",
        L"WRITE_FLASH_FAILURE",
        L"RUN INVALIDATION PROGRAM PAGE",
        L"CAN IO ERROR",
        L"CAN SEND ERROR",
        L"CAN RECV LEN ERROR",
        L"CAN NO ANWSER ERROR",
        L"CAN INVALIDATION BIT TIMING",
        L"DATA OVER",
        L"NO PULSE FOUND",
        L"NO IDLESSE",
    };
    return texts;
}

EcuReportBox& ReportBox()
{
    static EcuReportBox box;
    return box;
}

}  // namespace

const std::wstring& InterfaceErrorText(int code)
{
    const bool known = code <= 0 && code >= kLowestKnownCode;
    return InterfaceErrorTexts()[known ? static_cast<size_t>(-code) : 0];
}

EcuReportBox SetEcuReportBox(EcuReportBox box)
{
    EcuReportBox previous = std::move(ReportBox());
    ReportBox() = std::move(box);
    return previous;
}

CEcuCommException::CEcuCommException(int16_t code, const std::wstring& parameters, const std::wstring& function)
{
    Set(code, parameters, function);
}

void CEcuCommException::Set(int16_t code, const std::wstring& parameters, const std::wstring& function)
{
    m_code = code;
    m_parameters = parameters;
    m_function = function;
}

std::wstring CEcuCommException::ReportText() const
{
    wchar_t code[32] = {};
    std::swprintf(code, sizeof code / sizeof code[0], L"ErrorCode : %2d\n", m_code);
    return code + (L"What : " + InterfaceErrorText(m_code) + L"\n") + L"Function : \n  " + m_function + L"\n" +
           L"Parameter : \n  " + m_parameters;
}

int CEcuCommException::Report(int /*argument*/) const
{
    const EcuReportBox& box = ReportBox();
    return box ? box(ReportText()) : 0;
}

void ThrowEcuNoRoom(const std::wstring& function)
{
    throw CEcuCommException(kEcuNoRoomCode, L"Exception thow from funtion", function);
}
