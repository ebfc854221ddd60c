#pragma once
#include <string>

// The program's settings in "Config.xml": one process-wide document, loaded once at start, read
// through functions that always give a value (the caller's default when anything is missing or
// empty) and written attribute by attribute, each write saving the whole file. A write never
// creates an element; it fails when the element is missing.

bool LoadConfigDocument(const wchar_t* filePath);

std::wstring GetConfigValue(const wchar_t* elementPath, const wchar_t* key, const wchar_t* defaultValue);
int GetConfigInt(const wchar_t* elementPath, const wchar_t* key, int defaultValue);
bool SetConfigValue(const wchar_t* elementPath, const wchar_t* key, const wchar_t* value);
bool SetConfigInt(const wchar_t* elementPath, const wchar_t* key, int value);

// Narrow twins: the attribute's bytes exactly as they stand in the document, with no conversion.
std::string GetConfigValueA(const char* elementPath, const char* key, const char* defaultValue);
bool SetConfigValueA(const char* elementPath, const char* key, const char* value);
