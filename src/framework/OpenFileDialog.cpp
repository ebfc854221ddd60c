#include "OpenFileDialog.h"

#include <commdlg.h>

#include <utility>

namespace {

OpenFileAnswerer& Answerer()
{
    static OpenFileAnswerer answerer;
    return answerer;
}

}  // namespace

OpenFileAnswerer SetOpenFileAnswerer(OpenFileAnswerer answerer)
{
    return std::exchange(Answerer(), std::move(answerer));
}

std::optional<std::wstring> AskFileToOpen(HWND owner, const std::wstring& folder, const std::wstring& filter)
{
    if (Answerer())
        return Answerer()(folder);
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return std::wstring(file);
}
