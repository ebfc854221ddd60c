#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "DSRecord.h"
#include "DSRecorderInfo.h"

// The index of the recordings in the program folder's "Playback\": the file "EDSRecorder.0000",
// 1024-byte records one after the other, no header and no count. A manager reads the index once,
// keeping only records whose recording file is there, and is then worked on in memory; the list
// view writes it back whole, which drops what was not kept.
class CDSRecorderInfoMgr {
public:
    // The program folder of the process (`ResGetAppDir`).
    CDSRecorderInfoMgr();
    // Creates "Playback\" below the program folder when it is missing, then reads the index.
    explicit CDSRecorderInfoMgr(const std::filesystem::path& programFolder);

    // Appends the usable records of the index file to those held (it does not empty them first).
    // A record cut short by the file's end, one whose file name is not a plain file name and one
    // whose recording file is missing are left out. 0 when the index cannot be opened.
    int ReadRecordInfo();
    // Replaces the index file with the records held, in order; 1 on success. An index that exists
    // but could not be read whole (locked, a read error) is never replaced: what is held is then
    // only part of it, and writing it back would lose every other recording's entry.
    int SaveRecordInfo() const;
    // Whether the last reading saw the whole index (a missing index counts as read: it holds nothing).
    bool IsIndexReadWhole() const { return m_indexReadWhole; }
    // Adds one record to the index file; what is held in memory does not change. The file is
    // rewritten through a temporary, so a failure never leaves part of a record, and a part left by
    // an older program is dropped. 0, writing nothing, for a record whose file name is not a plain
    // file name, or when the file cannot be written.
    int AppendRecordInfo(const _stuDSRecorderInfo& record) const;
    // Files a finished recording: first the recording file under the record's file name, then its
    // index record, so that no failure leaves an index record without its file (a recording whose
    // record could not be added is deleted again). When a file of that name already exists (the
    // clock was set back) the name gets "_2", "_3", ... rather than replacing another recording.
    // The record as filed is added to those held. 1 on success.
    int StoreRecording(const _stuDSRecorderInfo& record, const CDSRecord& recording);

    int GetCount() const { return static_cast<int>(m_records.size()); }
    // Copies record i; 0 when there is none.
    int GetRecordInfo(int index, _stuDSRecorderInfo& record) const;
    // Removes record i, later ones move up; 0 when there is none. The file is not touched.
    int RemoveRecordInfo(int index);
    // Adds a copy to those held; the file is not touched.
    void AddRecordInfo(const _stuDSRecorderInfo& record);

    const std::filesystem::path& GetPlaybackFolder() const { return m_playback; }
    std::filesystem::path GetIndexPath() const;
    // "Playback\" + the record's file name; empty when the name is not a plain file name.
    std::filesystem::path GetRecordingPath(const _stuDSRecorderInfo& record) const;

private:
    std::filesystem::path m_playback;
    std::vector<_stuDSRecorderInfo> m_records;
    bool m_indexReadWhole = false;
};

// The records an index file's bytes hold, each field cut to its width, without a record cut short
// by the end and without records whose file name is not a plain file name. Whether the files exist
// is not asked.
std::vector<_stuDSRecorderInfo> ParseRecordIndex(std::span<const uint8_t> bytes);
