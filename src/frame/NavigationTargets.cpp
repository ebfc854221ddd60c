#include "NavigationTargets.h"

const wchar_t* ToolRelativePath(OUTSIDE_TOOL tool)
{
    switch (tool) {
    case OUTSIDE_TOOL::Dictionary:
        return L"tools\\Dictionary\\Dictionary.exe";
    case OUTSIDE_TOOL::DtcQuery:
        return L"tools\\DataTroubleCode\\DTCQuery.exe";
    case OUTSIDE_TOOL::ScreenRecorder:
        return L"tools\\DataRecord\\ScreenRecorder.exe";
    default:
        return L"";
    }
}

bool ManualAvailable(const std::wstring& languageCode)
{
    return languageCode != L"CN" && languageCode != L"TW";
}

bool RuleAllows(BUTTON_RULE rule, bool toolExists, const std::wstring& languageCode)
{
    switch (rule) {
    case BUTTON_RULE::Enabled:
        return true;
    case BUTTON_RULE::WhenToolExists:
        return toolExists;
    case BUTTON_RULE::WhenManualAvailable:
        return ManualAvailable(languageCode);
    default:
        return false;
    }
}
