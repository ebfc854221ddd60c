// Any bytes as "Config.xml": loading and reading must neither crash nor read out of bounds.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "ConfigDocument.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string file = "/tmp/fuzz-config-" + std::to_string(getpid()) + ".xml";
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    CConfigDocument document;
    if (document.Load(file)) {
        for (const char* path : {"COMMON\\LANGUAGE", "COMMON\\SYSTEM", "A\\B\\C", "\\", ""}) {
            for (const char* key : {"CURMODE", "SCREENMODE", "a"}) {
                if (const auto value = document.GetAttribute(path, key))
                    ParseLeadingInt(*value);
            }
        }
    }
    ParseLeadingInt(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
