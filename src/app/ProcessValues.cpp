#include "ProcessValues.h"

namespace {

struct ProcessValues {
    std::wstring appDir;
    std::wstring stringDir;
    std::wstring languageCode;
    std::string languageCodeA;
    int codePage = 0;
    std::wstring runModeFlag;
    int unitMode = 0;
    int screenMode = 0;
    int displayMode = 0;
    int diagDebug = 0;
    int dbFormat = 0;
    std::wstring makerDir;
    std::wstring makerName;
    std::wstring softwareDir;
    std::wstring recordFlag = L"0";
    int launchFlag = 0;
    int guideIndex = 0;
    float databaseVersion = 0;
    float programVersion = 0;
    float dataResourceVersion = 0;
    int globalFlag = 0;
    std::wstring diagHelpText;
    std::vector<std::wstring> languageList;
    std::vector<std::wstring> makerList;
};

// Function-local, so that other static objects may use the values during their own construction.
ProcessValues& Values()
{
    static ProcessValues values;
    return values;
}

}  // namespace

std::wstring ResGetAppDir() { return Values().appDir; }
void ResSetAppDir(const std::wstring& folder) { Values().appDir = folder; }
std::wstring ResGetStringDir() { return Values().stringDir; }
void ResSetStringDir(const std::wstring& folder) { Values().stringDir = folder; }

std::wstring ResGetLanguageCode() { return Values().languageCode; }
void ResSetLanguageCode(const std::wstring& code) { Values().languageCode = code; }
std::string ResGetLanguageCodeA() { return Values().languageCodeA; }
void ResSetLanguageCodeA(const std::string& code) { Values().languageCodeA = code; }
int ResGetCodePage() { return Values().codePage; }
void ResSetCodePage(int codePage) { Values().codePage = codePage; }

std::wstring ResGetRunModeFlag() { return Values().runModeFlag; }
void ResSetRunModeFlag(const std::wstring& flag) { Values().runModeFlag = flag; }
int ResGetUnitMode() { return Values().unitMode; }
void ResSetUnitMode(int mode) { Values().unitMode = mode; }
int ResGetScreenMode() { return Values().screenMode; }
void ResSetScreenMode(int mode) { Values().screenMode = mode; }
int ResGetDisplayMode() { return Values().displayMode; }
void ResSetDisplayMode(int mode) { Values().displayMode = mode; }
int ResGetDiagDebug() { return Values().diagDebug; }
void ResSetDiagDebug(int flag) { Values().diagDebug = flag; }
int ResGetDbFormat() { return Values().dbFormat; }
void ResSetDbFormat(int format) { Values().dbFormat = format; }

std::wstring ResGetMakerDir() { return Values().makerDir; }
void ResSetMakerDir(const std::wstring& folder) { Values().makerDir = folder; }
std::wstring ResGetMakerName() { return Values().makerName; }
void ResSetMakerName(const std::wstring& name) { Values().makerName = name; }
std::wstring ResGetSoftwareDir() { return Values().softwareDir; }
void ResSetSoftwareDir(const std::wstring& folder) { Values().softwareDir = folder; }

std::wstring ResGetRecordFlag() { return Values().recordFlag; }
void ResSetRecordFlag(const char* flag)
{
    Values().recordFlag = (flag && flag[0] == '1' && flag[1] == '\0') ? L"1" : L"0";
}
int ResGetLaunchFlag() { return Values().launchFlag; }
void ResSetLaunchFlag(int flag) { Values().launchFlag = flag; }
int ResGetGuideIndex() { return Values().guideIndex; }
void ResSetGuideIndex(int index) { Values().guideIndex = index; }

float GetGlobalFloat1() { return Values().databaseVersion; }
void SetGlobalFloat1(float version) { Values().databaseVersion = version; }
float GetGlobalFloat2() { return Values().programVersion; }
void SetGlobalFloat2(float version) { Values().programVersion = version; }
std::wstring GetGlobalText() { return L"Nuthawk"; }
float GetDataResourceVersion() { return Values().dataResourceVersion; }
void SetDataResourceVersion(float version) { Values().dataResourceVersion = version; }
int GetGlobalFlag() { return Values().globalFlag; }
void SetGlobalFlag(int flag) { Values().globalFlag = flag; }
std::wstring GetDiagHelpText() { return Values().diagHelpText; }
void SetDiagHelpText(const std::wstring& text) { Values().diagHelpText = text; }

std::vector<std::wstring> ResGetLanguageList() { return Values().languageList; }
void ResSetLanguageList(const std::vector<std::wstring>& codes) { Values().languageList = codes; }
std::vector<std::wstring> ResGetMakerList() { return Values().makerList; }
void ResSetMakerList(const std::vector<std::wstring>& makers) { Values().makerList = makers; }
