#pragma once
// One vehicle-software folder of an installation, as the program finds it below its "Scan\"
// folder: a maker in a region's folder, or a vehicle-software family in "Scan\PRO\". The demo
// generator writes the bundled demo's folders with it, and the tests their fixture folders.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A language code with the UTF-8 text of its description file.
using LANGUAGE_TEXT = std::pair<std::wstring, std::string>;

struct SOFTWARE_DATABASE {
    std::wstring name;     // as the program asks for it: "EN_TXT.DB"
    std::string language;  // the two letters of its header
    std::string lines;     // its records, "KEYHEX<TAB>item..." lines (DbLines.h)
};

struct SOFTWARE_VERSION {
    std::wstring folder;                     // "V2.05"
    std::vector<LANGUAGE_TEXT> descriptions; // "<code>.txt" in the version folder
    std::vector<SOFTWARE_DATABASE> databases;
};

struct SOFTWARE_FOLDER {
    std::wstring region;             // the folder below "Scan\"; "PRO" for a family
    std::wstring folder;             // the maker's or family's folder
    std::optional<int> testCount;    // "MAKER.INI" [Group] TestCount; none: no "MAKER.INI"
    std::vector<LANGUAGE_TEXT> languages;  // language folders; a non-empty text becomes "<code>\<code>.txt"
    std::vector<SOFTWARE_VERSION> versions;
};

// The folder of the software below a program folder.
std::filesystem::path SoftwareFolderPath(const std::filesystem::path& programFolder, const SOFTWARE_FOLDER& software);

// Writes the software below the program folder. `makerProgram`, when given, is copied into every
// version folder as "MAKER.exe"; the databases carry `databaseVersion`. An empty text on success,
// else what failed.
std::string WriteSoftwareFolder(const std::filesystem::path& programFolder, const SOFTWARE_FOLDER& software,
                                const std::filesystem::path& makerProgram = {}, double databaseVersion = 3.25);
