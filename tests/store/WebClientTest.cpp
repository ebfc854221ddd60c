// The web-service client against the loopback stand-in of the maker's server.
#include <gtest/gtest.h>

#include "LoopbackWebServer.h"
#include "TempFolder.h"
#include "WebClient.h"
#include "WebServerHost.h"

namespace {

const char* const kProductList = "{\r\n\"result\":\"1\",\r\n\"productList\":[\r\n"
                                 "{\"SoftwareUploadid\":\"11\",\"SoftwareCode\":\"ALPHA\",\"Region\":\"EUROPE\"},\r\n"
                                 "{\"SoftwareUploadid\":\"12\",\"SoftwareCode\":\"BETA\"}]}\r\n";

class WebClientTest : public ::testing::Test {
protected:
    WebClientTest()
    {
        WebServerHost().Host = L"127.0.0.1";
        WebServerHost().Port = m_server.Port();
    }
    ~WebClientTest() override { WebServerHost() = WebServerAddress(); }

    void Serve(const std::string& path, const std::string& bytes) const { m_site.Write(path, bytes); }

    CTempFolder m_site;
    CLoopbackWebServer m_server{m_site.Path()};
};

TEST_F(WebClientTest, ProductListRequestCarriesSerialLanguageAndType)
{
    ASSERT_NE(m_server.Port(), 0);
    Serve("Interface/productList.aspx", kProductList);
    WebClient client;
    const auto all = client.GetAllProducts(L"SN01", L"EN", 2);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].SoftwareCode, L"ALPHA");
    EXPECT_EQ(all[0].Region, L"EUROPE");
    EXPECT_EQ(all[1].SoftwareUploadid, L"12");
    EXPECT_EQ(client.GetProductList(L"SN01", L"EN", 3), all[0]);
    const std::string log = m_server.RequestLog();
    EXPECT_NE(log.find("GET /Interface/productList.aspx?sn=SN01&LanguageCode=EN&iType=2 HTTP/1.1"), std::string::npos)
        << log;
    EXPECT_NE(log.find("iType=3"), std::string::npos);
}

TEST_F(WebClientTest, TextRequestTakesTheFirstContent)
{
    Serve("Interface/getTxt.aspx", R"({"result":"1","txtContent":[{"txtContent":"New in V2"},{"txtContent":"x"}]})");
    WebClient client;
    EXPECT_EQ(client.GetTextFlag2(L"11"), L"New in V2");
    EXPECT_EQ(client.GetTextFlag1(L"11"), L"New in V2");
    const std::string log = m_server.RequestLog();
    EXPECT_NE(log.find("GET /Interface//getTxt.aspx?swuID=11&flag=2 HTTP/1.1"), std::string::npos) << log;
    EXPECT_NE(log.find("swuID=11&flag=1"), std::string::npos);
}

TEST_F(WebClientTest, ServerErrorsGiveEmptyResults)
{
    for (const char* status : {"404", "500"}) {
        Serve("Interface/productList.aspx", kProductList);
        Serve("Interface/productList.aspx.status", status);
        Serve("Interface/getTxt.aspx.status", status);
        WebClient client;
        std::string body;
        EXPECT_FALSE(client.HttpGet("Interface/productList.aspx", "sn=1", body)) << status;
        EXPECT_EQ(body, "");
        EXPECT_TRUE(client.GetAllProducts(L"SN01", L"EN", 1).empty()) << status;
        EXPECT_EQ(client.GetProductList(L"SN01", L"EN", 3), ProductRecord()) << status;
        EXPECT_EQ(client.GetText(L"11", L"2"), L"") << status;
    }
}

TEST_F(WebClientTest, NoServerGivesEmptyResults)
{
    WebServerHost().Port = 1;  // nothing listens there
    WebClient client;
    EXPECT_TRUE(client.GetAllProducts(L"SN01", L"EN", 1).empty());
}

TEST_F(WebClientTest, BodyLosesOnlyItsCarriageReturns)
{
    Serve("page", "a\r\nb\r\n");
    WebClient client;
    std::string body = "kept:";
    EXPECT_TRUE(client.HttpGet("page", "q=1", body));
    EXPECT_EQ(body, "kept:a\nb\n");
}

TEST_F(WebClientTest, DownloadWritesTheFileOnlyForAWholeReply)
{
    Serve("files/pkg.bin", std::string(5000, 'z'));
    WebClient client;
    const std::wstring base = L"http://127.0.0.1:" + std::to_wstring(m_server.Port()) + L"/files/";
    const auto target = m_site / "pkg.out";
    EXPECT_TRUE(client.DownloadToFile(base + L"pkg.bin", target.wstring()));
    EXPECT_EQ(ReadFileBytes(target), std::string(5000, 'z'));
    const auto missing = m_site / "missing.out";
    EXPECT_FALSE(client.DownloadToFile(base + L"missing.bin", missing.wstring()));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
