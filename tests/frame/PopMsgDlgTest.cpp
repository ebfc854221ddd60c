#include <gtest/gtest.h>

#include <windows.h>

#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "StringFile.h"
#include "StringResources.h"
#include "TempFolder.h"

namespace {

// What the open question box looked like, and the key that closed it.
struct BoxProbe {
    static inline WPARAM closeWith = IDOK;
    static inline RECT window = {};
    static inline RECT yes = {};
    static inline RECT no = {};
    static inline RECT text = {};
    static inline std::wstring yesCaption;
    static inline std::wstring noCaption;

    static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (!box || !GetDlgItem(box, 9003))
            return;
        KillTimer(nullptr, timer);
        GetWindowRect(box, &window);
        GetWindowRect(GetDlgItem(box, 9003), &yes);
        GetWindowRect(GetDlgItem(box, 9004), &no);
        GetWindowRect(GetDlgItem(box, 1084), &text);
        wchar_t caption[64] = {};
        GetWindowTextW(GetDlgItem(box, 9003), caption, 64);
        yesCaption = caption;
        GetWindowTextW(GetDlgItem(box, 9004), caption, 64);
        noCaption = caption;
        SendMessageW(box, WM_COMMAND, closeWith, 0);  // Enter (IDOK) or Escape (IDCANCEL)
    }
};

INT_PTR ShowBox(const std::wstring& text, WPARAM closeWith)
{
    BoxProbe::closeWith = closeWith;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &BoxProbe::Look);
    PopMsgDlg box(nullptr);
    box.SetMessage(text);
    const INT_PTR result = box.DoModal();
    KillTimer(nullptr, timer);
    return result;
}

TEST(PopMsgDlg, SitsCentredOnTheScreenWithItsButtonsAndTextInPlace)
{
    ResFreeStrings();
    EXPECT_EQ(ShowBox(std::wstring(2000, L'x'), IDOK), IDOK);  // Enter answers Yes
    const RECT& w = BoxProbe::window;
    EXPECT_EQ(w.right - w.left, 478);
    EXPECT_EQ(w.bottom - w.top, 248);
    EXPECT_EQ(w.left, (GetSystemMetrics(SM_CXSCREEN) - 478) / 2);
    EXPECT_EQ(w.top, (GetSystemMetrics(SM_CYSCREEN) - 248) / 2);
    EXPECT_EQ(BoxProbe::yes.left - w.left, 6);
    EXPECT_EQ(BoxProbe::yes.top - w.top, 163);
    EXPECT_EQ(BoxProbe::yes.right - BoxProbe::yes.left, 232);
    EXPECT_EQ(BoxProbe::no.left - w.left, 240);
    EXPECT_EQ(BoxProbe::no.bottom - BoxProbe::no.top, 77);
    EXPECT_EQ(BoxProbe::text.right - BoxProbe::text.left, 458);  // a long text stays in its area
    EXPECT_EQ(BoxProbe::text.bottom - BoxProbe::text.top, 128);
    EXPECT_EQ(BoxProbe::yesCaption, L"Yes");
    EXPECT_EQ(BoxProbe::noCaption, L"No");
}

TEST(PopMsgDlg, EscapeAnswersNoAndCaptionsComeFromTheLanguage)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder / "SysString");
    const TAG_STRING_RESOURCE_ITEM texts[] = {{0x10000002, L"Ja"}, {0x10000003, L"Nein"}};
    ASSERT_TRUE(WriteStringFile(folder / "SysString" / "STRRES.DE", texts));
    ResSetAppDir(folder.Path().wstring() + L"\\");
    ResSetLanguageCode(L"DE");
    ASSERT_EQ(ResLoadStringFile(), 1);
    EXPECT_EQ(ShowBox(L"", IDCANCEL), IDCANCEL);
    EXPECT_EQ(BoxProbe::yesCaption, L"Ja");
    EXPECT_EQ(BoxProbe::noCaption, L"Nein");
    ResFreeStrings();
}

}  // namespace
