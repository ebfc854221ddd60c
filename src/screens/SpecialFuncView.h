#pragma once
// The special-function screen (view 10046, command 110): a function of the diagnostic program that
// the user follows by its values while pressing its function keys. A text area, a status line, a
// scale bar, a table of live values named from the data-stream database, and up to 32 keys. Every
// request is answered at once with the key pressed since the one before (255: none), so the program
// keeps the screen alive by polling.
#include <string>
#include <vector>

#include "DiagView.h"
#include "ScaleProgressCtrl.h"
#include "SpecialFuncFrames.h"

class CSpecialFuncView : public CDiagView {
public:
    static constexpr int kViewId = 10046;
    static constexpr int kFirstKeyId = 3017;
    static constexpr int kLastKeyId = kFirstKeyId + static_cast<int>(special_func::kMaxButtons) - 1;
    CSpecialFuncView() : CDiagView(kViewId) { m_nKey = special_func::kNoKey; }

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    bool HandlesCommand(int commandId) const override;

    uint8_t PendingKey() const { return static_cast<uint8_t>(m_nKey); }
    std::wstring StatusLine() const;
    CScaleProgressCtrl& Progress() { return m_progress; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    struct ROW_NAMES {
        RDS_ID key = {};
        std::wstring name;  // empty: the database does not know the key
        std::wstring unit;
    };

    void PlaceControls();
    void ShowTitle(const std::string& title);
    void NameRows(const SPECIAL_FUNC_REQUEST& request);
    void NameButtons(const SPECIAL_FUNC_REQUEST& request);
    void ShowButtons(const SPECIAL_FUNC_REQUEST& request);
    void FillTable(const SPECIAL_FUNC_REQUEST& request);
    void ShowStatusAndBar(const SPECIAL_FUNC_REQUEST& request);
    bool SameKeys(const std::vector<ROW_NAMES>& kept, const std::vector<RDS_ID>& keys) const;

    CScaleProgressCtrl m_progress;
    bool m_engineAttached = false;
    std::vector<ROW_NAMES> m_rowNames;
    std::vector<ROW_NAMES> m_buttonNames;
    // Keys whose database could not be opened: asked again only for other keys, so a broken
    // database does not show its box at every poll.
    std::vector<RDS_ID> m_unnamedKeys;
};
