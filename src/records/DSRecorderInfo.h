#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// One record of the recording index "EDSRecorder.0000": 1024 bytes of UTF-16LE fields, each ended
// by a zero character; what follows the zero up to the next field means nothing. The layout is the
// file's, so a record is read and written as its raw bytes.
struct _stuDSRecorderInfo {
    char16_t language[8];   // language code at the time of recording ("EN")
    char16_t maker[32];     // the chosen maker's name
    char16_t menuPath[384]; // the menu path, levels joined by "->"
    char16_t dateTime[24];  // local start time, "%04d-%02d-%02d %02d:%02d:%02d"
    char16_t fileName[64];  // the recording's file name in "Playback\": maker + start time, no extension

    // Each setter cuts the text to its field (a character split over two units is not split) and
    // ends it with a zero; a longer text never runs into the next field.
    void SetLanguage(std::wstring_view text);
    void SetMaker(std::wstring_view text);
    void SetMenuPath(std::wstring_view text);
    void SetDateTime(std::wstring_view text);
    void SetFileName(std::wstring_view text);

    // Each getter reads no further than its field.
    std::wstring GetLanguage() const;
    std::wstring GetMaker() const;
    std::wstring GetMenuPath() const;
    std::wstring GetDateTime() const;
    std::wstring GetFileName() const;

    // Cuts every field that has no zero within its width, as the setters would have: a record read
    // from a file can then be handed on as texts that end where they should.
    void EndEveryField();
};

static_assert(std::endian::native == std::endian::little, "the index file holds little-endian UTF-16");
static_assert(sizeof(_stuDSRecorderInfo) == 1024);
static_assert(offsetof(_stuDSRecorderInfo, language) == 0);
static_assert(offsetof(_stuDSRecorderInfo, maker) == 16);
static_assert(offsetof(_stuDSRecorderInfo, menuPath) == 80);
static_assert(offsetof(_stuDSRecorderInfo, dateTime) == 848);
static_assert(offsetof(_stuDSRecorderInfo, fileName) == 896);

// A zeroed record for a recording started at `localStart`: the date text and the file name are made
// from it; the file name is cut with its field, so the name in the index is the name to write.
_stuDSRecorderInfo MakeRecordInfo(std::wstring_view language, std::wstring_view maker, std::wstring_view menuPath,
                                  const std::tm& localStart);

// Whether an index record may name a file: not empty, and no piece of a path ("\", "/", ":", "..")
// or a wildcard ("*", "?"), so the name can never reach outside "Playback\" or match another file.
bool IsRecordingFileName(std::wstring_view name);
