// Writes the vehicle software of the demo installation below a program folder:
//   make_demo_software <program folder> [<MAKER.exe>]
// Each version folder gets a copy of the given diagnostic program as "MAKER.exe".
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoSoftware.h"

namespace {

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() != 2 && args.size() != 3) {
        std::fputs("usage: make_demo_software <program folder> [<MAKER.exe>]\n", stderr);
        return 2;
    }
    const std::filesystem::path maker = args.size() == 3 ? args[2] : std::filesystem::path();
    for (const SOFTWARE_FOLDER& software : DemoSoftware()) {
        const std::string failure = WriteSoftwareFolder(args[1], software, maker, kDemoDatabaseVersion);
        if (!failure.empty()) {
            std::fprintf(stderr, "make_demo_software: %s\n", failure.c_str());
            return 1;
        }
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
