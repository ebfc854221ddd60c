#include "VehicleText.h"

#include <algorithm>
#include <list>
#include <vector>

#include "DbFile.h"
#include "ProcessValues.h"

namespace {

struct DB_TEXT_CACHE_ENTRY {
    ByteString key;
    std::string text;
};

struct DbTextCache {
    std::list<DB_TEXT_CACHE_ENTRY> entries;  // most recently used first
    std::wstring softwareDir;
    std::wstring languageCode;
};

DbTextCache& Cache()
{
    static DbTextCache cache;
    return cache;
}

bool SameKey(const ByteString& a, const ByteString& b)
{
    if (a.IsEmpty() || b.IsEmpty())
        return a.IsEmpty() && b.IsEmpty();
    return a.GetLength() == b.GetLength() && std::equal(a.GetData(), a.GetData() + a.GetLength(), b.GetData());
}

void ForgetTextsOfAnotherFolder()
{
    DbTextCache& cache = Cache();
    const std::wstring folder = ResGetSoftwareDir();
    const std::wstring language = ResGetLanguageCode();
    if (folder != cache.softwareDir || language != cache.languageCode) {
        cache.entries.clear();
        cache.softwareDir = folder;
        cache.languageCode = language;
    }
}

}  // namespace

std::string GetVehicleTextA(const ByteString& key)
{
    ForgetTextsOfAnotherFolder();
    auto& entries = Cache().entries;
    const auto hit = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) { return SameKey(entry.key, key); });
    if (hit != entries.end()) {
        entries.splice(entries.begin(), entries, hit);
        return entries.front().text;
    }

    CDbFile file;
    if (!file.Open(ResGetLanguageCode() + L"_TXT.DB"))
        return {};
    const std::vector<ByteString> items = file.ReadRecord(key);
    file.Release();
    if (items.size() != 1)
        return {};
    const ByteString& item = items.front();
    const auto* data = reinterpret_cast<const char*>(item.GetData());
    const std::string text = data ? std::string(data, std::find(data, data + item.GetLength(), '\0')) : std::string();
    entries.push_front({key, text});
    if (entries.size() > kVehicleTextCacheSize)
        entries.pop_back();
    return text;
}

void ClearVehicleTextCache() { Cache().entries.clear(); }

size_t GetVehicleTextCacheCount() { return Cache().entries.size(); }
