// The interface's side of a launch against the simulated interface, through the stand-in link
// library: every row of the program check, what it loads into the interface and whether it resets
// the loaded page.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>

#include "LaunchLink.h"
#include "LinkProgramFolder.h"
#include "SimulatorRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kLinkId = 0x11223344;

// "LINK.bin" with the identifier at bytes 1024-1027; `size` below 3328 leaves it without one.
std::string LinkImage(size_t size)
{
    std::string image(size, '\0');
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    if (size >= 1028) {
        for (int i = 0; i < 4; ++i)
            image[1024 + static_cast<size_t>(i)] = static_cast<char>(kLinkId >> (8 * i));
    }
    return image;
}

struct CheckCase {
    const char* name;
    const char* control;  // the simulated interface: programs held, version word, faults
    size_t linkSize;      // of "LINK.bin"
    bool result;
    bool loads;         // "LINK.bin" is loaded into page 8
    bool resetsPage8;
};

class CheckInterfaceProgramTest : public ::testing::TestWithParam<CheckCase> {
protected:
    void SetUp() override
    {
        PrepareLinkProgramFolder(program);
        CLaunchLink::SetPauseScaleForTest(1);
        ASSERT_TRUE(simulator.WaitUntilListening());
    }
    void TearDown() override { CLaunchLink::SetPauseScaleForTest(100); }

    bool Logged(const std::string& data) const
    {
        const auto lines = simulator.LogLines();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind("frame ", 0) == 0 && line.size() >= data.size() + 1 &&
                   line.compare(line.size() - data.size() - 1, std::string::npos, " " + data) == 0;
        });
    }
    bool LoggedChunk() const
    {
        const auto lines = simulator.LogLines();
        return std::any_of(lines.begin(), lines.end(),
                           [](const std::string& line) { return line.find(" 000808") != std::string::npos; });
    }

    CTempFolder root;
    fs::path program = root / "Program";
    CSimulatorRun simulator{root / "simulator"};
};

TEST_P(CheckInterfaceProgramTest, LoadsAndResetsAsTheInterfaceRequires)
{
    const std::string image = LinkImage(GetParam().linkSize);
    std::ofstream(program / "LINK.bin", std::ios::binary) << image;
    simulator.SetControl(GetParam().control);
    CLaunchLink link;
    link.ReadInterfaceVersion();
    EXPECT_EQ(link.CheckInterfaceProgram(CLaunchLink::ReadLinkProgramId(), {}), GetParam().result);
    EXPECT_EQ(LoggedChunk(), GetParam().loads);
    if (GetParam().loads) {
        EXPECT_TRUE(simulator.Image() == image) << "the interface holds LINK.bin byte for byte";
    }
    EXPECT_EQ(Logged("00FE08"), GetParam().resetsPage8);
}

INSTANTIATE_TEST_SUITE_P(Rows, CheckInterfaceProgramTest, ::testing::Values(
    CheckCase{"NoInterface", "fault no-device\n", 3428, false, false, false},
    CheckCase{"EmptyAndNoIdentifier", "", 3327, true, false, false},
    CheckCase{"EmptyIsLoaded", "", 3428, true, true, true},
    CheckCase{"EmptyButDownloadRefused", "version 0x0103\n", 3428, false, false, false},
    CheckCase{"OneTheSame", "program 1:0x11223344\n", 3428, true, false, true},
    CheckCase{"OneOtherIsReplaced", "program 1:0x55667788\n", 3428, true, true, true},
    CheckCase{"OneOtherButDownloadRefused", "program 1:0x55667788\nversion 0x0103\n", 3428, false, false, false},
    CheckCase{"TwoOrMoreAreLeftAlone", "program 1:0x55667788\nprogram 2:0x11223344\n", 3428, true, false, false}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
