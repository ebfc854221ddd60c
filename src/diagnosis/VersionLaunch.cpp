#include "VersionLaunch.h"

#include <algorithm>
#include <cwctype>

#include "DescriptionText.h"
#include "StringResources.h"

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// The maker-group lists: software whose last folder name stands in a list belongs to that group.
struct MAKER_GROUP {
    uint8_t group;
    const wchar_t* names;
};
const MAKER_GROUP kMakerGroups[] = {
    {1, L",GWM,BJBENZ,DFCITROEN,DFPEUGEOT,HUACHEN,BENZ,CITROEN,FIAT,PEUGEOT,RENAULT,SMART,VOLVO"},
    {3, L",ACURA,HONDA,DFHONDA,GZHONDA,JMC,ACURAPRO,HONDAPRO"},
    {6, L",FORD_AM,MAZDA,FORD_AU,CAFORD,CAMAZDA,FAWMAZDA,ROEWE,BMW,FORD_EU,JAGUAR,LANDROVER,MINI,OBD2"},
};

}  // namespace

double VersionNumberOf(const std::wstring& versionLine)
{
    const size_t point = versionLine.find(L'.');
    if (point == std::wstring::npos)
        return 0;
    size_t start = point;
    while (start > 0 && IsDigit(versionLine[start - 1]))
        --start;
    size_t end = point + 1;
    while (end < versionLine.size() && IsDigit(versionLine[end]))
        ++end;
    const std::wstring number = versionLine.substr(start, end - start);
    return number == L"." ? 0 : std::wcstod(number.c_str(), nullptr);
}

size_t VersionInsertPosition(std::span<const double> listed, double number)
{
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i] < number)
            return i;
    }
    return listed.size();
}

VERSION_DESCRIPTION SplitDescription(const std::wstring& text)
{
    VERSION_DESCRIPTION parts;
    const size_t lineFeed = text.find(L'\n');
    parts.versionLine = DescriptionFirstLine(text);
    if (lineFeed != std::wstring::npos)
        parts.description = text.substr(lineFeed + 1);
    return parts;
}

bool IsLanguageFolderName(const std::wstring& folder)
{
    std::wstring code = folder;
    for (wchar_t& c : code)
        c = static_cast<wchar_t>(std::towupper(c));
    return code.size() == 2 && (ResGetLanguageCodePage(code) != 0 || ResGetLanguageTitle(code) != L"X");
}

std::wstring HelpDocumentPath(const std::wstring& softwareFolder, const std::wstring& languageCode)
{
    const std::wstring shortened = softwareFolder.substr(0, softwareFolder.size() - std::min<size_t>(4, softwareFolder.size()));
    const size_t slash = shortened.find_last_of(L'\\');
    const std::wstring tail = slash == std::wstring::npos ? shortened : shortened.substr(slash);
    return softwareFolder + tail + L"_" + languageCode + L".pdf";
}

uint8_t MakerGroupOf(const std::wstring& softwareFolder)
{
    std::wstring folder = softwareFolder;
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    std::wstring name = folder.substr(folder.find_last_of(L'\\') == std::wstring::npos ? 0 : folder.find_last_of(L'\\') + 1);
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    uint8_t group = 0;
    if (name.empty())
        return group;
    for (const MAKER_GROUP& list : kMakerGroups) {
        const std::wstring names = list.names;
        const size_t found = names.find(name, 1);
        if (found != std::wstring::npos)
            group = list.group;
    }
    return group;
}

uint32_t LinkProgramIdOf(std::span<const uint8_t> file)
{
    if (file.size() < kLinkProgramMinSize)
        return 0;
    return static_cast<uint32_t>(file[1024]) | static_cast<uint32_t>(file[1025]) << 8 |
           static_cast<uint32_t>(file[1026]) << 16 | static_cast<uint32_t>(file[1027]) << 24;
}

std::optional<uint16_t> InterfaceVersionOf(std::span<const uint8_t> reply)
{
    if (reply.size() < 3)
        return std::nullopt;
    return static_cast<uint16_t>(reply[1] << 8 | reply[2]);
}

std::vector<INTERFACE_PROGRAM> ParseProgramQuery(std::span<const uint8_t> reply)
{
    std::vector<INTERFACE_PROGRAM> programs;
    if (reply.empty())
        return programs;
    constexpr size_t kEntrySize = 5;
    const size_t entries = std::min<size_t>(reply[0], (reply.size() - 1) / kEntrySize);
    for (size_t i = 0; i < entries && programs.size() < 8; ++i) {
        const uint8_t* entry = reply.data() + 1 + i * kEntrySize;
        const uint32_t id = static_cast<uint32_t>(entry[1]) | static_cast<uint32_t>(entry[2]) << 8 |
                            static_cast<uint32_t>(entry[3]) << 16 | static_cast<uint32_t>(entry[4]) << 24;
        if (id != 0)
            programs.push_back(INTERFACE_PROGRAM{entry[0], id});
    }
    return programs;
}

std::vector<PROGRAM_CHUNK> PlanProgramChunks(uint64_t size)
{
    constexpr uint64_t kChunk = 256;
    std::vector<PROGRAM_CHUNK> chunks;
    for (uint64_t offset = 0; offset < size && offset <= UINT32_MAX; offset += kChunk) {
        const uint64_t length = std::min(kChunk, size - offset);
        chunks.push_back(PROGRAM_CHUNK{static_cast<uint32_t>(offset), static_cast<uint16_t>(length),
                                       static_cast<int>(offset * 100 / size)});
    }
    return chunks;
}

std::vector<uint8_t> ProgramChunkFrame(uint8_t page, const PROGRAM_CHUNK& chunk, std::span<const uint8_t> image)
{
    const size_t begin = std::min<size_t>(chunk.offset, image.size());
    const size_t end = std::min<size_t>(begin + chunk.length, image.size());
    std::vector<uint8_t> frame(9 + (end - begin));
    frame[0] = 0x00;
    frame[1] = 0x08;
    frame[2] = page;
    for (int i = 0; i < 4; ++i)
        frame[3 + i] = static_cast<uint8_t>(chunk.offset >> (24 - 8 * i));
    frame[7] = static_cast<uint8_t>(chunk.length >> 8);
    frame[8] = static_cast<uint8_t>(chunk.length);
    std::copy(image.begin() + static_cast<ptrdiff_t>(begin), image.begin() + static_cast<ptrdiff_t>(end), frame.begin() + 9);
    return frame;
}
