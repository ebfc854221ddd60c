#include "MainPageView.h"

#include "BarDrawing.h"
#include "DisplayApp.h"
#include "HomeTiles.h"
#include "MainFrame.h"
#include "OutsideTools.h"
#include "ProcessValues.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr int kBannerX = 31;
constexpr int kBannerY = 38;

// The screen recorded at start; a page made before start-up recorded it uses the screen as it is.
PAGE_ORIGIN PageOrigin()
{
    int width = GetStartScreenWidth();
    int height = GetStartScreenHeight();
    if (width <= 0 || height <= 0) {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    return HomePageOrigin(ResGetScreenMode(), width, height);
}

}  // namespace

CMainPageView::CMainPageView() : CFormViewEx(kViewId) {}

CMainPageView::~CMainPageView() = default;

bool CMainPageView::OnInitDialog()
{
    m_banner.Reset(LoadProgramBitmap(IDB_HOME_BANNER));
    return CFormViewEx::OnInitDialog();
}

void CMainPageView::OnShowView()
{
    CFormViewEx::OnShowView();
    for (const HOME_TILE& tile : HomeTiles())
        CreateTile(tile.id);
}

CBmpBtn* CMainPageView::GetTile(int id) const
{
    for (const auto& tile : m_tiles) {
        if (tile->ControlId() == id)
            return tile.get();
    }
    return nullptr;
}

void CMainPageView::CreateTile(int id)
{
    std::erase_if(m_tiles, [id](const auto& tile) { return tile->ControlId() == id; });
    const HOME_TILE* tile = FindHomeTile(id);
    if (!tile)
        return;
    const SIZE size = ProgramBitmapSize(tile->bitmap);
    const PAGE_ORIGIN origin = PageOrigin();
    const int x = origin.x + tile->x;
    const int y = origin.y + tile->y;
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(ResGetStringOr(tile->captionId, tile->english), WS_VISIBLE, RECT{x, y, x + size.cx, y + size.cy},
                        Handle(), id))
        return;
    button->SetBitmaps(tile->bitmap, tile->bitmap, tile->disabledBitmap, 0);
    button->SetCustomTextColour(true, RGB(255, 255, 255));
    if (tile->centredCaption)
        button->SetCenterText(true);
    else
        button->SetTextPlacement(true, false, false);
    button->Enable(RuleAllows(tile->rule, ToolExists(tile->tool), ResGetLanguageCode()));
    button->Show(SW_SHOW);
    m_tiles.push_back(std::move(button));
}

void CMainPageView::OnLaunchDictionary()
{
    StartOutsideTool(OUTSIDE_TOOL::Dictionary);
}

void CMainPageView::OnLaunchDtcQuery()
{
    StartOutsideTool(OUTSIDE_TOOL::DtcQuery);
}

void CMainPageView::OnTileClicked(const HOME_TILE& tile)
{
    if (tile.tool == OUTSIDE_TOOL::Dictionary) {
        OnLaunchDictionary();
    } else if (tile.tool == OUTSIDE_TOOL::DtcQuery) {
        OnLaunchDtcQuery();
    } else if (tile.targetView) {
        if (CMainFrame* frame = CMainFrame::Instance())
            frame->SwitchView(tile.targetView, 1);
    }
}

// A tile's id is the page's own command: some of them (1005) are also view commands of another
// meaning, which a tile must never reach. Exit is the view's shared exit question.
bool CMainPageView::OnCommand(int id, int code, HWND control)
{
    const HOME_TILE* tile = FindHomeTile(id);
    if (!tile || id == 3011 || (code != BN_CLICKED && code != 1))
        return CFormViewEx::OnCommand(id, code, control);
    OnTileClicked(*tile);
    return true;
}

bool CMainPageView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const PAGE_ORIGIN origin = PageOrigin();
    DrawImage(paint.Get(), m_banner.Get(), origin.x + kBannerX, origin.y + kBannerY);
    return true;
}
