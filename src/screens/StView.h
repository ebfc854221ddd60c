#pragma once
// The status-list screen (view 10056, command 120): up to four text fields and, in two of its
// layouts, a paged table of name, value and unit, with up to four soft keys the request sets. Every
// request is answered at once with the user's last action, so the diagnostic program polls it.
#include <array>
#include <string>
#include <vector>

#include "DiagView.h"
#include "StatusListFrames.h"

class CStView : public CDiagView {
public:
    static constexpr int kViewId = 10056;
    static constexpr size_t kMaxPageStack = 300;
    CStView() : CDiagView(kViewId) {}

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnPageUp() override;
    void OnPageDown() override;

    uint8_t PendingAction() const { return m_action; }
    int Layout() const { return m_nLayout; }
    size_t PageStackDepth() const { return m_pageStack.size(); }

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    struct TABLE_PAGE {
        uint16_t firstRow;
        uint8_t rows;
    };

    void ChooseLayout(uint16_t type);
    void PlaceControls(uint16_t type);
    void SetTitle(const std::string& title);
    void SetTexts(const std::array<std::string, 4>& texts);
    void SetSoftKeys(const std::vector<STATUS_KEY>& keys);
    void ShowTable(const STATUS_LIST_REQUEST& request);
    void ShowTitleOnTitleBar() const;
    void SetPaging(bool up, bool down);

    int m_nLayout = -1;
    uint8_t m_action = status_list::kNothing;
    uint16_t m_firstRow = 0;
    uint8_t m_rowsOnPage = 0;
    uint16_t m_answerFirstRow = 0;
    uint8_t m_answerRows = 0;
    std::vector<TABLE_PAGE> m_pageStack;
    std::wstring m_title;
    std::array<HWND, 4> m_textControls = {};  // the four text fields, in the request's order
    std::wstring m_defaultTitle;
    bool m_tableMade = false;
    bool m_bDrawing = false;  // a request is being drawn: focus moves are the screen's own
};
