#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "DataResFile.h"

// The reader of a text database in packed form: a data-resource file whose texts are UTF-16 under
// 6-byte keys. Its whole index is loaded at open; a text is found by bisection over the keys.
//
// Layout, after the data-resource decoding (little-endian):
//   28      count of index entries (inside the "DRDB" header)
//   64      count entries of 18 bytes, sorted by key: { text offset u32; text length in bytes u32;
//           key 6 bytes; 4 not read }
//   any     the texts, UTF-16LE
// One UTF-16 unit of a text is one wchar_t here, also where wchar_t is 32 bits.
namespace text_db {
constexpr size_t kCountOffset = 28;
constexpr size_t kIndexOffset = 64;
constexpr size_t kEntrySize = 18;
constexpr size_t kKeySize = 6;
constexpr size_t kKeyOffset = 8;
constexpr size_t kMaxTextUnits = 2047;  // a longer text is not read
}  // namespace text_db

class CResAPI {
public:
    using Key = std::span<const uint8_t, text_db::kKeySize>;

    CResAPI() = default;
    ~CResAPI() { Close(); }
    CResAPI(const CResAPI&) = delete;
    CResAPI& operator=(const CResAPI&) = delete;

    // 1 when the database is open. The path that is open gives 1 at once (compared exactly); a
    // path whose open failed is tried again. 0 for a missing or unreadable file, a count of 0 or
    // 0xFFFFFFFF, or a count whose entries the file cannot hold.
    int OpenDatabase(const wchar_t* path);
    // 1 when a text is stored under the key; the text is emptied first.
    int GetDbTextW(Key key, std::wstring& text);
    // GetDbTextW, then WideToDbText.
    int GetDbTextA(Key key, std::string& text);
    // 1 when the text of entry `index` was read; the index -1 gives an empty text and 1. A text of
    // fewer than 2 or more than 4095 bytes is not read.
    int GetDbTextByIndex(int64_t index, std::wstring& text);
    // Frees the reader and the entries; the count becomes -1.
    void Close();

    bool IsOpen() const { return m_open; }
    int64_t GetCount() const { return m_count; }
    unsigned GetIndexLoadCount() const { return m_indexLoads; }

private:
    struct ENTRY {
        uint32_t offset = 0;
        uint32_t length = 0;
        std::array<uint8_t, text_db::kKeySize> key{};
    };

    std::unique_ptr<DataResFile> m_reader;
    int64_t m_count = -1;
    std::vector<ENTRY> m_entries;
    bool m_open = false;
    std::wstring m_path;
    unsigned m_indexLoads = 0;
};
