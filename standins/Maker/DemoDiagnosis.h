#pragma once
// The stand-in diagnostic program's built-in demo: a diagnosis of the demo's invented vehicles whose
// menus lead to every screen kind the shell draws, each sent as a maker's program would send it and
// reacting to the user's keys. Texts follow the language the shell announces (English or German).
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "DemoRequests.h"
#include "Maker.h"

class CDemoDiagnosis {
public:
    explicit CDemoDiagnosis(CMaker& maker) : m_maker(maker) {}

    // Start, the system menu until Back on it, end; the program's exit code.
    int Run();

private:
    enum class FUNCTION {
        ReadCodes, ClearCodes, LiveData, ActuatorTests, SpecialFunctions, ShortTest, ComponentStatus,
        SensorPictures, ServiceMessages, VersionInformation
    };
    struct SYSTEM {
        const char* english;
        const char* german;
        std::vector<FUNCTION> functions;
    };

    std::string Say(const char* english, const char* german) const { return m_german ? german : english; }
    bool Alive() const { return !m_failed; }
    bool Send(const CRequest& request, const std::string& summary);
    // The chosen row, or -1 for Back (also when the exchange failed).
    int Menu(const std::string& title, const std::vector<std::string>& items);
    // The code of the key that answered the message, or -1.
    int Message(uint16_t type, const std::string& text, const std::string& title);
    // Waits between two requests of a screen that answers at once, taking keys the shell posted
    // meanwhile that mean nothing here (the page keys of the live-data screen).
    void Pause(DWORD ms);
    double Wave(double low, double high, double period) const;

    void RememberSession();
    void WriteSavedSelection(const std::string& folder) const;
    std::vector<SYSTEM> Systems() const;
    std::string FunctionName(FUNCTION function) const;
    void RunSystem(const SYSTEM& system, size_t index);
    void RunFunction(FUNCTION function, const SYSTEM& system, size_t index);

    void ReadCodes(const SYSTEM& system, size_t index);
    void ClearCodes(const SYSTEM& system);
    void LiveData(const SYSTEM& system);
    void ShowLiveData(const std::string& title, const std::vector<uint16_t>& items);
    void ActuatorTests();
    void FuelPumpTest();
    void CoolingFanTest();
    void SpecialFunctions();
    void ThrottleAdaptation();
    void IdleSpeedSetting();
    void ShortTest();
    void ComponentStatus();
    void SensorPictures();
    void ServiceMessages();
    void VersionInformation(const SYSTEM& system, size_t index);

    CMaker& m_maker;
    bool m_german = false;
    bool m_failed = false;
    DWORD m_startTick = GetTickCount();
};
