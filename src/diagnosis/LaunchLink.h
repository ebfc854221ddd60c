#pragma once
// The vehicle interface's side of a launch: its version word, reset, the program it runs, the
// download of "LINK.bin" and the maker group. Each step is one exchange over its own link transport.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "VersionLaunch.h"

class CLaunchLink {
public:
    using ProgressSink = std::function<void(int percent)>;

    uint16_t InterfaceVersion() const { return m_wInterfaceVersion; }
    void SetInterfaceVersion(uint16_t version) { m_wInterfaceVersion = version; }

    void ReadInterfaceVersion();
    bool ResetInterface(uint8_t page);
    // The programs the interface holds; -1 on a transport failure.
    int QueryInterfacePrograms(std::vector<INTERFACE_PROGRAM>& programs);
    bool CheckInterfaceProgram(uint32_t id, const ProgressSink& progress);
    bool DownloadInterfaceProgram(uint8_t page, const ProgressSink& progress);
    bool SendMakerGroup(const std::wstring& softwareFolder);

    // "LINK.bin" in the program folder.
    static std::wstring LinkProgramPath();
    static uint32_t ReadLinkProgramId();

    // The pauses between the steps (200, 100 and 10 ms); a test makes them short.
    static void SetPauseScaleForTest(int percent);

private:
    uint16_t m_wInterfaceVersion = 0;
};
