#include "SoftwareFolder.h"

#include <system_error>

#include "DbFileWriter.h"
#include "VehicleDbText.h"

namespace fs = std::filesystem;

namespace {

fs::path TextFileOf(const std::wstring& language)
{
    return fs::path(language + L".txt");
}

std::string Narrow(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

fs::path SoftwareFolderPath(const fs::path& programFolder, const SOFTWARE_FOLDER& software)
{
    return programFolder / L"Scan" / software.region / software.folder;
}

std::string WriteSoftwareFolder(const fs::path& programFolder, const SOFTWARE_FOLDER& software,
                                const fs::path& makerProgram, double databaseVersion)
{
    const fs::path folder = SoftwareFolderPath(programFolder, software);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return "cannot make " + Narrow(folder);
    if (software.testCount &&
        !WriteFixtureFile(folder / L"MAKER.INI", "[Group]\r\nTestCount=" + std::to_string(*software.testCount) + "\r\n"))
        return "cannot write MAKER.INI in " + Narrow(folder);
    for (const auto& [language, text] : software.languages) {
        fs::create_directories(folder / language, error);
        if (error)
            return "cannot make the language folder " + Narrow(folder / language);
        if (!text.empty() && !WriteFixtureFile(folder / language / TextFileOf(language), text))
            return "cannot write the description in " + Narrow(folder / language);
    }
    for (const SOFTWARE_VERSION& version : software.versions) {
        const fs::path versionFolder = folder / version.folder;
        fs::create_directories(versionFolder, error);
        if (error)
            return "cannot make " + Narrow(versionFolder);
        for (const auto& [language, text] : version.descriptions) {
            if (!WriteFixtureFile(versionFolder / TextFileOf(language), text))
                return "cannot write a description in " + Narrow(versionFolder);
        }
        for (const SOFTWARE_DATABASE& database : version.databases) {
            const std::string failure =
                WriteVehicleDbFromLines(versionFolder, database.name, databaseVersion, database.language, database.lines);
            if (!failure.empty())
                return Narrow(versionFolder / database.name) + ": " + failure;
        }
        if (!makerProgram.empty()) {
            fs::copy_file(makerProgram, versionFolder / L"MAKER.exe", fs::copy_options::overwrite_existing, error);
            if (error)
                return "cannot copy " + Narrow(makerProgram) + " into " + Narrow(versionFolder);
        }
    }
    return {};
}
