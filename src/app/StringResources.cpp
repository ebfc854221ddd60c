#include "StringResources.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "ProcessValues.h"
#include "StringFile.h"
#include "TextTables.h"

namespace {

// Function-local, so that other static objects may look texts up during their own construction.
std::vector<TAG_STRING_RESOURCE_ITEM>& LoadedStrings()
{
    static std::vector<TAG_STRING_RESOURCE_ITEM> strings;
    return strings;
}

// The language code comes from the configuration; it only ever names a file extension, so one that
// could climb out of the folder or name a device is taken as a language without a file.
bool IsPlainLanguageCode(const std::wstring& code)
{
    return !code.empty() && code.find_first_of(L"\\/:.") == std::wstring::npos &&
           code.find(L'\0') == std::wstring::npos;
}

// The program folder is a Windows text ending in a backslash. Where the platform separator is not a
// backslash (the native build that runs the tests), a backslash would be part of a file name, so
// every one becomes the platform separator.
std::filesystem::path StringFilePath(const std::wstring& programFolder, const std::wstring& code)
{
    std::wstring text = programFolder + L"SysString\\STRRES." + code;
    constexpr auto separator = std::filesystem::path::preferred_separator;
    if constexpr (separator != '\\')
        std::replace(text.begin(), text.end(), L'\\', static_cast<wchar_t>(separator));
    return std::filesystem::path(text);
}

std::wstring AsciiUpper(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return text;
}

}  // namespace

int ResLoadStringFile()
{
    ResFreeStrings();
    const std::wstring folder = ResGetAppDir();
    const std::wstring code = ResGetLanguageCode();
    std::filesystem::path file;
    std::error_code error;
    if (IsPlainLanguageCode(code))
        file = StringFilePath(folder, code);
    if (file.empty() || !std::filesystem::exists(file, error)) {
        ResSetLanguageCode(L"EN");
        file = StringFilePath(folder, L"en");
    }

    auto strings = ReadStringFile(file);
    if (!strings)
        return 0;
    LoadedStrings() = std::move(*strings);
    return 1;
}

int ResFreeStrings()
{
    LoadedStrings().clear();
    LoadedStrings().shrink_to_fit();
    return 1;
}

std::wstring ResGetStringOr(uint32_t id, const std::wstring& fallback)
{
    std::wstring text = ResGetString(id);
    return text.empty() ? fallback : text;
}

std::wstring ResGetString(uint32_t id)
{
    for (const auto& item : LoadedStrings()) {
        if (item.id == id)
            return item.text;
    }
    for (const auto& entry : g_BuiltinTexts) {
        if (entry.id == id)
            return entry.text;
    }
    return {};
}

int ResGetLanguageCodePage(const std::wstring& code)
{
    if (code.empty())
        return 0;
    for (const auto& slot : g_LanguageTable) {
        if (code == slot.code)
            return slot.codePage;
    }
    return 0;
}

std::wstring ResGetLanguageTitle(const std::wstring& code)
{
    const std::wstring upper = AsciiUpper(code);
    for (const auto& entry : g_LanguageTitles) {
        if (upper == entry.code)
            return ResGetString(entry.textId);
    }
    return L"X";
}
