#pragma once
// The versions of the chosen maker (view 136): newest first, with the description of the selected
// one in the user's language, its help document, the "Record" choice, and the launch of the
// diagnostic program from the chosen version.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BmpBtn.h"
#include "FormViewEx.h"
#include "LaunchLink.h"
#include "LineListBox.h"
#include "ScopedWin.h"
#include "TextProgressCtrl.h"

class CVersionView : public CFormViewEx {
public:
    // The middle-left bar's tabs as the page the choice came from shows them: the maker chooser's
    // regions with the chosen one marked, or the family chooser's caption alone. A tab pressed
    // afterwards acts for `owner` (this view, or the help document shown from it).
    void FillMiddleLeftBar(CFormViewEx* owner);
    static constexpr int kViewId = 136;
    CVersionView();
    ~CVersionView() override;

    // Set by the choosers before they switch here.
    void SetMakerDir(const std::wstring& folder) { m_strMakerDir = folder; }
    void SetMakerLogo(HBITMAP logo) { m_hMakerLogo = logo; }
    void SetReturnViewId(int viewId) { m_nReturnViewId = viewId; }

    void OnShowView() override;
    // Leaving the view cancels a launch that has not started the program yet.
    void OnHideView() override;
    void OnBack() override;
    void OnAccept() override;
    void OnPrint() override {}

    // The launch.
    void StartDiagnosis();
    bool IsInterfaceNetworkConnected();
    bool PrepareLaunch();

    // For the tests: the listed versions (visible names) and the status line.
    std::vector<std::wstring> ListedVersions() const;
    std::wstring StatusText() const;
    const std::wstring& HelpDocument() const { return m_strHelpDocument; }
    void SelectVersion(int index);
    // Runs the deferred listing now instead of on its timer.
    void ListVersionsNow();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void LayOut();
    void ListVersions();
    void OnSelectionChanged();
    void OnRecord();
    void OpenHelpDocument();
    void SetStatus(const std::wstring& text);
    void OnLaunchStep1();
    void OnLaunchStep2();
    void CancelLaunch();
    void EnableList(bool enable);
    void SetRecordFlagFromBox();

    std::wstring m_strMakerDir;
    uint32_t m_nLinkProgramId = 0;
    // A launch runs over two timers and may ask questions on the way; a second Accept or double
    // click in that time must not start a second diagnostic program.
    bool m_bLaunching = false;
    // Counts the times the view was left: a question answered after the user went elsewhere
    // belongs to a launch that is over.
    unsigned m_nLeaveCount = 0;
    void EndLaunch();
    CLaunchLink m_link;
    std::wstring m_strVersionLine;
    std::wstring m_strHelpDocument;
    std::wstring m_strDescription;
    HBITMAP m_hMakerLogo = nullptr;  // the chooser's, not owned
    int m_nReturnViewId = 131;
    std::unique_ptr<CBmpBtn> m_pHelpButton;
    CLineListBox m_versionList;
    CTextProgressCtrl m_progress;  // 1009, shown while the interface's program loads
    std::vector<double> m_versionNumbers;
    CScopedBitmap m_edge;
    CScopedBrush m_whiteBrush;
};
