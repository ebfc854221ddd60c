#include "FontChoice.h"

int LanguageCharset(const std::wstring& languageCode)
{
    static const struct {
        const wchar_t* code;
        int charset;
    } kCharsets[] = {
        {L"VI", 163}, {L"TH", 222}, {L"RU", 204}, {L"TR", 162},
        {L"JP", 128}, {L"CN", 134}, {L"TW", 136}, {L"AA", 178},
    };
    for (const auto& entry : kCharsets) {
        if (languageCode == entry.code)
            return entry.charset;
    }
    return 1;
}

std::wstring DefaultFaceName(const std::wstring& languageCode)
{
    return languageCode == L"KR" ? L"\u5B8B\u4F53" : L"Arial";
}
