#include "SoftRowModel.h"

#include <algorithm>

CSoftRowModel::CSoftRowModel(int rowWidth, int buttonWidth, int buttonHeight)
    : m_rowWidth(rowWidth), m_buttonWidth(buttonWidth), m_buttonHeight(buttonHeight)
{
    m_next.id = kNextGroupId;
    m_previous.id = kPreviousGroupId;
}

void CSoftRowModel::Place(SOFT_BUTTON_PLACE& button, int x) const
{
    button.x = x;
    button.y = kButtonTop;
    button.width = m_buttonWidth;
    button.height = m_buttonHeight;
}

void CSoftRowModel::Park(SOFT_BUTTON_PLACE& button)
{
    button.x = button.y = button.width = button.height = 0;
}

int CSoftRowModel::RowMargin(int gap) const
{
    const int p = m_buttonsPerRow;
    return (m_rowWidth - gap * (p - 1) - p * m_buttonWidth) / 2;
}

int CSoftRowModel::GroupCount() const
{
    const int k = GroupSize();
    const int n = static_cast<int>(m_buttons.size());
    return k > 0 ? (n + k - 1) / k : 0;
}

bool CSoftRowModel::GroupStartsWithHome(int group) const
{
    const size_t first = static_cast<size_t>(GroupSize() * (group - 1));
    return first < m_buttons.size() && m_buttons[first].id == kHomeId;
}

void CSoftRowModel::AddButton(int id, bool show)
{
    m_buttons.push_back(SOFT_BUTTON_PLACE{id});
    const int n = static_cast<int>(m_buttons.size());
    const int w = m_buttonWidth;
    const int q = w / 4;
    const int gap = std::max((m_rowWidth - n * w) / (n + 1), q);
    m_buttonsPerRow = (m_rowWidth - q) / (w + q);

    if (n <= m_buttonsPerRow) {
        const int first = (m_rowWidth - gap * (n - 1) - n * w) / 2;
        for (int j = 0; j < n; ++j)
            Place(m_buttons[static_cast<size_t>(j)], first + j * (w + gap));
    } else {
        if (show && !m_pagingCreated && GroupSize() > 0) {
            const int m = RowMargin(gap);
            m_pagingCreated = true;
            m_next.visible = true;
            Place(m_next, m_rowWidth - w - m);
            m_nextEnabled = true;
            m_previous.visible = true;
            Place(m_previous, m);
            m_previousEnabled = false;
            PlaceGroup(1, gap, false);  // the first overflow lays out group 1
        }
        Park(m_buttons.back());  // hidden; seen only when its group is shown
        m_buttons.back().visible = false;
        return;
    }
    m_buttons.back().visible = show;
}

void CSoftRowModel::PlaceGroup(int group, int gap, bool showMembers)
{
    const int k = GroupSize();
    const int n = static_cast<int>(m_buttons.size());
    const int m = RowMargin(gap);
    const int shift = GroupStartsWithHome(group) ? 1 : 0;
    for (int j = 0; j < n; ++j) {
        SOFT_BUTTON_PLACE& button = m_buttons[static_cast<size_t>(j)];
        if (j >= k * (group - 1) && j < std::min(k * group, n)) {
            const int slot = j - k * (group - 1) + 1 - shift;
            Place(button, m + slot * (m_buttonWidth + gap));
            button.visible = button.visible || showMembers;
        } else {
            Park(button);
            button.visible = false;
        }
    }
    // Home takes the place of the previous-group button; the two must not lie on each other.
    m_previous.visible = m_pagingCreated && !shift;
}

void CSoftRowModel::UpdatePagingStates(int group)
{
    m_previousEnabled = group != 1;
    m_nextEnabled = GroupSize() * group < static_cast<int>(m_buttons.size());
}

void CSoftRowModel::ShowGroup(int group)
{
    if (GroupSize() <= 0)
        return;
    PlaceGroup(group, m_buttonWidth / 4, true);
    UpdatePagingStates(group);
}

void CSoftRowModel::OnNextGroup()
{
    // A group past the last one would show an empty row.
    if (m_currentGroup >= GroupCount())
        return;
    ShowGroup(++m_currentGroup);
}

void CSoftRowModel::OnPrevGroup()
{
    if (m_currentGroup <= 1)
        return;
    ShowGroup(--m_currentGroup);
}

void CSoftRowModel::RemoveAllButtons()
{
    m_buttons.clear();
    m_pagingCreated = false;
    m_next.visible = m_previous.visible = false;
    m_nextEnabled = m_previousEnabled = false;
    m_currentGroup = 1;
}
