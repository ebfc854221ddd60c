#pragma once
// The home page (view 286): twelve large tiles over the whole client area, laid out for 1024 x 700
// (HomeTiles.h). Every show makes the tiles anew, so a tool installed meanwhile enables its tile.
#include <memory>
#include <vector>

#include "BmpBtn.h"
#include "FormViewEx.h"
#include "ScopedWin.h"

struct HOME_TILE;

class CMainPageView : public CFormViewEx {
public:
    static constexpr int kViewId = 286;
    CMainPageView();
    ~CMainPageView() override;

    void OnShowView() override;

    // Makes the tile of a command anew (or for the first time) and shows it.
    void CreateTile(int id);
    CBmpBtn* GetTile(int id) const;

    void OnLaunchDictionary();
    void OnLaunchDtcQuery();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }  // the paint covers the page

private:
    void OnTileClicked(const HOME_TILE& tile);

    std::vector<std::unique_ptr<CBmpBtn>> m_tiles;
    CScopedBitmap m_banner;
};
