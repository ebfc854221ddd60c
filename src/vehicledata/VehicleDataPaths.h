#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// Paths of vehicle-data files. The program builds them as Windows texts (backslashes); the
// data-resource layer keeps them narrow, in UTF-8, so that no folder name is lost to a code page.

// Where the file name starts: after the last backslash or slash (0 when there is none).
size_t FileNameStart(std::string_view path);
size_t FileNameStart(std::wstring_view path);

// The file-system path of a program path. Where the platform separator is not a backslash (the
// native build that runs the tests), every backslash becomes the platform separator. Empty when
// the text is no valid path.
std::filesystem::path ToFileSystemPath(std::string_view utf8Path);
std::filesystem::path ToFileSystemPath(const std::wstring& path);

// True when a name taken from a file or a request stays in the folder it is joined to: not empty,
// no separator, no drive or stream colon, not "." or "..".
bool IsPlainFileName(std::string_view name);

// True when a relative path taken from a file or a request stays in the folder it is joined to: not
// empty, not starting at a root, no drive or stream colon, no "." or ".." step.
bool IsPathInsideFolder(std::wstring_view path);
