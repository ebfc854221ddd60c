// Any bytes as a language string file: reading must neither crash nor read out of bounds, and what
// it reads must write back and read again unchanged.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "ProcessValues.h"
#include "StringFile.h"
#include "StringResources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto records = ParseStringFile(std::span(data, size));
    if (records) {
        const auto bytes = EncodeStringFile(*records);
        if (!bytes)
            __builtin_trap();
        const auto again = ParseStringFile(std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
        if (again != records)
            __builtin_trap();
    }

    // The same bytes through the loader, as the program reads them at start.
    struct ProgramFolder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("fuzz-strings-" + std::to_string(getpid()));
        ProgramFolder() { std::filesystem::create_directories(path / "SysString"); }
        ~ProgramFolder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const ProgramFolder programFolder;
    const std::filesystem::path& folder = programFolder.path;
    FILE* out = std::fopen((folder / "SysString" / "STRRES.DE").c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    ResSetAppDir(folder.wstring() + L"\\");
    ResSetLanguageCode(L"DE");
    ResLoadStringFile();
    for (const uint32_t id : {0u, 1u, 0x10000002u, 0xFFFFFFFFu})
        ResGetString(id);
    ResFreeStrings();
    return 0;
}
