#pragma once
// A folder that every running copy of the program shares (the program folder's "download\", the
// user's working folder in the temporary folder): each copy marks itself a user of it, by a named
// mutex of the folder's path, from its start to its exit, so that a copy empties the folder only
// when no other copy still works in it.
#include <string>

#include "ScopedWin.h"

class CFolderUseMark {
public:
    // `kind` tells the folders apart in the mark's name ("NuthawkDisplayRuns", ...).
    explicit CFolderUseMark(std::wstring kind) : m_kind(std::move(kind)) {}

    // Marks this copy a user of `folder`; true when no other copy uses it. A mark that cannot be
    // made, or one another user's copy holds, counts as another copy: leaving a folder costs
    // nothing but room.
    bool Mark(const std::wstring& folder);

    // Ends this copy's mark; true when the mark of another copy of the folder still stands.
    bool EndAndCheckOthers();

private:
    // A name may not hold a backslash beyond its namespace, so the folder enters as a hash of its
    // path. Global: copies of other users that share the folder count too.
    std::wstring MarkName() const;

    std::wstring m_kind;
    std::wstring m_folder;
    CScopedHandle m_mark;
};
