#pragma once
// The product data browser: the stored screen recordings, snapshots and regional documents below
// the program folder, one list per kind beside a tree of the kinds that have entries. It lists only;
// a row opens nothing.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "Dialog.h"
#include "ProductdataScan.h"

class CProductdataDlg : public CDialog {
public:
    static constexpr int kTemplateId = 385;
    static constexpr int kTreeId = 1077;
    static constexpr int kFirstListId = 3012;

    explicit CProductdataDlg(HWND parent) : CDialog(kTemplateId, parent) {}

    // The client size; the owner gives it before creating the dialog.
    void SetSize(int width, int height);

    const std::array<std::vector<DocumentEntry>, CProductdataScan::kKindCount>& Entries() const { return m_entries; }
    int CurrentKind() const { return m_currentKind; }
    HWND Tree() const { return m_tree; }
    HWND List(size_t kind) const { return kind < m_lists.size() ? m_lists[kind] : nullptr; }
    // Hides every list and shows the one whose tree text is `text`; none when no kind has it.
    void ShowKind(const std::wstring& text);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void CreateLists();
    void ScanFiles();
    void BuildTree();
    void FillLists();
    void HideLists();
    void OnTreeSelChanged(const NMTREEVIEWW& change);
    void SelectItemUnder(LPARAM position);

    std::array<std::vector<DocumentEntry>, CProductdataScan::kKindCount> m_entries;
    std::array<HWND, CProductdataScan::kKindCount> m_lists = {};
    HWND m_tree = nullptr;
    int m_width = 640;
    int m_height = 480;
    int m_currentKind = 0;
};
