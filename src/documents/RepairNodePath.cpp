#include "RepairNodePath.h"

#include <algorithm>

void CRepairNodePath::CutAtEqualLevel(const std::vector<std::wstring>& items)
{
    const auto equal = std::find_if(m_nodes.begin(), m_nodes.end(),
                                    [&items](const tagVsfeNode& node) { return node.items == items; });
    m_nodes.erase(equal, m_nodes.end());
}

void CRepairNodePath::OnMenuShown(const std::vector<std::wstring>& items)
{
    CutAtEqualLevel(items);
    m_saved = m_nodes;
}

void CRepairNodePath::OnMenuItemChosen(const std::vector<std::wstring>& items, int32_t row)
{
    CutAtEqualLevel(items);
    m_nodes.push_back(tagVsfeNode{items, row});
    m_saved = m_nodes;
}

void CRepairNodePath::PopLevel()
{
    m_saved = m_nodes;
    if (!m_nodes.empty())
        m_nodes.pop_back();
}

void CRepairNodePath::RestorePath()
{
    m_nodes = m_saved;
}

void CRepairNodePath::ClearNodes()
{
    m_nodes.clear();
    m_saved.clear();
}

std::wstring CRepairNodePath::GetNodePath() const
{
    std::wstring path;
    for (size_t level = 0; level < m_nodes.size(); ++level) {
        const tagVsfeNode& node = m_nodes[level];
        if (level > 0)
            path += L"->";
        // The row comes from the menu screen's selection; one outside the menu names no item.
        if (node.row >= 0 && static_cast<size_t>(node.row) < node.items.size())
            path += node.items[static_cast<size_t>(node.row)];
    }
    return path;
}
