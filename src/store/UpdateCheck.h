#pragma once
// The decisions of the settings' update page that need no window: whether the offered version of
// the shell is newer than the running one, and what the page's download button does in each state.
#include <string>

namespace update_check {

// The page's states: no check yet, the service being asked, nothing newer offered, a newer version
// offered, its description shown, its batch running, its batch finished.
enum class UPDATE_STATE {
    Unchecked = -1,
    Checking = 0,
    NoUpdate = 1,
    Offered = 2,
    Described = 3,
    Downloading = 4,
    Finished = 5
};

// A version text as a number, as the service and the program write them ("6.31"); an empty,
// non-numeric or non-finite text counts as 0.
float VersionNumber(const std::wstring& text);

// The running program's version as the page shows it: "%.2f".
std::wstring InstalledVersionText(float version);

// Strictly newer, compared as single-precision numbers (6.3 and 6.30 are the same version).
bool IsNewerVersion(const std::wstring& installed, const std::wstring& offered);

// What the download button does in a state.
enum class DOWNLOAD_STEP {
    ShowDescription,  // Offered: show the package's description
    OpenOrDownload,   // Described: open a package this run already downloaded, else download it
    OpenDownloaded,   // Finished: open the package the batch downloaded
    Nothing,          // other states: only a repaint
};
DOWNLOAD_STEP DownloadStepFor(UPDATE_STATE state);

}  // namespace update_check
