#pragma once
// The start splash: a 900 x 500 picture centred on the screen with five progress marks that light
// one after the other. One second after it shows it loads the vehicle-software lists; on the
// fourth one-second tick after that, or at a click once loaded, it closes. Enter, Escape and the
// close box never close it.
#include <array>
#include <memory>
#include <string>

#include "Dialog.h"
#include "ScopedWin.h"
#include "StartProCtrlNormalDlg.h"

class CStartDlg : public CDialog {
public:
    explicit CStartDlg(HWND parent);

    // The loaders of the vehicle-software lists (SoftwareLists.h). They need no window: the store
    // runs them again after an install. LoadConfiguration takes the program folder + "Scan\" and
    // rebuilds the installed languages, the regions and the makers; LoadVehicleNames takes the
    // program folder + "Scan\PRO\" and rebuilds the families.
    static void LoadConfiguration(const std::wstring& scanFolder);
    static void LoadVehicleNames(const std::wstring& proFolder);

    bool IsLoaded() const { return m_bLoaded; }
    int CloseCounter() const { return m_nCloseCounter; }
    // Which of the five positions shows the lit mark now; -1 before the first step.
    int LitPosition() const;
    const CStartProCtrlNormalDlg* Mark(int index) const;

    // The splash's own periods (the tick of the countdown, the step of the marks, the wait before
    // loading); tests shorten them. Zero keeps a period as it is.
    static void SetPeriods(UINT tickMs, UINT stepMs, UINT loadAfterMs);

    // Paints the picture and the four text lines; the lines lie below the picture and are clipped.
    void DrawSplash(HDC dc) const;

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnPaint() override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    void OnDestroy() override;
    void OnOK() override {}      // Enter and Escape never close the splash
    void OnCancel() override {}

private:
    void PlaceMarks();
    void StepMarks();
    void LoadLists();
    void CountDown();

    int m_nCloseCounter = 0;
    std::wstring m_strStatus;
    bool m_bLoaded = false;
    CScopedBitmap m_picture;
    std::array<std::unique_ptr<CStartProCtrlNormalDlg>, 10> m_marks;
    int m_nLitMark = 0;
};
