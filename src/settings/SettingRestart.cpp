#include "SettingRestart.h"

#include <windows.h>

#include <string>

#include "PopMsgDlg.h"
#include "ProgramRestart.h"

bool SaveSettingAndRestart(const std::function<bool()>& save)
{
    if (!save()) {
        PopMsgDlg::Show(L"The setting could not be saved in \"Config.xml\", so the program does not restart.\r\n"
                        L"Check that the program folder can be written.");
        return false;
    }
    if (!RestartProgram()) {
        PopMsgDlg::Show(L"The program could not be started again (error " + std::to_wstring(GetLastError()) +
                        L").\r\nThe new setting is saved and takes effect when you start the program again.");
        return false;
    }
    return true;
}
