// Stand-in for the diagnostic program "MAKER.exe". In this form it only waits (at most a minute),
// like a diagnostic program left running by an earlier session.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    Sleep(60000);
    return 0;
}
