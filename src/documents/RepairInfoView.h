#pragma once
// The repair-information viewer (form 101). The frame never switches to it; the menu screens keep
// the diagnostic program's menu path here, which reports and recordings name.
#include <string>
#include <vector>

#include "FormViewEx.h"
#include "RepairNodePath.h"

class CRepairInfoView : public CFormViewEx {
public:
    static constexpr int kViewId = 101;
    CRepairInfoView() : CFormViewEx(kViewId) {}

    void OnMenuShown(const std::vector<std::wstring>& items) { m_path.OnMenuShown(items); }
    void OnMenuItemChosen(const std::vector<std::wstring>& items, int row) { m_path.OnMenuItemChosen(items, row); }
    void PopLevel() { m_path.PopLevel(); }
    std::wstring GetNodePath() const { return m_path.GetNodePath(); }
    void RestorePath() { m_path.RestorePath(); }
    void ClearNodes() { m_path.ClearNodes(); }

private:
    CRepairNodePath m_path;
};
