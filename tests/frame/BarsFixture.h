#pragma once
// The main frame of FrameFixture.h with what the bar tests share: the exchange token and block, an
// answerer for question boxes that records what they asked, the stand-in tools, and painting.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "FrameFixture.h"
#include "MakerView.h"
#include "ModalSeam.h"
#include "NavigationTargets.h"
#include "ProgramRun.h"
#include "SharedHandles.h"
#include "SoftwareFixture.h"

namespace {

class BarsFixture : public MainFrameTest {
protected:
    void SetUp() override
    {
        ResSetLanguageCode(L"EN");
        ResSetGuideIndex(0);
        MainFrameTest::SetUp();
        InstallSoftware();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        AnswerBoxes(IDOK);
    }
    void TearDown() override
    {
        SetModalAnswerer({});
        SetDiagProgramProcess(nullptr);
        frame->SetDiagnosisRunning(false);
        MainFrameTest::TearDown();
    }

    // Two regions and a family, so that the choosers the bars lead to show their pages instead of
    // asking for the store.
    void InstallSoftware()
    {
        SoftwareFolderFixture software(programFolder.Path());
        software.Languages({L"en"});
        software.Config("<HARROWFEN><VEHICLENAME /></HARROWFEN><VEHICLE><MULTILANGUAGE><VEHICLENAME />"
                        "<REGION><EAST EN=\"East\" /><WEST EN=\"West\" /></REGION></MULTILANGUAGE></VEHICLE>");
        software.Install(Maker(L"EAST", L"Alder", 2));
        software.Install(Maker(L"WEST", L"Birch", 1));
        software.Install(Family(L"LINE"));
        software.Load();
    }

    void AnswerBoxes(int answer)
    {
        SetModalAnswerer([this, answer](const MODAL_BOX& box) -> std::optional<int> {
            asked.push_back(box.text);
            return answer;
        });
    }

    // Takes the turn as the frame does for a request.
    void TakeTurn() { ASSERT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0); }
    static bool TurnIsFree()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return false;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return true;
    }

    // A request in the block, as the diagnostic program leaves it.
    void FillBlock() { std::memset(block, 0x77, 0xFFFC); }
    bool BlockWasReset() const { return block[0] != 0x77 && block[0xFFFB] == 0; }

    // Installs the stand-in tool as an outside tool of the program folder.
    std::filesystem::path InstallTool(OUTSIDE_TOOL tool)
    {
        const std::filesystem::path path = programFolder / ToolRelativePath(tool);
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::copy_file(BuildProgramFolder() / "Tool.exe", path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    // What the stand-in tool logged beside itself, after waiting a bounded time for it.
    static std::string WaitForToolLog(const std::filesystem::path& tool)
    {
        const std::filesystem::path log = tool.parent_path() / "tool.log";
        for (int i = 0; i < 500 && !std::filesystem::exists(log); ++i)
            PollPause();
        return std::filesystem::exists(log) ? ReadFileBytes(log) : std::string();
    }

    // Lets every queued message (paints among them) happen.
    static void Pump()
    {
        for (int i = 0; i < 10; ++i) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
    }

    // Paints a window and everything in it, then reads a pixel of it from the screen.
    static COLORREF PixelOf(HWND window, int x, int y)
    {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        CClientDc dc(window);
        return GetPixel(dc.Get(), x, y);
    }

    // The control ids of a window's visible, enabled or all children.
    static std::vector<int> ChildIds(HWND parent)
    {
        std::vector<int> ids;
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ids.push_back(GetDlgCtrlID(child));
        return ids;
    }

    static void Click(CWindow* button)
    {
        ASSERT_NE(button, nullptr);
        button->SendMsg(BM_CLICK);
    }

    uint8_t* block = nullptr;
    std::vector<std::wstring> asked;
};

// Records the commands a window receives, ahead of its own procedure.
class CCommandSpy {
public:
    explicit CCommandSpy(HWND window) : m_window(window) { SetWindowSubclass(window, &Proc, 1, reinterpret_cast<DWORD_PTR>(this)); }
    ~CCommandSpy() { RemoveWindowSubclass(m_window, &Proc, 1); }
    CCommandSpy(const CCommandSpy&) = delete;
    CCommandSpy& operator=(const CCommandSpy&) = delete;
    const std::vector<int>& Commands() const { return m_commands; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        if (message == WM_COMMAND)
            reinterpret_cast<CCommandSpy*>(self)->m_commands.push_back(LOWORD(wParam));
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND m_window;
    std::vector<int> m_commands;
};

inline bool Near(COLORREF pixel, COLORREF expected, int tolerance = 12)
{
    return std::abs(GetRValue(pixel) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(pixel) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(pixel) - GetBValue(expected)) <= tolerance;
}

}  // namespace
