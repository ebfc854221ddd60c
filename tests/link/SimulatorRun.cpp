#include "SimulatorRun.h"

#include <fstream>
#include <sstream>

#include "SimulatorPipe.h"
#include "TempFolder.h"

namespace {

constexpr DWORD kStartTimeoutMs = 10000;
constexpr DWORD kLogTimeoutMs = 5000;

std::wstring NewPipeName()
{
    static int count = 0;
    return L"\\\\.\\pipe\\LinkTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
}

}  // namespace

std::wstring UnusedSimulatorPipe()
{
    return NewPipeName() + L"-nobody";
}

void UseSimulatorPipe(const std::wstring& pipe)
{
    SetEnvironmentVariableW(kSimulatorPipeVariable, pipe.c_str());
}

CSimulatorRun::CSimulatorRun(const std::filesystem::path& folder, const std::wstring& arguments)
    : m_pipe(NewPipeName()), m_folder(folder)
{
    std::filesystem::create_directories(folder);
    const auto quoted = [&](const char* name) { return L" \"" + (folder / name).wstring() + L"\""; };
    m_run.Start(BuildProgramFolder() / "LinkSimulator.exe",
                L"--pipe " + m_pipe + L" --log" + quoted("simulator.log") + L" --control" + quoted("control.txt") +
                    L" --image" + quoted("image.bin") + L" --lifetime 120000 " + arguments);
    UseSimulatorPipe(m_pipe);
}

CSimulatorRun::~CSimulatorRun()
{
    SetEnvironmentVariableW(kSimulatorPipeVariable, nullptr);
}

bool CSimulatorRun::WaitUntilListening()
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartTimeoutMs) {
        if (WaitNamedPipeW(m_pipe.c_str(), 1))
            return true;
        if (m_run.HasExited())
            return false;
        PollPause();
    }
    return false;
}

void CSimulatorRun::SetControl(const std::string& lines) const
{
    std::ofstream(m_folder / "control.txt", std::ios::binary) << lines;
}

std::vector<std::string> CSimulatorRun::LogLines() const
{
    std::vector<std::string> lines;
    std::istringstream text(ReadFileBytes(m_folder / "simulator.log"));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

bool CSimulatorRun::WaitForLogLine(const std::string& line) const
{
    const DWORD start = GetTickCount();
    do {
        for (const std::string& logged : LogLines()) {
            if (logged == line)
                return true;
        }
        PollPause();
    } while (GetTickCount() - start < kLogTimeoutMs);
    return false;
}

std::string CSimulatorRun::Image() const
{
    return ReadFileBytes(m_folder / "image.bin");
}
