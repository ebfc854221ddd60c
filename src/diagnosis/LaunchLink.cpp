#include "LaunchLink.h"

#include <windows.h>

#include "FileBytes.h"
#include "LinkTransport.h"
#include "ProcessValues.h"

namespace {

int g_pauseScale = 100;

void Pause(DWORD milliseconds)
{
    Sleep(milliseconds * static_cast<DWORD>(g_pauseScale) / 100);
}

// One request and, when `room` is not 0, its reply: connect, write, read, disconnect.
bool Exchange(const std::vector<uint8_t>& request, int room, std::vector<uint8_t>* reply, DWORD pauseBeforeRead = 0)
{
    LinkTransport link;
    if (!link.LinkConnect())
        return false;
    const int length = static_cast<int>(request.size());
    if (link.LinkWriteFrame(request.data(), length) != length) {
        link.LinkDisconnect();
        return false;
    }
    if (pauseBeforeRead)
        Pause(pauseBeforeRead);
    if (room > 0) {
        std::vector<uint8_t> buffer(static_cast<size_t>(room));
        const int received = link.LinkReadFrame(buffer.data(), room);
        if (received < 0) {
            link.LinkDisconnect();
            return false;
        }
        buffer.resize(static_cast<size_t>(received));
        if (reply)
            *reply = std::move(buffer);
    }
    link.LinkDisconnect();
    return true;
}

}  // namespace

void CLaunchLink::SetPauseScaleForTest(int percent)
{
    g_pauseScale = percent;
}

std::wstring CLaunchLink::LinkProgramPath()
{
    return ResGetAppDir() + L"LINK.bin";
}

namespace {

constexpr size_t kMaxLinkProgram = 64u << 20;

}  // namespace

uint32_t CLaunchLink::ReadLinkProgramId()
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytesUpTo(LinkProgramPath(), kMaxLinkProgram, bytes))
        return 0;
    return LinkProgramIdOf(bytes);
}

void CLaunchLink::ReadInterfaceVersion()
{
    LinkTransport link;
    if (!link.LinkConnect())
        return;
    const uint8_t ask[] = {0x00, 0xFE, 0x00};
    if (link.LinkWriteFrame(ask, 3) != 3) {
        link.LinkDisconnect();
        return;
    }
    Pause(200);
    const uint8_t version[] = {0x00, 0x01};
    uint8_t reply[100] = {};
    link.LinkWriteFrame(version, 2);
    const int received = link.LinkReadFrame(reply, sizeof(reply));
    if (received >= 0) {
        // A reply too short to hold the word leaves the version unknown.
        if (const auto word = InterfaceVersionOf(std::span<const uint8_t>(reply, static_cast<size_t>(received))))
            m_wInterfaceVersion = *word;
    }
    link.LinkDisconnect();
}

bool CLaunchLink::ResetInterface(uint8_t page)
{
    return Exchange({0x00, 0xFE, page}, page != 0 ? 1 : 0, nullptr, 100);
}

int CLaunchLink::QueryInterfacePrograms(std::vector<INTERFACE_PROGRAM>& programs)
{
    std::vector<uint8_t> reply;
    if (!Exchange({0x00, 0x02, 0xFF}, 200, &reply))
        return -1;
    programs = ParseProgramQuery(reply);
    return static_cast<int>(programs.size());
}

bool CLaunchLink::CheckInterfaceProgram(uint32_t id, const ProgressSink& progress)
{
    std::vector<INTERFACE_PROGRAM> programs;
    const int count = QueryInterfacePrograms(programs);
    if (count < 0)
        return false;
    if (count == 0) {
        if (id == 0)
            return true;
        if (!DownloadInterfaceProgram(8, progress) || QueryInterfacePrograms(programs) < 0)
            return false;
        return ResetInterface(8);
    }
    if (count == 1) {
        if (programs[0].id != id && !DownloadInterfaceProgram(8, progress))
            return false;
        return ResetInterface(8);
    }
    return true;
}

bool CLaunchLink::DownloadInterfaceProgram(uint8_t page, const ProgressSink& progress)
{
    if (!(m_wInterfaceVersion & 0x8000))
        return false;
    std::vector<uint8_t> image;
    if (!ReadFileBytesUpTo(LinkProgramPath(), kMaxLinkProgram, image))
        return false;
    if (progress)
        progress(0);
    LinkTransport link;
    if (!link.LinkConnect())
        return false;
    bool sent = true;
    for (const PROGRAM_CHUNK& chunk : PlanProgramChunks(image.size())) {
        const std::vector<uint8_t> frame = ProgramChunkFrame(page, chunk, image);
        uint8_t reply[1024] = {};
        if (link.LinkWriteFrame(frame.data(), static_cast<int>(frame.size())) != static_cast<int>(frame.size()) ||
            link.LinkReadFrame(reply, sizeof(reply)) < 3) {
            sent = false;
            break;
        }
        if (progress)
            progress(chunk.progressBefore);
        Pause(10);
    }
    if (sent && progress)
        progress(100);
    link.LinkDisconnect();
    return sent;
}

bool CLaunchLink::SendMakerGroup(const std::wstring& softwareFolder)
{
    return Exchange({0x05, 0x01, 0x00, MakerGroupOf(softwareFolder)}, 1, nullptr);
}
