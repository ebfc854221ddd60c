#pragma once
// A setup page that applies a choice between two radio buttons the moment one is clicked, on the
// striped page: the first button centred in the left half of the top band, the second in the
// right half. The run mode, window size and units are this page with their own rule.
#include <cstdint>

#include "Dialog.h"

struct SETUP_CHOICE {
    int id;
    uint32_t textId;
    const wchar_t* english;  // null: the text alone, empty when the language lacks it
};

class CSetupChoicePage : public CDialog {
public:
    CSetupChoicePage(int templateId, HWND parent, SETUP_CHOICE first, SETUP_CHOICE second);

    bool IsChecked(int id) const;
    // Puts the check mark on this button of the pair.
    void Check(int id);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnOK() override {}
    void OnCancel() override {}

    // Whether the second button is the one checked when the page opens.
    virtual bool StartsWithSecond() const = 0;
    // A click on one of the two buttons.
    virtual void OnChoice(int id) = 0;

    const SETUP_CHOICE& First() const { return m_first; }
    const SETUP_CHOICE& Second() const { return m_second; }

private:
    void PlaceButtons();

    SETUP_CHOICE m_first;
    SETUP_CHOICE m_second;
};
