#pragma once
// A settings page that offers one choice between two latching buttons, the first at the page's
// origin and the second below it; exactly one is latched. The run mode, unit, window-size and log
// pages are this page with their own buttons, first choice and way of applying it.
#include <memory>
#include <string>

#include "BmpBtn.h"
#include "SetupPage.h"

struct CHOICE_BUTTON {
    int id;
    uint32_t textId;
    const wchar_t* english;  // null: the text alone, empty when the language lacks it
};

class CTwoChoicePage : public CSetupPage {
public:
    CTwoChoicePage(SETUP_PAGE page, HWND view, int templateId, CHOICE_BUTTON first, CHOICE_BUTTON second);
    ~CTwoChoicePage() override;

    // Whether the second choice is the latched one.
    bool SecondChosen() const;
    // Latches the button of this id and releases the other.
    void Choose(int id);
    CBmpBtn* Button(int id) const;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;

    // Which button is latched when the page starts, and in which order the two are made.
    virtual bool StartsWithSecond() const = 0;
    virtual bool MakesSecondFirst() const { return false; }

private:
    std::unique_ptr<CBmpBtn> MakeButton(const CHOICE_BUTTON& choice, int y) const;

    CHOICE_BUTTON m_firstChoice;
    CHOICE_BUTTON m_secondChoice;
    std::unique_ptr<CBmpBtn> m_first;
    std::unique_ptr<CBmpBtn> m_second;
};
