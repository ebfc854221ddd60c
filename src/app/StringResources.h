#pragma once
#include <cstdint>
#include <string>

// Texts the user sees, named by text id: first from the string file of the current language, then
// from the built-in English table (TextTables.h). Callers that get an empty text show their own
// literal English text instead. Loaded on the user-interface thread at start; lookups only after.

// Reads "SysString\STRRES.<language code>" below the program folder into the process-wide list,
// replacing what was loaded before. A language without its file (or whose code could name a file
// elsewhere) falls back to "SysString\STRRES.en", and the current language code becomes "EN" for
// the rest of the run. 1 when a string file was read (possibly cut short: the texts before the cut
// are kept), 0 when none could be (the list then stays empty).
int ResLoadStringFile();

// Empties the loaded list; 1.
int ResFreeStrings();

// A copy of the text: the first loaded one with the id, else the first built-in one, else empty.
std::wstring ResGetString(uint32_t id);
// The text of the id, or `fallback` where the language has none.
std::wstring ResGetStringOr(uint32_t id, const std::wstring& fallback);

// The ANSI code page of a language code compared exactly (case matters); 0 for an empty or unknown
// code.
int ResGetLanguageCodePage(const std::wstring& code);

// The title of a language (its code in any case) through ResGetString; "X" for an unlisted code.
std::wstring ResGetLanguageTitle(const std::wstring& code);
