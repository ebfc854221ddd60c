#pragma once
#include <cstdint>

// The program's own tables of the text layer: the English texts used when no string file gives one,
// the languages with their ANSI code pages, and the text ids of the language titles.

struct BUILTIN_TEXT_ENTRY {
    uint32_t id;
    const wchar_t* text;
};

// In lookup order: the first entry with an id gives its text.
extern const BUILTIN_TEXT_ENTRY g_BuiltinTexts[168];

struct LANGUAGE_TABLE_SLOT {
    const wchar_t* code;  // empty in an unused slot, which matches nothing
    const wchar_t* name;
    int32_t codePage;     // ANSI code page
};

// In lookup order; "FR" stands twice and the first slot wins.
extern const LANGUAGE_TABLE_SLOT g_LanguageTable[30];

struct LANGUAGE_TITLE_ENTRY {
    const wchar_t* code;  // upper case
    uint32_t textId;      // the title shown on the settings language page
};

extern const LANGUAGE_TITLE_ENTRY g_LanguageTitles[25];
