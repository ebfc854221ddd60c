#include "TileSelection.h"

#include <algorithm>

void CTileSelection::Remove(int id)
{
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    if (found != m_ids.end())
        m_ids.erase(found);
}

bool CTileSelection::Contains(int id) const
{
    return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end();
}

int FindTilePosition(const std::vector<int>& tileIds, int id)
{
    // After earlier removals an id can be past the last position: the shortcut is bounded.
    if (id >= 0 && static_cast<size_t>(id) < tileIds.size() && tileIds[static_cast<size_t>(id)] == id)
        return id;
    const auto found = std::find(tileIds.begin(), tileIds.end(), id);
    return found == tileIds.end() ? -1 : static_cast<int>(found - tileIds.begin());
}
