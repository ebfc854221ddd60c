// Writes a plain vehicle database for the demo installation, under the name the program stores it by:
//   make_vehicle_db <folder> <name> <version> <language> <lines.txt>
// <name> as the program asks for it ("EN_TXT.DB"), <version> as announced by the diagnostic
// program ("3.25"), <language> the two letters of the header. Each line of the UTF-8 lines file is
// "KEYHEX<TAB>item[<TAB>item...]": the key in hexadecimal digits (all keys of one length, 1 to 20
// bytes), then the record's items, each stored as a text with its terminating zero.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "FileBytes.h"
#include "VehicleDbText.h"

namespace {

// 16 MiB is far more than any lines file of ours.
constexpr size_t kMaxLinesFile = 16u << 20;

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() != 6) {
        std::fputs("usage: make_vehicle_db <folder> <name> <version> <language> <lines.txt>\n", stderr);
        return 2;
    }
    const std::string versionText = args[3].string();
    double version = 0;
    const auto parsed = std::from_chars(versionText.data(), versionText.data() + versionText.size(), version);
    if (parsed.ec != std::errc() || parsed.ptr != versionText.data() + versionText.size() || version < 0 ||
        version >= 10000) {
        std::fputs("make_vehicle_db: the version is not a number below 10000\n", stderr);
        return 1;
    }
    std::string lines;
    if (!ReadFileBytesUpTo(args[5], kMaxLinesFile, lines)) {
        std::fputs("make_vehicle_db: cannot read the lines file\n", stderr);
        return 1;
    }
    const std::string failure = WriteVehicleDbFromLines(args[1], args[2].wstring(), version, args[4].string(), lines);
    if (!failure.empty()) {
        std::fprintf(stderr, "make_vehicle_db: %s\n", failure.c_str());
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
