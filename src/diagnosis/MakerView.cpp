#include "MakerView.h"

#include <string>
#include <vector>

#include "Application.h"
#include "ChooserPages.h"
#include "DiagView.h"
#include "ExchangeBuffer.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "SoftwareLists.h"

std::string MainWindowCaptionAnsi(const char* fallback)
{
    const CApplication* application = CApplication::Current();
    const CWindow* main = application ? application->MainWindow() : nullptr;
    const std::wstring caption = main ? main->GetText() : std::wstring();
    if (caption.empty())
        return fallback;
    const int length = WideCharToMultiByte(CP_ACP, 0, caption.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return fallback;
    std::vector<char> narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, caption.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow.data();
}

CMakerView::~CMakerView()
{
    // The view stays mapped until the process ends: screens may still point into it.
    m_hSharedMemory.Reset();
}

void CMakerView::OnDestroy()
{
    CChooserView::OnDestroy();
    m_hSharedMemory.Reset();
}

bool CMakerView::HasSoftware() const
{
    return !g_GroupList.empty();
}

bool CMakerView::HasEntries() const
{
    return !g_VehicleList.empty();
}

void CMakerView::BuildPages()
{
    ResSetMakerList({});
    const std::wstring language = ResGetLanguageCode();
    std::vector<CHOOSER_REGION> regions;
    for (const auto& group : g_GroupList) {
        group->nPage = -1;
        group->nUsed = 0;
        regions.push_back(CHOOSER_REGION{group->strRegion, DisplayNameIn(group->arrNames, language)});
    }
    std::vector<std::wstring> makerRegions;
    for (const auto& maker : g_VehicleList)
        makerRegions.push_back(maker->strRegion);

    const CHOOSER_PAGES pages = AssignChooserPages(regions, makerRegions);
    ResSetMakerList(pages.pageNames);
    for (size_t i = 0; i < g_GroupList.size(); ++i) {
        g_GroupList[i]->nPage = pages.regionPage[i];
        g_GroupList[i]->nUsed = pages.regionPage[i] >= 0 ? 1 : 0;
    }
    for (const std::wstring& name : pages.pageNames)
        AddPage(name);
    FillMiddleLeftBar();

    const std::wstring programFolder = ResGetAppDir();
    std::vector<std::wstring> leftOut;
    for (size_t i = 0; i < g_VehicleList.size(); ++i) {
        VEHICLE_LIST_ITEM& maker = *g_VehicleList[i];
        const CHOOSER_PLACE& place = pages.makers[i];
        maker.nPage = place.page;
        maker.nSlot = place.slot;
        if (place.page < 0) {
            leftOut.push_back(DisplayNameOf(maker));
            continue;
        }
        AddMaker(place.page, place.slot, DisplayNameOf(maker), MakerLogoPath(programFolder, maker.strPath),
                 maker.strPath);
    }
    if (!leftOut.empty())
        SayMakersLeftOut(leftOut);
}

// The middle-left bar has seven region buttons and a page 100 icons: installed software beyond that
// cannot be chosen, and the technician must know why it is missing rather than think it lost.
void CMakerView::SayMakersLeftOut(const std::vector<std::wstring>& names)
{
    constexpr size_t kNamesShown = 10;
    std::wstring text = L"Installed software that the chooser cannot show (it has room for seven regions of "
                        L"100 makers each):";
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i)
        text += (i == 0 ? L"\r\n" : L", ") + names[i];
    if (names.size() > kNamesShown)
        text += L" and " + std::to_wstring(names.size() - kNamesShown) + L" more";
    PopMsgDlg box(nullptr);
    box.SetMessage(text);
    box.DoModal();
}

void CMakerView::PrepareExchangeBlock()
{
    CreateSharedMemory();
    ResetSharedMemory();
}

int CMakerView::ClickedPage() const
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->MiddleLeftBar().GetCurrentItem() : 0;
}

bool CMakerView::CreateSharedMemory()
{
    if (m_pSharedView)
        return true;
    m_hSharedMemory.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             static_cast<DWORD>(exchange::kBlockSize), "DisplayDiagnoseData"));
    if (!m_hSharedMemory)
        return false;
    m_pSharedView = static_cast<uint8_t*>(MapViewOfFile(m_hSharedMemory.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (m_pSharedView)
        ResetSharedMemory();
    return m_pSharedView != nullptr;
}

void CMakerView::ResetSharedMemory()
{
    if (!m_pSharedView)
        return;
    ResetExchangeBlock(ExchangeBlock(m_pSharedView, exchange::kBlockSize), MainWindowCaptionAnsi("Nuthawk"));
}
