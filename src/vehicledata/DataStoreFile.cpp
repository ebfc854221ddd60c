#include "DataStoreFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "ByteFields.h"
#include "DataResNames.h"
#include "Rijndael.h"
#include "VehicleDataPaths.h"
#include "VehicleDataTables.h"

using namespace data_store;

namespace {

std::string& ContainerName()
{
    static std::string name;
    return name;
}

// Built once, on the first block read.
const CRijndael& MemberCipher()
{
    static const CRijndael cipher = [] {
        CRijndael made;
        const uint8_t chain[16] = {};
        made.MakeKey(g_BlockMemberKey.data(), chain, 16, 16);
        return made;
    }();
    return cipher;
}

void Substitute(uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        bytes[i] = g_ContainerByteTable[bytes[i]];
}

// Entries read at once while a container is searched.
constexpr size_t kEntriesPerRead = 32;

}  // namespace

void DataStoreFile::SetContainerName(const char* name) { ContainerName() = name ? name : ""; }

std::string DataStoreFile::GetContainerName() { return ContainerName(); }

bool DataStoreFile::Open(const char* path, const char* mode, bool redirect)
{
    Close();
    if (!path || !mode || mode[0] != 'r' || std::strpbrk(mode, "wa+"))
        return false;
    const std::string text(path);
    if (Probe(text)) {
        m_sliceSize = m_member.dataSize;
    } else if (!redirect || !Redirect(text)) {
        Close();
        return false;
    }
    m_open = true;
    return true;
}

void DataStoreFile::Close()
{
    m_open = false;
    m_file.Close();
    m_member = {};
    m_redirected = false;
    m_sliceOffset = 0;
    m_sliceSize = 0;
    m_position = 0;
    for (RUN& run : m_runs)
        run = {};
    m_nextRun = 0;
}

bool DataStoreFile::Probe(const std::string& path)
{
    m_file.Close();
    m_member = {};
    const size_t nameStart = FileNameStart(path);
    const std::string_view folder = std::string_view(path).substr(0, nameStart);
    const std::string_view name = std::string_view(path).substr(nameStart);
    if (name.empty())
        return false;
    if (!FindInContainer(folder, name)) {
        if (!m_file.Open(ToFileSystemPath(path)))
            return false;
        m_member.size = m_file.GetSize();
    }

    uint8_t header[kBlockHeaderSize];
    const size_t marked = ReadMember(m_member.offset, header, kBlockMemberMarkerLength);
    if (marked < kBlockMemberMarkerLength || std::memcmp(header, kBlockMemberMarker, kBlockMemberMarkerLength) != 0) {
        m_member.dataSize = m_member.size;
        return true;
    }
    const size_t rest = kBlockHeaderSize - kBlockMemberMarkerLength;
    if (ReadMember(m_member.offset + kBlockMemberMarkerLength, header + kBlockMemberMarkerLength, rest) < rest) {
        m_file.Close();
        return false;
    }
    m_member.blockEncoded = true;
    m_member.method = GetLe32(header + kBlockMethodOffset);
    const uint64_t wholeBlocks = (m_member.size - kBlockHeaderSize) / kCipherBlockSize * kCipherBlockSize;
    m_member.dataSize = std::min<uint64_t>(GetLe32(header + kBlockPlainSizeOffset), wholeBlocks);
    return true;
}

bool DataStoreFile::FindInContainer(std::string_view folder, std::string_view name)
{
    const std::string language = ContainerName();
    if (!language.empty())
        m_file.Open(ToFileSystemPath(std::string(folder) + ContainerFileName(language)));
    if (!m_file.IsOpen() && !m_file.Open(ToFileSystemPath(std::string(folder) + ContainerFileName(""))))
        return false;

    uint8_t countField[kContainerCountSize];
    if (m_file.ReadAt(0, countField, sizeof countField) < sizeof countField) {
        m_file.Close();
        return false;
    }
    Substitute(countField, sizeof countField);
    const uint32_t count = GetLe32(countField);
    const uint64_t containerSize = m_file.GetSize();

    // The count is only as good as the entries that follow it: a short read ends the search.
    std::vector<uint8_t> entries(std::min<size_t>(kEntriesPerRead, count) * kContainerEntrySize);
    for (uint32_t first = 0; first < count; first += kEntriesPerRead) {
        const size_t wanted = std::min<size_t>(kEntriesPerRead, count - first) * kContainerEntrySize;
        const size_t got = m_file.ReadAt(kContainerCountSize + uint64_t{first} * kContainerEntrySize, entries.data(), wanted);
        Substitute(entries.data(), got);
        for (size_t at = 0; at + kContainerEntrySize <= got; at += kContainerEntrySize) {
            const uint8_t* entry = &entries[at];
            const std::string_view member = BoundedName(entry + kContainerNameOffset, kContainerNameSize);
            if (member.size() < name.size() || CompareNoCase(member, name, name.size()) != 0)
                continue;
            const uint64_t offset = std::min<uint64_t>(GetLe32(entry + kContainerMemberOffset), containerSize);
            m_member.inContainer = true;
            m_member.offset = offset;
            m_member.size = std::min<uint64_t>(GetLe32(entry + kContainerSizeOffset), containerSize - offset);
            return true;
        }
        if (got < wanted)
            break;
    }
    m_file.Close();
    return false;
}

bool DataStoreFile::Redirect(const std::string& path)
{
    const size_t nameStart = FileNameStart(path);
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    if (name.empty())
        return false;

    // The index is opened without redirection: a missing index must not send the search for the
    // index back to the index.
    DataStoreFile index;
    const NAME_LANGUAGE language = GetNameLanguage(name);
    if (language.letters.empty() || !index.Open((folder + NameIndexFileName(language.letters)).c_str(), "rb", false)) {
        if (!index.Open((folder + NameIndexFileName("")).c_str(), "rb", false))
            return false;
    }

    uint64_t lo = 0;
    uint64_t hi = index.GetSize();
    while (lo < hi) {
        const uint64_t mid = (lo + hi) / 2 / kIndexRecordSize * kIndexRecordSize;
        uint8_t record[kIndexRecordSize];
        if (!index.Seek(static_cast<int64_t>(mid), SEEK_SET) || index.Read(record, sizeof record) < sizeof record)
            return false;
        const int order = CompareNoCase(name, BoundedName(record, kIndexNameSize), kIndexNameSize);
        if (order < 0) {
            hi = mid;
        } else if (order > 0) {
            lo = mid + kIndexRecordSize;
        } else {
            const std::string_view target = BoundedName(record + kIndexTargetOffset, kIndexTargetSize);
            if (!IsPlainFileName(target) || !Probe(folder + std::string(target)))
                return false;
            m_redirected = true;
            m_sliceOffset = std::min<uint64_t>(GetLe32(record + kIndexSliceOffset), m_member.dataSize);
            m_sliceSize = std::min<uint64_t>(GetLe32(record + kIndexSliceSize), m_member.dataSize - m_sliceOffset);
            return true;
        }
    }
    return false;
}

uint64_t DataStoreFile::GetSize() const { return m_open ? m_sliceSize : 0; }

bool DataStoreFile::Seek(int64_t offset, int origin)
{
    if (!m_open)
        return false;
    int64_t base = 0;
    switch (origin) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = static_cast<int64_t>(m_position);
        break;
    case SEEK_END:
        base = static_cast<int64_t>(m_sliceSize);
        break;
    default:
        return false;
    }
    if (offset > 0 && base > INT64_MAX - offset)
        m_position = static_cast<uint64_t>(INT64_MAX);
    else
        m_position = static_cast<uint64_t>(std::max<int64_t>(base + offset, 0));
    return true;
}

size_t DataStoreFile::Read(void* buffer, size_t count)
{
    if (!m_open || !buffer || m_position >= m_sliceSize)
        return 0;
    count = static_cast<size_t>(std::min<uint64_t>(count, m_sliceSize - m_position));
    const uint64_t dataPosition = m_sliceOffset + m_position;
    auto* out = static_cast<uint8_t*>(buffer);
    const size_t delivered = m_member.blockEncoded ? ReadBlocks(dataPosition, out, count)
                                                   : ReadMember(m_member.offset + dataPosition, out, count);
    m_position += delivered;
    return delivered;
}

size_t DataStoreFile::ReadMember(uint64_t offset, uint8_t* buffer, size_t count)
{
    const uint64_t end = m_member.offset + m_member.size;
    if (offset >= end)
        return 0;
    count = static_cast<size_t>(std::min<uint64_t>(count, end - offset));
    const size_t got = m_file.ReadAt(offset, buffer, count);
    if (m_member.inContainer)
        Substitute(buffer, got);
    return got;
}

size_t DataStoreFile::ReadBlocks(uint64_t position, uint8_t* buffer, size_t count)
{
    size_t delivered = 0;
    for (bool served = true; served && delivered < count;) {
        served = false;
        for (const RUN& run : m_runs) {
            const uint64_t at = position + delivered;
            if (run.bytes.empty() || at < run.start || at >= run.start + run.bytes.size())
                continue;
            const size_t take = static_cast<size_t>(std::min<uint64_t>(run.start + run.bytes.size() - at, count - delivered));
            std::memcpy(buffer + delivered, run.bytes.data() + (at - run.start), take);
            delivered += take;
            served = true;
            if (delivered == count)
                break;
        }
    }
    if (delivered == count || m_member.method != kMethodAes)
        return delivered;

    // The rest, from the block that holds the position to the block that holds the request's end,
    // never beyond the member's last whole block.
    const uint64_t at = position + delivered;
    const uint64_t start = at - at % kCipherBlockSize;
    const uint64_t wholeBlocks = (m_member.size - kBlockHeaderSize) / kCipherBlockSize * kCipherBlockSize;
    const uint64_t requestEnd = position + count;
    const uint64_t end = std::min<uint64_t>((requestEnd + kCipherBlockSize - 1) / kCipherBlockSize * kCipherBlockSize, wholeBlocks);
    if (end <= start)
        return delivered;
    RUN& run = m_runs[m_nextRun];
    m_nextRun = (m_nextRun + 1) % m_runs.size();
    run.start = start;
    run.bytes.assign(static_cast<size_t>(end - start), 0);
    const size_t got = ReadMember(m_member.offset + kBlockHeaderSize + start, run.bytes.data(), run.bytes.size());
    run.bytes.resize(got / kCipherBlockSize * kCipherBlockSize);
    for (size_t block = 0; block < run.bytes.size(); block += kCipherBlockSize)
        MemberCipher().DecryptBlock(&run.bytes[block], &run.bytes[block]);
    ++m_decipherCount;
    if (at >= run.start + run.bytes.size())
        return delivered;
    const size_t take = static_cast<size_t>(std::min<uint64_t>(run.start + run.bytes.size() - at, count - delivered));
    std::memcpy(buffer + delivered, run.bytes.data() + (at - run.start), take);
    return delivered + take;
}
