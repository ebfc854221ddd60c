#include "WebClient.h"

#include "InternetDownload.h"
#include "PieceReader.h"
#include "TextConversion.h"
#include "WebReply.h"
#include "WebServerHost.h"

namespace {

std::string Narrow(const std::wstring& text)
{
    const auto bytes = WideToUtf8(text.c_str());
    return bytes ? std::string(bytes.get()) : std::string();
}

// The whole body, carriage returns left out; false when it breaks off, falls silent for
// `silenceMs`, exceeds the bound or ends before its announced length (a connection closed early
// can end the body like a whole one).
bool ReadBody(CPieceReader& reader, DWORD silenceMs, std::string& body)
{
    std::string read;
    size_t count = 0;
    for (;;) {
        switch (reader.Next(nullptr, silenceMs)) {
        case CPieceReader::PIECE::End:
            if (reader.Length() != 0 && count != reader.Length())
                return false;
            body += read;
            return true;
        case CPieceReader::PIECE::Data:
            break;
        default:
            return false;
        }
        const char* bytes = reader.Bytes();
        count += reader.Count();
        for (DWORD i = 0; i < reader.Count(); ++i) {
            if (bytes[i] != '\r')
                read.push_back(bytes[i]);
        }
        if (read.size() > web_reply::kMaxBodyBytes)
            return false;
    }
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
    CPieceReader reader(m_session, m_server.Host, m_server.Port, "/" + page + "?" + query);
    return reader.Next(nullptr, m_server.TimeoutMs) == CPieceReader::PIECE::Headers && reader.Status() == 200 &&
           ReadBody(reader, m_server.TimeoutMs, body);
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
    return FetchAllProducts(sn, LanguageCode, iType).value_or(std::vector<ProductRecord>());
}

std::optional<std::vector<ProductRecord>> WebClient::FetchAllProducts(const std::wstring& sn,
                                                                      const std::wstring& LanguageCode, int iType)
{
    const std::string query = web_reply::ProductListQuery(Narrow(sn), Narrow(LanguageCode), iType);
    std::string body;
    if (!HttpGet("Interface/productList.aspx", query, body))
        return std::nullopt;
    return web_reply::ReadProductList(body);
}

ProductRecord WebClient::GetProductList(const std::wstring& sn, const std::wstring& LanguageCode, int iType)
{
    return FetchProductList(sn, LanguageCode, iType).value_or(ProductRecord());
}

std::optional<ProductRecord> WebClient::FetchProductList(const std::wstring& sn, const std::wstring& LanguageCode,
                                                         int iType)
{
    const auto records = FetchAllProducts(sn, LanguageCode, iType);
    if (!records)
        return std::nullopt;
    return records->empty() ? ProductRecord() : records->front();
}

bool WebClient::DownloadToFile(const std::wstring& url, const std::wstring& path)
{
    return m_session && DownloadUrlToFile(m_session, url, path, nullptr, m_server.TimeoutMs, nullptr);
}
