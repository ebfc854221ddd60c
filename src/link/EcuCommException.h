#pragma once
// The error the control-unit command layer and its send frames throw, by value: the interface's
// error code, the failing operation's name and a text of its parameters. Showing it is the
// catcher's choice (Report).
#include <cstdint>
#include <functional>
#include <string>

class CEcuCommException {
public:
    CEcuCommException() = default;
    CEcuCommException(int16_t code, const std::wstring& parameters, const std::wstring& function);
    CEcuCommException(const CEcuCommException& other) = default;
    CEcuCommException& operator=(const CEcuCommException& other) = default;
    ~CEcuCommException() = default;

    virtual void Set(int16_t code, const std::wstring& parameters, const std::wstring& function);
    virtual int16_t GetErrorCode() const { return m_code; }
    // Shows the error in a box with an OK button; returns the box's result. The argument is unused.
    virtual int Report(int argument = 0) const;

    const std::wstring& GetParameterText() const { return m_parameters; }
    const std::wstring& GetFunctionName() const { return m_function; }
    // The text Report shows.
    std::wstring ReportText() const;

private:
    int16_t m_code = 0;
    std::wstring m_parameters;
    std::wstring m_function;
};

// The code of a command whose data does not fit its room: send pieces, a filter record, a message
// longer than one link frame.
inline constexpr int16_t kEcuNoRoomCode = 6;

// Throws that error for the named operation, with the parameter text the send pieces have always
// carried.
[[noreturn]] void ThrowEcuNoRoom(const std::wstring& function);

// The text of an interface error code, 0 down to -25; every other code has the text of 0.
const std::wstring& InterfaceErrorText(int code);

// Where Report shows its text: installed by the Windows layer (InstallEcuReportBox) and by tests.
// Without one nothing is shown and Report gives 0. Returns the previous one.
using EcuReportBox = std::function<int(const std::wstring& text)>;
EcuReportBox SetEcuReportBox(EcuReportBox box);
