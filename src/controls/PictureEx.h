#pragma once
// A static control that shows a picture file. A GIF of several frames is decoded frame by frame
// (GDI+, the time frame dimension) and played by a worker thread of the control's own; any other
// picture, and a GIF of one frame, is drawn once. Both threads reach the off-screen image only under
// its lock; the worker never touches a window except by posting, so stopping it never waits on the
// user-interface thread.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "GdiplusSession.h"
#include "ScopedWin.h"
#include "Window.h"

class CPictureEx : public CWindow {
public:
    // Sent (posted) to the parent each time the animation moves to its last frame.
    static constexpr UINT kLastFrameMessage = 3037;

    CPictureEx();
    ~CPictureEx() override;

    bool Create(const RECT& rect, HWND parent, int id);
    bool Load(const std::wstring& path);
    bool LoadFromBytes(const std::vector<uint8_t>& bytes);
    SIZE GetSize() const { return m_size; }
    // Draws a single picture (true), or starts the animation of several frames (false).
    bool Draw();
    void Stop();
    void Unload();

    bool IsPlaying() const { return m_playing; }
    size_t FrameCount() const { return m_frames.size(); }
    // The colour of one pixel of what the control shows.
    COLORREF PixelAt(int x, int y);

    // How long a frame stays, from its delay in 1/100 s (absent: -1).
    static DWORD FrameWaitMs(int delay);

protected:
    // Runs on the user-interface thread after the animation showed frame `index`.
    virtual void OnFrameShown(int /*index*/) {}

    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct FRAME {
        CScopedBitmap bitmap;
        int delay = -1;
    };

    bool DecodeImage(void* image);
    bool PrepareOffscreenImage();
    void FillBackground();
    void ShowFrame(size_t index);
    void RunFrameLoop();
    static unsigned __stdcall AnimationThread(void* control);

    CGdiplusSession m_gdiplus;
    SIZE m_size = {0, 0};
    COLORREF m_background = RGB(255, 255, 255);
    size_t m_frameIndex = 0;
    std::atomic<bool> m_playing{false};
    std::atomic<bool> m_exit{false};
    bool m_initialised = false;

    std::mutex m_imageLock;  // the off-screen image, drawn by the worker and copied by WM_PAINT
    std::unique_ptr<CMemoryDc> m_image;
    CScopedBitmap m_imageBitmap;
    HGDIOBJ m_replacedBitmap = nullptr;

    CScopedHandle m_thread;
    CScopedHandle m_stopEvent;
    std::vector<FRAME> m_frames;  // one frame: a single picture, drawn by Draw
};
