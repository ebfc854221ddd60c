#include "DSRecorderInfoMgr.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "AtomicFile.h"
#include "ProcessValues.h"

namespace {

constexpr size_t kRecordBytes = sizeof(_stuDSRecorderInfo);

bool DecodeRecord(const uint8_t* bytes, _stuDSRecorderInfo& record)
{
    std::memcpy(&record, bytes, kRecordBytes);
    record.EndEveryField();
    return IsRecordingFileName(record.GetFileName());
}

bool IsExistingFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool WriteRecord(FILE* file, const _stuDSRecorderInfo& record)
{
    return std::fwrite(&record, 1, kRecordBytes, file) == kRecordBytes;
}

// Copies the whole records of the index file; a part of one at the end is left behind.
bool CopyWholeRecords(const std::filesystem::path& index, FILE* out)
{
    std::error_code error;
    if (!std::filesystem::exists(index, error))
        return !error;
    FILE* in = OpenFileForReading(index);
    if (!in)
        return false;  // an index that is there but cannot be read must not be replaced by less
    uint8_t record[kRecordBytes];
    bool ok = true;
    while (ok && std::fread(record, 1, kRecordBytes, in) == kRecordBytes)
        ok = std::fwrite(record, 1, kRecordBytes, out) == kRecordBytes;
    ok = ok && std::ferror(in) == 0;
    std::fclose(in);
    return ok;
}

bool IsTaken(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

// Gives the record a file name that nothing in the folder has yet: its own, or with "_2", "_3", ...
// appended, the name shortened so that the number stays within the field.
bool FindFreeFileName(const std::filesystem::path& folder, _stuDSRecorderInfo& record)
{
    const std::wstring name = record.GetFileName();
    if (!IsTaken(folder / name))
        return true;
    constexpr size_t kFieldChars = sizeof(_stuDSRecorderInfo::fileName) / sizeof(char16_t) - 1;
    for (int number = 2; number < 1000; ++number) {
        const std::wstring suffix = L"_" + std::to_wstring(number);
        record.SetFileName(name.substr(0, kFieldChars - suffix.size()) + suffix);
        if (!IsTaken(folder / record.GetFileName()))
            return true;
    }
    return false;
}

}  // namespace

std::vector<_stuDSRecorderInfo> ParseRecordIndex(std::span<const uint8_t> bytes)
{
    std::vector<_stuDSRecorderInfo> records;
    for (size_t offset = 0; bytes.size() - offset >= kRecordBytes; offset += kRecordBytes) {
        _stuDSRecorderInfo record;
        if (DecodeRecord(bytes.data() + offset, record))
            records.push_back(record);
    }
    return records;
}

CDSRecorderInfoMgr::CDSRecorderInfoMgr() : CDSRecorderInfoMgr(std::filesystem::path(ResGetAppDir())) {}

CDSRecorderInfoMgr::CDSRecorderInfoMgr(const std::filesystem::path& programFolder)
    : m_playback(programFolder / L"Playback")
{
    std::error_code error;
    if (!std::filesystem::is_directory(m_playback, error))
        std::filesystem::create_directory(m_playback, error);
    ReadRecordInfo();
}

std::filesystem::path CDSRecorderInfoMgr::GetIndexPath() const
{
    return m_playback / L"EDSRecorder.0000";
}

std::filesystem::path CDSRecorderInfoMgr::GetRecordingPath(const _stuDSRecorderInfo& record) const
{
    const std::wstring name = record.GetFileName();
    return IsRecordingFileName(name) ? m_playback / name : std::filesystem::path();
}

int CDSRecorderInfoMgr::ReadRecordInfo()
{
    FILE* file = OpenFileForReading(GetIndexPath());
    if (!file) {
        std::error_code error;
        m_indexReadWhole = !std::filesystem::exists(GetIndexPath(), error) && !error;
        return 0;
    }
    uint8_t bytes[kRecordBytes];
    while (std::fread(bytes, 1, kRecordBytes, file) == kRecordBytes) {
        _stuDSRecorderInfo record;
        if (DecodeRecord(bytes, record) && IsExistingFile(m_playback / record.GetFileName()))
            m_records.push_back(record);
    }
    m_indexReadWhole = std::ferror(file) == 0;
    std::fclose(file);
    return 1;
}

int CDSRecorderInfoMgr::SaveRecordInfo() const
{
    if (!m_indexReadWhole)
        return 0;
    const bool saved = WriteFileReplacing(GetIndexPath(), [this](FILE* file) {
        for (const _stuDSRecorderInfo& record : m_records) {
            if (!WriteRecord(file, record))
                return false;
        }
        return true;
    });
    return saved ? 1 : 0;
}

int CDSRecorderInfoMgr::AppendRecordInfo(const _stuDSRecorderInfo& record) const
{
    _stuDSRecorderInfo ended = record;
    ended.EndEveryField();
    if (!IsRecordingFileName(ended.GetFileName()))
        return 0;
    const std::filesystem::path index = GetIndexPath();
    const bool saved = WriteFileReplacing(index, [&index, &ended](FILE* file) {
        return CopyWholeRecords(index, file) && WriteRecord(file, ended);
    });
    return saved ? 1 : 0;
}

int CDSRecorderInfoMgr::StoreRecording(const _stuDSRecorderInfo& record, const CDSRecord& recording)
{
    _stuDSRecorderInfo filed = record;
    filed.EndEveryField();
    if (!IsRecordingFileName(filed.GetFileName()) || !FindFreeFileName(m_playback, filed))
        return 0;
    const std::filesystem::path path = m_playback / filed.GetFileName();
    if (!recording.SaveToFile(path))
        return 0;
    if (!AppendRecordInfo(filed)) {
        std::error_code error;
        std::filesystem::remove(path, error);
        return 0;
    }
    m_records.push_back(filed);
    return 1;
}

int CDSRecorderInfoMgr::GetRecordInfo(int index, _stuDSRecorderInfo& record) const
{
    if (index < 0 || index >= GetCount())
        return 0;
    record = m_records[static_cast<size_t>(index)];
    return 1;
}

int CDSRecorderInfoMgr::RemoveRecordInfo(int index)
{
    if (index < 0 || index >= GetCount())
        return 0;
    m_records.erase(m_records.begin() + index);
    return 1;
}

void CDSRecorderInfoMgr::AddRecordInfo(const _stuDSRecorderInfo& record)
{
    m_records.push_back(record);
}
