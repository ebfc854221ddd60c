#pragma once
#include <string>
#include <vector>

// Values shared by the whole process: folders, language, run mode, units and the few flags handed
// between the views and the diagnostic program. Plain process-wide variables behind get and set
// functions, used from the user-interface thread only. Texts are returned as copies; lists are copied
// out and replaced whole.

std::wstring ResGetAppDir();  // the program folder, lower-cased, with a trailing backslash
void ResSetAppDir(const std::wstring& folder);
std::wstring ResGetStringDir();  // where the language string files are looked for
void ResSetStringDir(const std::wstring& folder);

std::wstring ResGetLanguageCode();  // "EN", "CN", ...
void ResSetLanguageCode(const std::wstring& code);
std::string ResGetLanguageCodeA();  // the narrow copy the data-resource readers use
void ResSetLanguageCodeA(const std::string& code);
int ResGetCodePage();  // the ANSI code page of the language
void ResSetCodePage(int codePage);

std::wstring ResGetRunModeFlag();  // "0" Diagnose Mode, "1" Demo Mode
void ResSetRunModeFlag(const std::wstring& flag);
int ResGetUnitMode();  // 0 metric, 1 British
void ResSetUnitMode(int mode);
int ResGetScreenMode();  // 0 full screen, 1 fixed 1024 x 700
void ResSetScreenMode(int mode);
int ResGetDisplayMode();  // 1: the main window fills the work area
void ResSetDisplayMode(int mode);
int ResGetDiagDebug();  // 1: the version view does not start the diagnostic program
void ResSetDiagDebug(int flag);
int ResGetDbFormat();  // 0: narrow texts are UTF-8, 1: the language's code page
void ResSetDbFormat(int format);

std::wstring ResGetMakerDir();
void ResSetMakerDir(const std::wstring& folder);
std::wstring ResGetMakerName();
void ResSetMakerName(const std::wstring& name);
std::wstring ResGetSoftwareDir();
void ResSetSoftwareDir(const std::wstring& folder);

std::wstring ResGetRecordFlag();  // "1" or "0"
void ResSetRecordFlag(const char* flag);  // a narrow "1" or "0"; anything else is stored as "0"
int ResGetLaunchFlag();
void ResSetLaunchFlag(int flag);
int ResGetGuideIndex();
void ResSetGuideIndex(int index);

float GetGlobalFloat1();  // database version sent with the start of a diagnosis
void SetGlobalFloat1(float version);
float GetGlobalFloat2();  // the program's own version
void SetGlobalFloat2(float version);
std::wstring GetGlobalText();  // the product word shown to the user, "Nuthawk"
float GetDataResourceVersion();  // the version the data-resource files are checked against
void SetDataResourceVersion(float version);
int GetGlobalFlag();  // the live-data flag: cleared by every live-data request
void SetGlobalFlag(int flag);
std::wstring GetDiagHelpText();  // the help text the diagnostic program sent last
void SetDiagHelpText(const std::wstring& text);

std::vector<std::wstring> ResGetLanguageList();
void ResSetLanguageList(const std::vector<std::wstring>& codes);
std::vector<std::wstring> ResGetMakerList();  // the chooser list
void ResSetMakerList(const std::vector<std::wstring>& makers);
