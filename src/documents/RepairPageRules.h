#pragma once
// The decisions of the repair-information viewer, free of windows: where the pages of a menu path
// lie, which name a link asks for, the restore of a stored page, and the text of a page for the
// plain-text reader. The menu texts come from the diagnostic program, so every text used as a
// folder or file name is checked first: a page path never leaves "repair_info\".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace RepairPageRules {

// A menu text that can stand as one folder or file name: not empty, no separators, no wildcard or
// device characters, not "." or "..", no device name such as "CON" or "COM1", no trailing dot or blank.
bool IsSafeName(const std::wstring& text);

// makerDir + "repair_info\" + language + "\" + every text but the last, each followed by "\".
// Nothing when a text is unsafe or the language code is.
std::optional<std::wstring> PageFolder(const std::wstring& makerDir, const std::wstring& language,
                                       const std::vector<std::wstring>& nodeTexts);

// The page folder with the program folder replaced by the working folder; nothing when the page
// folder does not lie below the program folder (case ignored, as the file system does).
std::optional<std::wstring> WorkingFolder(const std::wstring& pageFolder, const std::wstring& appDir,
                                          const std::wstring& workDir);

// language + "_" + item + "_MAIN"; nothing for an unsafe item.
std::optional<std::wstring> MainPageName(const std::wstring& language, const std::wstring& item);

// The stored pages add a rolling offset to each byte; restoring subtracts it again.
inline constexpr uint8_t kOffsetFirst = 0x11;
inline constexpr uint8_t kOffsetLast = 0x4F;
std::vector<uint8_t> Unscramble(const std::vector<uint8_t>& stored);
std::vector<uint8_t> Scramble(const std::vector<uint8_t>& page);

// What a navigation request leads to.
struct NavigationDecision {
    enum Kind { Proceed, OpenPage, Refuse } kind = Proceed;
    std::wstring pageName;  // for OpenPage
};
// A target that exists or whose last element holds "#!" proceeds. Otherwise the text between its last
// "\" and its last "." names a page to restore, and the request itself is cancelled. A target with no
// such name (about:blank, a web address) proceeds untouched; an unsafe name opens nothing.
NavigationDecision DecideBeforeNavigate(const std::wstring& target, bool targetExists);

// Whether the last path element holds "#!" (an anchor inside the page already shown).
bool IsInPageLink(const std::wstring& target);

// Whether a mouse message for the browser control reaches it. Right-button releases do not, so the
// engine opens no context menu of its own over a page, and mouse moves do not, so nothing on a page
// reacts to the pointer passing over it; every other message does. Message numbers as the system
// defines them.
inline constexpr unsigned kMouseMoveMessage = 0x0200;
inline constexpr unsigned kRightButtonUpMessage = 0x0205;
bool PassesToBrowser(unsigned message);

// "file:///C:/a/b.mht" gives "C:\a\b.mht"; any other target is returned as it is.
std::wstring PathFromTarget(const std::wstring& target);

// The readable text of a single-file web archive: the first HTML part, decoded (quoted-printable
// or base64), tags dropped, block ends as line breaks, the common entities resolved. A whole
// document without archive headers is read as HTML. Empty when nothing readable is found.
std::wstring PageText(const std::vector<uint8_t>& archive);

}  // namespace RepairPageRules
