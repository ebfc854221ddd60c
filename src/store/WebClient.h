#pragma once
#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>
#include <vector>

#include "ProductRecord.h"
#include "WebServerHost.h"

// The client of the maker's software web service. Every failure gives the operation's empty
// result; the caller decides what to show. Requests block the calling thread.
//
// A request fails when no whole answer of status 200 comes: no connection, another status, an
// answer that breaks off, falls silent for the time-out, or ends before the length it announced.
class WebClient {
public:
    WebClient();
    // A client of the given server: one made on the user-interface thread for a worker's use takes
    // the address with it, so later changes of the setting never race with its requests.
    explicit WebClient(WebServerAddress server);
    ~WebClient();
    WebClient(const WebClient&) = delete;
    WebClient& operator=(const WebClient&) = delete;

    // One GET of "/page?query"; on status 200 the body (carriage returns left out) is appended.
    // A server silent for the time-out fails it, whatever the internet library does with its own.
    bool HttpGet(const std::string& page, const std::string& query, std::string& body);

    std::wstring GetText(const std::wstring& swuID, const std::wstring& flag);
    std::wstring GetTextFlag1(const std::wstring& swuID) { return GetText(swuID, L"1"); }
    std::wstring GetTextFlag2(const std::wstring& swuID) { return GetText(swuID, L"2"); }

    ProductRecord GetProductList(const std::wstring& sn, const std::wstring& LanguageCode, int iType);
    // The same record (empty when the list is), but nothing at all when the request failed.
    std::optional<ProductRecord> FetchProductList(const std::wstring& sn, const std::wstring& LanguageCode, int iType);
    std::vector<ProductRecord> GetAllProducts(const std::wstring& sn, const std::wstring& LanguageCode, int iType);
    // The same list, but nothing at all when the request failed or its body is no reply of the
    // service, so that a failure is not taken for a service that offers nothing.
    std::optional<std::vector<ProductRecord>> FetchAllProducts(const std::wstring& sn, const std::wstring& LanguageCode,
                                                               int iType);

    bool DownloadToFile(const std::wstring& url, const std::wstring& path);

private:
    std::string RequestBody(const std::string& page, const std::string& query);

    WebServerAddress m_server;
    HINTERNET m_session = nullptr;
};
