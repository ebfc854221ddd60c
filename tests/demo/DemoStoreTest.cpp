// The demo installation's store as demo/generate writes it and scripts/run serves it: the stand-in
// web service (WebService.exe) on the generated web root answers the client's product-list, text
// and download requests, and every package, unpacked by the bundled archiver with the shell's own
// command line, is vehicle software that the splash's loaders list.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "ConfigStore.h"
#include "DemoSoftware.h"
#include "DemoStore.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "SoftwareLists.h"
#include "StartDlg.h"
#include "TempFolder.h"
#include "UpdateRules.h"
#include "WebClient.h"
#include "WebServerHost.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kArchiverLimitMs = 60000;

fs::path DemoFolder()
{
    return BuildProgramFolder().parent_path().parent_path() / "demo-test";
}

fs::path WebRoot()
{
    return DemoFolder().parent_path() / "demo-test-webroot";
}

std::wstring ShortPath(const fs::path& path)
{
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer) : path.wstring();
}

// Runs a command line as the unpack step does; its exit code, or -1.
int RunCommandLine(std::wstring commandLine)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, kArchiverLimitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

// The installed item the store would match a record of a page with: the first of the same display
// name.
const VEHICLE_LIST_ITEM* InstalledByName(const VehicleList& list, const std::wstring& name)
{
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&name](const auto& item) { return DisplayNameOf(*item) == name; });
    return found == list.end() ? nullptr : found->get();
}

std::wstring NameKey(int listType, const std::wstring& code)
{
    return (listType == 1 ? L"VEHICLE\\MULTILANGUAGE\\VEHICLENAME\\" : L"HARROWFEN\\VEHICLENAME\\") + code;
}

// The version text of an installed item: the first line of its description.
std::wstring VersionTextOf(const VEHICLE_LIST_ITEM& item)
{
    const std::wstring& text = item.arrNames.front().strText;
    return text.substr(0, text.find_first_of(L"\r\n"));
}

class DemoStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::is_directory(WebRoot() / "packages")) << "demo/generate runs before this test";
        fs::remove(WebRoot() / "WebService.port");
        ASSERT_TRUE(m_service.Start(BuildProgramFolder() / "WebService.exe", L"\"" + WebRoot().wstring() + L"\" 0"));
        const unsigned short port = WaitForPort();
        ASSERT_NE(port, 0) << "the service tells its port";
        // The service's records carry the site folder that the demo's configuration names, as the
        // program reads it at start.
        ASSERT_TRUE(LoadConfigDocument((DemoFolder() / "Config.xml").c_str()));
        WebServerHost() = WebServerAddressFrom(L"127.0.0.1", std::to_wstring(port),
                                               GetConfigValue(L"COMMON\\WEBSERVER", L"SITEFOLDER", L""));
        ASSERT_NE(WebServerHost().SiteFolderPrefix, WebServerAddress().SiteFolderPrefix)
            << "the demo's server is one whose site folder must be configured";
        m_savedAppDir = ResGetAppDir();
        m_savedLanguage = ResGetLanguageCode();
    }
    void TearDown() override
    {
        FreeSoftwareLists();
        ResSetAppDir(m_savedAppDir);
        ResSetLanguageCode(m_savedLanguage);
        WebServerHost() = WebServerAddress();
    }

    unsigned short WaitForPort() const
    {
        for (int i = 0; i < 200 && !m_service.HasExited(); ++i) {
            const std::string text = ReadFileBytes(WebRoot() / "WebService.port");
            if (!text.empty() && text.back() == '\n')
                return static_cast<unsigned short>(std::stoul(text));
            PollPause();
        }
        return 0;
    }

    // A program folder holding the installed demo software, the demo's configuration and string
    // files, and the archiver, as the shell's folder does; the lists loaded from it.
    void PrepareProgramFolder()
    {
        for (const SOFTWARE_FOLDER& software : DemoSoftware())
            ASSERT_EQ(WriteSoftwareFolder(m_program.Path(), software), "");
        fs::copy(DemoFolder() / "SysString", m_program / "SysString");
        for (const char* file : {"Config.xml", "7za.exe"})
            fs::copy_file(DemoFolder() / file, m_program / file);
        ASSERT_TRUE(LoadConfigDocument((m_program / "Config.xml").c_str()));
        ResSetAppDir(ProgramFolder());
        ResSetLanguageCode(L"EN");
        LoadLists();
    }
    std::wstring ProgramFolder() const { return m_program.Path().wstring() + L"\\"; }
    void LoadLists() const
    {
        CStartDlg::LoadConfiguration(ProgramFolder() + L"Scan\\");
        CStartDlg::LoadVehicleNames(ProgramFolder() + L"Scan\\PRO\\");
    }

    // Downloads a record's package as the download step forms its address, and unpacks it with the
    // unpack step's command line; the package folder the shell then looks for.
    void Install(const ProductRecord& record)
    {
        const WebServerAddress& server = WebServerHost();
        const std::wstring url =
            update_rules::DownloadUrl(record.MainPath, record.FullPathFileName, server.SiteFolderPrefix, server.WebRoot);
        fs::create_directories(m_program / "download");
        const auto archive = update_rules::LocalFileFor(ProgramFolder() + L"download", record.FullPathFileName);
        ASSERT_TRUE(archive) << record.FullPathFileName;
        ASSERT_TRUE(WebClient().DownloadToFile(url, *archive)) << url;
        ASSERT_EQ(ReadFileBytes(*archive).substr(0, 6), std::string("7z\xBC\xAF\x27\x1C", 6)) << url;
        ASSERT_TRUE(update_rules::IsSevenZipArchive(*archive));
        const std::wstring shortFolder = ShortPath(m_program.Path()) + L"\\";
        ASSERT_EQ(RunCommandLine(update_rules::ArchiverCommandLine(shortFolder, ShortPath(*archive))), 0) << url;
        update_blocks::DownloadResultFields result;
        result.Region = record.Region;
        result.SoftwareCode = record.SoftwareCode;
        result.LanguageCode = record.LanguageCode;
        const auto packageFolder = update_rules::PackageFolderFor(ProgramFolder(), result);
        ASSERT_TRUE(packageFolder);
        EXPECT_TRUE(fs::is_directory(*packageFolder)) << *packageFolder;
    }

    CProgramRun m_service;
    CTempFolder m_program;
    std::wstring m_savedAppDir;
    std::wstring m_savedLanguage;
};

TEST_F(DemoStoreTest, ListsFollowTheTypeAndTheLanguageWhateverTheSerialNumber)
{
    const std::vector<STORE_OFFER> offers = DemoStoreOffers();
    for (const wchar_t* language : {L"EN", L"DE"}) {
        for (int type : {1, 2}) {
            std::set<std::wstring> expected;
            for (const STORE_OFFER& offer : offers) {
                if (offer.listType == type && (offer.software.german || std::wstring(language) == L"EN"))
                    expected.insert(offer.software.folder);
            }
            for (const wchar_t* serial : {L"", L"NH00000001"}) {
                std::set<std::wstring> codes;
                for (const ProductRecord& record : WebClient().GetAllProducts(serial, language, type)) {
                    codes.insert(record.SoftwareCode);
                    EXPECT_EQ(record.LanguageCode, language);
                    EXPECT_EQ(record.Region == L"PRO", type == 2) << record.SoftwareCode;
                    EXPECT_FALSE(record.Version.empty() || record.Version.front() == L'V') << record.SoftwareCode;
                    EXPECT_EQ(record.MainPath.rfind(WebServerHost().SiteFolderPrefix, 0), 0u) << record.SoftwareCode;
                }
                EXPECT_EQ(codes, expected) << "type " << type << ", serial " << fs::path(serial).string();
            }
        }
    }
}

TEST_F(DemoStoreTest, EveryRecordHasTwoTextsOfItsOwn)
{
    std::set<std::wstring> texts;
    size_t asked = 0;
    WebClient client;
    for (const wchar_t* language : {L"EN", L"DE"}) {
        for (int type : {1, 2}) {
            for (const ProductRecord& record : client.GetAllProducts(L"", language, type)) {
                for (const std::wstring& text :
                     {client.GetTextFlag1(record.SoftwareUploadid), client.GetTextFlag2(record.SoftwareUploadid)}) {
                    EXPECT_FALSE(text.empty()) << record.SoftwareUploadid;
                    texts.insert(text);
                    ++asked;
                }
            }
        }
    }
    EXPECT_GT(asked, 0u);
    EXPECT_EQ(texts.size(), asked) << "each id and flag its own text";
    EXPECT_EQ(client.GetTextFlag1(L"999999"), L"") << "an id the service does not know";
}

TEST_F(DemoStoreTest, OffersSoftwareInstalledUpdatableAndNew)
{
    PrepareProgramFolder();
    struct Marks {
        int same = 0, update = 0, newer = 0;
    } marks[2];
    WebClient client;
    for (int type : {1, 2}) {
        const VehicleList& installed = type == 1 ? g_VehicleList : g_FamilyList;
        for (const ProductRecord& record : client.GetAllProducts(L"", L"EN", type)) {
            const std::wstring name = GetConfigValue(NameKey(type, record.SoftwareCode).c_str(), L"EN", L"");
            ASSERT_FALSE(name.empty()) << "every offer has a name in Config.xml: " << record.SoftwareCode;
            const VEHICLE_LIST_ITEM* item = InstalledByName(installed, name);
            Marks& page = marks[type - 1];
            if (!item)
                ++page.newer;
            else if (VersionTextOf(*item) == L"V" + record.Version)
                ++page.same;
            else if (std::stod(VersionTextOf(*item).substr(1)) < std::stod(record.Version))
                ++page.update;
        }
    }
    EXPECT_EQ(marks[0].same, 1);
    EXPECT_EQ(marks[0].update, 1);
    EXPECT_GE(marks[0].newer, 2);
    EXPECT_GE(marks[1].newer, 1);
}

TEST_F(DemoStoreTest, EveryPackageUnpacksIntoSoftwareTheLoadersList)
{
    PrepareProgramFolder();
    std::vector<std::pair<int, ProductRecord>> offered;
    WebClient client;
    for (int type : {1, 2}) {
        for (const ProductRecord& record : client.GetAllProducts(L"", L"EN", type))
            offered.emplace_back(type, record);
    }
    ASSERT_FALSE(offered.empty());
    for (const auto& [type, record] : offered)
        Install(record);

    LoadLists();
    for (const auto& [type, record] : offered) {
        const VehicleList& list = type == 1 ? g_VehicleList : g_FamilyList;
        const auto item = std::find_if(list.begin(), list.end(), [&record](const auto& candidate) {
            return _wcsicmp(candidate->strFolder.c_str(), record.SoftwareCode.c_str()) == 0;
        });
        ASSERT_NE(item, list.end()) << "listed after install: " << fs::path(record.SoftwareCode).string();
        EXPECT_EQ(DisplayNameOf(**item), GetConfigValue(NameKey(type, record.SoftwareCode).c_str(), L"EN", L"-"));
        EXPECT_EQ(VersionTextOf(**item), L"V" + record.Version) << "the offered version is the installed one now";
        const fs::path versionFolder = fs::path((*item)->strPath) / (L"V" + record.Version);
        for (const wchar_t* file : {L"MAKER.exe", L"EN.txt"})
            EXPECT_TRUE(fs::is_regular_file(versionFolder / file)) << versionFolder.string() << " " << file;
        EXPECT_FALSE(fs::is_empty(versionFolder)) << versionFolder.string();
        if (type == 1) {
            EXPECT_GT((*item)->nTestCount, 0) << "the maker's MAKER.INI came with it";
        }
    }
}

}  // namespace
