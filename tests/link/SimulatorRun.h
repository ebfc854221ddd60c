#pragma once
// The simulator process of the vehicle interface for one test: its own pipe (named to this process
// through the variable the stand-in library reads), log, control file and image file in a folder
// of the test. Ended when the object goes.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"

class CSimulatorRun {
public:
    // Starts LinkSimulator.exe from the build's program folder; `arguments` are added to its own.
    explicit CSimulatorRun(const std::filesystem::path& folder, const std::wstring& arguments = L"");
    ~CSimulatorRun();
    CSimulatorRun(const CSimulatorRun&) = delete;
    CSimulatorRun& operator=(const CSimulatorRun&) = delete;

    // True once the simulator listens (waits at most a few seconds).
    bool WaitUntilListening();
    // The behaviour for the next exchanges, as control-file lines.
    void SetControl(const std::string& lines) const;
    std::vector<std::string> LogLines() const;
    // Waits (bounded) until the log holds `line`; the simulator logs some lines after it answered.
    bool WaitForLogLine(const std::string& line) const;
    std::string Image() const;

private:
    std::wstring m_pipe;
    std::filesystem::path m_folder;
    CProgramRun m_run;
};

// A pipe name no simulator listens on, for a device that is not there.
std::wstring UnusedSimulatorPipe();
// Names the pipe that the stand-in library of this process talks to.
void UseSimulatorPipe(const std::wstring& pipe);
