#include "HarrowfenView.h"

#include "DiagView.h"
#include "ExchangeBuffer.h"
#include "MainFrame.h"
#include "MakerView.h"
#include "ProcessValues.h"
#include "SoftwareLists.h"

CHarrowfenView::~CHarrowfenView()
{
    // As with the maker chooser, the view of the block stays mapped until the process ends.
    m_hShareMem.Reset();
}

void CHarrowfenView::OnDestroy()
{
    CChooserView::OnDestroy();
    m_hShareMem.Reset();
}

bool CHarrowfenView::HasSoftware() const
{
    return !g_FamilyList.empty();
}

bool CHarrowfenView::HasEntries() const
{
    return !g_FamilyList.empty();
}

void CHarrowfenView::BuildPages()
{
    AddPage(ListCaption());
    FillMiddleLeftBar();
    const std::wstring programFolder = ResGetAppDir();
    for (size_t i = 0; i < g_FamilyList.size(); ++i) {
        const VEHICLE_LIST_ITEM& family = *g_FamilyList[i];
        if (!AddMaker(0, static_cast<int>(i), DisplayNameOf(family), MakerLogoPath(programFolder, family.strPath),
                      family.strPath))
            OutputDebugStringW((L"Family chooser: the page is full; " + family.strPath + L" is not shown.\n").c_str());
    }
}

void CHarrowfenView::PrepareExchangeBlock()
{
    CMainFrame* frame = CMainFrame::Instance();
    CMakerView* maker = frame ? &frame->MakerView() : nullptr;
    if (maker && maker->SharedView()) {
        m_pShareMem = maker->SharedView();
    } else if (!m_pShareMem) {
        m_hShareMem.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             static_cast<DWORD>(exchange::kBlockSize), "DisplayDiagnoseData"));
        if (m_hShareMem)
            m_pShareMem = static_cast<uint8_t*>(MapViewOfFile(m_hShareMem.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    }
    if (maker && m_pShareMem)
        maker->SetSharedView(m_pShareMem);
    ResetSharedMemory();
}

void CHarrowfenView::ResetSharedMemory()
{
    if (!m_pShareMem)
        return;
    ResetExchangeBlock(ExchangeBlock(m_pShareMem, exchange::kBlockSize), MainWindowCaptionAnsi("KORVE"));
}
