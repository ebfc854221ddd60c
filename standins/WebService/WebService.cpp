// The maker's web service and download server for the demo installation and the tests: serves a
// folder on the loopback address, as CLoopbackWebServer describes, until the process is ended.
//   WebService.exe <folder> <port>
// Port 0 takes any free port. The port served is written to "WebService.port" in the folder, so
// that whoever started the service can reach it; the requests go to "requests.log" there.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>

#include "LoopbackWebServer.h"

namespace {

// A port number in decimal, 0 to 65535; -1 for anything else.
long PortOf(const wchar_t* text)
{
    if (!*text || std::wcslen(text) > 5 || std::wcsspn(text, L"0123456789") != std::wcslen(text))
        return -1;
    const long port = std::wcstol(text, nullptr, 10);
    return port <= 65535 ? port : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const long port = argc == 3 ? PortOf(argv[2]) : -1;
    if (port < 0) {
        std::fputs("usage: WebService <folder> <port>\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "WebService: %ls is not a folder\n", argv[1]);
        return 1;
    }
    CLoopbackWebServer server(folder, static_cast<unsigned short>(port));
    if (server.Port() == 0) {
        std::fprintf(stderr, "WebService: cannot listen on 127.0.0.1:%ld\n", port);
        return 1;
    }
    std::ofstream(folder / "WebService.port", std::ios::trunc) << server.Port() << "\n";
    std::printf("WebService: serving %ls on http://127.0.0.1:%u/\n", argv[1], server.Port());
    std::fflush(stdout);
    for (;;)
        Sleep(INFINITE);
}
