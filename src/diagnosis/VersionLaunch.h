#pragma once
// The decisions of the version view and the launch of the diagnostic program, as plain functions:
// ordering of versions, the help document's name, the maker group, and the frames and replies of
// the interface program check and download.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The version number in a version line: the digits before its first ".", the ".", and the digits
// after it ("V12.34 build 5" is 12.34); 0 without a ".".
double VersionNumberOf(const std::wstring& versionLine);

// Where a version with `number` goes in a list ordered highest first: before the first entry with
// a smaller number, after entries with an equal one.
size_t VersionInsertPosition(std::span<const double> listed, double number);

struct VERSION_DESCRIPTION {
    std::wstring versionLine;  // up to the first line feed, cut at a carriage return
    std::wstring description;  // everything after the first line feed
};
VERSION_DESCRIPTION SplitDescription(const std::wstring& text);

// A maker folder's language folders ("EN", "de", ...) hold the maker's description, named like a
// version's; they are not versions.
bool IsLanguageFolderName(const std::wstring& folder);

// The help document of a software folder (ending in a backslash): the folder without its last four
// characters, from its last backslash on, then "_", the language and ".pdf", appended to the folder:
// "...\V12.34\" and "EN" give "...\V12.34\" + "\V12_EN.pdf". Short folders are clamped.
std::wstring HelpDocumentPath(const std::wstring& softwareFolder, const std::wstring& languageCode);

// The maker group of a software folder: the number of the last list naming its last folder name.
uint8_t MakerGroupOf(const std::wstring& softwareFolder);

// The program identifier of "LINK.bin": bytes 1024-1027 of a file of at least 3328 bytes, else 0.
constexpr size_t kLinkProgramMinSize = 3328;
uint32_t LinkProgramIdOf(std::span<const uint8_t> file);

// The interface's version word from the reply to the version request; nothing from a reply
// shorter than 3 bytes.
std::optional<uint16_t> InterfaceVersionOf(std::span<const uint8_t> reply);

struct INTERFACE_PROGRAM {
    uint8_t slot;
    uint32_t id;
};
// The programs a query reply lists (non-zero identifiers, at most 8), walking only the entries the
// received bytes hold.
std::vector<INTERFACE_PROGRAM> ParseProgramQuery(std::span<const uint8_t> reply);

// One chunk of the program download.
struct PROGRAM_CHUNK {
    uint32_t offset;
    uint16_t length;
    int progressBefore;  // percent, offset x 100 / size
};
std::vector<PROGRAM_CHUNK> PlanProgramChunks(uint64_t size);
// The frame of a chunk: 00 08 page, offset (BE32), length (BE16), data.
std::vector<uint8_t> ProgramChunkFrame(uint8_t page, const PROGRAM_CHUNK& chunk, std::span<const uint8_t> image);
