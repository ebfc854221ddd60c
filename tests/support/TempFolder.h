#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

    // Writes a file below the folder and returns its full path.
    std::filesystem::path Write(const std::filesystem::path& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& file);
