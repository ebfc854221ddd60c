#include "RepairHistory.h"

#include "RepairPageRules.h"

void CRepairHistory::Reset()
{
    m_pages.clear();
    m_index = -1;
    m_moving = false;
}

void CRepairHistory::OnNavigateComplete(const std::wstring& path)
{
    if (path != m_lastCompleted) {
        m_lastCompleted = path;
        if (!RepairPageRules::IsInPageLink(path) && !m_moving) {
            m_pages.erase(m_pages.begin() + (m_index + 1), m_pages.end());
            m_pages.push_back(path);
            ++m_index;
        }
    }
    m_moving = false;
}

std::wstring CRepairHistory::StepBack()
{
    if (!CanGoBack())
        return L"";
    --m_index;
    m_moving = true;
    return m_pages[static_cast<size_t>(m_index)];
}

std::wstring CRepairHistory::StepForward()
{
    if (!CanGoForward())
        return L"";
    ++m_index;
    m_moving = true;
    return m_pages[static_cast<size_t>(m_index)];
}

bool CRepairHistory::TakeRestored(const std::wstring& path)
{
    return m_restored.erase(path) > 0;
}

std::vector<std::wstring> CRepairHistory::TakeAllRestored()
{
    std::vector<std::wstring> all(m_restored.begin(), m_restored.end());
    m_restored.clear();
    return all;
}
