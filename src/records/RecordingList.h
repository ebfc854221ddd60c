#pragma once
// The screen recordings in a folder: the "*.gif" files, each named without what follows its first ".".
#include <string>
#include <vector>

std::vector<std::wstring> ListRecordingNames(const std::wstring& folder);
// The program's recordings, in "SCREENRECORD\" below the program folder.
std::wstring RecordingFolder();
