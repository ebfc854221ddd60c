#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One data-stream recording: the recorded items (name and unit) and their value texts, row by row.
// The live-data screen fills one while recording and files it; the replay reads one back.
//
// The file keeps the layout that recordings have always had, byte for byte:
//   item count (u32 little-endian), per item its name and its unit as lines,
//   sample count (u32 little-endian, rows x items), per sample its text as a line;
// one byte per character (Latin-1), and every 0x0A byte, also one inside a count, written as
// 0x0D 0x0A. Reading undoes exactly that pairing and nothing else, so a count holding 0x1A or 0x0D
// reads back as written.
class CDSRecord {
public:
    static constexpr uint64_t kInitialSize = 8;
    // In characters, terminators included: keeps a recording (and its file) near one megabyte.
    static constexpr uint64_t kSizeLimit = 0x80000;
    // The replay's table holds at most 300 rows, one per item; the writer records at most 4.
    static constexpr uint32_t kMaxItems = 300;
    // Far above any file the size limit lets the writer make.
    static constexpr size_t kMaxFileBytes = 16u << 20;

    void AddItem(std::wstring_view name, std::wstring_view unit);
    // One value text per item, in item order. Returns 0 and adds nothing when the row would take the
    // recording past the size limit, or when it does not hold one text per item; otherwise 1.
    int AddSampleRow(std::span<const std::wstring> texts);

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const wchar_t* GetItemName(int item) const;  // null outside the items
    const wchar_t* GetItemUnit(int item) const;
    int GetSampleCount() const { return static_cast<int>(m_samples.size()); }
    int GetRowCount() const;  // whole rows; 0 without items
    const wchar_t* GetSample(int row, int item) const;  // null outside the samples
    uint64_t GetSize() const { return m_size; }

    // Writes the whole file or leaves the old one; 1 on success, 0 on failure.
    int SaveToFile(const std::filesystem::path& path) const;
    // Appends what the file holds. 0, adding nothing, when the file cannot be read or is no
    // recording (no items, more than kMaxItems, items cut short). A file whose samples stop early
    // (one whose writing was cut off) gives 1 with the whole rows before the cut.
    int LoadFromFile(const std::filesystem::path& path);

    // The file's bytes, and their reading; the two file operations go through these.
    std::vector<uint8_t> ToFileBytes() const;
    int LoadFromBytes(std::span<const uint8_t> bytes);

private:
    struct ITEM {
        std::wstring name;
        std::wstring unit;
    };

    std::vector<ITEM> m_items;
    std::vector<std::wstring> m_samples;  // row-major: row r, item i at r * items + i
    uint64_t m_size = kInitialSize;
};
