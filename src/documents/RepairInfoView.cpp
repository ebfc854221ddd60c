#include "RepairInfoView.h"

#include <cstdio>

#include "Application.h"
#include "DirectoryTree.h"
#include "DisplayApp.h"
#include "FileBytes.h"
#include "MainFrame.h"
#include "MultSelectView.h"
#include "PageTextBrowser.h"
#include "ProcessValues.h"
#include "RepairPageRules.h"
#include "WebPageBrowser.h"

namespace {

constexpr int kBrowserId = 1000;
constexpr size_t kLargestStoredPage = 16 * 1024 * 1024;

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program's working folder in the system temporary folder, made at start-up.
std::wstring WorkFolder()
{
    if (auto* app = dynamic_cast<CDisplayApp*>(CApplication::Current()); app && !app->WorkingFolder().empty())
        return app->WorkingFolder();
    wchar_t temporary[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temporary);
    return length && length <= MAX_PATH ? std::wstring(temporary, length) + L"Nuthawk\\" : L"";
}

}  // namespace

CRepairInfoView::~CRepairInfoView()
{
    m_browser.reset();
    DeleteRestoredPages();
}

bool CRepairInfoView::UnscramblePage(const std::wstring& source, const std::wstring& target)
{
    std::vector<uint8_t> stored;
    if (!ReadFileBytesUpTo(std::filesystem::path(source), kLargestStoredPage, stored) || stored.empty())
        return false;
    const std::vector<uint8_t> page = RepairPageRules::Unscramble(stored);
    FILE* file = _wfopen(target.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = fwrite(page.data(), 1, page.size(), file) == page.size();
    const bool closed = fclose(file) == 0;
    if (written && closed)
        return true;
    DeleteFileW(target.c_str());  // no half-written page is left to be shown later
    return false;
}

void CRepairInfoView::OnShowView()
{
    ResetNavigation();
    EnsureBrowser();
}

void CRepairInfoView::ResetNavigation()
{
    CFormViewEx::OnShowView();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        CButtonBar& bar = frame->ButtonBar();
        bar.AddButton(3011, true);
        bar.AddButton(kHistoryBack, true);
        bar.AddButton(kHistoryForward, true);
    }
    m_history.Reset();
    EnableHistoryKeys();
}

void CRepairInfoView::EnableHistoryKeys()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    if (CBmpBtn* back = frame->ButtonBar().GetButton(kHistoryBack))
        back->Enable(m_history.CanGoBack());
    if (CBmpBtn* forward = frame->ButtonBar().GetButton(kHistoryForward))
        forward->Enable(m_history.CanGoForward());
}

void CRepairInfoView::EnsureBrowser()
{
    if (m_browser || !Handle())
        return;
    IRepairPageEvents& events = *this;
    m_browser = CWebPageBrowser::Create(Handle(), events);
    if (!m_browser)  // no browser control here: the page's text still reaches the technician
        m_browser = std::make_unique<CPageTextBrowser>(Handle(), kBrowserId, events);
    RECT client = {};
    GetClientRect(Handle(), &client);
    m_browser->Move(client);
}

bool CRepairInfoView::OnSize(UINT, int width, int height)
{
    if (m_browser)
        m_browser->Move(RECT{0, 0, width, height});
    return false;
}

void CRepairInfoView::OnBack()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame || m_returnViewId == 0)
        return;
    if (m_returnViewId == CMultSelectView::kViewId) {
        frame->SwitchView(m_returnViewId, 0);
        if (auto* select = dynamic_cast<CMultSelectView*>(frame->View(m_returnViewId)))
            select->SetupButtons();
        return;
    }
    frame->SwitchView(m_returnViewId, 1);
}

bool CRepairInfoView::HandlesCommand(int commandId) const
{
    return commandId == kHistoryBack || commandId == kHistoryForward || CFormViewEx::HandlesCommand(commandId);
}

bool CRepairInfoView::OnCommand(int id, int code, HWND control)
{
    if (id == kHistoryBack || id == kHistoryForward) {
        const std::wstring page = id == kHistoryBack ? m_history.StepBack() : m_history.StepForward();
        EnsureBrowser();
        if (!page.empty() && m_browser)
            m_browser->Navigate(page);
        EnableHistoryKeys();
        return true;
    }
    return CFormViewEx::OnCommand(id, code, control);
}

std::vector<std::wstring> CRepairInfoView::ChosenTexts() const
{
    std::vector<std::wstring> texts;
    for (const CRepairNodePath::tagVsfeNode& node : m_path.GetNodes()) {
        const bool inRange = node.row >= 0 && static_cast<size_t>(node.row) < node.items.size();
        texts.push_back(inRange ? node.items[static_cast<size_t>(node.row)] : L"");
    }
    return texts;
}

std::optional<std::wstring> CRepairInfoView::PageFolder() const
{
    return RepairPageRules::PageFolder(ResGetMakerDir(), ResGetLanguageCode(), ChosenTexts());
}

std::optional<std::wstring> CRepairInfoView::PageWorkFolder() const
{
    const std::optional<std::wstring> pages = PageFolder();
    if (!pages)
        return std::nullopt;
    const std::optional<std::wstring> work = RepairPageRules::WorkingFolder(*pages, ResGetAppDir(), WorkFolder());
    if (work)
        CreateDirectoryTree(work->c_str());
    return work;
}

bool CRepairInfoView::OpenMainPage(const std::wstring& item)
{
    const std::optional<std::wstring> name = RepairPageRules::MainPageName(ResGetLanguageCode(), item);
    const std::optional<std::wstring> pages = PageFolder();
    const std::optional<std::wstring> work = PageWorkFolder();
    if (!name || !pages || !work)
        return false;
    return ShowPage(*pages + *name + L".mht.enc", *work + *name + L".mht");
}

bool CRepairInfoView::OpenPage(const std::wstring& name)
{
    const std::optional<std::wstring> pages = PageFolder();
    const std::optional<std::wstring> work = PageWorkFolder();
    if (!RepairPageRules::IsSafeName(name) || !pages || !work)
        return false;
    return ShowPage(*pages + name + L".mht.enc", *work + name + L".mht");
}

bool CRepairInfoView::ShowPage(const std::wstring& source, const std::wstring& page)
{
    if (!FileExists(page)) {
        if (!FileExists(source) || !UnscramblePage(source, page))
            return false;
        m_history.NoteRestored(page);
    }
    EnsureBrowser();
    if (!m_browser)
        return false;
    m_browser->Navigate(page);
    return true;
}

bool CRepairInfoView::OnBeforeNavigate(const std::wstring& target)
{
    const std::wstring path = RepairPageRules::PathFromTarget(target);
    const RepairPageRules::NavigationDecision decision = RepairPageRules::DecideBeforeNavigate(path, FileExists(path));
    if (decision.kind == RepairPageRules::NavigationDecision::Proceed)
        return false;
    if (decision.kind == RepairPageRules::NavigationDecision::OpenPage)
        OpenPage(decision.pageName);
    return true;
}

void CRepairInfoView::OnNavigateComplete(const std::wstring& target)
{
    const std::wstring path = RepairPageRules::PathFromTarget(target);
    m_history.OnNavigateComplete(path);
    EnableHistoryKeys();
    // Only a copy this viewer restored is removed; a page that was there before stays.
    if (m_history.TakeRestored(path))
        DeleteFileW(path.c_str());
}

void CRepairInfoView::DeleteRestoredPages()
{
    for (const std::wstring& page : m_history.TakeAllRestored())
        DeleteFileW(page.c_str());
}
