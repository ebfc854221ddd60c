#pragma once
#include <filesystem>
#include <string>

// Writes a plain vehicle database from its text form (DbLines.h: "KEYHEX<TAB>item..." lines) under
// the name the program stores it by. `version` is the database version the diagnostic program
// announces, `language` the two letters of the header. Returns an empty text on success, else
// what went wrong.
std::string WriteVehicleDbFromLines(const std::filesystem::path& folder, const std::wstring& name, double version,
                                    const std::string& language, const std::string& lines);
