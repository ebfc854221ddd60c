#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The place in the diagnosis menu where the user stands: one level per menu shown on the way down,
// each with the item texts of that menu and the row chosen there. Joined with "->" it names the
// place in recordings, printed reports and the menu screen's answer. The menu screen reports every
// menu it shows, every choice and every step back; the message screen can undo the last change.
class CRepairNodePath {
public:
    struct tagVsfeNode {
        std::vector<std::wstring> items;  // the menu's column-0 texts in row order
        int32_t row = -1;                 // the chosen row; -1 for none
    };

    // A menu is shown: when an equal level is on the path (the diagnostic program went back to an
    // earlier menu), that level and every later one go.
    void OnMenuShown(const std::vector<std::wstring>& items);
    // An item is chosen: as OnMenuShown, then the menu with its chosen row becomes the last level.
    void OnMenuItemChosen(const std::vector<std::wstring>& items, int32_t row);
    // One menu level back.
    void PopLevel();
    // Undoes the last OnMenuShown, OnMenuItemChosen or PopLevel.
    void RestorePath();
    // A diagnosis ended: nothing is left to restore either.
    void ClearNodes();

    // The chosen text of every level, joined with "->"; a row outside its menu gives "".
    std::wstring GetNodePath() const;

    const std::vector<tagVsfeNode>& GetNodes() const { return m_nodes; }

private:
    // Levels compare by their texts only, exactly; the chosen rows do not count.
    void CutAtEqualLevel(const std::vector<std::wstring>& items);

    std::vector<tagVsfeNode> m_nodes;
    std::vector<tagVsfeNode> m_saved;
};
