// Writes a language string file for the demo installation and for test fixtures:
//   make_string_file <out> --builtin       the built-in English texts
//   make_string_file <out> <lines.txt>     UTF-8 lines "0xID<TAB>text" ("\n" in a text: a line feed)
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "FileBytes.h"
#include "StringFile.h"
#include "StringLines.h"
#include "TextTables.h"

namespace {

// 16 MiB is far more than any lines file of ours.
constexpr size_t kMaxLinesFile = 16u << 20;

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() != 3) {
        std::fputs("usage: make_string_file <out> --builtin | <lines.txt>\n", stderr);
        return 2;
    }
    std::vector<TAG_STRING_RESOURCE_ITEM> records;
    if (args[2] == std::filesystem::path("--builtin")) {
        for (const auto& entry : g_BuiltinTexts)
            records.push_back({entry.id, entry.text});
    } else {
        std::string lines;
        if (!ReadFileBytesUpTo(args[2], kMaxLinesFile, lines)) {
            std::fputs("make_string_file: cannot read the lines file\n", stderr);
            return 1;
        }
        size_t badLine = 0;
        if (!ParseStringLines(lines, records, badLine)) {
            std::fprintf(stderr, "make_string_file: line %zu is not \"0xID<TAB>text\" in UTF-8\n", badLine);
            return 1;
        }
    }
    if (!WriteStringFile(args[1], records)) {
        std::fputs("make_string_file: cannot write the string file\n", stderr);
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
