#pragma once
// Opening a file or folder with the system shell. Like the modal boxes, it goes through a seam: a
// test installs a catcher and the request is recorded instead of starting another program (a caught
// request counts as opened).
#include <functional>
#include <string>

using ShellOpenCatcher = std::function<void(const std::wstring& path, int show)>;

ShellOpenCatcher SetShellOpenCatcher(ShellOpenCatcher catcher);

// True when the shell reports that it opened the path.
bool ShellOpen(const std::wstring& path, int show);
