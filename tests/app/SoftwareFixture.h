#pragma once
// Program folders with vehicle software for the tests of the lists and the choosers, written by the
// demo generator's own writer.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ConfigStore.h"
#include "BmpBytes.h"
#include "SoftwareFolder.h"
#include "SoftwareLists.h"
#include "StartDlg.h"
#include "TempFolder.h"

namespace {

// A maker of a region with its language folders (each with a one-line description).
inline SOFTWARE_FOLDER Maker(const std::wstring& region, const std::wstring& folder, std::optional<int> testCount,
                             const std::vector<std::wstring>& languages = {L"EN"})
{
    SOFTWARE_FOLDER software;
    software.region = region;
    software.folder = folder;
    software.testCount = testCount;
    for (const std::wstring& language : languages)
        software.languages.push_back({language, "V1.00\r\nAbout the software\r\n"});
    return software;
}

inline SOFTWARE_FOLDER Family(const std::wstring& folder, const std::vector<std::wstring>& languages = {L"EN"})
{
    return Maker(L"PRO", folder, std::nullopt, languages);
}

class SoftwareFolderFixture {
public:
    explicit SoftwareFolderFixture(const std::filesystem::path& program) : m_program(program) {}

    void Install(const SOFTWARE_FOLDER& software) const
    {
        ASSERT_EQ(WriteSoftwareFolder(m_program, software), "");
    }
    void Logo(const std::wstring& name, const std::string& bytes) const
    {
        std::filesystem::create_directories(m_program / L"LOGO");
        WriteFile(m_program / L"LOGO" / (name + L".BMP"), bytes);
    }
    // The string files of the installed languages (their contents do not matter to the lists).
    void Languages(const std::vector<std::wstring>& codes) const
    {
        std::filesystem::create_directories(m_program / L"SysString");
        for (const std::wstring& code : codes)
            WriteFile(m_program / L"SysString" / (L"STRRES." + code), "");
    }
    // "Config.xml" with the given elements below its root, loaded as the program's configuration.
    void Config(const std::string& elements, const std::string& language = "EN") const
    {
        WriteFile(m_program / L"Config.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG><COMMON><LANGUAGE CURMODE=\"" +
                                                 language + "\" /></COMMON>" + elements + "</CONFIG>\n");
        ASSERT_TRUE(LoadConfigDocument((m_program / L"Config.xml").wstring().c_str()));
    }
    void Load() const
    {
        CStartDlg::LoadConfiguration((m_program / L"Scan").wstring() + L"\\");
        CStartDlg::LoadVehicleNames((m_program / L"Scan" / L"PRO").wstring() + L"\\");
    }

private:
    static void WriteFile(const std::filesystem::path& file, const std::string& bytes)
    {
        FILE* stream = _wfopen(file.c_str(), L"wb");
        ASSERT_NE(stream, nullptr) << file.string();
        fwrite(bytes.data(), 1, bytes.size(), stream);
        fclose(stream);
    }

    std::filesystem::path m_program;
};

}  // namespace
