#pragma once
// A main frame created in the test process, as the program's main window, on a fixed 1024 x 700
// window.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>

#include "Application.h"
#include "MainFrame.h"
#include "ModalSeam.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "Snapshot.h"
#include "SoftwareLists.h"
#include "StringResources.h"
#include "TempFolder.h"

namespace {

// An application object, so the frame is the main window as in the program.
class CTestApplication : public CApplication {};

inline RECT InFrame(HWND frame, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResFreeStrings();
        ResSetDisplayMode(0);
        ResSetScreenMode(1);  // a fixed 1024 x 700 window
        ResSetAppDir(programFolder.Path().wstring() + L"\\");
        // A box nobody answers would wait for ever: unless a test answers itself, every box is
        // answered "No" (the choosers ask one when no vehicle software is installed).
        SetModalAnswerer([](const MODAL_BOX&) -> std::optional<int> { return IDCANCEL; });
        auto owned = std::make_unique<CMainFrame>();
        frame = owned.get();
        ASSERT_TRUE(frame->LoadFrame(0));
        application.SetMainWindow(std::move(owned));
        frame->Show(SW_SHOW);
    }
    void TearDown() override
    {
        application.SetMainWindow(nullptr);
        SetModalAnswerer({});
        FreeSoftwareLists();
        SetSoftwareListsChanged(false);
        ResSetMakerName(L"");  // a choice made by one test is none of the next one's business
        ResSetMakerDir(L"");
    }

    bool Visible(CWindow& window) const { return IsWindowVisible(window.Handle()) != FALSE; }

    // A picture of the frame for a person to look at, in the build folder's "screenshots".
    void KeepSnapshot(const std::wstring& name) const { KeepSnapshotOf(frame->Handle(), name); }
    // The same for a window of its own (a dialog over the frame), taken from its client area.
    void KeepSnapshotOf(HWND window, const std::wstring& name) const
    {
        UpdateWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_INVALIDATE);
        const std::wstring saved = SaveFrameSnapshot(window);
        ASSERT_FALSE(saved.empty());
        const std::filesystem::path screenshots = BuildProgramFolder().parent_path().parent_path() / "screenshots";
        std::filesystem::create_directories(screenshots);
        std::filesystem::copy_file(saved, screenshots / name, std::filesystem::copy_options::overwrite_existing);
    }

    CTempFolder programFolder;
    CTestApplication application;
    CMainFrame* frame = nullptr;
};

}  // namespace
