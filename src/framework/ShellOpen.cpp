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

bool ShellOpen(const std::wstring& path, int show)
{
    if (Catcher()) {
        Catcher()(path, show);
        return true;
    }
    // The shell's documented success test: a result above 32.
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, show));
    return result > 32;
}
