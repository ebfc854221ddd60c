#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ByteString.h"
#include "ReadOnlyFile.h"
#include "RecordScrambler.h"
#include "ResAPI.h"

// One vehicle database file of the chosen vehicle-software folder: its records are found by key and
// returned as lists of byte strings. A plain database (stored under its mapped name, see
// DbFileName.h) is checked against the database version the diagnostic program announced; a name
// ending in ".dat" is a text database in packed form, served by the embedded CResAPI.
//
// Plain database, big-endian:
//   0     32-byte header, enciphered as one Rijndael block (256-bit key and block)
//   32    index: count entries of { key, K bytes; record offset u32 }, sorted by key as unsigned bytes
//   any   records: n u8, then n items of { length L u16; L scrambled bytes (DbItem.h) }
// Header, deciphered:
//   0 "PT"; 2 the scrambler's word u32; 6 K, the key length, 1 to 20; 7 the scrambler's byte;
//   8 version, eight decimal digits "dddd.dddd" high nibble first; 12 count u32; 16 language code,
//   two letters
namespace db_file {
constexpr size_t kHeaderSize = 32;
constexpr size_t kScramblerWordOffset = 2;
constexpr size_t kKeyLengthOffset = 6;
constexpr size_t kScramblerByteOffset = 7;
constexpr size_t kVersionOffset = 8;
constexpr size_t kCountOffset = 12;
constexpr size_t kLanguageOffset = 16;
constexpr size_t kIndexOffset = 32;
constexpr size_t kRecordOffsetSize = 4;
constexpr size_t kMaxKeyLength = 20;
constexpr size_t kPackedKeySize = 6;

// Results of CDbFile::ReadHeader, shown to the user with "DB Information Error, Error Code:%d".
constexpr int kHeaderGood = 0;
constexpr int kHeaderWrongLanguage = 1;
constexpr int kHeaderNoMagic = 2;
constexpr int kHeaderWrongVersion = 3;
constexpr int kHeaderBadKeyLength = 4;  // a key length outside 1 to 20: no key could be read
constexpr int kHeaderShort = 9;
}  // namespace db_file

class CDbFile {
public:
    CDbFile() = default;
    ~CDbFile() { Close(); }
    CDbFile(const CDbFile&) = delete;
    CDbFile& operator=(const CDbFile&) = delete;

    // Opens a database by its name relative to the vehicle-software folder (ResGetSoftwareDir).
    // False, without a message, when no folder is chosen, the name would leave the folder, or the
    // file cannot be opened; false after showing "DB Information Error, Error Code:%d" when the
    // header is refused. A file that was open is released first.
    bool Open(const std::wstring& name);
    // Opens a database of the vehicle's set by its number: 0 is the command database "_CMD.DB".
    // False for a number the set does not have.
    bool OpenPart(int part);
    // The record's items in file order; an empty list when the key is absent or a read comes short.
    std::vector<ByteString> ReadRecord(const ByteString& key);

    // The header result code (db_file::kHeader...); keeps K, the count and the scrambler's
    // parameters when it is good.
    int ReadHeader(bool languageCheck);
    // True when the whole index was read; otherwise lookups scan the file.
    bool LoadIndex();
    // The record offset of the key in the loaded index, or -1. Keys are compared by their first K
    // bytes; a key shorter than K is never found.
    int64_t FindOffset(const ByteString& key) const;

    // Closes the file and frees the index.
    void Release();
    // Also destroys the packed-form reader.
    void Close();

    bool IsPacked() const { return m_packed; }
    bool HasIndex() const { return m_index.has_value(); }
    int GetKeyLength() const { return m_keyLength; }
    uint32_t GetCount() const { return m_count; }
    const RecordScrambler& GetScrambler() const { return m_scrambler; }

private:
    std::vector<ByteString> ReadPacked(const ByteString& key);
    std::optional<uint64_t> ScanForOffset(const ByteString& key);
    std::vector<ByteString> ReadItems(uint64_t offset);

    CReadOnlyFile m_file;
    uint8_t m_keyLength = 0;
    uint32_t m_count = 0;
    RecordScrambler m_scrambler;
    std::optional<std::vector<uint8_t>> m_index;
    bool m_packed = false;
    std::unique_ptr<CResAPI> m_textReader;
};

// The text of the header error message for a result code.
std::wstring DbHeaderErrorText(int code);
