#include <gtest/gtest.h>

#include "ConfigDocument.h"
#include "TempFolder.h"

namespace {

const char* const kConfig =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<CONFIG version=\"1\">\n"
    "  <COMMON>\n"
    "    <LANGUAGE CURMODE=\"DE\" />\n"
    "    <SYSTEM SCREENMODE=\"1\" UNITMODE=\"\" />\n"
    "    <LANGUAGE CURMODE=\"second\" />\n"
    "  </COMMON>\n"
    "  <common><LANGUAGE CURMODE=\"lower\" /></common>\n"
    "  <VEHICLE><MULTILANGUAGE><REGION><R1 EN=\"Europe\" /></REGION></MULTILANGUAGE></VEHICLE>\n"
    "</CONFIG>\n";

class ConfigDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = folder.Write("Config.xml", kConfig);
        ASSERT_TRUE(document.Load(file));
    }

    CTempFolder folder;
    std::filesystem::path file;
    CConfigDocument document;
};

struct PathCase {
    const char* path;
    const char* key;
    const char* expected;  // null: no value
};

class ConfigPathTest : public ConfigDocumentTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(ConfigPathTest, ResolvesElementPathBelowTheRoot)
{
    const PathCase& c = GetParam();
    const auto value = document.GetAttribute(c.path, c.key);
    if (c.expected) {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    } else {
        EXPECT_FALSE(value.has_value()) << "got " << *value;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigPathTest, ::testing::Values(
    PathCase{"COMMON\\LANGUAGE", "CURMODE", "DE"},            // first child of that name wins
    PathCase{"CONFIG", "version", "1"},                       // the root's own name gives the root
    PathCase{"COMMON\\SYSTEM", "SCREENMODE", "1"},
    PathCase{"COMMON\\SYSTEM", "UNITMODE", ""},               // present but empty
    PathCase{"common\\LANGUAGE", "CURMODE", "lower"},         // names compare case-sensitively
    PathCase{"VEHICLE\\MULTILANGUAGE\\REGION\\R1", "EN", "Europe"},
    PathCase{"COMMON", "CURMODE", nullptr},                   // no backslash and not the root
    PathCase{"LANGUAGE", "CURMODE", nullptr},
    PathCase{"CONFIG\\COMMON\\LANGUAGE", "CURMODE", nullptr}, // the root's name is not a step
    PathCase{"COMMON\\LANGUAGE\\", "CURMODE", nullptr},       // an empty step finds nothing
    PathCase{"\\COMMON\\LANGUAGE", "CURMODE", nullptr},
    PathCase{"COMMON\\MISSING", "CURMODE", nullptr},
    PathCase{"COMMON\\LANGUAGE", "curmode", nullptr},         // keys compare exactly too
    PathCase{"", "CURMODE", nullptr}));

TEST_F(ConfigDocumentTest, SetIsOnDiskBeforeItReturnsAndSurvivesAReload)
{
    ASSERT_TRUE(document.SetAttribute("COMMON\\LANGUAGE", "CURMODE", "CN"));
    EXPECT_NE(ReadFileBytes(file).find("CURMODE=\"CN\""), std::string::npos);

    CConfigDocument reloaded;
    ASSERT_TRUE(reloaded.Load(file));
    EXPECT_EQ(reloaded.GetAttribute("COMMON\\LANGUAGE", "CURMODE"), "CN");
    EXPECT_EQ(reloaded.GetAttribute("VEHICLE\\MULTILANGUAGE\\REGION\\R1", "EN"), "Europe");
    EXPECT_FALSE(std::filesystem::exists(folder / "Config.xml.tmp"));
}

TEST_F(ConfigDocumentTest, SetAddsAMissingAttributeToAnExistingElement)
{
    ASSERT_TRUE(document.SetAttribute("COMMON\\SYSTEM", "USBDRIVERCHECKFLAG", "1"));
    CConfigDocument reloaded;
    ASSERT_TRUE(reloaded.Load(file));
    EXPECT_EQ(reloaded.GetAttribute("COMMON\\SYSTEM", "USBDRIVERCHECKFLAG"), "1");
}

TEST_F(ConfigDocumentTest, SetOnAMissingElementChangesNothing)
{
    const std::string before = ReadFileBytes(file);
    EXPECT_FALSE(document.SetAttribute("COMMON\\NOWHERE", "FLAG", "1"));
    EXPECT_FALSE(document.SetAttribute("NOWHERE", "FLAG", "1"));
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_FALSE(document.GetAttribute("COMMON\\NOWHERE", "FLAG").has_value());
}

TEST_F(ConfigDocumentTest, FailedSaveKeepsTheOldFileAndTheNewValueInMemory)
{
    const std::string before = ReadFileBytes(file);
    std::filesystem::create_directory(folder / "Config.xml.tmp");  // the temporary file cannot be made

    EXPECT_FALSE(document.SetAttribute("COMMON\\LANGUAGE", "CURMODE", "CN"));
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(document.GetAttribute("COMMON\\LANGUAGE", "CURMODE"), "CN");
}

struct BadFileCase {
    const char* name;
    const char* bytes;  // null: no file at all
};

class ConfigBadFileTest : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(ConfigBadFileTest, LeavesTheDocumentEmpty)
{
    CTempFolder folder;
    const auto file = folder / "Config.xml";
    if (GetParam().bytes)
        folder.Write("Config.xml", GetParam().bytes);

    CConfigDocument document;
    EXPECT_FALSE(document.Load(file));
    EXPECT_FALSE(document.IsLoaded());
    EXPECT_FALSE(document.GetAttribute("COMMON\\LANGUAGE", "CURMODE").has_value());
    EXPECT_FALSE(document.GetAttribute("CONFIG", "version").has_value());
    EXPECT_FALSE(document.SetAttribute("COMMON\\LANGUAGE", "CURMODE", "CN"));
    if (GetParam().bytes) {
        EXPECT_EQ(ReadFileBytes(file), GetParam().bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigBadFileTest, ::testing::Values(
    BadFileCase{"missing", nullptr},
    BadFileCase{"empty", ""},
    BadFileCase{"blank", "  \r\n "},
    BadFileCase{"truncated", "<CONFIG version=\"1\"><COMMON><LANGUAGE CURMODE=\"DE"},
    BadFileCase{"unclosed", "<CONFIG><COMMON><LANGUAGE CURMODE=\"DE\" /></COMMON>"},
    BadFileCase{"not_xml", "{\"COMMON\": {\"LANGUAGE\": \"DE\"}}"},
    BadFileCase{"binary", "\x01\x02\xff\xfe\x00"}),
    [](const ::testing::TestParamInfo<BadFileCase>& param) { return std::string(param.param.name); });

TEST(ConfigDocument, ReloadOfABrokenFileForgetsTheEarlierDocument)
{
    CTempFolder folder;
    const auto file = folder.Write("Config.xml", kConfig);
    CConfigDocument document;
    ASSERT_TRUE(document.Load(file));
    folder.Write("Config.xml", "<CONFIG><COMMON>");
    EXPECT_FALSE(document.Load(file));
    EXPECT_FALSE(document.GetAttribute("COMMON\\LANGUAGE", "CURMODE").has_value());
}

}  // namespace
