#pragma once
#include <string>
#include <vector>

// Lists the sub-folders that match a path pattern ("C:\prog\Scan\*.*", or "...\EN" to ask whether
// one folder exists). One object runs one search at a time; a new search replaces the names.
class CFileFindPro {
public:
    // The names (without their path) of the folders matching the pattern, "." and ".." left out,
    // in the order the file system gives them. Returns their count; 0 when nothing matches or
    // the folder does not exist.
    int FindSubfolders(const std::wstring& pattern);

    // Name `index` of the last search; "" for any index outside 0..count-1.
    std::wstring GetAt(int index) const;
    int GetCount() const { return static_cast<int>(m_names.size()); }

private:
    std::vector<std::wstring> m_names;
};
