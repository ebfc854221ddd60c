#include "ProductdataScan.h"

#include <algorithm>
#include <cwctype>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// The names of the entries of `folder` that pass `keep`, sorted; none when it cannot be read.
template <typename Keep>
std::vector<std::wstring> SortedNames(const fs::path& folder, Keep keep)
{
    std::vector<std::wstring> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (keep(*it))
            names.push_back(it->path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

bool IsFolder(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.is_directory(error);
}

void Append(std::vector<DocumentEntry>& entries, const std::wstring& name, const std::wstring& file, const fs::path& path)
{
    entries.push_back({static_cast<int32_t>(entries.size()), name, file, path.wstring()});
}

}  // namespace

const std::array<CProductdataScan::KIND, CProductdataScan::kKindCount>& CProductdataScan::Kinds()
{
    static const std::array<KIND, kKindCount> kinds = {{
        {L"SCREENRECORD", L"SCREENRECORD", L".gif", true},
        {L"Snapshot", L"Snapshot", L".png", true},
        {L"Australia", L"Australia", nullptr, true},
        {L"China", L"China", nullptr, true},
        {L"Europe", L"Europe", nullptr, true},
        {L"OBDII", L"ObdII", nullptr, true},
        {L"Pro", L"Harrowfen", nullptr, false},
    }};
    return kinds;
}

std::array<std::vector<DocumentEntry>, CProductdataScan::kKindCount> CProductdataScan::Scan(
    const fs::path& programFolder, const std::wstring& language)
{
    std::array<std::vector<DocumentEntry>, kKindCount> lists;
    for (size_t i = 0; i < kKindCount; ++i) {
        const KIND& kind = Kinds()[i];
        const fs::path folder = programFolder / Upper(kind.folder);
        lists[i] = kind.extension ? FilesOf(folder, kind.extension) : DocumentsOf(folder, language);
    }
    return lists;
}

std::vector<DocumentEntry> CProductdataScan::FilesOf(const fs::path& folder, const std::wstring& extension)
{
    std::vector<DocumentEntry> entries;
    const auto isListed = [&extension](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_regular_file(error) && Upper(entry.path().extension().wstring()) == Upper(extension);
    };
    for (const std::wstring& name : SortedNames(folder, isListed))
        Append(entries, name, name, folder / name);
    return entries;
}

std::vector<DocumentEntry> CProductdataScan::DocumentsOf(const fs::path& region, const std::wstring& language)
{
    std::vector<DocumentEntry> entries;
    if (language.empty())
        return entries;
    for (const std::wstring& found : SortedNames(region, IsFolder)) {
        const std::wstring product = Upper(found);
        const std::vector<std::wstring> languages = SortedNames(region / product, IsFolder);
        if (std::find(languages.begin(), languages.end(), language) == languages.end())
            continue;
        const std::wstring name = product + L"_" + language;
        const fs::path document = region / product / language / (name + L".pdf");
        std::error_code error;
        if (fs::is_regular_file(document, error))
            Append(entries, name, name + L".pdf", document);
    }
    return entries;
}
