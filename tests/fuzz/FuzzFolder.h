#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

// One folder per fuzzing process below the temporary folder, removed at exit; the targets write
// the input there as the files the program reads.
class CFuzzFolder {
public:
    explicit CFuzzFolder(const char* name)
        : m_path(BaseFolder() / (std::string(name) + "-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~CFuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CFuzzFolder(const CFuzzFolder&) = delete;
    CFuzzFolder& operator=(const CFuzzFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Empties the folder, so that no file of an earlier input is read for this one.
    void Clear() const
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(m_path, ignored))
            std::filesystem::remove_all(entry.path(), ignored);
    }

    void Write(const std::string& name, const void* data, size_t size) const
    {
        FILE* out = std::fopen((m_path / name).c_str(), "wb");
        if (!out)
            return;
        if (size)
            std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    void Write(const std::string& name, const std::string& bytes) const { Write(name, bytes.data(), bytes.size()); }

    // The folder as the program names it: a text ending in a backslash.
    std::wstring ProgramPath() const { return m_path.wstring() + L"\\"; }
    std::string NarrowPath(const std::string& name) const { return m_path.string() + "\\" + name; }

private:
    // Memory-backed where there is such a folder: every input is written as files, and a disk
    // would make the waits for it, not the readers, the cost of a run.
    static std::filesystem::path BaseFolder()
    {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error))
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path m_path;
};
