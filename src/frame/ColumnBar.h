#pragma once
// A thin framing edge left or right of the screens (template 414; image 417 left, 418 right),
// stretched over the whole bar.
#include "DialogBar.h"
#include "ScopedWin.h"

class CColumnBar : public CDialogBar {
public:
    static constexpr int kTemplateId = 414;
    CColumnBar() : CDialogBar(kTemplateId) {}

    // The bar's image; the frame sets it before it creates the bar.
    void SetBitmap(int id);

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}
    void OnCancel() override {}

private:
    CScopedBitmap m_image;
};
