#pragma once
#include <cstdint>
#include <string>

// Where the maker's web service and its download server are. Set once at program start from
// "Config.xml" (the defaults are the shipped service); tests point them at a loopback server.
struct WebServerAddress {
    std::wstring Host = L"service.example.invalid";  // a host name: no scheme, no port
    unsigned short Port = 80;
    // Download addresses: the server's records start MainPath with its site folder, which stands
    // for the web root.
    std::wstring SiteFolderPrefix = L"D:\\WebSite\\";
    std::wstring WebRoot = L"http://service.example.invalid/";
    // A request or download that receives nothing for this long fails.
    unsigned long TimeoutMs = 10000;
    // A download that brings more than this fails: far above any package, it only stops a server
    // that sends without end (with no length announced) before the disk is full.
    static constexpr uint64_t kMaxDownloadBytes = uint64_t{2} << 30;
    uint64_t MaxDownloadBytes = kMaxDownloadBytes;
};

WebServerAddress& WebServerHost();

// The address that "Config.xml" names (COMMON\WEBSERVER, attributes HOST, PORT and SITEFOLDER): HOST a
// host name or a dotted IPv4 address, nothing else (no scheme, port or path); PORT 1 to 65535 in
// decimal, or empty for 80. The web root follows them ("http://HOST[:PORT]/"). An empty HOST, or
// any value that is not of that form, gives the built-in address whole: a half-read address would
// send the user's serial number to a server nobody chose.
// SITEFOLDER is the folder that server's records start MainPath with: a drive letter, ":\" and
// plain folder names ("E:\Site\"; the closing backslash is added when missing). Empty, or anything
// else (relative, over-long, with "..", "/" or a character no folder name holds), keeps the
// built-in folder: such a text would turn the records' paths into addresses nobody meant.
WebServerAddress WebServerAddressFrom(const std::wstring& host, const std::wstring& port,
                                      const std::wstring& siteFolder = std::wstring());
