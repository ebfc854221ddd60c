#include <gtest/gtest.h>

#include <optional>

#include "ComPortChoice.h"

namespace {

struct PortCase {
    const char* name;
    std::vector<SERIAL_PORT_ENTRY> entries;
    const wchar_t* stored;
    std::optional<std::wstring> chosen;
};

class ComPortChoiceTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(ComPortChoiceTest, PrefersAUsbSerialBridgePort)
{
    EXPECT_EQ(ChooseComPort(GetParam().entries, GetParam().stored), GetParam().chosen);
}

const SERIAL_PORT_ENTRY kBuiltIn = {L"\\Device\\Serial0", L"COM1"};
const SERIAL_PORT_ENTRY kBridge3 = {L"\\Device\\Silabser0", L"COM3"};
const SERIAL_PORT_ENTRY kBridge5 = {L"\\DEVICE\\SILABSER1", L"COM5"};

INSTANTIATE_TEST_SUITE_P(Cases, ComPortChoiceTest, ::testing::Values(
    PortCase{"no_ports", {}, L"COM1", std::nullopt},
    PortCase{"no_bridge", {kBuiltIn}, L"COM1", std::nullopt},
    PortCase{"stored_port_is_a_bridge", {kBuiltIn, kBridge3, kBridge5}, L"COM5", std::nullopt},
    PortCase{"stored_port_is_not", {kBuiltIn, kBridge3, kBridge5}, L"COM1", L"COM3"},
    PortCase{"names_in_any_case", {kBridge5}, L"COM1", L"COM5"},
    PortCase{"port_names_compare_exactly", {kBridge3}, L"com3", L"COM3"}),
    [](const ::testing::TestParamInfo<PortCase>& param) { return std::string(param.param.name); });

TEST(BridgePortsTest, KeepsTheSystemsOrder)
{
    EXPECT_EQ(BridgePorts({kBridge5, kBuiltIn, kBridge3}), (std::vector<std::wstring>{L"COM5", L"COM3"}));
}

}  // namespace
