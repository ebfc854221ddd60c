#pragma once
// One page of the settings view: a child dialog (template 385) that the view shows when its title is
// chosen on the middle-left bar. This base is the empty page, which shows its title; each page's own
// screen derives from it and overrides what it needs.
#include <string>

#include "Dialog.h"
#include "SetupPages.h"

class CSetupPage : public CDialog {
public:
    CSetupPage(SETUP_PAGE page, HWND view);

    SETUP_PAGE Page() const { return m_page; }

    // Creates the page hidden, at `rect` of the view.
    bool CreatePage(const RECT& rect);

    // Stores what the page shows (accept on the page).
    virtual void Apply() {}
    // Runs before the page is shown (the update check) and after (the device read).
    virtual void BeforeShow() {}
    virtual void AfterShow() {}
    // A page whose choices run over several button pages pages through them. The answers come from
    // the page's size and its choices whenever they are asked, so they hold before the first paint.
    virtual bool HasPreviousButtonPage() const { return false; }
    virtual bool HasNextButtonPage() const { return false; }
    virtual void PreviousButtonPage() {}
    virtual void NextButtonPage() {}

protected:
    // A page on a template of its own.
    CSetupPage(SETUP_PAGE page, HWND view, int templateId);

    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}  // Enter and Escape do not end a page
    void OnCancel() override {}

private:
    SETUP_PAGE m_page;
};

// The page's title: its text, or the English one.
std::wstring SetupPageTitle(SETUP_PAGE page);
