#include "ShellOpen.h"

#include <windows.h>

#include <shellapi.h>

#include <utility>

namespace {

ShellOpenCatcher& Catcher()
{
    static ShellOpenCatcher catcher;
    return catcher;
}

}  // namespace

ShellOpenCatcher SetShellOpenCatcher(ShellOpenCatcher catcher)
{
    return std::exchange(Catcher(), std::move(catcher));
}

void ShellOpen(const std::wstring& path, int show)
{
    if (Catcher()) {
        Catcher()(path, show);
        return;
    }
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, show);
}
