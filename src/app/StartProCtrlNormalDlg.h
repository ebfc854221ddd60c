#pragma once
// One progress mark of the start splash: a borderless top-level window that paints one bitmap.
#include "Dialog.h"
#include "ScopedWin.h"

class CStartProCtrlNormalDlg : public CDialog {
public:
    CStartProCtrlNormalDlg();

    // The bitmap the mark paints (the lit or the dim mark), replacing the one it had.
    void SetBitmap(int bitmapId);
    int BitmapId() const { return m_bitmapId; }
    // The window the mark stays above (the splash); set before it is created.
    void SetOwner(HWND owner) { SetParentWindow(owner); }

protected:
    bool OnInitDialog() override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnPaint() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void Draw(HDC dc) const;

    CScopedBitmap m_sizePicture;
    CScopedBitmap m_picture;
    int m_bitmapId = 0;
};
