// The module's forms and the retry rule of its set-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WifiModuleForms.h"
#include "WifiModuleSetup.h"

namespace {

struct EncodeCase {
    std::string value;
    std::string encoded;
};

class UrlEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(UrlEncodeTest, KeepsUnreservedBytesAndEncodesTheRest)
{
    EXPECT_EQ(UrlEncodeFormValue(GetParam().value), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Values, UrlEncodeTest,
                         ::testing::Values(EncodeCase{"Pelgrid", "Pelgrid"}, EncodeCase{"A-b.c_d~9", "A-b.c_d~9"},
                                           EncodeCase{"a&b=c", "a%26b%3Dc"}, EncodeCase{"50% off", "50%25%20off"},
                                           EncodeCase{"x+y", "x%2By"}, EncodeCase{"\"q'", "%22q%27"},
                                           EncodeCase{"\xC3\xA9", "%C3%A9"}, EncodeCase{"", ""}));

TEST(WifiModuleFormsTest, TheSsidFormCarriesTheEncodedNameAfterItsFixedFields)
{
    const WIFI_MODULE_FORM form = WifiModuleSsidForm("127.0.0.1", "Shop&Co");
    EXPECT_EQ(form.path, "/CN/do_cmd.html");
    EXPECT_EQ(form.body, "CMD=WIRELESS_BASIC&GO=ap.html&SET0=71041536%3DShop%26Co");
}

TEST(WifiModuleFormsTest, SecurityAndRestartBodiesHaveTheirFixedLengths)
{
    EXPECT_EQ(WifiModuleSecurityForm("127.0.0.1").body.size(), 88u);
    const WIFI_MODULE_FORM restart = WifiModuleRestartForm("127.0.0.1");
    EXPECT_EQ(restart.path, "/CN/restart.html");
    EXPECT_EQ(restart.body.size(), 38u);
}

TEST(WifiModuleFormsTest, TheRestartFormNamesItsLengthAfterTheConnectionAndAnotherReferrer)
{
    const std::vector<std::string> ssid = WifiModuleSsidForm("10.0.0.1", "a").headers;
    const std::vector<std::string> restart = WifiModuleRestartForm("10.0.0.1").headers;
    ASSERT_EQ(ssid.size(), 11u);
    ASSERT_EQ(restart.size(), 12u);
    EXPECT_EQ(ssid[0], "Host: 10.0.0.1");
    EXPECT_EQ(restart[2], "Content-Length: 38");
    EXPECT_EQ(ssid[8], "Referer: http://10.0.0.1/CN/ap.html");
    EXPECT_EQ(restart[9], "Referer: http://10.0.0.1/CN/management.html");
    EXPECT_EQ(ssid[5], "Origin: http://10.0.0.1");
}

// The set-up as the module sees it: which forms arrive, in which order, and what it answers.
struct SetupCase {
    const char* name;
    std::vector<int> answers;  // one a request, then 1 for the rest
    int result;
    std::vector<std::string> paths;  // "s" name, "k" security, "r" restart
    bool waited;
};

class ConfigureWifiModuleTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(ConfigureWifiModuleTest, TriesEachFormFiveTimesAndStopsAtTheFirstRefusedOne)
{
    const SetupCase& c = GetParam();
    std::vector<std::string> sent;
    unsigned waited = 0;
    size_t next = 0;
    WIFI_MODULE_LINK link{"127.0.0.1",
                          [&](const WIFI_MODULE_FORM& form) {
                              sent.push_back(form.path == "/CN/restart.html"           ? "r"
                                             : form.body.find("WPA2PSK") != std::string::npos ? "k"
                                                                                               : "s");
                              return next < c.answers.size() ? c.answers[next++] : 1;
                          },
                          [&](unsigned ms) { waited += ms; }};
    EXPECT_EQ(ConfigureWifiModule("Pelgrid", link), c.result);
    EXPECT_EQ(sent, c.paths);
    EXPECT_EQ(waited, c.waited ? 20000u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfigureWifiModuleTest,
    ::testing::Values(SetupCase{"AllAccepted", {}, 1, {"s", "k", "r"}, true},
                      SetupCase{"RedirectsFailFiveTimes", {302, 302, 302, 302, 302}, 0, {"s", "s", "s", "s", "s"}, false},
                      SetupCase{"ErrorsThenAccepted", {500, 12029, 1}, 1, {"s", "s", "s", "k", "r"}, true},
                      SetupCase{"SecurityRefused", {1, 0, 0, 0, 0, 0}, 0, {"s", "k", "k", "k", "k", "k"}, false},
                      SetupCase{"RestartRefused", {1, 1, 404, 404, 404, 404, 404}, 0, {"s", "k", "r", "r", "r", "r", "r"},
                                false}),
    [](const auto& entry) { return std::string(entry.param.name); });

}  // namespace
