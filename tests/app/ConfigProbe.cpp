// A second process for the configuration tests: loads a configuration file and compares one value.
//   config_probe <file> <element path> <key> <expected text>
// Exit code 0: the value equals the text; 1: it differs; 2: the file did not load; 3: bad arguments.
#include <windows.h>

#include "ConfigStore.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5)
        return 3;
    if (!LoadConfigDocument(argv[1]))
        return 2;
    return GetConfigValue(argv[2], argv[3], L"") == argv[4] ? 0 : 1;
}
