#pragma once
#include <string>

// Where the maker's web service and its download server are. Set once at program start (the
// defaults are the shipped service); tests point them at a loopback server.
struct WebServerAddress {
    std::wstring Host = L"service.example.invalid";  // a host name: no scheme, no port
    unsigned short Port = 80;
    // Download addresses: the server's records start MainPath with its site folder, which stands
    // for the web root.
    std::wstring SiteFolderPrefix = L"D:\\WebSite\\";
    std::wstring WebRoot = L"http://service.example.invalid/";
    // A request or download that receives nothing for this long fails.
    unsigned long TimeoutMs = 10000;
};

WebServerAddress& WebServerHost();
