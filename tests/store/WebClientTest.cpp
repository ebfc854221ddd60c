// The web-service client against the loopback stand-in of the maker's server.
#include <gtest/gtest.h>

#include <winsock2.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "InternetDownload.h"
#include "InternetHandle.h"
#include "LoopbackWebServer.h"
#include "PieceReader.h"
#include "ScopedWin.h"
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

std::string ListOf(const char* code)
{
    return std::string(R"({"result":"1","productList":[{"SoftwareCode":")") + code + "\"}]}";
}

std::string TextOf(const char* text)
{
    return std::string(R"({"result":"1","txtContent":[{"txtContent":")") + text + "\"}]}";
}

TEST_F(WebClientTest, TheServerAnswersFromTheFileOfTheMostParticularQuery)
{
    Serve("Interface/productList.aspx", ListOf("ANY"));
    Serve("Interface/productList.aspx@LanguageCode=DE&iType=2", ListOf("GERMAN2"));
    Serve("Interface/productList.aspx@sn=SN9&LanguageCode=DE&iType=2", ListOf("SN9GERMAN2"));
    Serve("Interface/productList.aspx@iType=1", ListOf("TYPE1"));
    Serve("Interface/getTxt.aspx@swuID=11&flag=1", TextOf("eleven one"));
    Serve("Interface/getTxt.aspx@swuID=11&flag=2", TextOf("eleven two"));
    Serve("Interface/getTxt.aspx@flag=2", TextOf("any two"));
    Serve("Interface/getTxt.aspx@swuID=a%2Fb&flag=1", TextOf("slashed"));
    const struct {
        const wchar_t* serial;
        const wchar_t* language;
        int type;
        const wchar_t* code;
    } lists[] = {
        {L"SN9", L"DE", 2, L"SN9GERMAN2"}, {L"SN1", L"DE", 2, L"GERMAN2"}, {L"SN1", L"EN", 2, L"ANY"},
        {L"SN1", L"DE", 1, L"TYPE1"},      {L"", L"EN", 3, L"ANY"},
    };
    WebClient client;
    for (const auto& c : lists)
        EXPECT_EQ(client.GetProductList(c.serial, c.language, c.type).SoftwareCode, c.code) << c.type;
    const struct {
        const wchar_t* id;
        const wchar_t* flag;
        const wchar_t* text;
    } texts[] = {
        {L"11", L"1", L"eleven one"}, {L"11", L"2", L"eleven two"}, {L"12", L"2", L"any two"},
        {L"12", L"1", L""},  // no file answers it: 404
        {L"a/b", L"1", L"slashed"},
    };
    for (const auto& c : texts)
        EXPECT_EQ(client.GetText(c.id, c.flag), c.text)
            << std::filesystem::path(c.id).string() << " " << std::filesystem::path(c.flag).string();
}

// The reply to a request line sent as it stands: the client library would tidy "../" away before
// sending (Wine's does, in the query too), and the server must hold without that help.
std::string RawReply(unsigned short port, const std::string& requestLine)
{
    const SOCKET connection = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string reply;
    if (connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
        const std::string request = requestLine + "\r\n\r\n";
        send(connection, request.data(), static_cast<int>(request.size()), 0);
        char chunk[1024];
        for (int n = 0; (n = recv(connection, chunk, sizeof(chunk), 0)) > 0;)
            reply.append(chunk, static_cast<size_t>(n));
    }
    closesocket(connection);
    return reply;
}

TEST_F(WebClientTest, NoQueryReachesAFileOutsideItsFolder)
{
    // Taken as a path, each query would climb from "getTxt.aspx@swuID=.." to "Interface".
    Serve("Interface/x&flag=1", "secret");
    Serve("Interface/getTxt.aspx@flag=1", "listed");
    for (const char* query : {"swuID=../../x&flag=1", "swuID=..\\..\\x&flag=1", "swuID=..%2F..%2Fx&flag=1"}) {
        const std::string reply =
            RawReply(m_server.Port(), "GET /Interface/getTxt.aspx?" + std::string(query) + " HTTP/1.1");
        EXPECT_EQ(reply.substr(reply.size() - 6), "listed") << query << ": " << reply;
    }
    const std::string climb = RawReply(m_server.Port(), "GET /Interface/../Interface/x&flag=1 HTTP/1.1");
    EXPECT_EQ(climb.rfind("HTTP/1.1 404", 0), 0u) << climb;
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

// A reply that stops half-way is given up after the time-out, and the next request is answered.
TEST_F(WebClientTest, AStalledReplyGivesUpAfterTheTimeout)
{
    Serve("Interface/productList.aspx.stall", "{\"result\":\"1\",");
    Serve("page", "next");
    WebServerAddress server = WebServerHost();
    server.TimeoutMs = 300;
    WebClient client(server);
    std::string body;
    EXPECT_FALSE(client.HttpGet("Interface/productList.aspx", "sn=1", body));
    EXPECT_TRUE(client.GetAllProducts(L"SN01", L"EN", 1).empty());
    EXPECT_FALSE(client.FetchAllProducts(L"SN01", L"EN", 1).has_value());
    EXPECT_TRUE(client.HttpGet("page", "q=1", body));
    EXPECT_EQ(body, "next");
}

// A list the service answered, even with nothing offered, is told apart from a failed request.
TEST_F(WebClientTest, AFailedListIsToldFromAListOfNothing)
{
    struct Case {
        const char* file;  // answers the request of list type `type`, below
        const char* bytes;
        bool answered;
    };
    const Case cases[] = {
        {"", R"({"result":"1","productList":[]})", true},
        {"", R"({"result":"0"})", true},
        {".status", "500", false},
        {".status", "404", false},
        {"", "<html><body>Sign in to the network</body></html>", false},
        {"", "", false},
    };
    WebClient client;
    for (int type = 1; type <= static_cast<int>(std::size(cases)); ++type) {
        const Case& c = cases[type - 1];
        Serve("Interface/productList.aspx@iType=" + std::to_string(type) + c.file, c.bytes);
        const auto list = client.FetchAllProducts(L"SN01", L"EN", type);
        EXPECT_EQ(list.has_value(), c.answered) << c.file << " " << c.bytes;
        EXPECT_EQ(client.FetchProductList(L"SN01", L"EN", type).has_value(), c.answered) << c.file << " " << c.bytes;
        if (list) {
            EXPECT_TRUE(list->empty()) << c.bytes;
        }
    }
    WebServerAddress nowhere = WebServerHost();
    nowhere.Port = 1;  // nothing listens there
    EXPECT_FALSE(WebClient(nowhere).FetchAllProducts(L"SN01", L"EN", 1).has_value());
}

// An answer whose connection closes before the length it announced has come is a failure, even
// when the part that came reads as a whole list.
TEST_F(WebClientTest, AnAnswerCutShortIsAFailure)
{
    CTempFolder site;
    site.Write("Interface/productList.aspx.stall", R"({"result":"1","productList":[]})");
    auto server = std::make_unique<CLoopbackWebServer>(site.Path());
    WebServerAddress address = WebServerHost();
    address.Port = server->Port();
    std::thread stopper([&server] {
        for (int i = 0; i < 1000 && server->RequestLog().find("productList") == std::string::npos; ++i)
            Sleep(10);
        server.reset();  // closes the connection it holds
    });
    const auto list = WebClient(address).FetchAllProducts(L"SN01", L"EN", 1);
    stopper.join();
    EXPECT_FALSE(list.has_value());
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

// A reader's internet handles are its own: the session it was made from may be closed at once. (A
// client is dropped as soon as its answer is in, while the reader's thread may still be closing
// its handles; the library gives freed handle values to the next handles opened, so handles under
// the dropped session would be closed twice, the second time as another request's.)
TEST_F(WebClientTest, AReaderNeedsNotTheSessionItWasMadeFrom)
{
    Serve("page", "answer");
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(m_server.Port()) + L"/page?q=1";
    for (const bool byUrl : {false, true}) {
        HINTERNET session = InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        ASSERT_NE(session, nullptr);
        SetInternetTimeouts(session, 5000);
        const auto reader = byUrl ? std::make_unique<CPieceReader>(session, url)
                                  : std::make_unique<CPieceReader>(session, L"127.0.0.1", m_server.Port(), "/page?q=1");
        InternetCloseHandle(session);
        ASSERT_EQ(reader->Next(nullptr, 5000), CPieceReader::PIECE::Headers) << byUrl;
        EXPECT_EQ(reader->Status(), 200u);
        std::string body;
        CPieceReader::PIECE piece = reader->Next(nullptr, 5000);
        for (; piece == CPieceReader::PIECE::Data; piece = reader->Next(nullptr, 5000))
            body.append(reader->Bytes(), reader->Count());
        EXPECT_EQ(piece, CPieceReader::PIECE::End) << byUrl;
        EXPECT_EQ(body, "answer") << byUrl;
    }
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

// A server that sends part of a body and then nothing: the download gives up after its silence
// limit, or at once when its stop is set, and leaves no file behind (the internet library's own
// time-outs do not end such a read everywhere).
TEST(DownloadUrlToFileTest, ASilentServerOrAStopBreaksTheDownloadOff)
{
    struct CASE {
        DWORD silenceMs;
        DWORD stopAfterMs;  // INFINITE: never stopped
    };
    for (const CASE c : {CASE{300, INFINITE}, CASE{INFINITE, 300}}) {
        CTempFolder site;
        CLoopbackWebServer server{site.Path()};
        site.Write("pkg.bin.stall", std::string(4096, 'x'));
        const CInternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        const CScopedHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread stopper;
        if (c.stopAfterMs != INFINITE)
            stopper = std::thread([&] {
                Sleep(c.stopAfterMs);
                SetEvent(stop.Get());
            });
        const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/pkg.bin";
        const auto target = site / "pkg.out";
        const bool done = DownloadUrlToFile(session.Get(), url, target.wstring(), stop.Get(), c.silenceMs, nullptr);
        if (stopper.joinable())
            stopper.join();
        EXPECT_FALSE(done) << c.silenceMs;
        EXPECT_FALSE(std::filesystem::exists(target));
        EXPECT_FALSE(std::filesystem::exists(site / "pkg.out.part"));
    }
}

// A slow server whose body takes longer than the silence limit, but never falls silent for as long:
// the download waits for it and gets the whole body.
TEST(DownloadUrlToFileTest, ASlowServerThatNeverFallsSilentIsWaitedFor)
{
    CTempFolder site;
    CLoopbackWebServer server{site.Path()};
    std::string body(48 * 1024, '\0');
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>('a' + i % 26);
    site.Write("pkg.bin.trickle", body);
    const CInternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    const CScopedHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/pkg.bin";
    const auto target = site / "pkg.out";
    ASSERT_TRUE(DownloadUrlToFile(session.Get(), url, target.wstring(), stop.Get(), 600, nullptr))
        << "16 pieces 100 ms apart: 1.6 s in all, never 600 ms without a byte";
    std::ifstream in(target, std::ios::binary);
    const std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, body);
}

}  // namespace
