#include "ConfigStore.h"

#include <cwchar>
#include <filesystem>

#include "ConfigDocument.h"
#include "NumberText.h"
#include "TextConversion.h"

namespace {

CConfigDocument& Document()
{
    static CConfigDocument document;
    return document;
}

std::string ToUtf8(const wchar_t* text)
{
    const NarrowBuffer narrow = WideToUtf8(text);
    return narrow ? std::string(narrow.get()) : std::string();
}

std::wstring FormatInt(int value)
{
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%d", value);
    return text;
}

}  // namespace

bool LoadConfigDocument(const wchar_t* filePath)
{
    return filePath && Document().Load(std::filesystem::path(filePath));
}

std::wstring GetConfigValue(const wchar_t* elementPath, const wchar_t* key, const wchar_t* defaultValue)
{
    const std::wstring fallback = defaultValue ? defaultValue : L"";
    const auto value = Document().GetAttribute(ToUtf8(elementPath), ToUtf8(key));
    if (!value)
        return fallback;
    // Decoded by the DBFORMAT rule; a text that does not decode reads like a missing one.
    const WideBuffer wide = Utf8ToWide(value->c_str());
    return (wide && wide[0] != L'\0') ? std::wstring(wide.get()) : fallback;
}

int GetConfigInt(const wchar_t* elementPath, const wchar_t* key, int defaultValue)
{
    const std::wstring text = GetConfigValue(elementPath, key, FormatInt(defaultValue).c_str());
    return ParseLeadingInt(ToUtf8(text.c_str()));
}

bool SetConfigValue(const wchar_t* elementPath, const wchar_t* key, const wchar_t* value)
{
    return Document().SetAttribute(ToUtf8(elementPath), ToUtf8(key), ToUtf8(value));
}

bool SetConfigInt(const wchar_t* elementPath, const wchar_t* key, int value)
{
    return SetConfigValue(elementPath, key, FormatInt(value).c_str());
}

std::string GetConfigValueA(const char* elementPath, const char* key, const char* defaultValue)
{
    const std::string fallback = defaultValue ? defaultValue : "";
    if (!elementPath || !key)
        return fallback;
    const auto value = Document().GetAttribute(elementPath, key);
    return (value && !value->empty()) ? *value : fallback;
}

bool SetConfigValueA(const char* elementPath, const char* key, const char* value)
{
    return elementPath && key && value && Document().SetAttribute(elementPath, key, value);
}
