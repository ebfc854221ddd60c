#pragma once
// Where the buttons of the soft-button row sit: the row's layout rules as plain data, so they can be
// checked without a window. The row window (CButtonBar) creates one skinned button per entry and
// copies these places onto them.
#include <vector>

struct SOFT_BUTTON_PLACE {
    int id = 0;
    bool visible = false;
    int x = 0;
    int y = 0;
    int width = 0;   // 0 while the button is parked out of the row
    int height = 0;
    bool Parked() const { return width == 0; }
};

class CSoftRowModel {
public:
    static constexpr int kNextGroupId = 9001;
    static constexpr int kPreviousGroupId = 9002;
    static constexpr int kHomeId = 3007;
    static constexpr int kButtonTop = 15;

    CSoftRowModel(int rowWidth, int buttonWidth, int buttonHeight);

    void SetRowWidth(int width) { m_rowWidth = width; }
    void AddButton(int id, bool show);
    void RemoveAllButtons();
    void ShowGroup(int group);
    void OnNextGroup();
    void OnPrevGroup();

    const std::vector<SOFT_BUTTON_PLACE>& Buttons() const { return m_buttons; }
    bool HasPagingButtons() const { return m_pagingCreated; }
    const SOFT_BUTTON_PLACE& NextGroupButton() const { return m_next; }
    const SOFT_BUTTON_PLACE& PreviousGroupButton() const { return m_previous; }
    bool NextGroupEnabled() const { return m_nextEnabled; }
    bool PreviousGroupEnabled() const { return m_previousEnabled; }
    int CurrentGroup() const { return m_currentGroup; }
    int ButtonsPerRow() const { return m_buttonsPerRow; }

private:
    int GroupSize() const { return m_buttonsPerRow - 2; }
    int GroupCount() const;
    bool GroupStartsWithHome(int group) const;
    int RowMargin(int gap) const;
    void Place(SOFT_BUTTON_PLACE& button, int x) const;
    static void Park(SOFT_BUTTON_PLACE& button);
    void PlaceGroup(int group, int gap, bool showMembers);
    void UpdatePagingStates(int group);

    int m_rowWidth;
    int m_buttonWidth;
    int m_buttonHeight;
    int m_buttonsPerRow = 0;
    int m_currentGroup = 1;
    std::vector<SOFT_BUTTON_PLACE> m_buttons;
    bool m_pagingCreated = false;
    SOFT_BUTTON_PLACE m_next;
    SOFT_BUTTON_PLACE m_previous;
    bool m_nextEnabled = false;
    bool m_previousEnabled = false;
};
