#include "DbFileName.h"

#include "VehicleDataPaths.h"
#include "VehicleDataTables.h"

namespace {

wchar_t MapLetter(wchar_t c)
{
    if (c >= L'a' && c <= L'z')
        return static_cast<wchar_t>(c - L'a' + L'A');
    if (c >= L'A' && c <= L'Z') {
        for (const auto& pair : g_DbLetterTable) {
            if (static_cast<wchar_t>(pair.find) == c)
                return static_cast<wchar_t>(pair.put);
        }
    }
    return c;
}

}  // namespace

std::wstring MakeDbFileName(const std::wstring& path)
{
    if (path.find(L".dat") != std::wstring::npos || path.find(L".DAT") != std::wstring::npos)
        return path;
    const size_t nameStart = FileNameStart(path);
    std::wstring original = path.substr(nameStart);
    std::wstring stored = original;
    for (wchar_t& c : stored)
        c = MapLetter(c);
    // The mapping keeps every position, so an extension found in the original name is replaced at
    // the same place in the stored one; both grow alike, so the second search stays in step.
    for (const wchar_t* extension : {L".db", L".DB"}) {
        const size_t at = original.find(extension);
        if (at != std::wstring::npos) {
            original.replace(at, 3, L".0000");
            stored.replace(at, 3, L".0000");
        }
    }
    return path.substr(0, nameStart) + stored;
}

bool IsLanguageBoundDbPath(const std::wstring& storedPath)
{
    for (const wchar_t* name : g_LanguageBoundDbNames) {
        if (storedPath.find(MakeDbFileName(name)) != std::wstring::npos)
            return true;
    }
    return false;
}
