#pragma once
// Opening a file or folder with the system shell. Like the modal boxes, it goes through a seam: a
// test installs a catcher and the request is recorded instead of starting another program.
#include <functional>
#include <string>

using ShellOpenCatcher = std::function<void(const std::wstring& path, int show)>;

ShellOpenCatcher SetShellOpenCatcher(ShellOpenCatcher catcher);

void ShellOpen(const std::wstring& path, int show);
