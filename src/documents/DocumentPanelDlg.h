#pragma once
// A panel of the manual view: a tree of groups on the left and one list of documents per group on
// the right; a click on a document opens it in the reader and lets the manual view show it.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "Dialog.h"
#include "DocumentEntry.h"

struct DOCUMENT_GROUP {
    std::wstring strHeading;  // tree text and list heading
    std::wstring strRoot;     // the tree root it hangs under
    std::vector<DocumentEntry> entries;
    HWND hList = nullptr;
};

class CDocumentPanelDlg : public CDialog {
public:
    static constexpr int kTemplateId = 385;
    static constexpr int kTreeId = 1077;
    static constexpr int kFirstListId = 3012;

    CDocumentPanelDlg(HWND parent, std::vector<DOCUMENT_GROUP> groups, int firstListId)
        : CDialog(kTemplateId, parent), m_groups(std::move(groups)), m_firstListId(firstListId)
    {
    }

    void SetSize(int width, int height);
    const std::vector<DOCUMENT_GROUP>& Groups() const { return m_groups; }
    int CurrentGroup() const { return m_currentGroup; }
    // Hides every list and shows the one headed `heading`; none when no heading matches.
    void ShowGroup(const std::wstring& heading);
    // Opens the document of the row the list `listId` has marked.
    void OpenDocument(int listId);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

    virtual void ScanDocuments() = 0;
    // The list's small images, which set its row height; the list control owns them.
    virtual HIMAGELIST MakeSmallImages() const = 0;
    virtual int ColumnFormat() const = 0;
    virtual int ColumnWidth() const = 0;
    std::vector<DOCUMENT_GROUP>& MutableGroups() { return m_groups; }

private:
    void CreateLists();
    void BuildTree();
    void FillLists();
    void HideLists();
    void OnTreeSelChanged(const NMTREEVIEWW& change);
    LRESULT OnTreeCustomDraw(const NMTVCUSTOMDRAW& draw) const;
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    HTREEITEM RootItem(const std::wstring& text, std::vector<std::pair<std::wstring, HTREEITEM>>& roots);

    std::vector<DOCUMENT_GROUP> m_groups;
    int m_firstListId;
    HWND m_tree = nullptr;
protected:
    int m_width = 0;
    int m_height = 0;

private:
    int m_currentGroup = 0;
};
