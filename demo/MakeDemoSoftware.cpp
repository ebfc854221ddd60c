// Writes the vehicle software of the demo installation below a program folder:
//   make_demo_software <program folder> [<MAKER.exe>]
//   make_demo_software --makers <count> <program folder>
// Each version folder gets a copy of the given diagnostic program as "MAKER.exe". The second form
// writes only `count` generated makers (DemoMakers), without diagnostic programs.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoSoftware.h"

namespace {

int Write(const std::filesystem::path& programFolder, const std::vector<SOFTWARE_FOLDER>& folders,
          const std::filesystem::path& maker)
{
    for (const SOFTWARE_FOLDER& software : folders) {
        const std::string failure = WriteSoftwareFolder(programFolder, software, maker, kDemoDatabaseVersion);
        if (!failure.empty()) {
            std::fprintf(stderr, "make_demo_software: %s\n", failure.c_str());
            return 1;
        }
    }
    return 0;
}

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() == 4 && args[1] == "--makers") {
        const std::string count = args[2].string();
        if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos || count.size() > 5) {
            std::fputs("make_demo_software: the count of makers is not a number up to 99999\n", stderr);
            return 2;
        }
        return Write(args[3], DemoMakers(std::stoul(count)), {});
    }
    if (args.size() != 2 && args.size() != 3) {
        std::fputs("usage: make_demo_software <program folder> [<MAKER.exe>]\n"
                   "       make_demo_software --makers <count> <program folder>\n", stderr);
        return 2;
    }
    return Write(args[1], DemoSoftware(), args.size() == 3 ? args[2] : std::filesystem::path());
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
