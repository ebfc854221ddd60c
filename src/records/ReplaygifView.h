#pragma once
// The list of screen recordings (view 494), given by the recording page's list command, newest name
// first; a double click plays the chosen one in a player over the view, which steps on to the
// previous or next recording of the list or returns to it.
#include <memory>
#include <string>
#include <vector>

#include "FormViewEx.h"
#include "ReplaygifDlg.h"
#include "ScopedWin.h"

class CReplaygifView : public CFormViewEx {
public:
    static constexpr int kViewId = 494;
    CReplaygifView();
    ~CReplaygifView() override;

    void SetRecordings(std::vector<std::wstring> names) { m_recordings = std::move(names); }
    const std::vector<std::wstring>& Recordings() const { return m_recordings; }

    void OnShowView() override;
    void OnBack() override;

    HWND List() const { return m_list; }
    CReplaygifDlg* Player() const { return m_player.get(); }
    int ChosenIndex() const { return m_chosen; }
    // Plays the recording at `index` of the list (as the list shows it).
    void OpenPlayer(int index);

protected:
    bool OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;

private:
    void MakeList();
    void DrawListRow(const DRAWITEMSTRUCT& item) const;
    void MakeWaitingLabel();
    void ChooseAndWait(int index, UINT waitMs);
    void BackToList();
    void ClosePlayer();

    std::unique_ptr<CReplaygifDlg> m_player;
    CScopedBitmap m_edge;
    HWND m_list = nullptr;
    HWND m_waiting = nullptr;
    std::vector<std::wstring> m_recordings;
    int m_chosen = 0;
};
