#pragma once
// A thin framing edge above or below the screens (template 414; image 415 top, 416 bottom): the
// image's two ends stay as they are and its middle stretches along the bar.
#include "DialogBar.h"
#include "ScopedWin.h"

class CLineBar : public CDialogBar {
public:
    static constexpr int kTemplateId = 414;
    CLineBar() : CDialogBar(kTemplateId) {}

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
