// Entry point: runs the one application object.
#include <windows.h>

#include "DisplayApp.h"

namespace {

CDisplayApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return theApp.RunApplication(instance);
}
