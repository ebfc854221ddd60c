#include "TextConversion.h"

#include <windows.h>

#include <climits>

#include "ProcessValues.h"
#include "UnitConversion.h"

WideBuffer Utf8ToWide(const char* text)
{
    if (!text)
        return nullptr;
    UINT codePage;
    DWORD flags = 0;
    switch (ResGetDbFormat()) {
    case 0:
        codePage = CP_UTF8;
        flags = MB_ERR_INVALID_CHARS;  // a broken sequence is no text, not a string of question marks
        break;
    case 1:
        codePage = static_cast<UINT>(ResGetCodePage());
        break;
    default:
        return nullptr;
    }
    const int length = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
    if (length <= 0)
        return nullptr;
    WideBuffer wide(new wchar_t[static_cast<size_t>(length)]());
    if (MultiByteToWideChar(codePage, flags, text, -1, wide.get(), length) <= 0)
        return nullptr;
    return wide;
}

NarrowBuffer WideToUtf8(const wchar_t* text)
{
    if (!text)
        return nullptr;
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return nullptr;
    NarrowBuffer narrow(new char[static_cast<size_t>(length) + 1]());
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.get(), length, nullptr, nullptr) <= 0)
        return nullptr;
    return narrow;
}

std::wstring FormatValueByUnit(const std::wstring& value, const char* unit)
{
    const WideBuffer wideUnit = Utf8ToWide(unit);
    return ConvertValueByUnit(wideUnit ? wideUnit.get() : L"", value);
}

std::wstring DiagTextToWide(const std::string& text)
{
    const WideBuffer wide = Utf8ToWide(text.c_str());
    return wide ? std::wstring(wide.get()) : std::wstring();
}

bool WideToNarrow(char* buffer, const wchar_t* text, size_t room, unsigned codePage)
{
    if (!buffer || room == 0)
        return false;
    buffer[0] = '\0';
    if (!text || room > static_cast<size_t>(INT_MAX))
        return false;
    const int bytes = static_cast<int>(room);
    BOOL usedDefault = FALSE;
    int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, -1, buffer, bytes, nullptr, &usedDefault);
    // The UTF code pages (also as a thread's code page) refuse the checks; they carry every
    // character, and refuse broken ones when asked to.
    if (written <= 0 && GetLastError() == ERROR_INVALID_FLAGS)
        written = WideCharToMultiByte(codePage, WC_ERR_INVALID_CHARS, text, -1, buffer, bytes, nullptr, nullptr);
    if (written <= 0 && GetLastError() == ERROR_INVALID_PARAMETER)
        written = WideCharToMultiByte(codePage, 0, text, -1, buffer, bytes, nullptr, nullptr);
    if (written <= 0 || usedDefault) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

std::wstring NarrowToWide(const std::string& text, unsigned codePage)
{
    if (text.empty() || text.size() > static_cast<size_t>(INT_MAX))
        return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}
