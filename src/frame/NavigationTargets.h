#pragma once
// What the navigation buttons of the home page and the top bar depend on: the outside tools they
// start, and the rules that enable (or create) a button.
#include <string>

enum class OUTSIDE_TOOL { None, Dictionary, DtcQuery, ScreenRecorder };

// The tool's program below the program folder ("tools\Dictionary\Dictionary.exe", ...); empty for None.
const wchar_t* ToolRelativePath(OUTSIDE_TOOL tool);

enum class BUTTON_RULE {
    Enabled,
    Disabled,
    WhenToolExists,       // the button's tool is installed
    WhenManualAvailable,  // the manuals exist for the current language
};

// The manuals are not shipped for "CN" and "TW".
bool ManualAvailable(const std::wstring& languageCode);

// Whether a button under `rule` is enabled, given whether its tool exists and the language code.
bool RuleAllows(BUTTON_RULE rule, bool toolExists, const std::wstring& languageCode);
