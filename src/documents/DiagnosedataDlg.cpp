#include "DiagnosedataDlg.h"

#include "FileFindPro.h"
#include "ProcessValues.h"
#include "SoftwareLists.h"

namespace {

struct REGION {
    const wchar_t* folder;
    const wchar_t* heading;
    const wchar_t* root;
};

constexpr REGION kRegions[] = {{L"America\\", L"AMERICA", L"DSS"}, {L"Asia\\", L"ASIA", L"DSS"},
                               {L"Australia\\", L"AUSTRALIA", L"DSS"}, {L"China\\", L"CHINA", L"DSS"},
                               {L"Europe\\", L"EUROPE", L"DSS"},       {L"OBDII\\", L"OBDII", L"DSS"},
                               {L"Pro\\", L"PRO", L"ESS"}};

std::vector<DOCUMENT_GROUP> RegionGroups()
{
    std::vector<DOCUMENT_GROUP> groups;
    for (const REGION& region : kRegions)
        groups.push_back({region.heading, region.root, {}, nullptr});
    return groups;
}

bool HasLanguageFolder(const std::wstring& productFolder, const std::wstring& language)
{
    CFileFindPro find;
    const int count = find.FindSubfolders(productFolder + L"*.*");
    for (int i = 0; i < count; ++i)
        if (find.GetAt(i) == language)
            return true;
    return false;
}

}  // namespace

CDiagnosedataDlg::CDiagnosedataDlg(HWND parent) : CDocumentPanelDlg(parent, RegionGroups(), kFirstListId) {}

void CDiagnosedataDlg::ScanDocuments()
{
    const std::wstring language = ResGetLanguageCode();
    const std::wstring base = ResGetAppDir() + L"scan\\";
    std::vector<DOCUMENT_GROUP>& groups = MutableGroups();
    for (size_t i = 0; i < groups.size(); ++i) {
        const std::wstring region = base + UpperCaseName(kRegions[i].folder);
        CFileFindPro products;
        const int count = products.FindSubfolders(region + L"*.*");
        for (int p = 0; p < count; ++p) {
            const std::wstring product = UpperCaseName(products.GetAt(p));
            if (!HasLanguageFolder(region + product + L"\\", language))
                continue;
            const std::wstring name = product + L"_" + language;
            const std::wstring path = region + product + L"\\" + language + L"\\" + name + L".pdf";
            if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
                continue;
            auto& entries = groups[i].entries;
            entries.push_back({static_cast<int32_t>(entries.size()), name, name + L".pdf", path});
        }
    }
}

HIMAGELIST CDiagnosedataDlg::MakeSmallImages() const
{
    // An empty list of 40-pixel images only makes the rows tall enough to touch.
    return ImageList_Create(40, 40, ILC_COLOR32 | ILC_MASK, 3, 2);
}
