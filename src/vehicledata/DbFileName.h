#pragma once
#include <string>

// The names under which plain vehicle databases are stored: the file name is mapped letter by
// letter through the database letter table and ".DB" becomes ".0000", so the files are not found
// by the names the program asks for. Names of data-resource files (".dat") are used as they are.

// The stored path of a database path. The file name is what follows the last backslash (or slash):
// a lower-case letter becomes upper case, an upper-case letter takes its image in the letter table,
// every other character stays; then the first ".db" and the first ".DB" of the name become ".0000".
std::wstring MakeDbFileName(const std::wstring& path);

// True when a stored path names one of the databases whose header language must be the current
// language (VehicleDataTables.h): it holds the stored form of one of their names.
bool IsLanguageBoundDbPath(const std::wstring& storedPath);
