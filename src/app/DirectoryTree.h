#pragma once
// Folder operations on backslash-separated Windows paths.

// Creates every level of a folder path that does not exist yet; a drive piece ("C:") is skipped.
// 1 when every level exists afterwards, 0 at the first level that could not be created.
int CreateDirectoryTree(const wchar_t* path);

// Deletes a folder with everything below it. 1 on success (and for an empty path), 0 at the first
// entry that could not be deleted; what was deleted before stays deleted. A link or junction inside
// the tree is removed itself; what it points to is never touched.
int DeleteDirectoryTree(const wchar_t* path);
