#include "OutsideTools.h"

#include <windows.h>

#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "ShellOpen.h"
#include "StringResources.h"

bool ToolExists(OUTSIDE_TOOL tool)
{
    if (tool == OUTSIDE_TOOL::None)
        return false;
    const std::wstring path = ResGetAppDir() + ToolRelativePath(tool);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring ToolMissingMessage(OUTSIDE_TOOL tool)
{
    std::wstring text = ResGetString(0x1000091A);
    if (text.empty())
        text = L"Please confirm if there is this file:";
    return text + L"\n" + ResGetAppDir() + L"\n" + ToolRelativePath(tool);
}

bool StartOutsideTool(OUTSIDE_TOOL tool)
{
    if (tool == OUTSIDE_TOOL::None)
        return false;
    if (ShellOpen(ResGetAppDir() + ToolRelativePath(tool), SW_SHOWNORMAL))
        return true;
    CMainFrame* frame = CMainFrame::Instance();
    PopMsgDlg box(frame ? frame->Handle() : nullptr);
    box.SetMessage(ToolMissingMessage(tool));
    box.DoModal();  // it only informs
    return false;
}
