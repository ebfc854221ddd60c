#pragma once
// What the product data browser lists: the screen recordings, the snapshots and the regional PDF
// documents kept below the program folder, one list per kind, each in name order so every system
// shows the same order.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "DocumentEntry.h"

class CProductdataScan {
public:
    struct KIND {
        const wchar_t* folder;     // below the program folder, upper-cased before use
        const wchar_t* text;       // tree text and list heading
        const wchar_t* extension;  // files of this ending are listed; nullptr: regional documents
        bool inTree;               // whether the kind ever gets a tree node
    };
    static constexpr size_t kKindCount = 7;
    static const std::array<KIND, kKindCount>& Kinds();

    // The entries of every kind, in the order of Kinds(); a missing folder gives no entries.
    static std::array<std::vector<DocumentEntry>, kKindCount> Scan(const std::filesystem::path& programFolder,
                                                                   const std::wstring& language);

private:
    static std::vector<DocumentEntry> FilesOf(const std::filesystem::path& folder, const std::wstring& extension);
    // R\F\L\F_L.pdf for every sub-folder F of R that holds a sub-folder named exactly L.
    static std::vector<DocumentEntry> DocumentsOf(const std::filesystem::path& region, const std::wstring& language);
};
