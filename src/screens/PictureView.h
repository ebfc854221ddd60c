#pragma once
// The picture screen (view 168, command 90): a picture from the vehicle-software folder (a
// connector, a component, where it sits) with up to ten blinking marker points, a title and the
// message box's soft keys by box type. The user answers with a key, or by clicking a marker
// (answered with its index OR 0x80).
#include <array>
#include <string>
#include <vector>

#include "BitmapFile.h"
#include "DiagView.h"
#include "MessageKeys.h"
#include "PictureFrames.h"

class CPictureView : public CDiagView {
public:
    static constexpr int kViewId = 168;
    static constexpr int kFirstKeyId = 3012;
    static constexpr UINT_PTR kBlinkTimer = 1;
    CPictureView();

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnBack() override;
    void OnFuncButton1() override { PressKey(0); }
    void OnFuncButton2() override { PressKey(1); }
    void OnFuncButton3() override { PressKey(2); }
    void OnFuncButton4() override { PressKey(3); }
    void OnFuncButton5() override { PressKey(4); }
    bool HandlesCommand(int commandId) const override;

    const CMessageKeys& Keys() const { return m_keys; }
    const std::vector<PICTURE_POINT>& Markers() const { return m_markers; }
    bool MarkersShown() const { return m_blinkOn; }
    uint8_t SelectedMarker() const { return m_selectedMarker; }
    HBITMAP Picture() const { return m_hPicture; }
    HWND PictureArea() const;

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnLButtonUp(UINT keys, POINT point) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void BuildScreen();
    void ApplyKeys();
    void LoadPicture(const std::string& fileName);
    void ShowTitle(const std::string& title);
    void PlaceArea(bool wide);
    void DrawArea();
    void PressKey(size_t index);
    void Answer(uint8_t code);

    uint8_t m_answerCode = 0;
    CMessageKeys m_keys{false};
    std::vector<PICTURE_POINT> m_markers;
    uint8_t m_selectedMarker = 0;
    bool m_blinkOn = true;
    bool m_builtOnce = false;
    HBITMAP m_hPicture = nullptr;  // owned by m_pictureFile
    std::wstring m_strPicturePath;
    CBitmapFile m_pictureFile;
    CScopedBitmap m_areaImage;  // the area as last drawn, for its repaints
};
