// The simulated vehicle interface device, a process of its own so that what the device knows
// outlives each load of the stand-in link library. It serves the library over a named pipe and logs
// every open flag and every frame it receives.
//   LinkSimulator.exe [--pipe <name>] [--log <file>] [--image <file>] [--control <file>]
//                     [--lifetime <ms>] [--<option> <value> ...]
// Options are those of SimulatedDevice.h (--fault late, --delay 300, --serial NH00000001, ...).
// The control file, when given, holds the same options one per line ("fault bad-sum"); it is read
// again at every open and applied over the command line's, so a test can change the device's
// behaviour between two exchanges. --image receives the last program image loaded, after every
// chunk. The simulator ends itself after --lifetime (10 minutes unless given).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SimulatedDevice.h"
#include "SimulatorPipe.h"

namespace {

struct SimulatorState {
    CRITICAL_SECTION lock;
    std::wstring pipeName = kDefaultSimulatorPipe;
    std::wstring logFile;
    std::wstring imageFile;
    std::wstring controlFile;
    DWORD lifetimeMs = 10 * 60 * 1000;
    SIMULATOR_SETTINGS baseSettings;
    CSimulatedDevice* device = nullptr;
};

SimulatorState g_state;

class CLock {
public:
    CLock() { EnterCriticalSection(&g_state.lock); }
    ~CLock() { LeaveCriticalSection(&g_state.lock); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;
};

std::string Narrow(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

// Called with the lock held.
void LogLine(const std::string& line)
{
    if (g_state.logFile.empty())
        return;
    if (FILE* log = _wfopen(g_state.logFile.c_str(), L"ab")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

std::string ReadWholeFile(const std::wstring& path)
{
    std::string text;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            text.append(buffer, read);
        std::fclose(file);
    }
    return text;
}

// Called with the lock held.
void ReloadControl()
{
    SIMULATOR_SETTINGS settings = g_state.baseSettings;
    if (!g_state.controlFile.empty()) {
        std::string error;
        if (!ApplySimulatorControl(settings, ReadWholeFile(g_state.controlFile), &error))
            LogLine("bad-control " + error);
    }
    g_state.device->SetSettings(settings);
}

// Called with the lock held.
void SaveImage(uint8_t page)
{
    if (g_state.imageFile.empty())
        return;
    const std::vector<uint8_t> image = g_state.device->Image(page);
    if (FILE* file = _wfopen(g_state.imageFile.c_str(), L"wb")) {
        std::fwrite(image.data(), 1, image.size(), file);
        std::fclose(file);
    }
}

void Deliver(HANDLE pipe, const std::vector<SIM_DELIVERY>& deliveries)
{
    const DWORD start = GetTickCount();
    for (const SIM_DELIVERY& delivery : deliveries) {
        const DWORD elapsed = GetTickCount() - start;
        if (delivery.delayMs > elapsed)
            Sleep(delivery.delayMs - elapsed);
        if (!SendPipeMessage(pipe, kPipeDeliver, delivery.bytes.data(), delivery.bytes.size()))
            return;
    }
}

DWORD WINAPI ServeConnection(void* parameter)
{
    const HANDLE pipe = static_cast<HANDLE>(parameter);
    uint8_t type = 0;
    std::vector<uint8_t> payload;
    while (ReceivePipeMessage(pipe, type, payload)) {
        if (type == kPipeOpen && payload.size() == 4) {
            const auto flag = static_cast<int32_t>(uint32_t{payload[0]} | uint32_t{payload[1]} << 8 |
                                                   uint32_t{payload[2]} << 16 | uint32_t{payload[3]} << 24);
            bool opened = false;
            {
                CLock lock;
                ReloadControl();
                opened = g_state.device->Open(flag);
            }
            const uint8_t answer = opened ? 1 : 0;
            if (!SendPipeMessage(pipe, kPipeOpenAnswer, &answer, 1))
                break;
        } else if (type == kPipeWrite) {
            std::vector<SIM_DELIVERY> deliveries;
            {
                CLock lock;
                const auto loadedBefore = g_state.device->LoadCount();
                deliveries = g_state.device->Receive(payload);
                if (g_state.device->LoadCount() != loadedBefore)
                    SaveImage(g_state.device->LastLoadedPage());
            }
            Deliver(pipe, deliveries);
        } else if (type == kPipeClose) {
            CLock lock;
            g_state.device->Close();
        } else if (type == kPipeReset) {
            CLock lock;
            g_state.device->Reset();
        }
    }
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
    return 0;
}

DWORD WINAPI EndAfterLifetime(void*)
{
    Sleep(g_state.lifetimeMs);
    ExitProcess(0);
}

bool ReadArguments()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool good = arguments != nullptr;
    for (int i = 1; good && i < count; i += 2) {
        const std::wstring name = arguments[i];
        if (i + 1 >= count || name.rfind(L"--", 0) != 0) {
            good = false;
            break;
        }
        const std::wstring value = arguments[i + 1];
        if (name == L"--pipe")
            g_state.pipeName = value;
        else if (name == L"--log")
            g_state.logFile = value;
        else if (name == L"--image")
            g_state.imageFile = value;
        else if (name == L"--control")
            g_state.controlFile = value;
        else if (name == L"--lifetime")
            g_state.lifetimeMs = static_cast<DWORD>(_wtoi(value.c_str()));
        else
            good = ApplySimulatorOption(g_state.baseSettings, Narrow(name.substr(2)), Narrow(value));
    }
    LocalFree(arguments);
    return good;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    InitializeCriticalSection(&g_state.lock);
    if (!ReadArguments())
        return 2;
    CSimulatedDevice device(&LogLine);
    g_state.device = &device;
    if (HANDLE watchdog = CreateThread(nullptr, 0, &EndAfterLifetime, nullptr, 0, nullptr))
        CloseHandle(watchdog);

    for (;;) {
        const HANDLE pipe = CreateNamedPipeW(g_state.pipeName.c_str(), PIPE_ACCESS_DUPLEX,
                                             PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                             kPipeBufferSize, kPipeBufferSize, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE)
            return 1;
        if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) {
            CloseHandle(pipe);
            continue;
        }
        HANDLE thread = CreateThread(nullptr, 0, &ServeConnection, pipe, 0, nullptr);
        if (thread)
            CloseHandle(thread);
        else
            CloseHandle(pipe);
    }
}
