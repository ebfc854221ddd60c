#include "DSRecorderInfo.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string ToUtf16(std::wstring_view text)
{
    std::u16string units;
    for (const wchar_t c : text) {
        const auto code = static_cast<uint32_t>(c);
        if (code > 0xFFFF) {  // only where wchar_t holds whole code points
            units.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(code));
        }
    }
    return units;
}

std::wstring FromUtf16(const char16_t* units, size_t count)
{
    std::wstring text;
    for (size_t i = 0; i < count; ++i) {
        if (sizeof(wchar_t) == 4 && IsHighSurrogate(units[i]) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            const uint32_t code = 0x10000 + ((static_cast<uint32_t>(units[i]) - 0xD800) << 10) +
                                  (static_cast<uint32_t>(units[i + 1]) - 0xDC00);
            text.push_back(static_cast<wchar_t>(code));
            ++i;
        } else {
            text.push_back(static_cast<wchar_t>(units[i]));
        }
    }
    return text;
}

template <size_t N>
void SetField(char16_t (&field)[N], std::wstring_view text)
{
    const std::u16string units = ToUtf16(text);
    size_t count = std::min(units.size(), N - 1);
    if (count > 0 && count < units.size() && IsHighSurrogate(units[count - 1]))
        --count;  // the pair's second half did not fit
    std::memset(field, 0, sizeof field);
    std::memcpy(field, units.data(), count * sizeof(char16_t));
}

template <size_t N>
std::wstring GetField(const char16_t (&field)[N])
{
    size_t count = 0;
    while (count < N && field[count] != u'\0')
        ++count;
    return FromUtf16(field, count);
}

template <size_t N>
void EndField(char16_t (&field)[N])
{
    for (const char16_t unit : field) {
        if (unit == u'\0')
            return;
    }
    field[N - 1] = u'\0';
    if (IsHighSurrogate(field[N - 2]))
        field[N - 2] = u'\0';
}

}  // namespace

void _stuDSRecorderInfo::SetLanguage(std::wstring_view text) { SetField(language, text); }
void _stuDSRecorderInfo::SetMaker(std::wstring_view text) { SetField(maker, text); }
void _stuDSRecorderInfo::SetMenuPath(std::wstring_view text) { SetField(menuPath, text); }
void _stuDSRecorderInfo::SetDateTime(std::wstring_view text) { SetField(dateTime, text); }
void _stuDSRecorderInfo::SetFileName(std::wstring_view text) { SetField(fileName, text); }

std::wstring _stuDSRecorderInfo::GetLanguage() const { return GetField(language); }
std::wstring _stuDSRecorderInfo::GetMaker() const { return GetField(maker); }
std::wstring _stuDSRecorderInfo::GetMenuPath() const { return GetField(menuPath); }
std::wstring _stuDSRecorderInfo::GetDateTime() const { return GetField(dateTime); }
std::wstring _stuDSRecorderInfo::GetFileName() const { return GetField(fileName); }

void _stuDSRecorderInfo::EndEveryField()
{
    EndField(language);
    EndField(maker);
    EndField(menuPath);
    EndField(dateTime);
    EndField(fileName);
}

_stuDSRecorderInfo MakeRecordInfo(std::wstring_view language, std::wstring_view maker, std::wstring_view menuPath,
                                  const std::tm& localStart)
{
    _stuDSRecorderInfo record = {};
    record.SetLanguage(language);
    record.SetMaker(maker);
    record.SetMenuPath(menuPath);

    const int year = localStart.tm_year + 1900;
    const int month = localStart.tm_mon + 1;
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"%04d-%02d-%02d %02d:%02d:%02d", year, month, localStart.tm_mday,
                  localStart.tm_hour, localStart.tm_min, localStart.tm_sec);
    record.SetDateTime(text);
    std::swprintf(text, std::size(text), L"%04d%02d%02d%02d%02d%02d", year, month, localStart.tm_mday,
                  localStart.tm_hour, localStart.tm_min, localStart.tm_sec);
    record.SetFileName(std::wstring(maker) + text);
    return record;
}

bool IsRecordingFileName(std::wstring_view name)
{
    return !name.empty() && name.find_first_of(L"\\/:*?") == std::wstring_view::npos &&
           name.find(L"..") == std::wstring_view::npos;
}
