#include "UserManualDlg.h"

#include "BmpBtn.h"
#include "ProcessValues.h"
#include "ScopedFind.h"
#include "ScopedWin.h"
#include "SoftwareLists.h"

namespace {

struct TOPIC {
    const wchar_t* name;
    const wchar_t* folder;
};

constexpr TOPIC kTopics[] = {{L"Settings", L"MANUAL\\Settings\\"},
                             {L"Oline store", L"MANUAL\\Online_store\\"},
                             {L"DTC query", L"MANUAL\\DTC_query\\"}};

std::vector<DOCUMENT_GROUP> TopicGroups()
{
    std::vector<DOCUMENT_GROUP> groups;
    for (const TOPIC& topic : kTopics)
        groups.push_back({topic.name, L"USER MANUAL", {}, nullptr});
    return groups;
}

}  // namespace

CUserManualDlg::CUserManualDlg(HWND parent) : CDocumentPanelDlg(parent, TopicGroups(), kFirstListId + 1) {}

// Only the first document a topic's folder gives counts.
void CUserManualDlg::ScanDocuments()
{
    std::vector<DOCUMENT_GROUP>& groups = MutableGroups();
    for (size_t i = 0; i < groups.size(); ++i) {
        std::wstring folder = ResGetAppDir() + UpperCaseName(kTopics[i].folder);
        if (folder.back() != L'\\')
            folder += L'\\';
        WIN32_FIND_DATAW found = {};
        CScopedFind find(FindFirstFileW((folder + L"*.pdf").c_str(), &found));
        if (!find)
            continue;
        const std::wstring file = found.cFileName;
        groups[i].entries.push_back({0, file.substr(0, file.find(L'.')), file, folder + file});
    }
}

HIMAGELIST CUserManualDlg::MakeSmallImages() const
{
    HIMAGELIST images = ImageList_Create(31, 31, ILC_COLOR32 | ILC_MASK, 1, 1);
    CScopedBitmap bitmap(LoadProgramBitmap(487));
    if (bitmap)
        ImageList_AddMasked(images, bitmap.Get(), RGB(255, 120, 0));
    return images;
}
