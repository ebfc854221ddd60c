#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DataResFile.h"
#include "DataResNames.h"
#include "DataResWriter.h"
#include "DbFileWriter.h"
#include "VehicleDataTables.h"
#include "VehicleDataTest.h"

namespace {

// The header check.

struct HeaderCase {
    const char* name;
    const char* path;
    DRDB_HEADER_FIELDS header;
    float announced;
    bool passes;
};

void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }

DRDB_HEADER_FIELDS Header(uint32_t type, uint32_t version100, uint32_t language)
{
    DRDB_HEADER_FIELDS fields;
    fields.type = type;
    fields.version100 = version100;
    fields.language = language;
    return fields;
}

DRDB_HEADER_FIELDS WithMagic(const char* magic)
{
    DRDB_HEADER_FIELDS fields;
    fields.magic = magic;
    return fields;
}

class DataResHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(DataResHeaderTest, DecidesByTypeVersionAndLanguage)
{
    const HeaderCase& c = GetParam();
    const std::string bytes = EncodeDrdbHeader(c.header);
    EXPECT_EQ(CheckDataResHeader(c.path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), c.announced),
              c.passes);
}

const uint32_t kLettersEn = DrdbLanguageLetters("en");

INSTANTIATE_TEST_SUITE_P(Cases, DataResHeaderTest, ::testing::Values(
    HeaderCase{"version 325 against 3.25", "C:\\S\\TXT_EN.DAT", Header(3, 325, 1), 3.25f, true},
    HeaderCase{"version 325 against 3.26", "C:\\S\\TXT_EN.DAT", Header(3, 325, 1), 3.26f, false},
    HeaderCase{"version 325 against 3.2501", "C:\\S\\TXT_EN.DAT", Header(3, 325, 1), 3.2501f, true},
    HeaderCase{"version 325 against 3.2502", "C:\\S\\TXT_EN.DAT", Header(3, 325, 1), 3.2502f, false},
    HeaderCase{"release file skips the version", "C:\\S\\DATRES_EN.DAT", Header(3, 100, 1), 3.25f, true},
    HeaderCase{"release file in lower case", "C:\\S\\datres_en.dat", Header(1, 100, 1), 3.25f, true},
    HeaderCase{"release mark too far from the end", "C:\\S\\DATRES_X_EN.DAT", Header(3, 100, 1), 3.25f, false},
    HeaderCase{"short path never skips", "DRES_EN.DAT", Header(3, 100, 1), 3.25f, false},
    HeaderCase{"_EN with id 1", "C:\\S\\TXT_EN.DAT", Header(6, 325, 1), 3.25f, true},
    HeaderCase{"_EN with UTF-16 en", "C:\\S\\TXT_EN.DAT", Header(6, 325, kLettersEn), 3.25f, true},
    HeaderCase{"_en with UTF-16 EN", "C:\\S\\TXT_en.dat", Header(6, 325, DrdbLanguageLetters("EN")), 3.25f, true},
    HeaderCase{"_EN with id 2", "C:\\S\\TXT_EN.DAT", Header(1, 325, 2), 3.25f, false},
    HeaderCase{"_EN with one letter", "C:\\S\\TXT_EN.DAT", Header(1, 325, 'E'), 3.25f, false},
    HeaderCase{"_CN with id 2", "C:\\S\\TXT_CN.DAT", Header(3, 325, 2), 3.25f, true},
    HeaderCase{"no language, byte 24 zero", "C:\\S\\TEXTS.DAT", Header(3, 325, 0), 3.25f, true},
    HeaderCase{"no language, byte 24 zero, byte 26 not", "C:\\S\\TEXTS.DAT", Header(3, 325, 0x00410000), 3.25f, true},
    HeaderCase{"no language, id 1", "C:\\S\\TEXTS.DAT", Header(3, 325, 1), 3.25f, false},
    HeaderCase{"letters not in the table, same letters", "C:\\S\\TXT_XX.DAT", Header(3, 325, DrdbLanguageLetters("xx")), 3.25f, true},
    HeaderCase{"letters not in the table, their id", "C:\\S\\TXT_XX.DAT", Header(3, 325, 0xFFFF), 3.25f, true},
    HeaderCase{"letters not in the table, id 1", "C:\\S\\TXT_XX.DAT", Header(3, 325, 1), 3.25f, false},
    HeaderCase{"the language of the file name only", "C:\\S_CN\\TXT_EN.DAT", Header(3, 325, 1), 3.25f, true},
    HeaderCase{"other types pass unchecked", "C:\\S\\TXT_EN.DAT", Header(2, 1, 9), 3.25f, true},
    HeaderCase{"type 0 passes unchecked", "C:\\S\\TXT_EN.DAT", Header(0, 1, 9), 3.25f, true},
    HeaderCase{"magic", "C:\\S\\TXT_EN.DAT", WithMagic("DRDX"), 3.25f, false},
    HeaderCase{"not a .DAT path passes whatever it holds", "C:\\S\\TXT_EN.BIN", WithMagic("XXXX"), 3.25f, true}));

TEST(DataResHeader, AShortHeaderFails)
{
    const std::string bytes = EncodeDrdbHeader({});
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    EXPECT_TRUE(CheckDataResHeader("TXT_EN.DAT", std::span(data, 64), 3.25f));
    EXPECT_FALSE(CheckDataResHeader("TXT_EN.DAT", std::span(data, 63), 3.25f));
    EXPECT_FALSE(CheckDataResHeader("TXT_EN.DAT", {}, 3.25f));
    EXPECT_TRUE(CheckDataResHeader("TXT_EN.CAB", {}, 3.25f));
}

struct NameLanguageCase {
    const char* path;
    uint32_t id;
    const char* letters;
};

void PrintTo(const NameLanguageCase& c, std::ostream* out) { *out << c.path; }

class NameLanguageTest : public ::testing::TestWithParam<NameLanguageCase> {};

TEST_P(NameLanguageTest, ComesFromUnderscoreAndTwoLettersBeforeTheExtension)
{
    const NAME_LANGUAGE language = GetNameLanguage(GetParam().path);
    EXPECT_EQ(language.id, GetParam().id);
    EXPECT_EQ(language.letters, GetParam().letters);
}

INSTANTIATE_TEST_SUITE_P(Cases, NameLanguageTest, ::testing::Values(
    NameLanguageCase{"C:\\S\\TXT_EN.DAT", 1, "EN"},
    NameLanguageCase{"C:\\S\\txt_ar.dat", 14, "ar"},
    NameLanguageCase{"C:\\S\\a.b_Tw.dat", 4, "Tw"},
    NameLanguageCase{"TXT_KR", 8, "KR"},
    NameLanguageCase{"C:\\S\\TXT_ZZ.DAT", 0xFFFF, "ZZ"},
    NameLanguageCase{"C:\\S\\TXT_E1.DAT", 0, ""},
    NameLanguageCase{"C:\\S\\TXTEN.DAT", 0, ""},
    NameLanguageCase{"C:\\S\\_EN", 1, "EN"},
    NameLanguageCase{"C:\\S_EN\\TXT.DAT", 0, ""},
    NameLanguageCase{"EN.DAT", 0, ""},
    NameLanguageCase{"", 0, ""}));

// Where the bytes are. Every case reads a file named "MEMBER_EN.BIN" (no header check) whose
// content is kContent; each places it differently.

const std::string kContent = [] {
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes.push_back(static_cast<char>(i * 7 + i / 256));
    return bytes;
}();

class DataResLocationTest : public VehicleDataTest {
protected:
    std::string ReadAll(DataResFile& file)
    {
        std::string bytes(static_cast<size_t>(file.GetSize()), '\0');
        EXPECT_EQ(file.ReadAt(bytes.data(), 0, bytes.size()), bytes.size());
        return bytes;
    }

    // Opens the file, reads it whole, and again in small steps, both with and without whole-file
    // loading.
    void ExpectContent(const std::string& name, const std::string& expected)
    {
        for (const bool whole : {false, true}) {
            DataResFile file;
            ASSERT_EQ(file.Open(NarrowPath(name).c_str(), whole, 1), 1) << name;
            EXPECT_EQ(file.GetSize(), expected.size());
            EXPECT_EQ(ReadAll(file), expected);
            std::string pieces;
            char piece[7];
            for (size_t at = 0; at < expected.size(); at += sizeof piece)
                pieces.append(piece, file.ReadAt(piece, at, sizeof piece));
            EXPECT_EQ(pieces, expected);
        }
    }

    std::string ContainerName(const std::string& language) const { return ContainerFixtureName(language); }
};

TEST_F(DataResLocationTest, ThePlainFileItself)
{
    Write("MEMBER_EN.BIN", kContent);
    ExpectContent("MEMBER_EN.BIN", kContent);
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("MEMBER_EN.BIN").c_str(), false, 1), 1);
    EXPECT_FALSE(file.GetStorage().IsInContainer());
    EXPECT_FALSE(file.GetStorage().IsBlockEncoded());
}

TEST_F(DataResLocationTest, AMemberOfTheLanguageContainer)
{
    Write(ContainerName("EN"), EncodeContainer({{"OTHER.BIN", "other"}, {"MEMBER_EN.BIN", kContent}}));
    Write("MEMBER_EN.BIN", "the container comes first");
    ExpectContent("MEMBER_EN.BIN", kContent);
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("member_en.bin").c_str(), false, 1), 1);  // names compare without case
    EXPECT_TRUE(file.GetStorage().IsInContainer());
}

TEST_F(DataResLocationTest, TheContainerNameIsTheCurrentLanguage)
{
    Write(ContainerName("EN"), EncodeContainer({{"MEMBER_EN.BIN", "english"}}));
    Write(ContainerName("CN"), EncodeContainer({{"MEMBER_EN.BIN", "chinese"}}));
    ResSetLanguageCodeA("CN");
    ExpectContent("MEMBER_EN.BIN", "chinese");
    EXPECT_EQ(DataStoreFile::GetContainerName(), "CN");
}

TEST_F(DataResLocationTest, TheCommonContainerWhenTheLanguageHasNone)
{
    Write(ContainerName(""), EncodeContainer({{"MEMBER_EN.BIN", kContent}}));
    ExpectContent("MEMBER_EN.BIN", kContent);
}

TEST_F(DataResLocationTest, TheFileItselfWhenTheLanguageContainerLacksIt)
{
    Write(ContainerName("EN"), EncodeContainer({{"OTHER.BIN", "other"}}));
    Write(ContainerName(""), EncodeContainer({{"MEMBER_EN.BIN", "never looked at"}}));
    Write("MEMBER_EN.BIN", kContent);
    ExpectContent("MEMBER_EN.BIN", kContent);
}

TEST_F(DataResLocationTest, AContainerEntryAnswersEveryNameItBeginsWith)
{
    Write(ContainerName("EN"), EncodeContainer({{"ABCD", "abcd"}, {"ABC", "abc"}}));
    ExpectContent("ABC", "abcd");
    ExpectContent("abcd", "abcd");
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath("ABCDE").c_str(), false, 1), 0);
}

TEST_F(DataResLocationTest, ABlockEncodedFile)
{
    Write("MEMBER_EN.BIN", EncodeBlockMember(kContent));
    ExpectContent("MEMBER_EN.BIN", kContent);
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("MEMBER_EN.BIN").c_str(), false, 1), 1);
    EXPECT_TRUE(file.GetStorage().IsBlockEncoded());
}

TEST_F(DataResLocationTest, ABlockEncodedContainerMember)
{
    Write(ContainerName("EN"), EncodeContainer({{"MEMBER_EN.BIN", EncodeBlockMember(kContent)}}));
    ExpectContent("MEMBER_EN.BIN", kContent);
}

TEST_F(DataResLocationTest, AMemberShorterThanTheMarkerIsPlain)
{
    const std::string marker = EncodeBlockMember("").substr(0, 37);
    Write("MEMBER_EN.BIN", marker);
    ExpectContent("MEMBER_EN.BIN", marker);
}

TEST_F(DataResLocationTest, ASliceNamedByTheLanguageNameIndex)
{
    Write("BIG.BIN", "head" + kContent + "tail");
    Write("0000_EN.cab", EncodeNameIndex({{"A_EN.BIN", "BIG.BIN", 0, 4},
                                          {"MEMBER_EN.BIN", "BIG.BIN", 4, static_cast<uint32_t>(kContent.size())},
                                          {"Z_EN.BIN", "BIG.BIN", 1004, 4}}));
    Write("0000.cab", EncodeNameIndex({{"MEMBER_EN.BIN", "BIG.BIN", 0, 4}}));
    ExpectContent("MEMBER_EN.BIN", kContent);
    ExpectContent("a_EN.bin", "head");  // the index name takes the letters as the name has them
    ExpectContent("Z_EN.BIN", "tail");
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("MEMBER_EN.BIN").c_str(), false, 1), 1);
    EXPECT_TRUE(file.GetStorage().IsRedirected());
    EXPECT_EQ(file.Open(NarrowPath("MISSING_EN.BIN").c_str(), false, 1), 0);
}

TEST_F(DataResLocationTest, TheCommonNameIndexWhenTheLanguageHasNone)
{
    Write("BIG.BIN", "head" + kContent);
    Write("0000.cab", EncodeNameIndex({{"MEMBER_EN.BIN", "BIG.BIN", 4, static_cast<uint32_t>(kContent.size())},
                                       {"PLAIN.BIN", "BIG.BIN", 0, 4}}));
    ExpectContent("MEMBER_EN.BIN", kContent);
    ExpectContent("PLAIN.BIN", "head");
}

TEST_F(DataResLocationTest, AnIndexInTheContainerNamingABlockEncodedTarget)
{
    Write(ContainerName("EN"), EncodeContainer({
        {"0000_EN.cab", EncodeBlockMember(EncodeNameIndex({{"MEMBER_EN.BIN", "PACKED.BIN", 100, 500}}))},
        {"PACKED.BIN", EncodeBlockMember(kContent)}}));
    ExpectContent("MEMBER_EN.BIN", kContent.substr(100, 500));
}

TEST_F(DataResLocationTest, ASliceNeverReachesPastItsTarget)
{
    Write("BIG.BIN", kContent);
    Write("0000_EN.cab", EncodeNameIndex({{"END_EN.BIN", "BIG.BIN", 990, 100},
                                          {"PAST_EN.BIN", "BIG.BIN", 5000, 100}}));
    ExpectContent("END_EN.BIN", kContent.substr(990));
    ExpectContent("PAST_EN.BIN", "");
}

TEST_F(DataResLocationTest, ATargetNameNeverLeavesTheFolder)
{
    Write("sub/BIG.BIN", kContent);
    Write("BIG.BIN", kContent);
    Write("sub/0000.cab", EncodeNameIndex({{"UP.BIN", "..\\BIG.BIN", 0, 10},
                                           {"DOT.BIN", "..", 0, 10},
                                           {"DRIVE.BIN", "C:BIG.BIN", 0, 10},
                                           {"EMPTY.BIN", "", 0, 10}}));
    for (const char* name : {"sub\\UP.BIN", "sub\\DOT.BIN", "sub\\DRIVE.BIN", "sub\\EMPTY.BIN"}) {
        DataResFile file;
        EXPECT_EQ(file.Open(NarrowPath(name).c_str(), false, 1), 0) << name;
    }
}

TEST_F(DataResLocationTest, NamesThatFillTheirFieldsAreBounded)
{
    // A target name of all 32 bytes, and a member name of all 1024 bytes, without terminators.
    const std::string target(32, 'T');
    Write(target, kContent);
    Write("0000.cab", EncodeNameIndex({{std::string(88, 'N'), target, 0, 10}}));
    ExpectContent(std::string(88, 'N'), kContent.substr(0, 10));
    ExpectContent(std::string(88, 'N') + "LONGER", kContent.substr(0, 10));  // compared up to 88 characters

    Write(ContainerName("EN"), EncodeContainer({{std::string(1024, 'M'), "member"}}));
    ExpectContent(std::string(1024, 'M'), "member");
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath(std::string(1025, 'M')).c_str(), false, 1), 0);
}

TEST_F(DataResLocationTest, AMissingIndexEndsTheSearch)
{
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath("MISSING_EN.BIN").c_str(), false, 1), 0);
    EXPECT_EQ(file.Open(NarrowPath("0000_EN.cab").c_str(), false, 1), 0);
    EXPECT_EQ(file.Open(NarrowPath("0000.cab").c_str(), false, 1), 0);
    EXPECT_EQ(file.Open(nullptr, false, 1), 0);
    EXPECT_EQ(file.Open(NarrowPath("").c_str(), false, 1), 0);
}

// Containers and members that lie about themselves.

TEST_F(DataResLocationTest, AContainerCountBeyondItsEntriesEndsTheSearch)
{
    Write(ContainerName("EN"), EncodeContainer({{"ONE.BIN", "one"}}, 0xFFFFFFFF));
    ExpectContent("ONE.BIN", "one");
    Write("TWO.BIN", "two");
    ExpectContent("TWO.BIN", "two");
}

TEST_F(DataResLocationTest, AContainerMemberNeverReachesPastTheContainer)
{
    std::string container = EncodeContainer({{"ONE.BIN", "one"}, {"TWO.BIN", "two"}});
    // Stored bytes pass the table; write the fields through its inverse.
    auto storeField = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            container[at + static_cast<size_t>(i)] = static_cast<char>(g_ContainerByteTableInverse[(value >> (8 * i)) & 0xFF]);
    };
    storeField(4 + 1028, 0xFFFFFFF0);        // ONE: size
    storeField(4 + 1036 + 1032, 0xFFFFFFF0);  // TWO: offset
    Write(ContainerName("EN"), container);
    ExpectContent("ONE.BIN", "onetwo");
    ExpectContent("TWO.BIN", "");
}

TEST_F(DataResLocationTest, ABlockMemberIsNeverDecipheredPastItsLastWholeBlock)
{
    const std::string member = EncodeBlockMember(kContent.substr(0, 40));  // 48 enciphered bytes
    Write("CUT_EN.BIN", member.substr(0, member.size() - 10));            // 38 of them left
    ExpectContent("CUT_EN.BIN", kContent.substr(0, 32));
    Write("BIG_EN.BIN", EncodeBlockMember(kContent.substr(0, 40), 1, 0xFFFFFFFF));
    ExpectContent("BIG_EN.BIN", kContent.substr(0, 40) + std::string(8, '\0'));
    Write("SMALL_EN.BIN", EncodeBlockMember(kContent.substr(0, 40), 1, 3));
    ExpectContent("SMALL_EN.BIN", kContent.substr(0, 3));
    Write("BARE_EN.BIN", EncodeBlockMember("").substr(0, 64));
    ExpectContent("BARE_EN.BIN", "");
}

TEST_F(DataResLocationTest, ABlockHeaderCutShortFailsTheOpen)
{
    Write("CUT_EN.BIN", EncodeBlockMember(kContent).substr(0, 60));
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath("CUT_EN.BIN").c_str(), false, 1), 0);
}

TEST_F(DataResLocationTest, AnotherMethodCannotBeRead)
{
    Write("OTHER_EN.BIN", EncodeBlockMember(kContent, 2));
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("OTHER_EN.BIN").c_str(), false, 1), 1);
    uint32_t value = 0;
    EXPECT_FALSE(file.ReadU32(0, value));
    char byte;
    EXPECT_EQ(file.ReadAt(&byte, 0, 1), 0u);
    EXPECT_EQ(file.Open(NarrowPath("OTHER_EN.BIN").c_str(), true, 1), 0);  // cannot be read whole
}

// The three-run cache of deciphered blocks.

TEST_F(DataResLocationTest, SmallReadsOneAfterAnotherDecipherEachBlockOnce)
{
    Write("FIELDS_EN.BIN", EncodeBlockMember(kContent));
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("FIELDS_EN.BIN").c_str(), false, 1), 1);
    const DataStoreFile& storage = file.GetStorage();
    const unsigned afterOpen = storage.GetDecipherCount();
    uint32_t value = 0;
    for (uint64_t at = 0; at < 64; at += 4)
        ASSERT_TRUE(file.ReadU32(at, value));
    EXPECT_EQ(storage.GetDecipherCount() - afterOpen, 4u);  // blocks 0 to 3, one run each
    for (uint64_t at = 16; at < 64; at += 4)
        ASSERT_TRUE(file.ReadU32(at, value));
    EXPECT_EQ(storage.GetDecipherCount() - afterOpen, 4u);  // the last three runs are kept
    ASSERT_TRUE(file.ReadU32(0, value));
    EXPECT_EQ(storage.GetDecipherCount() - afterOpen, 5u);  // the first was given up
    EXPECT_EQ(value, uint32_t(uint8_t(kContent[0])) | uint32_t(uint8_t(kContent[1])) << 8 |
                         uint32_t(uint8_t(kContent[2])) << 16 | uint32_t(uint8_t(kContent[3])) << 24);

    // A read across cached and uncached blocks deciphers only the rest.
    std::string bytes(40, '\0');
    ASSERT_EQ(file.ReadAt(bytes.data(), 8, bytes.size()), bytes.size());
    EXPECT_EQ(bytes, kContent.substr(8, 40));
}

TEST_F(DataResLocationTest, WholeFileLoadingDeciphersOnceAndReadsFromMemory)
{
    Write("WHOLE_EN.BIN", EncodeBlockMember(kContent));
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("WHOLE_EN.BIN").c_str(), true, 1), 1);
    EXPECT_FALSE(file.GetStorage().IsOpen());
    EXPECT_EQ(ReadAll(file), kContent);
}

// The reader itself.

class DataResFileTest : public VehicleDataTest {};

TEST_F(DataResFileTest, OpeningTheOpenPathAgainIsImmediate)
{
    Write("TXT_EN.DAT", EncodeDrdbHeader({}) + "body");
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("TXT_EN.DAT").c_str(), false, 1), 1);
    char body[4];
    ASSERT_TRUE(file.Read(66, 2, body));
    ASSERT_EQ(file.GetStorage().Tell(), 68u);
    // Opening again would read the header and leave the storage at 64.
    EXPECT_EQ(file.Open(NarrowPath("TXT_EN.DAT").c_str(), false, 1), 1);
    EXPECT_EQ(file.GetStorage().Tell(), 68u);
    // Another whole-file setting opens again: the data is in memory, the storage closed.
    EXPECT_EQ(file.Open(NarrowPath("TXT_EN.DAT").c_str(), true, 1), 1);
    EXPECT_FALSE(file.GetStorage().IsOpen());
    EXPECT_TRUE(file.Read(64, 4, body));
    // Another path opens again and fails.
    EXPECT_EQ(file.Open(NarrowPath("TXT_EN.DAT2").c_str(), true, 1), 0);
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(DataResFileTest, AFailedHeaderCheckLeavesItClosed)
{
    SetGlobalFloat1(3.26f);
    Write("TXT_EN.DAT", EncodeDrdbHeader({}) + "body");
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath("TXT_EN.DAT").c_str(), false, 1), 0);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.GetStorage().IsOpen());
    EXPECT_EQ(file.GetSize(), 0u);
    uint32_t value = 0;
    EXPECT_FALSE(file.ReadU32(0, value));
}

TEST_F(DataResFileTest, TheHeaderIsCheckedAfterTheDataIsFound)
{
    Write(ContainerFixtureName("EN"), EncodeContainer({{"TXT_EN.DAT", EncodeBlockMember(EncodeDrdbHeader({}) + "body")}}));
    DataResFile file;
    EXPECT_EQ(file.Open(NarrowPath("TXT_EN.DAT").c_str(), false, 1), 1);
    SetGlobalFloat1(3.0f);
    DataResFile other;
    EXPECT_EQ(other.Open(NarrowPath("TXT_EN.DAT").c_str(), false, 1), 0);
}

TEST_F(DataResFileTest, ReadsNumbersInTheFileOrder)
{
    Write("NUMBERS.BIN", std::string("\x01\x02\x03\x04\x05\x06", 6));
    DataResFile little;
    ASSERT_EQ(little.Open(NarrowPath("NUMBERS.BIN").c_str(), false, data_res::kLittleEndian), 1);
    uint32_t value = 0;
    ASSERT_TRUE(little.ReadU32(1, value));
    EXPECT_EQ(value, 0x05040302u);
    uint16_t units[3] = {};
    ASSERT_TRUE(little.ReadU16Array(0, 3, units));
    EXPECT_EQ(units[0], 0x0201);
    EXPECT_EQ(units[2], 0x0605);

    DataResFile big;
    ASSERT_EQ(big.Open(NarrowPath("NUMBERS.BIN").c_str(), false, data_res::kBigEndian), 1);
    ASSERT_TRUE(big.ReadU32(1, value));
    EXPECT_EQ(value, 0x02030405u);
    ASSERT_TRUE(big.ReadU16Array(4, 1, units));
    EXPECT_EQ(units[0], 0x0506);
}

TEST_F(DataResFileTest, ReadsStopAtTheSize)
{
    Write("SIX.BIN", "abcdef");
    DataResFile file;
    ASSERT_EQ(file.Open(NarrowPath("SIX.BIN").c_str(), false, 1), 1);
    char buffer[8] = {};
    EXPECT_EQ(file.ReadAt(buffer, 4, 8), 2u);
    EXPECT_EQ(file.ReadAt(buffer, 6, 1), 0u);
    EXPECT_EQ(file.ReadAt(buffer, UINT64_MAX, 1), 0u);
    EXPECT_FALSE(file.Read(4, 3, buffer));
    EXPECT_TRUE(file.Read(4, 2, buffer));
    uint32_t value = 0;
    EXPECT_FALSE(file.ReadU32(3, value));
    uint16_t units[4] = {};
    EXPECT_FALSE(file.ReadU16Array(0, 0, units));
    EXPECT_FALSE(file.ReadU16Array(0, 4, units));
    EXPECT_TRUE(file.ReadU16Array(0, 3, units));
}

TEST_F(DataResFileTest, StorageSeeksFromEveryOrigin)
{
    Write("SIX.BIN", "abcdef");
    DataStoreFile store;
    ASSERT_TRUE(store.Open(NarrowPath("SIX.BIN").c_str(), "rb", false));
    EXPECT_FALSE(DataStoreFile().Open(NarrowPath("SIX.BIN").c_str(), "wb", false));
    char c = 0;
    ASSERT_TRUE(store.Seek(-2, SEEK_END));
    EXPECT_EQ(store.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'e');
    ASSERT_TRUE(store.Seek(-3, SEEK_CUR));
    EXPECT_EQ(store.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'c');
    ASSERT_TRUE(store.Seek(-100, SEEK_SET));  // before the start: the start
    EXPECT_EQ(store.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'a');
    ASSERT_TRUE(store.Seek(INT64_MAX, SEEK_SET));
    ASSERT_TRUE(store.Seek(INT64_MAX, SEEK_CUR));
    EXPECT_EQ(store.Read(&c, 1), 0u);
    EXPECT_FALSE(store.Seek(0, 7));
    store.Close();
    EXPECT_FALSE(store.Seek(0, SEEK_SET));
    EXPECT_EQ(store.Read(&c, 1), 0u);
}

}  // namespace
