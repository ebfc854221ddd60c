#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "DSRecorderInfoMgr.h"
#include "TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

_stuDSRecorderInfo Record(const wchar_t* fileName, const wchar_t* menuPath = L"Engine->Live data")
{
    _stuDSRecorderInfo record = MakeRecordInfo(L"EN", L"Vantor", menuPath, std::tm{});
    record.SetFileName(fileName);
    return record;
}

std::string Bytes(const _stuDSRecorderInfo& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

std::vector<std::wstring> FileNames(const CDSRecorderInfoMgr& manager)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < manager.GetCount(); ++i) {
        _stuDSRecorderInfo record;
        EXPECT_EQ(manager.GetRecordInfo(i, record), 1);
        names.push_back(record.GetFileName());
    }
    return names;
}

CDSRecord Recording()
{
    CDSRecord recording;
    recording.AddItem(L"RPM", L"1/min");
    const std::vector<std::wstring> row = {L"800"};
    recording.AddSampleRow(row);
    return recording;
}

class DSRecorderInfoMgrTest : public ::testing::Test {
protected:
    fs::path Playback() const { return program / "Playback"; }
    fs::path Index() const { return Playback() / "EDSRecorder.0000"; }
    void WriteRecording(const char* name) const { program.Write(fs::path("Playback") / name, "rec"); }
    void WriteIndex(const std::string& bytes) const { program.Write(fs::path("Playback") / "EDSRecorder.0000", bytes); }

    CTempFolder program;
};

TEST_F(DSRecorderInfoMgrTest, CreatesThePlaybackFolderAndStartsEmpty)
{
    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_TRUE(fs::is_directory(Playback()));
    EXPECT_EQ(manager.GetCount(), 0);
    EXPECT_EQ(manager.GetPlaybackFolder(), Playback());
    EXPECT_FALSE(fs::exists(Index()));
}

struct ReadCase {
    const char* name;
    std::vector<const wchar_t*> records;    // file names of the records in the index, in order
    std::vector<const char*> files;         // recordings present in "Playback"
    size_t tail;                            // bytes of a record cut short at the end
    std::vector<std::wstring> expected;
};

class DSRecorderInfoReadTest : public DSRecorderInfoMgrTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(DSRecorderInfoReadTest, KeepsOnlyWholeRecordsWithPlainNamesWhoseFilesExist)
{
    std::string index;
    for (const wchar_t* name : GetParam().records)
        index += Bytes(Record(name));
    index += Bytes(Record(L"tail")).substr(0, GetParam().tail);
    WriteIndex(index);
    WriteRecording("tail");
    for (const char* file : GetParam().files)
        WriteRecording(file);

    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_EQ(FileNames(manager), GetParam().expected);
    // Without asking for the files, every whole record with a plain name counts.
    EXPECT_EQ(ParseRecordIndex(std::vector<uint8_t>(index.begin(), index.end())).size(), GetParam().records.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecorderInfoReadTest, ::testing::Values(
    ReadCase{"WholeRecords", {L"a", L"b"}, {"a", "b"}, 0, {L"a", L"b"}},
    ReadCase{"ShortLastRecord", {L"a", L"b"}, {"a", "b"}, 1000, {L"a", L"b"}},
    ReadCase{"OnlyAShortRecord", {}, {}, 1023, {}},
    ReadCase{"MissingFile", {L"a", L"gone", L"b"}, {"a", "b"}, 0, {L"a", L"b"}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(DSRecorderInfoMgrTest, RecordsWhoseNamesLeaveTheFolderOrMatchOtherFilesAreDropped)
{
    program.Write("outside", "x");
    program.Write(fs::path("Playback") / "sub" / "inner", "x");
    WriteRecording("ok");
    const wchar_t* bad[] = {L"", L"..\\outside", L"../outside", L"sub\\inner", L"sub/inner", L"o?", L"o*",
                            L"C:ok", L".."};
    std::string index;
    for (const wchar_t* name : bad)
        index += Bytes(Record(name));
    index += Bytes(Record(L"ok"));
    WriteIndex(index);

    EXPECT_EQ(ParseRecordIndex(std::vector<uint8_t>(index.begin(), index.end())).size(), 1u);
    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_EQ(FileNames(manager), std::vector<std::wstring>{L"ok"});
    _stuDSRecorderInfo record = Record(L"..\\outside");
    EXPECT_TRUE(manager.GetRecordingPath(record).empty());
}

TEST_F(DSRecorderInfoMgrTest, ANameFieldWithoutItsZeroIsCutToItsWidth)
{
    _stuDSRecorderInfo record = Record(L"");
    for (char16_t& unit : record.fileName)
        unit = u'n';
    WriteIndex(Bytes(record));
    WriteRecording(std::string(64, 'n').c_str());
    WriteRecording(std::string(63, 'n').c_str());
    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_EQ(FileNames(manager), std::vector<std::wstring>{std::wstring(63, L'n')});
}

TEST_F(DSRecorderInfoMgrTest, AppendAddsExactlyOneRecordAndLeavesMemoryAlone)
{
    CDSRecorderInfoMgr manager(program.Path());
    const _stuDSRecorderInfo first = Record(L"first");
    const _stuDSRecorderInfo second = Record(L"second");
    ASSERT_EQ(manager.AppendRecordInfo(first), 1);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(first));
    ASSERT_EQ(manager.AppendRecordInfo(second), 1);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(first) + Bytes(second));
    EXPECT_EQ(manager.GetCount(), 0);
}

TEST_F(DSRecorderInfoMgrTest, AppendDropsAPartLeftAtTheEndInsteadOfWritingBehindIt)
{
    WriteIndex(Bytes(Record(L"first")) + std::string(300, 'x'));
    CDSRecorderInfoMgr manager(program.Path());
    ASSERT_EQ(manager.AppendRecordInfo(Record(L"second")), 1);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"first")) + Bytes(Record(L"second")));
}

TEST_F(DSRecorderInfoMgrTest, AppendRefusesARecordNoReaderWouldKeepAndFailsWithoutChangingTheFile)
{
    CDSRecorderInfoMgr manager(program.Path());
    ASSERT_EQ(manager.AppendRecordInfo(Record(L"first")), 1);
    EXPECT_EQ(manager.AppendRecordInfo(Record(L"..\\x")), 0);
    EXPECT_EQ(manager.AppendRecordInfo(Record(L"")), 0);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"first")));

    fs::remove(Index());
    fs::create_directory(Index());  // an index that cannot be replaced
    EXPECT_EQ(manager.AppendRecordInfo(Record(L"second")), 0);
}

TEST_F(DSRecorderInfoMgrTest, SaveWritesBackWhatIsHeldSoMissingRecordingsLeaveTheIndex)
{
    WriteRecording("a");
    WriteRecording("c");
    WriteIndex(Bytes(Record(L"a")) + Bytes(Record(L"b")) + Bytes(Record(L"c")));
    CDSRecorderInfoMgr manager(program.Path());
    ASSERT_EQ(manager.GetCount(), 2);
    EXPECT_EQ(manager.RemoveRecordInfo(2), 0);
    EXPECT_EQ(manager.RemoveRecordInfo(-1), 0);
    ASSERT_EQ(manager.RemoveRecordInfo(0), 1);
    ASSERT_EQ(manager.SaveRecordInfo(), 1);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"c")));

    _stuDSRecorderInfo record;
    EXPECT_EQ(manager.GetRecordInfo(1, record), 0);
    EXPECT_EQ(manager.GetRecordInfo(-1, record), 0);
    manager.AddRecordInfo(Record(L"d"));
    EXPECT_EQ(FileNames(manager), (std::vector<std::wstring>{L"c", L"d"}));
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"c")));
}

TEST_F(DSRecorderInfoMgrTest, AMissingIndexCountsAsReadSoTheFirstSaveCreatesIt)
{
    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_TRUE(manager.IsIndexReadWhole());
    manager.AddRecordInfo(Record(L"a"));
    ASSERT_EQ(manager.SaveRecordInfo(), 1);
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"a")));
}

#ifdef _WIN32
// Another program (a virus scanner, a backup) holding the index while the list opens: leaving the
// list must not replace every entry with the nothing that could be read.
TEST_F(DSRecorderInfoMgrTest, AnIndexThatCouldNotBeReadIsNeverWrittenBack)
{
    WriteRecording("a");
    const std::string stored = Bytes(Record(L"a"));
    WriteIndex(stored);
    HANDLE lock = CreateFileW(Index().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CDSRecorderInfoMgr manager(program.Path());
    CloseHandle(lock);

    EXPECT_FALSE(manager.IsIndexReadWhole());
    EXPECT_EQ(manager.GetCount(), 0);
    EXPECT_EQ(manager.SaveRecordInfo(), 0);
    EXPECT_EQ(ReadFileBytes(Index()), stored);
}
#endif

TEST_F(DSRecorderInfoMgrTest, StoreRecordingWritesTheFileThenItsRecord)
{
    CDSRecorderInfoMgr manager(program.Path());
    const CDSRecord recording = Recording();
    ASSERT_EQ(manager.StoreRecording(Record(L"Vantor20240305070809"), recording), 1);
    const std::vector<uint8_t> bytes = recording.ToFileBytes();
    EXPECT_EQ(ReadFileBytes(Playback() / "Vantor20240305070809"), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(ReadFileBytes(Index()), Bytes(Record(L"Vantor20240305070809")));
    EXPECT_EQ(FileNames(manager), std::vector<std::wstring>{L"Vantor20240305070809"});

    CDSRecorderInfoMgr reader(program.Path());
    ASSERT_EQ(reader.GetCount(), 1);
    _stuDSRecorderInfo record;
    ASSERT_EQ(reader.GetRecordInfo(0, record), 1);
    CDSRecord read;
    ASSERT_EQ(read.LoadFromFile(reader.GetRecordingPath(record)), 1);
    EXPECT_STREQ(read.GetSample(0, 0), L"800");
}

TEST_F(DSRecorderInfoMgrTest, StoreRecordingNeverReplacesAnotherRecording)
{
    CDSRecorderInfoMgr manager(program.Path());
    WriteRecording("same");
    WriteRecording("same_2");
    ASSERT_EQ(manager.StoreRecording(Record(L"same"), Recording()), 1);
    EXPECT_EQ(ReadFileBytes(Playback() / "same"), "rec");
    EXPECT_EQ(ReadFileBytes(Playback() / "same_2"), "rec");
    EXPECT_TRUE(fs::exists(Playback() / "same_3"));
    EXPECT_EQ(FileNames(manager), std::vector<std::wstring>{L"same_3"});

    const std::wstring longName(63, L'L');
    WriteRecording(std::string(63, 'L').c_str());
    ASSERT_EQ(manager.StoreRecording(Record(longName.c_str()), Recording()), 1);
    EXPECT_EQ(FileNames(manager).back(), std::wstring(61, L'L') + L"_2");

    fs::create_directory(Playback() / "folder");  // a folder takes the name as well
    ASSERT_EQ(manager.StoreRecording(Record(L"folder"), Recording()), 1);
    EXPECT_EQ(FileNames(manager).back(), L"folder_2");
}

TEST_F(DSRecorderInfoMgrTest, AFailedRecordingWriteAddsNoRecord)
{
    CDSRecorderInfoMgr manager(program.Path());
    EXPECT_EQ(manager.StoreRecording(Record(L"..\\escape"), Recording()), 0);
    EXPECT_FALSE(fs::exists(program / "escape"));
    EXPECT_FALSE(fs::exists(Index()));

    fs::remove_all(Playback());  // nowhere to write
    EXPECT_EQ(manager.StoreRecording(Record(L"lost"), Recording()), 0);
    EXPECT_FALSE(fs::exists(Index()));
    EXPECT_EQ(manager.GetCount(), 0);
}

TEST_F(DSRecorderInfoMgrTest, AFailedIndexWriteTakesTheRecordingAwayAgain)
{
    CDSRecorderInfoMgr manager(program.Path());
    fs::create_directory(Index());  // an index that cannot be replaced
    EXPECT_EQ(manager.StoreRecording(Record(L"orphan"), Recording()), 0);
    EXPECT_FALSE(fs::exists(Playback() / "orphan"));
    EXPECT_EQ(manager.GetCount(), 0);
}

}  // namespace
