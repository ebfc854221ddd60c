#pragma once
// The repair-information viewer (form 101). It keeps the diagnostic program's menu path, which the
// menu screens drive and reports and recordings name, and shows the repair pages stored for a place
// in that menu: scrambled ".mht.enc" archives below the maker's "repair_info\" folder, one folder
// level per menu level, restored into the working folder only for as long as the browser loads them.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormViewEx.h"
#include "RepairHistory.h"
#include "RepairNodePath.h"
#include "RepairPageBrowser.h"

class CRepairInfoView : public CFormViewEx, private IRepairPageEvents {
public:
    static constexpr int kViewId = 101;
    static constexpr int kHistoryBack = 3026;
    static constexpr int kHistoryForward = 3027;
    CRepairInfoView() : CFormViewEx(kViewId) {}
    ~CRepairInfoView() override;

    void OnMenuShown(const std::vector<std::wstring>& items) { m_path.OnMenuShown(items); }
    void OnMenuItemChosen(const std::vector<std::wstring>& items, int row) { m_path.OnMenuItemChosen(items, row); }
    void PopLevel() { m_path.PopLevel(); }
    std::wstring GetNodePath() const { return m_path.GetNodePath(); }
    // The chosen item of every level, top level first ("" for a level with no valid choice).
    std::vector<std::wstring> ChosenTexts() const;
    void RestorePath() { m_path.RestorePath(); }
    void ClearNodes() { m_path.ClearNodes(); }

    // The view that Back returns to; the opener sets it before switching here.
    void SetReturnView(int viewId) { m_returnViewId = viewId; }
    int ReturnView() const { return m_returnViewId; }

    // The main page of a menu item at the current menu path; false when there is none to show.
    bool OpenMainPage(const std::wstring& item);
    // Another page of the current page folder, by name without extension.
    bool OpenPage(const std::wstring& name);
    // Reads the stored page whole (an empty or unreadable one fails) and writes it restored.
    static bool UnscramblePage(const std::wstring& source, const std::wstring& target);

    const CRepairHistory& History() const { return m_history; }
    IRepairPageBrowser* Browser() const { return m_browser.get(); }

    void OnShowView() override;
    void OnBack() override;
    bool HandlesCommand(int commandId) const override;

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSize(UINT type, int width, int height) override;

private:
    // Empties the soft-button row and the history: each visit starts with no pages behind it.
    void ResetNavigation();
    void EnableHistoryKeys();
    void EnsureBrowser();
    // Restores `source` to `page` unless the page is there already, then shows it.
    bool ShowPage(const std::wstring& source, const std::wstring& page);
    std::optional<std::wstring> PageFolder() const;
    std::optional<std::wstring> PageWorkFolder() const;
    void DeleteRestoredPages();

    bool OnBeforeNavigate(const std::wstring& target) override;
    void OnNavigateComplete(const std::wstring& path) override;

    CRepairNodePath m_path;
    CRepairHistory m_history;
    std::unique_ptr<IRepairPageBrowser> m_browser;
    int m_returnViewId = 0;
};
