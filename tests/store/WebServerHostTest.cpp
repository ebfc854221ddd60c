#include <gtest/gtest.h>

#include "WebServerHost.h"

namespace {

struct AddressCase {
    const wchar_t* host;
    const wchar_t* port;
    const wchar_t* expectedRoot;  // nullptr: the built-in address
    unsigned short expectedPort;
};

class WebServerAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(WebServerAddressTest, FollowsTheConfiguredHostAndPortOrKeepsTheBuiltInOne)
{
    const AddressCase& c = GetParam();
    const WebServerAddress address = WebServerAddressFrom(c.host, c.port);
    const WebServerAddress builtIn;
    if (!c.expectedRoot) {
        EXPECT_EQ(address.Host, builtIn.Host);
        EXPECT_EQ(address.Port, builtIn.Port);
        EXPECT_EQ(address.WebRoot, builtIn.WebRoot);
        return;
    }
    EXPECT_EQ(address.Host, c.host);
    EXPECT_EQ(address.Port, c.expectedPort);
    EXPECT_EQ(address.WebRoot, c.expectedRoot);
    EXPECT_EQ(address.SiteFolderPrefix, builtIn.SiteFolderPrefix);
    EXPECT_EQ(address.TimeoutMs, builtIn.TimeoutMs);
}

INSTANTIATE_TEST_SUITE_P(Cases, WebServerAddressTest, ::testing::Values(
    AddressCase{L"127.0.0.1", L"8765", L"http://127.0.0.1:8765/", 8765},
    AddressCase{L"store.example.org", L"", L"http://store.example.org/", 80},
    AddressCase{L"store.example.org", L"80", L"http://store.example.org/", 80},
    AddressCase{L"localhost", L"1", L"http://localhost:1/", 1},
    AddressCase{L"a-b.c9", L"65535", L"http://a-b.c9:65535/", 65535},
    AddressCase{L"0.0.0.0", L"81", L"http://0.0.0.0:81/", 81},
    // Anything else keeps the built-in address whole.
    AddressCase{L"", L"8765", nullptr, 0},
    AddressCase{L"127.0.0.1", L"0", nullptr, 0},
    AddressCase{L"127.0.0.1", L"65536", nullptr, 0},
    AddressCase{L"127.0.0.1", L"99999999999999999999", nullptr, 0},
    AddressCase{L"127.0.0.1", L"-1", nullptr, 0},
    AddressCase{L"127.0.0.1", L"80a", nullptr, 0},
    AddressCase{L"127.0.0.1", L" 80", nullptr, 0},
    AddressCase{L"127.0.0.1", L"080", nullptr, 0},
    AddressCase{L"http://127.0.0.1", L"80", nullptr, 0},
    AddressCase{L"127.0.0.1:80", L"", nullptr, 0},
    AddressCase{L"127.0.0.1/", L"", nullptr, 0},
    AddressCase{L"host/path", L"", nullptr, 0},
    AddressCase{L" host", L"", nullptr, 0},
    AddressCase{L"user@host", L"", nullptr, 0},
    AddressCase{L"300.1.1.1", L"", nullptr, 0},
    AddressCase{L"10.1", L"", nullptr, 0},
    AddressCase{L"1.2.3.4.5", L"", nullptr, 0},
    AddressCase{L"127.0.0.01", L"", nullptr, 0},
    AddressCase{L"-host.org", L"", nullptr, 0},
    AddressCase{L"host-.org", L"", nullptr, 0},
    AddressCase{L"host..org", L"", nullptr, 0},
    AddressCase{L"host.org.", L"", nullptr, 0},
    AddressCase{L"h\u00F6st.org", L"", nullptr, 0}));

TEST(WebServerAddressLengthTest, OverlongNamesAndLabelsKeepTheBuiltInAddress)
{
    const std::wstring label63(63, L'a');
    EXPECT_EQ(WebServerAddressFrom(label63 + L".org", L"").Host, label63 + L".org");
    EXPECT_EQ(WebServerAddressFrom(label63 + L"a.org", L"").Host, WebServerAddress().Host);
    std::wstring longName = label63;
    while (longName.size() < 260)
        longName += L"." + label63;
    EXPECT_EQ(WebServerAddressFrom(longName, L"").Host, WebServerAddress().Host);
}

struct SiteFolderCase {
    const wchar_t* configured;
    const wchar_t* expected;  // nullptr: the built-in folder
};

class SiteFolderTest : public ::testing::TestWithParam<SiteFolderCase> {};

TEST_P(SiteFolderTest, FollowsAPlainFolderPathOrKeepsTheBuiltInOne)
{
    const SiteFolderCase& c = GetParam();
    const WebServerAddress address = WebServerAddressFrom(L"127.0.0.1", L"8765", c.configured);
    EXPECT_EQ(address.SiteFolderPrefix, c.expected ? c.expected : WebServerAddress().SiteFolderPrefix);
    EXPECT_EQ(address.WebRoot, L"http://127.0.0.1:8765/") << "the rest of the address stands";
}

INSTANTIATE_TEST_SUITE_P(Cases, SiteFolderTest, ::testing::Values(
    SiteFolderCase{L"E:\\Depot\\", L"E:\\Depot\\"},
    SiteFolderCase{L"E:\\Depot", L"E:\\Depot\\"},
    SiteFolderCase{L"d:\\Web Site\\v2.1\\files\\", L"d:\\Web Site\\v2.1\\files\\"},
    SiteFolderCase{L"F:\\", L"F:\\"},
    // Anything else keeps the built-in folder.
    SiteFolderCase{L"", nullptr},
    SiteFolderCase{L"Depot\\", nullptr},
    SiteFolderCase{L"\\Depot\\", nullptr},
    SiteFolderCase{L"E:Depot\\", nullptr},
    SiteFolderCase{L"E:", nullptr},
    SiteFolderCase{L"1:\\Depot\\", nullptr},
    SiteFolderCase{L"\\\\server\\share\\", nullptr},
    SiteFolderCase{L"E:\\Depot\\..\\", nullptr},
    SiteFolderCase{L"E:\\..\\", nullptr},
    SiteFolderCase{L"E:\\a..b\\", nullptr},
    SiteFolderCase{L"E:\\Depot\\.\\", nullptr},
    SiteFolderCase{L"E:\\Depot\\\\pkg\\", nullptr},
    SiteFolderCase{L"E:/Depot/", nullptr},
    SiteFolderCase{L"E:\\Depot/pkg\\", nullptr},
    SiteFolderCase{L"E:\\De:pot\\", nullptr},
    SiteFolderCase{L"E:\\De*pot\\", nullptr},
    SiteFolderCase{L"E:\\Depot \\", nullptr},
    SiteFolderCase{L"E:\\Dep\tot\\", nullptr},
    SiteFolderCase{L"http://127.0.0.1/", nullptr}));

TEST(SiteFolderLengthTest, AnOverlongFolderKeepsTheBuiltInOne)
{
    const std::wstring longest = L"E:\\" + std::wstring(244, L'a') + L"\\";  // 248 characters
    EXPECT_EQ(WebServerAddressFrom(L"127.0.0.1", L"", longest).SiteFolderPrefix, longest);
    EXPECT_EQ(WebServerAddressFrom(L"127.0.0.1", L"", L"E:\\" + std::wstring(244, L'a')).SiteFolderPrefix, longest);
    EXPECT_EQ(WebServerAddressFrom(L"127.0.0.1", L"", L"E:\\" + std::wstring(245, L'a')).SiteFolderPrefix,
              WebServerAddress().SiteFolderPrefix);
    EXPECT_EQ(WebServerAddressFrom(L"127.0.0.1", L"", L"E:\\" + std::wstring(100000, L'a')).SiteFolderPrefix,
              WebServerAddress().SiteFolderPrefix);
}

// A host that is not taken takes the site folder with it: the built-in service's records carry the
// built-in folder.
TEST(SiteFolderHostTest, ABadHostKeepsTheBuiltInFolderToo)
{
    EXPECT_EQ(WebServerAddressFrom(L"bad host", L"", L"E:\\Depot\\").SiteFolderPrefix,
              WebServerAddress().SiteFolderPrefix);
}

}  // namespace
