#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "UpdateBlocks.h"
#include "UpdateJob.h"

// The decisions of the download pipeline that need no window, thread or file.
namespace update_rules {

// The local file a package is downloaded to: the download folder, a backslash and the server
// file's name after its last backslash. Nothing for a name that would leave the download folder.
std::optional<std::wstring> LocalFileFor(const std::wstring& downloadFolder, const std::wstring& serverFile);

// The download job of one list entry; its local file is empty when the server's name is unsafe.
update_blocks::DownloadJobFields JobFieldsFor(const UpdateJob& job, const std::wstring& downloadFolder, bool last);
// The job's block. A job whose texts do not fit keeps only its number and last-job flag, so it
// still ends with a failure report (and a last job still finishes the batch).
update_blocks::Block JobBlockFor(const UpdateJob& job, const std::wstring& downloadFolder, bool last);
update_blocks::DownloadResultFields ResultFieldsFor(const update_blocks::DownloadJobFields& job, bool downloaded);

// Server folder and file as a web address: the site-folder prefix the server's records carry is
// replaced by the web root, and backslashes become slashes.
std::wstring DownloadUrl(const std::wstring& serverFolder, const std::wstring& serverFile,
                         const std::wstring& siteFolderPrefix, const std::wstring& webRoot);

// Only archives named with ".7z" (after the first character, case-sensitive) go to the archiver.
bool IsSevenZipArchive(const std::wstring& archivePath);

std::wstring ArchiverCommandLine(const std::wstring& shortProgramFolder, const std::wstring& shortArchivePath);

// The folder an installed package fills: "SCAN\<Region>\<SoftwareCode>\<LanguageCode>\" below the
// program folder; nothing when a part is not a plain folder name.
std::optional<std::wstring> PackageFolderFor(const std::wstring& programFolder,
                                             const update_blocks::DownloadResultFields& result);

// Download progress in percent; nothing while the size is unknown.
std::optional<uint32_t> ProgressPercent(uint64_t progress, uint64_t maximum);

}  // namespace update_rules
