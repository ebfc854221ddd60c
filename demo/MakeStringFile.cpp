// Writes a language string file for the demo installation and for test fixtures:
//   make_string_file <out> --builtin [<lines.txt>]   the built-in English texts [with the lines' texts
//                                                    added, or in place of a built-in text of their id]
//   make_string_file <out> <lines.txt>                UTF-8 lines "0xID<TAB>text" ("\n" in a text: a line feed)
#include <algorithm>
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

bool ReadLines(const std::filesystem::path& file, std::vector<TAG_STRING_RESOURCE_ITEM>& records)
{
    std::string lines;
    if (!ReadFileBytesUpTo(file, kMaxLinesFile, lines)) {
        std::fputs("make_string_file: cannot read the lines file\n", stderr);
        return false;
    }
    size_t badLine = 0;
    if (!ParseStringLines(lines, records, badLine)) {
        std::fprintf(stderr, "make_string_file: line %zu is not \"0xID<TAB>text\" in UTF-8\n", badLine);
        return false;
    }
    return true;
}

int Run(const std::vector<std::filesystem::path>& args)
{
    const bool builtin = args.size() >= 3 && args[2] == std::filesystem::path("--builtin");
    if (args.size() != 3 && !(builtin && args.size() == 4)) {
        std::fputs("usage: make_string_file <out> --builtin [<lines.txt>] | <lines.txt>\n", stderr);
        return 2;
    }
    std::vector<TAG_STRING_RESOURCE_ITEM> records;
    if (!builtin && !ReadLines(args[2], records))
        return 1;
    if (builtin) {
        for (const auto& entry : g_BuiltinTexts)
            records.push_back({entry.id, entry.text});
    }
    if (builtin && args.size() == 4) {
        std::vector<TAG_STRING_RESOURCE_ITEM> added;
        if (!ReadLines(args.back(), added))
            return 1;
        for (TAG_STRING_RESOURCE_ITEM& record : added) {
            const auto same = std::find_if(records.begin(), records.end(),
                                           [&](const TAG_STRING_RESOURCE_ITEM& r) { return r.id == record.id; });
            if (same != records.end())
                same->text = std::move(record.text);
            else
                records.push_back(std::move(record));
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
