#include "UpdateRules.h"

#include <algorithm>

namespace update_rules {
namespace {

bool IsPlainName(const std::wstring& name)
{
    return !name.empty() && name != L"." && name != L".." &&
           name.find_first_of(L"\\/:") == std::wstring::npos;
}

void ReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to)
{
    if (from.empty())
        return;
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::optional<std::wstring> LocalFileFor(const std::wstring& downloadFolder, const std::wstring& serverFile)
{
    const size_t slash = serverFile.rfind(L'\\');
    const std::wstring name = slash == std::wstring::npos ? serverFile : serverFile.substr(slash + 1);
    if (!IsPlainName(name))
        return std::nullopt;
    return downloadFolder + L"\\" + name;
}

update_blocks::DownloadJobFields JobFieldsFor(const UpdateJob& job, const std::wstring& downloadFolder, bool last)
{
    const ProductRecord& r = job.Record;
    update_blocks::DownloadJobFields fields;
    fields.ServerFolder = r.MainPath;
    fields.ServerFile = r.FullPathFileName;
    fields.LocalFile = LocalFileFor(downloadFolder, r.FullPathFileName).value_or(std::wstring());
    fields.Region = r.Region;
    fields.SoftwareCode = r.SoftwareCode;
    fields.LanguageCode = r.LanguageCode;
    fields.SoftwareUploadid = r.SoftwareUploadid;
    fields.JobId = job.JobId;
    fields.Version = r.Version;
    fields.LastJob = last ? 1 : 0;
    return fields;
}

update_blocks::Block JobBlockFor(const UpdateJob& job, const std::wstring& downloadFolder, bool last)
{
    const auto fields = JobFieldsFor(job, downloadFolder, last);
    if (const auto block = update_blocks::PackDownloadJob(fields))
        return *block;
    update_blocks::DownloadJobFields stripped;
    stripped.JobId = fields.JobId;
    stripped.LastJob = fields.LastJob;
    return *update_blocks::PackDownloadJob(stripped);
}

update_blocks::DownloadResultFields ResultFieldsFor(const update_blocks::DownloadJobFields& job, bool downloaded)
{
    update_blocks::DownloadResultFields result;
    result.JobId = job.JobId;
    result.LocalFile = job.LocalFile;
    result.SoftwareUploadid = job.SoftwareUploadid;
    result.Region = job.Region;
    result.SoftwareCode = job.SoftwareCode;
    result.LanguageCode = job.LanguageCode;
    result.Version = job.Version;
    result.LastJob = job.LastJob;
    result.Downloaded = downloaded ? 1 : 0;
    return result;
}

std::wstring DownloadUrl(const std::wstring& serverFolder, const std::wstring& serverFile,
                         const std::wstring& siteFolderPrefix, const std::wstring& webRoot)
{
    std::wstring url = serverFolder + serverFile;
    ReplaceAll(url, siteFolderPrefix, webRoot);
    std::replace(url.begin(), url.end(), L'\\', L'/');
    return url;
}

bool IsSevenZipArchive(const std::wstring& archivePath)
{
    const size_t at = archivePath.find(L".7z");
    return at != std::wstring::npos && at > 0;
}

std::wstring ArchiverCommandLine(const std::wstring& shortProgramFolder, const std::wstring& shortArchivePath)
{
    return shortProgramFolder + L"7za.exe x \"" + shortArchivePath + L"\" -y -aoa -o\"" + shortProgramFolder + L"\" ";
}

std::optional<std::wstring> PackageFolderFor(const std::wstring& programFolder,
                                             const update_blocks::DownloadResultFields& result)
{
    if (!IsPlainName(result.Region) || !IsPlainName(result.SoftwareCode) || !IsPlainName(result.LanguageCode))
        return std::nullopt;
    return programFolder + L"SCAN\\" + result.Region + L"\\" + result.SoftwareCode + L"\\" + result.LanguageCode +
           L"\\";
}

std::optional<uint32_t> ProgressPercent(uint64_t progress, uint64_t maximum)
{
    if (maximum == 0)
        return std::nullopt;
    return static_cast<uint32_t>(std::min<uint64_t>(progress, maximum) * 100 / maximum);
}

}  // namespace update_rules
