#include "WebClient.h"

#include "InternetHandle.h"
#include "InternetDownload.h"
#include "TextConversion.h"
#include "WebReply.h"
#include "WebServerHost.h"

namespace {

std::string Narrow(const std::wstring& text)
{
    const auto bytes = WideToUtf8(text.c_str());
    return bytes ? std::string(bytes.get()) : std::string();
}

DWORD StatusCodeOf(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return 0;
    return status;
}

// The whole body, carriage returns left out; false when it breaks off or exceeds the bound.
bool ReadBody(HINTERNET request, std::string& body)
{
    std::string read;
    char chunk[4096];
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(request, chunk, sizeof(chunk), &got))
            return false;
        if (got == 0)
            break;
        for (DWORD i = 0; i < got; ++i) {
            if (chunk[i] != '\r')
                read.push_back(chunk[i]);
        }
        if (read.size() > web_reply::kMaxBodyBytes)
            return false;
    }
    body += read;
    return true;
}

}  // namespace

WebClient::WebClient() : WebClient(WebServerHost()) {}

WebClient::WebClient(WebServerAddress server)
    : m_server(std::move(server)), m_session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0))
{
    if (m_session)
        SetInternetTimeouts(m_session, m_server.TimeoutMs);
}

WebClient::~WebClient()
{
    if (m_session)
        InternetCloseHandle(m_session);
}

bool WebClient::HttpGet(const std::string& page, const std::string& query, std::string& body)
{
    if (!m_session)
        return false;
    const WebServerAddress& server = m_server;
    const CInternetHandle connection(InternetConnectW(m_session, server.Host.c_str(), server.Port, nullptr, nullptr,
                                                      INTERNET_SERVICE_HTTP, 0, 1));
    if (!connection)
        return false;
    const std::string object = "/" + page + "?" + query;
    const CInternetHandle request(HttpOpenRequestA(connection.Get(), "GET", object.c_str(), nullptr, nullptr, nullptr,
                                                   INTERNET_FLAG_RELOAD | INTERNET_FLAG_KEEP_CONNECTION, 1));
    if (!request || !HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0))
        return false;
    return StatusCodeOf(request.Get()) == 200 && ReadBody(request.Get(), body);
}

std::string WebClient::RequestBody(const std::string& page, const std::string& query)
{
    std::string body;
    if (!HttpGet(page, query, body))
        body.clear();
    return body;
}

std::wstring WebClient::GetText(const std::wstring& swuID, const std::wstring& flag)
{
    const std::string query = web_reply::TextQuery(Narrow(swuID), Narrow(flag));
    return web_reply::ParseText(RequestBody("Interface//getTxt.aspx", query));
}

std::vector<ProductRecord> WebClient::GetAllProducts(const std::wstring& sn, const std::wstring& LanguageCode,
                                                     int iType)
{
    const std::string query = web_reply::ProductListQuery(Narrow(sn), Narrow(LanguageCode), iType);
    return web_reply::ParseProductList(RequestBody("Interface/productList.aspx", query));
}

ProductRecord WebClient::GetProductList(const std::wstring& sn, const std::wstring& LanguageCode, int iType)
{
    const auto records = GetAllProducts(sn, LanguageCode, iType);
    return records.empty() ? ProductRecord() : records.front();
}

bool WebClient::DownloadToFile(const std::wstring& url, const std::wstring& path)
{
    return m_session && DownloadUrlToFile(m_session, url, path, nullptr, nullptr);
}
