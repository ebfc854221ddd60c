#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>

#include "ExchangeBuffer.h"
#include "FrameFixture.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "ProgramRun.h"
#include "SharedHandles.h"

namespace {

class FormViewExTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        std::memset(block, 0x77, 0xFFFC);  // a request in the block
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        SetDiagProgramProcess(nullptr);
        MainFrameTest::TearDown();
    }

    // Takes the turn as the frame does for a request.
    void TakeTurn() { ASSERT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0); }
    bool TurnIsFree()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return false;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return true;
    }
    void AnswerBoxes(int answer)
    {
        SetModalAnswerer([this, answer](const MODAL_BOX& box) -> std::optional<int> {
            asked.push_back(box.text);
            return answer;
        });
    }

    uint8_t* block = nullptr;
    std::vector<std::wstring> asked;
};

TEST_F(FormViewExTest, ButtonStatesExistForTheBottomBarCommandsOnly)
{
    CFormViewEx* view = frame->View(161);
    for (int id : {3028, 3004, 3002, 3003, 3005, 3001, 3031, 3033, 3034, 3035, 1125, 1126, 1117, 1116}) {
        EXPECT_EQ(view->CommandEnableState(id), true) << id;
        view->SetButtonState(id, false);
        EXPECT_EQ(view->CommandEnableState(id), false) << id;
    }
    for (int id : {3006, 3011, 3007, 1}) {
        view->SetButtonState(id, false);
        EXPECT_EQ(view->CommandEnableState(id), std::nullopt) << id;
    }
}

TEST_F(FormViewExTest, HomeEndsTheDiagnosisAndShowsTheMakerChooser)
{
    CProgramRun maker;
    ASSERT_TRUE(maker.Start(BuildProgramFolder() / "MAKER.exe"));
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, maker.ProcessId());
    ASSERT_NE(process, nullptr);
    SetDiagProgramProcess(process);
    frame->SwitchView(161, 1);
    frame->SetDiagnosisRunning(true);
    TakeTurn();

    frame->View(161)->SendMsg(WM_COMMAND, 3007);
    EXPECT_FALSE(frame->IsDiagnosisRunning()) << "the bars no longer ask about a running program";
    EXPECT_TRUE(maker.HasExited());
    EXPECT_EQ(DiagProgramProcess(), nullptr);
    EXPECT_TRUE(TurnIsFree());
    EXPECT_EQ(frame->CurrentViewId(), 131);
    const std::string caption(reinterpret_cast<const char*>(block));
    EXPECT_EQ(caption, "Nuthawk");
    EXPECT_EQ(block[caption.size() + 1], 0);
    EXPECT_EQ(block[0xFFFB], 0);
}

TEST_F(FormViewExTest, HomeWithoutADiagnosisStillGivesTheTurnBackOnce)
{
    frame->SwitchView(137, 1);
    TakeTurn();
    frame->View(137)->OnExitDiagnosis();
    EXPECT_TRUE(TurnIsFree());
    EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_TIMEOUT) << "the token never counts above 1";
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}

TEST_F(FormViewExTest, ExitAnsweredNoChangesNothing)
{
    AnswerBoxes(IDCANCEL);
    frame->SwitchView(161, 1);
    TakeTurn();
    frame->View(161)->SendMsg(WM_COMMAND, 3011);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], L"Are you sure to exit this system?");
    EXPECT_TRUE(frame->IsWindow());
    EXPECT_FALSE(TurnIsFree());
    EXPECT_EQ(block[0], 0x77);
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
}

TEST_F(FormViewExTest, ExitAnsweredYesClosesTheMainWindow)
{
    AnswerBoxes(IDOK);
    const HWND window = frame->Handle();
    frame->SwitchView(161, 1);
    TakeTurn();
    frame->View(161)->SendMsg(WM_COMMAND, 3011);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(TurnIsFree());
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the closed main window asked to quit
}

uint32_t BigEndian32(const std::string& bytes, size_t offset)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 2])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 3]));
}

TEST_F(FormViewExTest, SnapshotsArePngFilesOfTheFrameSizeAndNeverOverwriteEachOther)
{
    frame->SwitchView(161, 1);
    frame->View(161)->SendMsg(WM_COMMAND, 3028);
    frame->View(161)->SendMsg(WM_COMMAND, 3028);
    std::vector<std::filesystem::path> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(programFolder / "Snapshot"))
        pictures.push_back(entry.path());
    ASSERT_EQ(pictures.size(), 2u);
    const RECT window = frame->WindowRect();
    for (const auto& picture : pictures) {
        const std::string bytes = ReadFileBytes(picture);
        ASSERT_GT(bytes.size(), 24u);
        EXPECT_EQ(bytes.substr(1, 3), "PNG");
        EXPECT_EQ(BigEndian32(bytes, 16), static_cast<uint32_t>(window.right - window.left));
        EXPECT_EQ(BigEndian32(bytes, 20), static_cast<uint32_t>(window.bottom - window.top));
    }
}

TEST_F(FormViewExTest, PrintNeverWaitsForAnotherJobAndSaysPrintingIsBusy)
{
    AnswerBoxes(IDOK);
    HANDLE elsewhere = CreateSemaphoreW(nullptr, 1, 1, L"CANPRINT");  // another program prints
    ASSERT_EQ(WaitForSingleObject(elsewhere, 0), WAIT_OBJECT_0);
    CFormViewEx* view = frame->View(161);
    EXPECT_FALSE(view->TakePrintLock());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find(L"Printing is busy"), std::wstring::npos);
    view->OnPrint();
    EXPECT_FALSE(view->HoldsPrintLock());

    ReleaseSemaphore(elsewhere, 1, nullptr);
    ASSERT_TRUE(view->TakePrintLock());
    frame->SwitchView(161, 1);
    frame->SwitchView(137, 1);  // leaving the view in any way gives the lock back
    EXPECT_FALSE(view->HoldsPrintLock());
    EXPECT_EQ(WaitForSingleObject(elsewhere, 0), WAIT_OBJECT_0);
    ReleaseSemaphore(elsewhere, 1, nullptr);
    CloseHandle(elsewhere);
}

}  // namespace
