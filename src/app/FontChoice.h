#pragma once
#include <string>

// The face and character set of the process-wide fonts, from the language and the configuration.

// The character set that suits a language code; 1 (the default set) for every other language.
int LanguageCharset(const std::wstring& languageCode);

// The face used when the configuration names none.
std::wstring DefaultFaceName(const std::wstring& languageCode);
