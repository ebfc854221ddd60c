#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DataResWriter.h"
#include "DbFile.h"
#include "DbFileName.h"
#include "DbFileWriter.h"
#include "DbItem.h"
#include "VehicleDataTest.h"

namespace {

using Items = std::vector<std::string>;

Items Strings(const std::vector<ByteString>& list)
{
    Items items;
    for (const ByteString& item : list)
        items.push_back(Bytes(item));
    return items;
}

class DbFileTest : public VehicleDataTest {
protected:
    // Writes a database under its stored name and opens it by the name the program uses.
    bool OpenWritten(CDbFile& file, const std::wstring& name, const DB_HEADER_FIELDS& header,
                     const std::vector<DB_RECORD>& records)
    {
        WriteDbFile(folder.Path(), name, EncodeDbFile(header, records));
        return file.Open(name);
    }
};

// Header checks, in the order the reader makes them.

struct HeaderCase {
    const char* name;
    const wchar_t* file;
    std::function<void(DB_HEADER_FIELDS&)> change;
    float announced;
    int code;  // 0: opens
};

void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }

class DbHeaderTest : public DbFileTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(DbHeaderTest, RefusesWithItsCodeAndMessage)
{
    const HeaderCase& c = GetParam();
    SetGlobalFloat1(c.announced);
    DB_HEADER_FIELDS header;
    if (c.change)
        c.change(header);
    CDbFile file;
    EXPECT_EQ(OpenWritten(file, c.file, header, {{"KEY1", {"one"}}}), c.code == 0);
    if (c.code == 0) {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), Items{"one"});
    } else {
        EXPECT_EQ(messages, std::vector<std::wstring>{L"DB Information Error, Error Code:" + std::to_wstring(c.code)});
        EXPECT_TRUE(file.ReadRecord(Key("KEY1")).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DbHeaderTest, ::testing::Values(
    HeaderCase{"good", L"EN_DS.DB", nullptr, 3.25f, 0},
    HeaderCase{"version 3.25 against 3.2501", L"EN_DS.DB", nullptr, 3.2501f, 3},
    HeaderCase{"version 3.2501 against 3.25", L"EN_DS.DB", [](auto& h) { h.version = {0x00, 0x03, 0x25, 0x01}; }, 3.25f, 3},
    HeaderCase{"version 1234.5", L"EN_DS.DB", [](auto& h) { h.version = {0x12, 0x34, 0x50, 0x00}; }, 1234.5f, 0},
    HeaderCase{"a half that is no digit ends the number", L"EN_DS.DB", [](auto& h) { h.version = {0x00, 0x03, 0x2A, 0x99}; }, 3.2f, 0},
    HeaderCase{"a first half that is no digit reads 0", L"EN_DS.DB", [](auto& h) { h.version = {0xF0, 0x03, 0x25, 0x00}; }, 0.0f, 0},
    HeaderCase{"magic", L"EN_DS.DB", [](auto& h) { h.magic = "PX"; }, 3.25f, 2},
    HeaderCase{"magic before version", L"EN_DS.DB", [](auto& h) { h.magic = "TP"; }, 9.0f, 2},
    HeaderCase{"language of a language-bound file", L"EN_DS.DB", [](auto& h) { h.language = "CN"; }, 3.25f, 1},
    HeaderCase{"language before magic", L"EN_TXT.DB", [](auto& h) { h.language = "CN"; h.magic = "XX"; }, 3.25f, 1},
    HeaderCase{"language case counts", L"EN_DTC.DB", [](auto& h) { h.language = "en"; }, 3.25f, 1},
    HeaderCase{"one language letter", L"EN_DTC.DB", [](auto& h) { h.language = "E"; }, 3.25f, 1},
    HeaderCase{"language of a file without the check", L"EN_DS_BASE.DB", [](auto& h) { h.language = "CN"; }, 3.25f, 0},
    HeaderCase{"language of a history file", L"EN_DTC_H.db", [](auto& h) { h.language = "CN"; }, 3.25f, 0},
    HeaderCase{"key length 0", L"EN_DS.DB", [](auto& h) { h.keyLength = 0; }, 3.25f, 4},
    HeaderCase{"key length 21", L"EN_DS.DB", [](auto& h) { h.keyLength = 21; }, 3.25f, 4},
    HeaderCase{"key length 255", L"EN_DS.DB", [](auto& h) { h.keyLength = 255; }, 3.25f, 4}));

TEST_F(DbFileTest, ReadsTheHeaderFields)
{
    DB_HEADER_FIELDS header;
    header.keyLength = 20;
    CDbFile file;
    ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", header, {{"A", {"a"}}, {"B", {"b"}}, {"C", {"c"}}}));
    EXPECT_EQ(file.GetKeyLength(), 20);
    EXPECT_EQ(file.GetCount(), 3u);
    EXPECT_TRUE(file.HasIndex());
    EXPECT_EQ(Strings(file.ReadRecord(Key(std::string("B") + std::string(19, '\0')))), Items{"b"});
}

// The scrambler's parameters come from header bytes 2 to 5 (high byte first) and 7; no record
// reads differently for them.
struct ScramblerCase {
    const char* name;
    uint32_t word;
    uint8_t byte;
};

void PrintTo(const ScramblerCase& c, std::ostream* out) { *out << c.name; }

class DbScramblerTest : public DbFileTest, public ::testing::WithParamInterface<ScramblerCase> {};

TEST_P(DbScramblerTest, TakesItsParametersFromTheHeaderAndReadsTheSameRecords)
{
    DB_HEADER_FIELDS header;
    header.scramblerWord = GetParam().word;
    header.scramblerByte = GetParam().byte;
    CDbFile file;
    ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", header, {{"KEY1", {"one", std::string("t\0o", 3)}}, {"KEY2", {""}}}));
    EXPECT_EQ(file.GetScrambler().GetWord(), GetParam().word);
    EXPECT_EQ(file.GetScrambler().GetByte(), GetParam().byte);
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), (Items{"one", std::string("t\0o", 3)}));
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY2"))), Items{""});
    file.Release();
    EXPECT_EQ(file.GetScrambler().GetWord(), 0u);
    EXPECT_EQ(file.GetScrambler().GetByte(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DbScramblerTest, ::testing::Values(
    ScramblerCase{"zero", 0, 0},
    ScramblerCase{"high byte first", 0x01020304, 0x7F},
    ScramblerCase{"all bits", 0xFFFFFFFF, 0xFF},
    ScramblerCase{"top bit only", 0x80000000, 0x80}));

TEST_F(DbFileTest, ARefusedHeaderLeavesNoScramblerParameters)
{
    DB_HEADER_FIELDS header;
    header.magic = "PX";
    header.scramblerWord = 0x01020304;
    header.scramblerByte = 9;
    CDbFile file;
    EXPECT_FALSE(OpenWritten(file, L"EN_DS.DB", header, {{"KEY1", {"one"}}}));
    EXPECT_EQ(file.GetScrambler().GetWord(), 0u);
    EXPECT_EQ(file.GetScrambler().GetByte(), 0);
}

struct ScramblerByteCase {
    uint32_t given;
    uint8_t kept;
};

class RecordScramblerByteTest : public ::testing::TestWithParam<ScramblerByteCase> {};

TEST_P(RecordScramblerByteTest, KeepsTheLowByte)
{
    RecordScrambler scrambler;
    scrambler.SetWord(0xA1B2C3D4);
    scrambler.SetByte(GetParam().given);
    EXPECT_EQ(scrambler.GetByte(), GetParam().kept);
    EXPECT_EQ(scrambler.GetWord(), 0xA1B2C3D4u) << "the two fields are apart";
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordScramblerByteTest, ::testing::Values(
    ScramblerByteCase{0x00, 0x00}, ScramblerByteCase{0x7F, 0x7F}, ScramblerByteCase{0xFF, 0xFF},
    ScramblerByteCase{0x100, 0x00}, ScramblerByteCase{0x1234, 0x34}, ScramblerByteCase{0xFFFFFFFF, 0xFF}));

TEST_F(DbFileTest, ShortFilesAreRefusedWithCode9)
{
    for (const size_t size : {size_t{0}, size_t{1}, size_t{31}}) {
        messages.clear();
        WriteDbFile(folder.Path(), L"EN_DS.DB", EncodeDbFile({}, {{"KEY1", {"one"}}}).substr(0, size));
        CDbFile file;
        EXPECT_FALSE(file.Open(L"EN_DS.DB"));
        EXPECT_EQ(messages, std::vector<std::wstring>{L"DB Information Error, Error Code:9"});
    }
}

TEST_F(DbFileTest, OpensNothingOutsideTheSoftwareFolderAndShowsNoMessage)
{
    WriteDbFile(folder.Path(), L"EN_DS.DB", EncodeDbFile({}, {{"KEY1", {"one"}}}));
    CDbFile file;
    EXPECT_FALSE(file.Open(L"EN_DTC.DB"));  // missing
    EXPECT_FALSE(file.Open(L""));
    EXPECT_FALSE(file.Open(L"..\\EN_DS.DB"));
    EXPECT_FALSE(file.Open(L"sub\\..\\..\\EN_DS.DB"));
    EXPECT_FALSE(file.Open(L"\\EN_DS.DB"));
    EXPECT_FALSE(file.Open(L"C:EN_DS.DB"));
    ResSetSoftwareDir(L"");
    EXPECT_FALSE(file.Open(L"EN_DS.DB"));
    EXPECT_TRUE(messages.empty());
    ResSetSoftwareDir(folder.Path().wstring());  // without its backslash
    EXPECT_TRUE(file.Open(L"EN_DS.DB"));
}

TEST_F(DbFileTest, OpensAFileInASubFolder)
{
    WriteDbFile(folder.Path() / "sub", L"EN_DS.DB", EncodeDbFile({}, {{"KEY1", {"one"}}}));
    CDbFile file;
    ASSERT_TRUE(file.Open(L"sub\\EN_DS.DB"));
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), Items{"one"});
}

TEST_F(DbFileTest, OpensFilesInAFolderOfAnyCharacters)
{
    // No code page holds all of these: the folder must reach the file system as it is.
    const std::filesystem::path soft = folder.Path() / std::filesystem::path(u8"Fahrzeug \u00C4\u00D6 \u4E2D\u6587 \u0416");
    // Built by hand: natively the C locale cannot give this path as a wide text.
    const std::wstring softwareDir = folder.Path().wstring() + L"\\Fahrzeug \u00C4\u00D6 \u4E2D\u6587 \u0416\\";
    WriteDbFile(soft, L"EN_DS.DB", EncodeDbFile({}, {{"KEY1", {"one"}}}));
    WriteFixtureFile(soft / "PACK_EN.dat", EncodeTextDatabase({}, {{TextDbKey("ABC"), u"packed"}}));
    ResSetSoftwareDir(softwareDir);
    CDbFile plain;
    ASSERT_TRUE(plain.Open(L"EN_DS.DB"));
    EXPECT_EQ(Strings(plain.ReadRecord(Key("KEY1"))), Items{"one"});
    CDbFile packed;
    ASSERT_TRUE(packed.Open(L"PACK_EN.dat"));
    EXPECT_EQ(Strings(packed.ReadRecord(Key("ABC"))), Items{"packed"});
}

TEST_F(DbFileTest, ReleaseClosesAndAnotherOpenReplaces)
{
    WriteDbFile(folder.Path(), L"EN_DS.DB", EncodeDbFile({}, {{"KEY1", {"one"}}}));
    WriteDbFile(folder.Path(), L"EN_DTC.DB", EncodeDbFile({}, {{"KEY1", {"two"}}}));
    CDbFile file;
    ASSERT_TRUE(file.Open(L"EN_DS.DB"));
    file.Release();
    EXPECT_TRUE(file.ReadRecord(Key("KEY1")).empty());
    EXPECT_FALSE(file.HasIndex());
    ASSERT_TRUE(file.Open(L"EN_DS.DB"));
    ASSERT_TRUE(file.Open(L"EN_DTC.DB"));  // releases the first
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), Items{"two"});
}

// Lookups, through the loaded index and through the scan the reader falls back on when the index
// cannot be loaded (here: a count the file cannot hold).

struct LookupCase {
    const char* name;
    std::vector<std::string> keys;  // stored keys, K = 4; each record holds its key as its item
    std::string key;
    bool foundByIndex;
    bool foundByScan;
};

void PrintTo(const LookupCase& c, std::ostream* out) { *out << c.name; }

class DbLookupTest : public DbFileTest, public ::testing::WithParamInterface<std::tuple<LookupCase, bool>> {};

TEST_P(DbLookupTest, FindsExactlyTheStoredKeys)
{
    const auto& [c, scan] = GetParam();
    DB_HEADER_FIELDS header;
    std::vector<DB_RECORD> records;
    for (std::string key : c.keys) {
        key.resize(4, '\0');
        records.push_back({key, {"item " + key}});
    }
    if (scan)
        header.count = static_cast<uint32_t>(records.size()) + 1000000;
    CDbFile file;
    ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", header, records));
    ASSERT_EQ(file.HasIndex(), !scan);
    const bool found = scan ? c.foundByScan : c.foundByIndex;
    const Items items = Strings(file.ReadRecord(Key(c.key)));
    if (found) {
        EXPECT_EQ(items, Items{"item " + c.key.substr(0, 4)});
    } else {
        EXPECT_TRUE(items.empty());
    }
    if (!scan) {
        EXPECT_EQ(file.FindOffset(Key(c.key)) >= 0, found);
    }
}

std::vector<std::string> ManyKeys()
{
    std::vector<std::string> keys;
    for (char c = 'B'; c <= 'y'; c += 2)
        keys.push_back(std::string("K") + c + "\x80\xFF");
    return keys;
}

const std::vector<std::string> kMany = ManyKeys();

INSTANTIATE_TEST_SUITE_P(Cases, DbLookupTest, ::testing::Combine(::testing::Values(
    LookupCase{"one entry, equal", {"MMMM"}, "MMMM", true, true},
    LookupCase{"one entry, less", {"MMMM"}, "MMML", false, false},
    LookupCase{"one entry, greater", {"MMMM"}, "MMMN", false, false},
    LookupCase{"no entries", {}, "MMMM", false, false},
    LookupCase{"two entries, first", {"AAAA", "BBBB"}, "AAAA", true, true},
    LookupCase{"two entries, second", {"AAAA", "BBBB"}, "BBBB", true, true},
    LookupCase{"two entries, between", {"AAAA", "BBBB"}, "AAAB", false, false},
    LookupCase{"many, first", kMany, kMany.front(), true, true},
    LookupCase{"many, last", kMany, kMany.back(), true, true},
    LookupCase{"many, middle", kMany, kMany[kMany.size() / 2], true, true},
    LookupCase{"many, before the first", kMany, "K\x01\x80\xFF", false, false},
    LookupCase{"many, after the last", kMany, "K\xFF\x80\xFF", false, false},
    LookupCase{"many, between two", kMany, "KC\x80\xFF", false, false},
    LookupCase{"bytes compare unsigned", {"\x01\x00\x00\x00", "\x80\x00\x00\x00", "\xFF\x00\x00\x00"},
               std::string("\x80\x00\x00\x00", 4), true, true},
    LookupCase{"a longer key is found by its first K bytes, never by the scan", {"AAAA", "BBBB"}, "BBBBXX", true, false},
    LookupCase{"a shorter key is not found", {"AAAA", "BBB\0"}, "BBB", false, false},
    LookupCase{"the empty key is not found", {"AAAA"}, "", false, false}),
    ::testing::Bool()));

TEST_F(DbFileTest, EveryStoredKeyOfALargeIndexIsFound)
{
    DB_HEADER_FIELDS header;
    header.keyLength = 3;
    std::vector<DB_RECORD> records;
    for (int i = 0; i < 1000; ++i) {
        const std::string key{static_cast<char>(i >> 8), static_cast<char>(i & 0xFF), '\x7F'};
        records.push_back({key, {std::to_string(i)}});
    }
    CDbFile file;
    ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", header, records));
    for (int i = 0; i < 1000; ++i) {
        const std::string key{static_cast<char>(i >> 8), static_cast<char>(i & 0xFF), '\x7F'};
        ASSERT_EQ(Strings(file.ReadRecord(Key(key))), Items{std::to_string(i)}) << i;
        const std::string absent{static_cast<char>(i >> 8), static_cast<char>(i & 0xFF), '\x7E'};
        ASSERT_TRUE(file.ReadRecord(Key(absent)).empty()) << i;
    }
}

TEST_F(DbFileTest, ACountThatWouldWrapLeavesTheScan)
{
    // (K + 4) x count wraps in 32 bits to a small number; the index is not loaded at all.
    for (const uint32_t count : {0xFFFFFFFFu, 0x0AAAAAABu}) {
        DB_HEADER_FIELDS header;
        header.keyLength = 20;
        header.count = count;
        CDbFile file;
        ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", header, {{"A", {"a"}}, {"B", {"b"}}}));
        EXPECT_FALSE(file.HasIndex());
        EXPECT_EQ(Strings(file.ReadRecord(Key(std::string("B") + std::string(19, '\0')))), Items{"b"});
        EXPECT_TRUE(file.ReadRecord(Key(std::string("C") + std::string(19, '\0'))).empty());
    }
}

// Records.

struct RecordCase {
    const char* name;
    std::string recordBytes;  // after the index; scrambled items made by EncodeDbRecord
    std::optional<Items> items;  // nothing: an empty list
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }

class DbRecordTest : public DbFileTest, public ::testing::WithParamInterface<RecordCase> {};

// One index entry pointing just behind the index, at the record under test, which ends the file.
TEST_P(DbRecordTest, ReadsWholeItemsOrNothing)
{
    const std::string file = EncodeDbFile({}, {{"KEY1", {}}});
    const std::string withoutRecord = file.substr(0, file.size() - 1);  // the empty record: one count byte
    WriteDbFile(folder.Path(), L"EN_DS.DB", withoutRecord + GetParam().recordBytes);
    CDbFile db;
    ASSERT_TRUE(db.Open(L"EN_DS.DB"));
    const std::vector<ByteString> list = db.ReadRecord(Key("KEY1"));
    if (GetParam().items) {
        EXPECT_EQ(Strings(list), *GetParam().items);
    } else {
        EXPECT_TRUE(list.empty());
    }
}

std::string Cut(const std::string& bytes, size_t less) { return bytes.substr(0, bytes.size() - less); }

INSTANTIATE_TEST_SUITE_P(Cases, DbRecordTest, ::testing::Values(
    RecordCase{"items in file order", EncodeDbRecord({"first", std::string("se\0cond", 7), "third"}),
               Items{"first", std::string("se\0cond", 7), "third"}},
    RecordCase{"no items", EncodeDbRecord({}), std::nullopt},
    RecordCase{"no record at all", "", std::nullopt},
    RecordCase{"an item of length 0", EncodeDbRecord({"", "x"}), Items{"", "x"}},
    RecordCase{"last item cut short", Cut(EncodeDbRecord({"first", "second"}), 1), std::nullopt},
    RecordCase{"last length cut short", Cut(EncodeDbRecord({"first", "second"}), 7), std::nullopt},
    RecordCase{"more items counted than stored", std::string(1, '\x03') + EncodeDbRecord({"a", "b"}).substr(1), std::nullopt},
    RecordCase{"longest item a byte string holds", EncodeDbRecord({std::string(32767, 'w')}), Items{std::string(32767, 'w')}},
    RecordCase{"an item longer than a byte string holds", EncodeDbRecord({std::string(32768, 'w')}), std::nullopt},
    RecordCase{"255 items", EncodeDbRecord(Items(255, "i")), Items(255, "i")},
    RecordCase{"items read in several pieces", EncodeDbRecord({std::string(600, 'a'), std::string(700, 'b'), "c"}),
               Items{std::string(600, 'a'), std::string(700, 'b'), "c"}},
    RecordCase{"cut short after the first piece", Cut(EncodeDbRecord({std::string(600, 'a'), std::string(700, 'b')}), 300),
               std::nullopt}));

TEST_F(DbFileTest, AnItemOfLengthZeroIsAZeroLengthByteString)
{
    CDbFile file;
    ASSERT_TRUE(OpenWritten(file, L"EN_DS.DB", {}, {{"KEY1", {""}}}));
    const std::vector<ByteString> list = file.ReadRecord(Key("KEY1"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list[0].IsEmpty());
    EXPECT_EQ(list[0].GetCapacity(), 6);
}

// Items are unscrambled in a copy: the file's bytes stay as stored, and a record reads alike again.
TEST_F(DbFileTest, ReadingARecordLeavesTheFileAsStored)
{
    const std::string bytes = EncodeDbFile({}, {{"KEY1", {"one", "two"}}});
    const std::filesystem::path path = WriteDbFile(folder.Path(), L"EN_DS.DB", bytes);
    CDbFile file;
    ASSERT_TRUE(file.Open(L"EN_DS.DB"));
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), (Items{"one", "two"}));
    EXPECT_EQ(Strings(file.ReadRecord(Key("KEY1"))), (Items{"one", "two"}));
    file.Release();
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST_F(DbFileTest, ARecordOffsetPastTheEndGivesAnEmptyList)
{
    std::string bytes = EncodeDbFile({}, {{"KEY1", {"one"}}});
    bytes.replace(32 + 4, 4, "\x7F\xFF\xFF\xFF");
    WriteDbFile(folder.Path(), L"EN_DS.DB", bytes);
    CDbFile file;
    ASSERT_TRUE(file.Open(L"EN_DS.DB"));
    EXPECT_TRUE(file.ReadRecord(Key("KEY1")).empty());
}

// The packed form: a ".dat" text database read through CResAPI.

class DbPackedTest : public DbFileTest {
protected:
    void SetUp() override
    {
        DbFileTest::SetUp();
        Write("PACK_EN.dat", EncodeTextDatabase({}, {{TextDbKey("ABC"), u"padded"},
                                                     {TextDbKey("ABCDEF"), u"six"},
                                                     {TextDbKey("G\xC3\xBC"), u"Gr\u00FC\u00DFe"}}));
        ASSERT_TRUE(file.Open(L"PACK_EN.dat"));
        ASSERT_TRUE(file.IsPacked());
    }
    CDbFile file;
};

TEST_F(DbPackedTest, FindsATextUnderTheKeyPaddedToSixBytes)
{
    EXPECT_EQ(Strings(file.ReadRecord(Key("ABC"))), Items{"padded"});
    EXPECT_EQ(Strings(file.ReadRecord(Key("ABCDEF"))), Items{"six"});
    EXPECT_EQ(Strings(file.ReadRecord(Key("G\xC3\xBC"))), Items{"Gr\xC3\xBC\xC3\x9F" "e"});
}

TEST_F(DbPackedTest, AMissingTextIsOneEmptyByteString)
{
    const std::vector<ByteString> list = file.ReadRecord(Key("XYZ"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list[0].IsEmpty());
}

TEST_F(DbPackedTest, RefusesKeysWithoutExactlySixBytesOfRoom)
{
    EXPECT_TRUE(file.ReadRecord(Key("ABCDEFG")).empty());
    ByteString grown = Key("ABCDEFGHIJ");
    const uint8_t abc[] = {'A', 'B', 'C'};
    grown.Assign(abc, 3);  // holds ABC, but in ten bytes of room
    EXPECT_TRUE(file.ReadRecord(grown).empty());
    ByteString assigned;
    assigned.Assign(abc, 3);
    EXPECT_EQ(Strings(file.ReadRecord(assigned)), Items{"padded"});
}

TEST_F(DbFileTest, APackedFileThatDoesNotOpenReadsNothing)
{
    CDbFile file;
    EXPECT_FALSE(file.Open(L"NONE_EN.dat"));
    EXPECT_TRUE(file.ReadRecord(Key("ABC")).empty());
    EXPECT_TRUE(messages.empty());
}

// Names on disk.

struct NameCase {
    const wchar_t* path;
    const wchar_t* stored;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    for (const wchar_t* p = c.path; *p; ++p)
        *out << static_cast<char>(*p);
}

class MakeDbFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(MakeDbFileNameTest, MapsTheFileNameOnly) { EXPECT_EQ(MakeDbFileName(GetParam().path), GetParam().stored); }

INSTANTIATE_TEST_SUITE_P(Cases, MakeDbFileNameTest, ::testing::Values(
    NameCase{L"EN_TXT.DB", L"tF_ZBZ.0000"},
    NameCase{L"C:\\Scan\\Maker\\V1.00\\EN_DS.DB", L"C:\\Scan\\Maker\\V1.00\\tF_Rl.0000"},
    NameCase{L"/tmp/Soft/EN_DTC.DB", L"/tmp/Soft/tF_RZe.0000"},
    NameCase{L"EN_DTC_H.db", L"tF_RZe_I.0000"},
    NameCase{L"en_ds.db", L"EN_DS.0000"},
    NameCase{L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", L"qWeRtYuIoPaSdFgHjKlZxCvBnM"},
    NameCase{L"EN_1-2 x.DB", L"tF_1-2 X.0000"},
    NameCase{L"a.db.DB", L"A.0000.0000"},
    NameCase{L"EN_DS.DBX", L"tF_Rl.0000B"},
    NameCase{L"C:\\Scan\\EN_TXT.dat", L"C:\\Scan\\EN_TXT.dat"},
    NameCase{L"C:\\data.dat\\EN_TXT.DB", L"C:\\data.dat\\EN_TXT.DB"},
    NameCase{L"EN_TXT.DAT", L"EN_TXT.DAT"},
    NameCase{L"EN_TXT.Dat", L"tF_ZBZ.RAT"},
    NameCase{L"", L""}));

TEST(LanguageBoundDbPath, HoldsTheTextAndKeyDatabasesOfALanguage)
{
    EXPECT_TRUE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\EN_TXT.DB")));
    EXPECT_TRUE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\CN_DS.DB")));
    EXPECT_TRUE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\EN_DTC.DB")));
    EXPECT_FALSE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\EN_DS_BASE.DB")));
    EXPECT_FALSE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\EN_DTC_H.db")));
    EXPECT_FALSE(IsLanguageBoundDbPath(MakeDbFileName(L"C:\\Scan\\EN_TXT.dat")));
}

// Items and hexadecimal keys.

TEST(DbItem, UnscramblesWithTheKeyRestartingAtEveryItem)
{
    // Written as invert, swap halves, XOR with "{" and "7", the first two key characters.
    uint8_t stored[] = {0x84, 0xE9};
    EXPECT_EQ(Bytes(UnscrambleDbItem(stored, 2)), std::string("\x00\x12", 2));

    std::string all;
    for (int i = 0; i < 256 * 3; ++i)
        all.push_back(static_cast<char>(i * 37));
    std::string scrambled = all;
    ScrambleDbItem(reinterpret_cast<uint8_t*>(scrambled.data()), scrambled.size());
    EXPECT_NE(scrambled, all);
    // The key repeats every 38 bytes: equal plain bytes 38 apart are stored alike.
    std::string repeated(76, 'q');
    ScrambleDbItem(reinterpret_cast<uint8_t*>(repeated.data()), repeated.size());
    EXPECT_EQ(repeated.substr(0, 38), repeated.substr(38));
    EXPECT_EQ(Bytes(UnscrambleDbItem(reinterpret_cast<uint8_t*>(scrambled.data()), scrambled.size())), all);
}

TEST(DbItem, AnItemTooLongForAByteStringIsEmpty)
{
    std::vector<uint8_t> bytes(40000);
    EXPECT_EQ(UnscrambleDbItem(bytes.data(), bytes.size()).GetCapacity(), -1);
    EXPECT_EQ(UnscrambleDbItem(nullptr, 0).GetCapacity(), 6);
}

struct HexCase {
    const wchar_t* text;
    int count;
    int result;
    std::string bytes;  // written before the end or the failure
};

void PrintTo(const HexCase& c, std::ostream* out) { *out << (c.text ? "text" : "null") << " " << c.count; }

class HexToBytesTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexToBytesTest, ReadsPairsAndStopsAtTheEnd)
{
    uint8_t bytes[8] = {};
    EXPECT_EQ(HexToBytes(bytes, GetParam().text, GetParam().count), GetParam().result);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), GetParam().bytes.size()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, HexToBytesTest, ::testing::Values(
    HexCase{L"0A1bFf", 3, 1, "\x0A\x1B\xFF"},
    HexCase{L"0A1bFf", 2, 1, "\x0A\x1B"},
    HexCase{L"", 0, 1, ""},
    HexCase{L"0A1", 2, 0, "\x0A"},
    HexCase{L"0A", 2, 0, "\x0A"},
    HexCase{L"", 1, 0, ""},
    HexCase{L"0G", 1, 0, ""},
    HexCase{L" 1", 1, 0, ""},
    HexCase{nullptr, 1, 0, ""}));

TEST(HexToBytes, NeedsABuffer) { EXPECT_EQ(HexToBytes(nullptr, L"00", 1), 0); }

}  // namespace
