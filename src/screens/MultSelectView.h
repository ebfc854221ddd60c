#pragma once
// The selection screen (view 160, command 40): a list of items in which the user marks any number
// of rows (answered with a bit set) or picks one row, marked "Y" (answered with its number). The
// multiple selection can also load a selection saved for the vehicle software.
#include <string>
#include <vector>

#include "DiagView.h"

class CMultSelectView : public CDiagView {
public:
    static constexpr int kViewId = 160;
    CMultSelectView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnAccept() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnSelectAll() override;
    bool OnCommand(int id, int code, HWND control) override;

    // The soft keys of the screen; the repair viewer calls this when it returns here.
    void SetupButtons();
    // Loads a saved selection (the Import key).
    void ImportSelection();
    // Picks a row as a click on it does.
    void ClickRow(int row);

    bool IsSingleChoice() const { return m_singleChoice; }
    int ChosenRow() const { return m_chosenRow; }
    uint8_t AnswerKind() const { return m_answerKind; }

protected:
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnPaint() override;

private:
    void PlaceEngine();
    void UpdateAcceptKey();
    void SetAcceptKey(bool enabled);
    void MarkChosen(int row);
    void ShowTitle(const std::wstring& title);
    void ShowStatus(const std::wstring& status);
    void LayOutBetweenBars();
    std::vector<bool> MarkedRows() const;
    std::wstring SaveFolder() const;

    bool m_singleChoice = false;
    uint16_t m_count = 0;
    uint16_t m_firstRow = 0;
    int m_chosenRow = -1;
    uint16_t m_chosenFirstRow = 0;
    uint8_t m_answerKind = 0;
    bool m_allSelected = false;
    bool m_engineAttached = false;
};
