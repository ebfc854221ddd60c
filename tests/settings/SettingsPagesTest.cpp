// The settings pages that apply a choice: the language page with its button pages, and the run
// mode, unit, window-size and log pages, driven through the settings view's bar and accept command.
#include "../frame/BarsFixture.h"

#include <fstream>

#include "ConfigStore.h"
#include "DiagVersionInfo.h"
#include "ProcessValues.h"
#include "SimulatorRun.h"
#include "ProgramRun.h"
#include "SharedHandles.h"
#include "Snapshot.h"
#include "LanguagePageLayout.h"
#include "ProgramRestart.h"
#include "SetLanguageDlg.h"
#include "SetupView.h"
#include "TwoChoicePage.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAccept = 3004;

class SettingsPagesTest : public BarsFixture {
protected:
    void SetUp() override
    {
        BarsFixture::SetUp();
        SetProgramRestartCatcher([this] { ++restarts; return restartWorks; });
    }
    void TearDown() override
    {
        SetProgramRestartCatcher({});
        ResSetRunModeFlag(L"0");
        ResSetUnitMode(0);
        BarsFixture::TearDown();
    }

    // A configuration with the given elements under COMMON, loaded, and the view shown anew.
    void UseConfig(const std::string& common)
    {
        config = programFolder.Path() / "Config.xml";
        std::ofstream(config, std::ios::binary) << "<CONFIG><COMMON>" << common << "</COMMON></CONFIG>\n";
        ASSERT_TRUE(LoadConfigDocument(config.c_str()));
        frame->SwitchView(286, 1);
        frame->SwitchView(295, 1);
    }
    std::string StoredConfig() const { return ReadFileBytes(config); }

    // Language files for the first `count` codes of the language list.
    void InstallLanguages(const std::vector<std::wstring>& codes)
    {
        fs::create_directories(programFolder.Path() / "SysString");
        for (const std::wstring& code : codes)
            std::ofstream(programFolder.Path() / "SysString" / (L"STRRES." + code)) << "x";
    }

    CSetupView& setup() { return *dynamic_cast<CSetupView*>(frame->View(295)); }
    CSetLanguageDlg& languagePage() { return *dynamic_cast<CSetLanguageDlg*>(setup().Page(0)); }
    void ShowPage(int index) { Click(frame->MiddleLeftBar().GetButton(index)); }
    void Accept() { Click(frame->BottomBar().GetButton(kAccept)); }
    CBmpBtn* PageButton(int page, int id)
    {
        auto* choices = dynamic_cast<CTwoChoicePage*>(setup().Page(page));
        return choices ? choices->Button(id) : nullptr;
    }

    fs::path config;
    int restarts = 0;
    bool restartWorks = true;
};

TEST_F(SettingsPagesTest, TheLanguagePageOffersTheInstalledLanguagesAndRestartsForAnotherOne)
{
    ResSetLanguageList({L"EN", L"CN", L"DE", L"TW", L"FR"});
    InstallLanguages({L"EN", L"DE", L"FR"});
    UseConfig("<LANGUAGE CURMODE=\"de\" />");

    CSetLanguageDlg& page = languagePage();
    ASSERT_EQ(page.ButtonCount(), 3u);
    const int ids[] = {4000, 4002, 4004};  // by the position in the list; missing files leave gaps
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(GetDlgCtrlID(page.ButtonAt(i)->Handle()), ids[i]);
    EXPECT_TRUE(page.ButtonAt(1)->GetChecked()) << "the stored language, in any case";
    EXPECT_FALSE(page.ButtonAt(0)->GetChecked());

    // The picture a person looks at after the run.
    UpdateWindow(frame->Handle());
    RedrawWindow(frame->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::wstring saved = SaveFrameSnapshot(frame->Handle());
    ASSERT_FALSE(saved.empty());
    fs::copy_file(saved, BuildProgramFolder() / "settings_language.png", fs::copy_options::overwrite_existing);

    Accept();
    EXPECT_EQ(restarts, 0) << "the stored language again: no restart";

    Click(page.ButtonAt(2));
    EXPECT_TRUE(page.ButtonAt(2)->GetChecked());
    EXPECT_FALSE(page.ButtonAt(1)->GetChecked());
    Accept();
    EXPECT_EQ(restarts, 1);
    EXPECT_NE(StoredConfig().find("CURMODE=\"FR\""), std::string::npos) << StoredConfig();
}

TEST_F(SettingsPagesTest, TheLanguageButtonsArePagedByThePageKeys)
{
    std::vector<std::wstring> codes;
    for (int i = 0; i < 13; ++i)
        codes.push_back(L"L" + std::to_wstring(i));
    ResSetLanguageList(codes);
    InstallLanguages(codes);
    UseConfig("<LANGUAGE CURMODE=\"L12\" />");
    CSetLanguageDlg& page = languagePage();
    page.Move(0, 0, 600, 200);  // 3 rows of 2 columns: 6 buttons a page, three pages
    setup().ShowPageTitle();
    EXPECT_FALSE(setup().CommandEnableState(3002).value_or(false));
    EXPECT_TRUE(setup().CommandEnableState(3003).value_or(false));

    Click(frame->BottomBar().GetButton(3003));
    Click(frame->BottomBar().GetButton(3003));
    Click(frame->BottomBar().GetButton(3003));  // past the last page: nothing
    EXPECT_EQ(page.ButtonPage(), 2);
    EXPECT_TRUE(setup().CommandEnableState(3002).value_or(false));
    EXPECT_FALSE(setup().CommandEnableState(3003).value_or(false));
    UpdateWindow(page.Handle());
    for (size_t i = 0; i < page.ButtonCount(); ++i)
        EXPECT_EQ(page.ButtonAt(i)->IsVisible(), i == 12) << i;
    EXPECT_TRUE(page.ButtonAt(12)->GetChecked());

    Click(frame->BottomBar().GetButton(3002));
    UpdateWindow(page.Handle());
    EXPECT_EQ(page.ButtonPage(), 1);
    EXPECT_TRUE(page.ButtonAt(6)->IsVisible());
    EXPECT_EQ(page.ButtonAt(7)->WindowRect().top - page.ButtonAt(6)->WindowRect().top, 63) << "column by column";
    EXPECT_EQ(page.ButtonAt(9)->WindowRect().left - page.ButtonAt(6)->WindowRect().left, 299);
}

// A window size that cannot be stored, or a new copy that cannot start, must not leave the user with
// no program or with a program that restarted into the old setting: say why and stay.
TEST_F(SettingsPagesTest, AFailedSaveOrRestartIsToldAndTheProgramStays)
{
    std::vector<std::wstring> told;
    SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        told.push_back(box.text);
        return IDOK;
    });
    UseConfig("");  // no SYSTEM element: the choice cannot be stored
    ShowPage(3);
    EXPECT_EQ(PageButton(3, 1093)->GetText(), L"Full Screen");
    EXPECT_EQ(PageButton(3, 1094)->GetText(), L"Fixed Size");
    Click(PageButton(3, 1094));
    Accept();
    EXPECT_EQ(restarts, 0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(L"could not be saved"), std::wstring::npos);

    told.clear();
    restartWorks = false;
    UseConfig("<SYSTEM SCREENMODE=\"0\" />");
    ShowPage(3);
    Click(PageButton(3, 1094));
    Accept();
    EXPECT_EQ(restarts, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(L"could not be started again"), std::wstring::npos);
    EXPECT_NE(StoredConfig().find("SCREENMODE=\"1\""), std::string::npos);
    EXPECT_TRUE(IsWindow(frame->Handle()));
}

// The update page's message after it opened a package: a running diagnostic program is ended, the
// turn given back and the program closed, without a question.
TEST_F(SettingsPagesTest, TheCloseForAnUpdateEndsTheDiagnosisAndTheProgram)
{
    CProgramRun program;
    ASSERT_TRUE(program.Start(BuildProgramFolder() / "LinkSimulator.exe", L"--pipe \\\\.\\pipe\\SettingsTestIdle --lifetime 60000"));
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program.ProcessId());
    ASSERT_NE(process, nullptr);
    SetDiagProgramProcess(process);
    TakeTurn();
    const HWND window = frame->Handle();
    setup().SendMsg(CSetupView::kCloseForUpdate);
    EXPECT_TRUE(program.HasExited()) << "the diagnostic program was ended";
    EXPECT_EQ(DiagProgramProcess(), nullptr);
    EXPECT_TRUE(TurnIsFree());
    EXPECT_TRUE(asked.empty()) << "no question";
    EXPECT_FALSE(IsWindow(window));
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// The device's versions in their own dialog, read through the stand-in library from the simulator.
TEST_F(SettingsPagesTest, TheVersionDialogReadsTheHardwareVersionOnce)
{
    fs::copy_file(BuildProgramFolder() / "Link.dll", programFolder.Path() / "Link.dll");
    CSimulatorRun simulator(programFolder.Path() / "simulator");
    ASSERT_TRUE(simulator.WaitUntilListening());
    SetGlobalFloat2(6.3f);
    CDiagVersionInfo dialog(frame->Handle());
    ASSERT_TRUE(dialog.CreateModeless());
    dialog.SetPause([](unsigned) {});
    dialog.StartRead();
    EXPECT_TRUE(dialog.IsReading());
    EXPECT_EQ(frame->HelpInfoBar().GetInfoText(), L"Reading version data, please wait...");
    dialog.StartRead();  // a second start while one is scheduled schedules nothing more
    dialog.RunRead();
    EXPECT_TRUE(dialog.IsDone());
    EXPECT_FALSE(dialog.IsReading());
    EXPECT_EQ(frame->HelpInfoBar().GetInfoText(), L"");
    const auto rows = dialog.PrintRows();
    EXPECT_EQ(rows[0][0], L"Hardware version:");
    EXPECT_EQ(rows[0][1], L"0312");
    EXPECT_EQ(rows[1][1], L"6.30");
    EXPECT_EQ(rows[3][0], L"Relase date:");
    EXPECT_TRUE(simulator.WaitForLogLine("frame 03 0001"));

    ResSetRunModeFlag(L"1");  // no device in Demo Mode
    dialog.RunRead();
    EXPECT_EQ(dialog.PrintRows()[0][1], L"Unknown");
    dialog.Destroy();
}

struct TwoChoiceCase {
    const char* name;
    int page;
    std::string common;       // the configuration's COMMON elements
    const wchar_t* runMode;   // the run's state before the page is shown
    int unitMode;
    int latchedAtStart;
    int choose;               // 0: accept the page as it starts
    int restarts;
    const char* storedAfter;  // a text the saved configuration holds afterwards, or null
    const wchar_t* runModeAfter;
    int unitModeAfter;
};

class TwoChoicePageTest : public SettingsPagesTest, public ::testing::WithParamInterface<TwoChoiceCase> {};

TEST_P(TwoChoicePageTest, StartsFromTheCurrentSettingAndAppliesTheChoice)
{
    const TwoChoiceCase& c = GetParam();
    ResSetRunModeFlag(c.runMode);
    ResSetUnitMode(c.unitMode);
    UseConfig(c.common);
    const std::string before = StoredConfig();
    ShowPage(c.page);
    ASSERT_NE(PageButton(c.page, c.latchedAtStart), nullptr);
    EXPECT_TRUE(PageButton(c.page, c.latchedAtStart)->GetChecked());
    if (c.choose) {
        Click(PageButton(c.page, c.choose));
        EXPECT_TRUE(PageButton(c.page, c.choose)->GetChecked());
        Click(PageButton(c.page, c.choose));
        EXPECT_TRUE(PageButton(c.page, c.choose)->GetChecked()) << "a second click keeps the choice";
    }
    Accept();
    EXPECT_EQ(restarts, c.restarts);
    if (c.storedAfter)
        EXPECT_NE(StoredConfig().find(c.storedAfter), std::string::npos) << StoredConfig();
    else
        EXPECT_EQ(StoredConfig(), before) << "nothing stored";
    EXPECT_EQ(ResGetRunModeFlag(), c.runModeAfter);
    EXPECT_EQ(ResGetUnitMode(), c.unitModeAfter);
    EXPECT_EQ(setup().VisiblePage(), 0) << "accept goes back to the language page";
}

INSTANTIATE_TEST_SUITE_P(Pages, TwoChoicePageTest, ::testing::Values(
    TwoChoiceCase{"demo_for_the_run", 1, "", L"0", 0, 1070, 1071, 0, nullptr, L"1", 0},
    TwoChoiceCase{"back_to_diagnose", 1, "", L"1", 0, 1071, 1070, 0, nullptr, L"0", 0},
    TwoChoiceCase{"british_units", 2, "<SYSTEM UNITMODE=\"0\" />", L"0", 0, 1075, 1076, 0, nullptr, L"0", 1},
    TwoChoiceCase{"metric_units", 2, "", L"0", 1, 1076, 1075, 0, nullptr, L"0", 0},
    TwoChoiceCase{"fixed_size_kept", 3, "<SYSTEM SCREENMODE=\"2\" />", L"0", 0, 1094, 0, 0, nullptr, L"0", 0},
    TwoChoiceCase{"full_screen", 3, "<SYSTEM SCREENMODE=\"2\" />", L"0", 0, 1094, 1093, 1, "SCREENMODE=\"0\"", L"0", 0},
    TwoChoiceCase{"fixed_size", 3, "<SYSTEM SCREENMODE=\"0\" />", L"0", 0, 1093, 1094, 1, "SCREENMODE=\"1\"", L"0", 0},
    TwoChoiceCase{"log_without_its_element", 4, "", L"0", 0, 1093, 0, 0, nullptr, L"0", 0},
    TwoChoiceCase{"log_off", 4, "<LOG FLAG=\"1\" />", L"0", 0, 1093, 1094, 0, "FLAG=\"0\"", L"0", 0},
    TwoChoiceCase{"log_on", 4, "<LOG FLAG=\"0\" />", L"0", 0, 1094, 1093, 0, "FLAG=\"1\"", L"0", 0}),
    [](const ::testing::TestParamInfo<TwoChoiceCase>& param) { return std::string(param.param.name); });

}  // namespace
