#pragma once
// The conversation between the stand-in link library and the simulator process over a named pipe
// in byte mode. Each message is a type byte, the payload length (32-bit little-endian) and the
// payload. The library sends open (flag, 32-bit), write (the bytes), close and reset; the simulator
// answers open with one byte (1: opened) and sends the device's bytes as deliveries, each one whole
// reply or piece of one, so a reply never arrives half.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

enum PIPE_MESSAGE_TYPE : uint8_t {
    kPipeOpen = 'O',
    kPipeOpenAnswer = 'A',
    kPipeWrite = 'W',
    kPipeClose = 'C',
    kPipeReset = 'R',
    kPipeDeliver = 'D',
};

inline constexpr size_t kPipeHeaderSize = 5;
inline constexpr uint32_t kPipeMaxPayload = 1 << 20;
inline constexpr DWORD kPipeBufferSize = 64 * 1024;
// The pipe both sides use unless the environment names another, so that tests running side by
// side each talk to their own simulator.
inline constexpr const wchar_t* kDefaultSimulatorPipe = L"\\\\.\\pipe\\NuthawkLinkSimulator";
inline constexpr const wchar_t* kSimulatorPipeVariable = L"LINK_SIMULATOR_PIPE";

inline std::wstring SimulatorPipeName()
{
    wchar_t name[512] = {};
    const DWORD length = GetEnvironmentVariableW(kSimulatorPipeVariable, name, 512);
    return length > 0 && length < 512 ? std::wstring(name, length) : std::wstring(kDefaultSimulatorPipe);
}

inline bool WriteAll(HANDLE pipe, const uint8_t* bytes, size_t count)
{
    while (count > 0) {
        DWORD written = 0;
        if (!WriteFile(pipe, bytes, static_cast<DWORD>(count), &written, nullptr) || written == 0)
            return false;
        bytes += written;
        count -= written;
    }
    return true;
}

inline bool ReadAll(HANDLE pipe, uint8_t* bytes, size_t count)
{
    while (count > 0) {
        DWORD read = 0;
        if (!ReadFile(pipe, bytes, static_cast<DWORD>(count), &read, nullptr) || read == 0)
            return false;
        bytes += read;
        count -= read;
    }
    return true;
}

inline bool SendPipeMessage(HANDLE pipe, PIPE_MESSAGE_TYPE type, const uint8_t* payload, size_t size)
{
    std::vector<uint8_t> message(kPipeHeaderSize + size);
    message[0] = type;
    for (int i = 0; i < 4; ++i)
        message[1 + i] = static_cast<uint8_t>(size >> (8 * i));
    for (size_t i = 0; i < size; ++i)
        message[kPipeHeaderSize + i] = payload[i];
    return WriteAll(pipe, message.data(), message.size());
}

inline uint32_t PipePayloadSize(const uint8_t* header)
{
    return uint32_t{header[1]} | uint32_t{header[2]} << 8 | uint32_t{header[3]} << 16 | uint32_t{header[4]} << 24;
}

// Blocks until one whole message has arrived. False when the pipe broke or the message is
// larger than any we send.
inline bool ReceivePipeMessage(HANDLE pipe, uint8_t& type, std::vector<uint8_t>& payload)
{
    uint8_t header[kPipeHeaderSize] = {};
    if (!ReadAll(pipe, header, kPipeHeaderSize))
        return false;
    const uint32_t size = PipePayloadSize(header);
    if (size > kPipeMaxPayload)
        return false;
    type = header[0];
    payload.resize(size);
    return size == 0 || ReadAll(pipe, payload.data(), size);
}
