#include "LinkTransport.h"

#include <string>
#include <vector>

#include "ComPortChoice.h"
#include "ConfigStore.h"
#include "LinkFrame.h"
#include "ProcessValues.h"

namespace {

// What outlives one LinkTransport: whether the process has opened the link before, and the seams.
struct LinkProcessState {
    int32_t firstOpenCount = 0;
    const LINK_LIBRARY_ENTRIES* entriesForTest = nullptr;
    LinkTickSource ticksForTest;
};

LinkProcessState& ProcessState()
{
    static LinkProcessState state;
    return state;
}

uint32_t Now()
{
    const LinkTickSource& ticks = ProcessState().ticksForTest;
    return ticks ? ticks() : GetTickCount();
}

template <typename Function>
Function EntryPoint(HMODULE module, const char* name)
{
    // GetProcAddress gives a generic function pointer; the real type is the library's contract.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

constexpr char kCtsLow[] = "***CTS_LOW***";    // sent with its terminating zero: 14 bytes
constexpr char kCtsHigh[] = "***CTS_HIGH***";  // 15 bytes
constexpr DWORD kCtsPulseMs = 500;

std::vector<SERIAL_PORT_ENTRY> ListSerialPorts()
{
    std::vector<SERIAL_PORT_ENTRY> entries;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Hardware\\DeviceMap\\SerialComm", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return entries;
    constexpr DWORD kRoom = 256;
    for (DWORD index = 0;; ++index) {
        wchar_t name[kRoom] = {};
        wchar_t data[kRoom + 1] = {};  // one more, so a value that fills the room still ends
        DWORD nameLength = kRoom;
        DWORD dataBytes = kRoom * sizeof(wchar_t);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_MORE_DATA)
            continue;  // longer than any port name: not a port
        if (status != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            entries.push_back({name, data});
    }
    RegCloseKey(key);
    return entries;
}

}  // namespace

LinkTransport::LinkTransport()
{
    LinkOpenLibrary();
}

LinkTransport::~LinkTransport()
{
    LinkClose();
}

void LinkTransport::LinkOpenLibrary()
{
    m_timeoutMs = kDefaultTimeoutMs;
    m_counter = 0;
    // Taken once: a run mode changed during the exchange does not turn a library it loaded into
    // one it never opened.
    m_demoMode = ResGetRunModeFlag() == L"1";
    if (m_demoMode) {
        m_timeoutMs = 0;
        return;
    }
    LinkCreateInstanceFn create = nullptr;
    LinkDestroyInstanceFn destroy = nullptr;
    if (const LINK_LIBRARY_ENTRIES* entries = ProcessState().entriesForTest) {
        create = entries->create;
        destroy = entries->destroy;
    } else {
        // From the program folder only: a library of the same name elsewhere on the search path is
        // not ours to load.
        const std::wstring folder = ResGetAppDir();
        if (folder.empty())
            return;
        const std::wstring path = folder + kLinkLibraryFileName;
        m_module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!m_module)
            return;
        create = EntryPoint<LinkCreateInstanceFn>(m_module, kLinkCreateInstanceName);
        destroy = EntryPoint<LinkDestroyInstanceFn>(m_module, kLinkDestroyInstanceName);
    }
    // An object that could not be destroyed again is not made at all.
    if (!create || !destroy)
        return;
    m_destroy = destroy;
    m_transport = create(kLinkInstanceKind);
}

void LinkTransport::LinkClose()
{
    if (m_destroy)
        m_destroy();
    m_destroy = nullptr;
    m_transport = nullptr;
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
}

bool LinkTransport::LinkConnect()
{
    if (m_demoMode)
        return true;
    if (!m_transport)
        return false;
    int32_t& firstOpenCount = ProcessState().firstOpenCount;
    const int32_t flag = firstOpenCount == 0 ? 1 : 0;
    // Counted as used whatever the open gives: a failed first open is still the first.
    const int32_t opened = m_transport->Open(flag);
    firstOpenCount = 1;
    return (opened & 0xFF) != 0;
}

void LinkTransport::LinkDisconnect()
{
    if (m_demoMode || !m_transport)
        return;
    m_transport->Close();
}

int LinkTransport::LinkWriteFrame(const uint8_t* data, int length)
{
    if (length < 0 || static_cast<size_t>(length) > kLinkFrameMaxData || (!data && length > 0))
        return -1;
    ++m_counter;
    if (!m_transport)
        return length;
    std::vector<uint8_t> frame = BuildLinkFrame(m_counter, std::span(data, static_cast<size_t>(length)));
    m_transport->Write(frame.data(), static_cast<int32_t>(frame.size()));
    return length;
}

int LinkTransport::LinkReadFrame(uint8_t* buffer, int room)
{
    if (!m_transport)
        return kLinkReadTimedOut;
    const size_t usableRoom = buffer && room > 0 ? static_cast<size_t>(room) : 0;
    return ReadLinkFrame(*m_transport, m_counter, std::span(buffer, usableRoom), m_timeoutMs, &Now, m_trace);
}

int LinkTransport::LinkReset()
{
    return m_transport ? m_transport->Reset() : 0;
}

int LinkTransport::LinkPulseCts()
{
    if (!m_transport)
        return 0;
    m_transport->Write(reinterpret_cast<const uint8_t*>(kCtsLow), sizeof(kCtsLow));
    Sleep(kCtsPulseMs);
    m_transport->Write(reinterpret_cast<const uint8_t*>(kCtsHigh), sizeof(kCtsHigh));
    return 0;
}

void LinkTransport::LinkSelectComPort()
{
    const std::wstring stored = GetConfigValue(L"COMMON\\SYSTEM", L"COMMPORT", L"COM1");
    if (const auto port = ChooseComPort(ListSerialPorts(), stored))
        SetConfigValue(L"COMMON\\SYSTEM", L"COMMPORT", port->c_str());
}

void LinkUseEntriesForTest(const LINK_LIBRARY_ENTRIES* entries)
{
    ProcessState().entriesForTest = entries;
}

void LinkUseTickSourceForTest(LinkTickSource ticks)
{
    ProcessState().ticksForTest = std::move(ticks);
}

void LinkForgetFirstOpenForTest()
{
    ProcessState().firstOpenCount = 0;
}
