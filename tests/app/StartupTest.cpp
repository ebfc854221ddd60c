// The real program, started on prepared program folders: its start-up messages, the clean-up of
// a left-over diagnostic program, and what exit leaves behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "LoopbackWebServer.h"
#include "ProcessRunner.h"
#include "ProgramRun.h"
#include "ShellSession.h"
#include "SoftwareBtn.h"
#include "StringFile.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kStartTimeoutMs = 30000;
const wchar_t* const kMainTitle = L"Nuthawk";
const wchar_t* const kProfileMessage = L"Reading profile failed!";
const wchar_t* const kStringsMessage = L"Loading system resource failed!\nDefault resource will be used.";

std::string ConfigWithLanguage(const std::string& language)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG><COMMON><LANGUAGE CURMODE=\"" + language +
           "\" /><SYSTEM SCREENMODE=\"1\" UNITMODE=\"0\" /></COMMON></CONFIG>\n";
}

// The service's product list with one offer, OAKEN of region EAST, whose records start MainPath
// with `mainPath` (escaped for JSON).
std::string OneOfferList(const std::string& mainPath)
{
    return "{\"result\":\"1\",\"productList\":[{\"SoftwareUploadid\":\"1\",\"LanguageCode\":\"EN\","
           "\"SoftwareCode\":\"OAKEN\",\"Version\":\"2.00\",\"FullPathFileName\":\"EAST\\\\OAKEN.7z\","
           "\"MainPath\":\"" + mainPath + "\",\"Region\":\"EAST\"}]}";
}

// "Config.xml" of a program whose store asks the loopback server on `port`; `webServerExtra` adds
// attributes to its WEBSERVER element.
void WriteStoreConfig(const fs::path& folder, uint16_t port, const std::string& webServerExtra = "")
{
    std::ofstream(folder / "Config.xml", std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG><COMMON><LANGUAGE CURMODE=\"EN\" />"
           "<SYSTEM SCREENMODE=\"1\" UNITMODE=\"0\" /><WEBSERVER HOST=\"127.0.0.1\" PORT=\""
        << port << "\"" << webServerExtra << " /></COMMON></CONFIG>\n";
}

// Opens the store from the home page and presses the offer's download button once its tile is
// there; true when the package was asked for.
bool DownloadTheOffer(CShellSession& shell, const CLoopbackWebServer& web)
{
    if (!shell.Command(1104) || !shell.WaitForView(446))  // the home page's store tile
        return false;
    return WaitUntil([&] {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(shell.ActiveView(), CSoftwareBtn::kActionClicked, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
        return web.RequestLog().find("OAKEN.7z") != std::string::npos;
    });
}

class StartupTest : public ::testing::Test {
protected:
    // A program folder holding the program, and optionally "Config.xml" and the English string file.
    fs::path InstallProgram(const fs::path& folderName, bool withConfig, bool withEnglishStrings,
                            const std::string& language = "EN")
    {
        const fs::path folder = root / folderName;
        fs::create_directories(folder / "SysString");
        fs::copy_file(BuildProgramFolder() / "Display.exe", folder / "Display.exe");
        if (withConfig)
            std::ofstream(folder / "Config.xml", std::ios::binary) << ConfigWithLanguage(language);
        if (withEnglishStrings) {
            const TAG_STRING_RESOURCE_ITEM texts[] = {{0x10000002, L"Yes"}, {0x10000003, L"No"}};
            EXPECT_TRUE(WriteStringFile(folder / "SysString" / "STRRES.EN", texts));
        }
        return folder;
    }

    // Starts the program and answers "Yes" to each question box until the main window shows.
    // Returns the texts of the boxes in the order they came.
    std::vector<std::wstring> StartAndAnswer(CProgramRun& run, const fs::path& folder)
    {
        EXPECT_TRUE(run.Start(folder / "Display.exe", L"", temporary));
        std::vector<std::wstring> boxes;
        const DWORD start = GetTickCount();
        while (!run.FindVisibleWindow(kMainTitle) && GetTickCount() - start < kStartTimeoutMs && !run.HasExited()) {
            if (HWND box = run.FindQuestionBox()) {
                boxes.push_back(QuestionBoxText(box));
                AnswerQuestionBox(box, true);
                while (IsWindow(box) && GetTickCount() - start < kStartTimeoutMs)
                    PollPause();
            }
            PollPause();
        }
        EXPECT_TRUE(run.FindVisibleWindow(kMainTitle)) << "the main window did not show";
        return boxes;
    }

    void CloseAndWait(CProgramRun& run)
    {
        PostMessageW(run.FindVisibleWindow(kMainTitle), WM_CLOSE, 0, 0);
        EXPECT_EQ(run.WaitForExit(kStartTimeoutMs), 0);
    }

    CTempFolder root;
    fs::path temporary = root / "temp";

    void SetUp() override { fs::create_directories(temporary); }
};

struct MessageCase {
    const char* name;
    bool withConfig;
    bool withStrings;
    std::vector<std::wstring> expected;
};

class StartupMessageTest : public StartupTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(StartupMessageTest, ShowsEachMissingFileOnceAndStartsWithDefaults)
{
    const fs::path folder = InstallProgram("Program", GetParam().withConfig, GetParam().withStrings);
    CProgramRun run;
    EXPECT_EQ(StartAndAnswer(run, folder), GetParam().expected);
    CloseAndWait(run);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupMessageTest, ::testing::Values(
    MessageCase{"everything_present", true, true, {}},
    MessageCase{"no_config", false, true, {kProfileMessage}},
    MessageCase{"no_string_file", true, false, {kStringsMessage}},
    MessageCase{"neither", false, false, {kProfileMessage, kStringsMessage}}),
    [](const ::testing::TestParamInfo<MessageCase>& param) { return std::string(param.param.name); });

TEST_F(StartupTest, LanguageWithoutItsFileFallsBackToEnglishSilently)
{
    const fs::path folder = InstallProgram("Program", true, true, "DE");
    CProgramRun run;
    EXPECT_TRUE(StartAndAnswer(run, folder).empty());
    CloseAndWait(run);
}

TEST_F(StartupTest, RunsFromAFolderWithNonAsciiName)
{
    const fs::path folder = InstallProgram(L"Programm \u00DCbung \u0416", true, true);
    CProgramRun run;
    EXPECT_TRUE(StartAndAnswer(run, folder).empty());
    CloseAndWait(run);
}

TEST_F(StartupTest, EndsOnlyTheFirstLeftOverDiagnosticProgram)
{
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", root / "a" / "MAKER.exe");
    fs::copy_file(BuildProgramFolder() / "MAKER.exe", root / "b" / "maker.EXE");
    CProgramRun first, second;
    ASSERT_TRUE(first.Start(root / "a" / "MAKER.exe"));
    ASSERT_TRUE(second.Start(root / "b" / "maker.EXE"));

    const fs::path folder = InstallProgram("Program", true, true);
    CProgramRun run;
    StartAndAnswer(run, folder);
    EXPECT_EQ(first.HasExited() + second.HasExited(), 1) << "exactly one of the two must have been ended";
    CloseAndWait(run);
}

// Nothing prevents a second copy from starting in the same folder, and the download folder is
// shared: only the last copy to end empties it, and no start empties it while another copy runs.
TEST_F(StartupTest, TheDownloadFolderIsEmptiedOnlyWhenNoOtherCopyRuns)
{
    const fs::path folder = InstallProgram("Program", true, true);
    const fs::path package = folder / "download" / "pack" / "part.zip";
    CProgramRun first;
    StartAndAnswer(first, folder);
    fs::create_directories(package.parent_path());
    std::ofstream(package) << "x";

    CProgramRun second;
    StartAndAnswer(second, folder);
    EXPECT_TRUE(fs::exists(package)) << "the second copy's start";
    CloseAndWait(second);
    EXPECT_TRUE(fs::exists(package)) << "the second copy's exit";

    CProgramRun third;
    StartAndAnswer(third, folder);
    CloseAndWait(first);
    EXPECT_TRUE(fs::exists(package)) << "the first copy's exit, with the third running";
    CloseAndWait(third);
    EXPECT_FALSE(fs::exists(folder / "download")) << "the last copy's exit";
}

// Every copy of the user's works in the same folder of the temporary folder, whichever program
// folder it runs from: only the last copy to end removes it.
TEST_F(StartupTest, TheWorkingFolderIsRemovedOnlyWhenNoOtherCopyRuns)
{
    const fs::path working = temporary / "Nuthawk";
    CProgramRun first;
    StartAndAnswer(first, InstallProgram("Program", true, true));
    std::ofstream(working / "in use.tmp") << "x";

    CProgramRun second;
    StartAndAnswer(second, InstallProgram("Other", true, true));
    CloseAndWait(second);
    EXPECT_TRUE(fs::exists(working / "in use.tmp")) << "the second copy's exit";
    CloseAndWait(first);
    EXPECT_FALSE(fs::exists(working)) << "the last copy's exit";
}

TEST_F(StartupTest, AStartWithNoOtherCopyRemovesWhatAnEarlierRunLeft)
{
    const fs::path folder = InstallProgram("Program", true, true);
    fs::create_directories(folder / "download");
    std::ofstream(folder / "download" / "Setup.exe") << "x";
    CProgramRun run;
    StartAndAnswer(run, folder);
    EXPECT_FALSE(fs::exists(folder / "download"));
    CloseAndWait(run);
}

class ExitTest : public StartupTest {
protected:
    fs::path StartRecorder(CProgramRun& recorder, const std::string& name, const std::wstring& extra = L"")
    {
        const fs::path log = root / (name + ".log");
        EXPECT_TRUE(recorder.Start(BuildProgramFolder() / "ScreenRecorder.exe", L"--log \"" + log.wstring() + L"\" " + extra));
        const DWORD start = GetTickCount();
        while (!recorder.FindVisibleWindow(L"ScreenRecorder") && recorder.Windows().empty() &&
               GetTickCount() - start < kStartTimeoutMs)
            PollPause();
        return log;
    }
};

TEST_F(ExitTest, RemovesItsFoldersAndStopsEveryScreenRecorder)
{
    const fs::path folder = InstallProgram("Program", true, true);
    fs::create_directories(folder / "download" / "pack");
    std::ofstream(folder / "download" / "pack" / "part.zip") << "x";
    CProgramRun recorderA, recorderB;
    const fs::path logA = StartRecorder(recorderA, "recorderA");
    const fs::path logB = StartRecorder(recorderB, "recorderB");

    CProgramRun run;
    StartAndAnswer(run, folder);
    EXPECT_TRUE(fs::is_directory(temporary / "Nuthawk"));
    CloseAndWait(run);

    EXPECT_FALSE(fs::exists(temporary / "Nuthawk"));
    EXPECT_FALSE(fs::exists(folder / "download"));
    EXPECT_EQ(ReadFileBytes(logA), "control 3\n");
    EXPECT_EQ(ReadFileBytes(logB), "control 3\n");
    EXPECT_EQ(recorderA.WaitForExit(5000), 0);
    EXPECT_EQ(recorderB.WaitForExit(5000), 0);
}

TEST_F(ExitTest, ARecorderThatDoesNotListenDoesNotHoldTheExit)
{
    const fs::path folder = InstallProgram("Program", true, true);
    CProgramRun deaf;
    const fs::path log = StartRecorder(deaf, "deaf", L"--deaf");

    CProgramRun run;
    StartAndAnswer(run, folder);
    CloseAndWait(run);
    EXPECT_NE(ReadFileBytes(log).find("control 3"), std::string::npos);
    EXPECT_FALSE(deaf.HasExited());
}

// The exit while the store downloads from a server that is still sending: the program ends
// promptly with its download stopped, and leaves no half-come package in "download\".
TEST_F(ExitTest, EndsAStoreDownloadThatIsStillComing)
{
    CTempFolder site;
    CLoopbackWebServer web{site.Path()};
    site.Write("Interface/productList.aspx", OneOfferList("D:\\\\WebSite\\\\pkg\\\\"));
    site.Write("pkg/EAST/OAKEN.7z.stall", std::string(8192, 's'));
    const fs::path folder = InstallProgram("Program", false, true);
    WriteStoreConfig(folder, web.Port());

    CShellSession shell;
    ASSERT_TRUE(shell.Start(folder, temporary));
    ASSERT_TRUE(DownloadTheOffer(shell, web));
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(folder / "download" / "OAKEN.7z.part"); }));
    shell.PostCommand(3001);  // back to the home page, which pauses the download
    ASSERT_TRUE(shell.AnswerNextBox(true));
    ASSERT_TRUE(shell.WaitForView(286));

    shell.PostCommand(3011);
    ASSERT_TRUE(shell.AnswerNextBox(true));
    EXPECT_EQ(shell.Process().WaitForExit(kStartTimeoutMs), 0);
    EXPECT_FALSE(fs::exists(folder / "download" / "OAKEN.7z.part"));
    EXPECT_FALSE(fs::exists(folder / "download"));
}

// A server whose records start MainPath with a site folder of its own: the program takes that
// folder from "Config.xml" and installs the package the store offers.
TEST_F(StartupTest, TheStoreInstallsFromAServerWhoseSiteFolderTheConfigurationNames)
{
    CTempFolder site;
    CLoopbackWebServer web{site.Path()};
    site.Write("Interface/productList.aspx", OneOfferList("E:\\\\Depot\\\\pkg\\\\"));
    const fs::path stage = site.Path() / "stage";
    fs::create_directories(stage / "SCAN" / "EAST" / "OAKEN" / "EN");
    std::ofstream(stage / "SCAN" / "EAST" / "OAKEN" / "EN" / "Diag.txt") << "OAKEN";
    fs::create_directories(site.Path() / "pkg" / "EAST");
    ASSERT_EQ(RunSiblingProgram(L"7za.exe", L"a -t7z \"" + (site.Path() / "pkg" / "EAST" / "OAKEN.7z").wstring() +
                                                L"\" \"" + stage.wstring() + L"\\*\""),
              0);
    const fs::path folder = InstallProgram("Program", false, true);
    fs::copy_file(BuildProgramFolder() / "7za.exe", folder / "7za.exe");
    WriteStoreConfig(folder, web.Port(), " SITEFOLDER=\"E:\\Depot\\\"");

    CShellSession shell;
    ASSERT_TRUE(shell.Start(folder, temporary));
    ASSERT_TRUE(DownloadTheOffer(shell, web));
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(folder / "SCAN" / "EAST" / "OAKEN" / "EN" / "Diag.txt"); }));
    EXPECT_NE(web.RequestLog().find("GET /pkg/EAST/OAKEN.7z "), std::string::npos) << web.RequestLog();

    shell.PostCommand(3011);
    ASSERT_TRUE(shell.AnswerNextBox(true));
    EXPECT_EQ(shell.Process().WaitForExit(kStartTimeoutMs), 0);
}

}  // namespace
