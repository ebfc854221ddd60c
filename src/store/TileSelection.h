#pragma once
// The tiles a user picked in the installed-software view, by tile id, in the order picked. The ids
// are the tiles' positions when they were numbered; removals move later tiles up, so a tile is
// found by its id, not by its position.
#include <cstddef>
#include <vector>

class CTileSelection {
public:
    void Add(int id) { m_ids.push_back(id); }
    // Removes the first entry equal to `id`; nothing when there is none.
    void Remove(int id);
    void Clear() { m_ids.clear(); }
    bool Empty() const { return m_ids.empty(); }
    bool Contains(int id) const;
    const std::vector<int>& Ids() const { return m_ids; }

private:
    std::vector<int> m_ids;
};

// The position of the tile whose id is `id` among tiles with the ids `tileIds` (position order):
// the position equal to the id when that tile has it, else the first with it; -1 when none has.
int FindTilePosition(const std::vector<int>& tileIds, int id);
