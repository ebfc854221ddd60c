// Writes the demo installation's software store (DemoStore.h):
//   make_demo_store <web root> <staging folder> <MAKER.exe>
// The web root receives the service's replies; the staging folder one folder per package, which
// demo/generate packs into the web root's "packages" folder with the bundled archiver.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoStore.h"

namespace {

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() != 4) {
        std::fputs("usage: make_demo_store <web root> <staging folder> <MAKER.exe>\n", stderr);
        return 2;
    }
    const std::string failure = WriteDemoStore(args[1], args[2], args[3]);
    if (!failure.empty()) {
        std::fprintf(stderr, "make_demo_store: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

// Wide arguments on Windows, so that a path may hold any character whatever the ANSI code page.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
#else
int main(int argc, char** argv)
#endif
{
    return Run(std::vector<std::filesystem::path>(argv, argv + argc));
}
