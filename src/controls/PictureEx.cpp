#include "PictureEx.h"

#include <process.h>

#include <objidl.h>

#include <algorithm>
#include <cstring>

#include "FileBytes.h"

namespace {

constexpr UINT kFrameShownMessage = WM_APP + 0x3A1;  // posted by the worker, wParam the frame index
constexpr DWORD kStopWaitMs = 5000;
constexpr size_t kMaxFileBytes = 64u * 1024 * 1024;
constexpr UINT kMaxFrames = 2000;
constexpr uint64_t kMaxDecodedPixels = 64ull * 1024 * 1024;  // over all frames
constexpr int kMaxSide = 8192;

// The GUID of GDI+'s time frame dimension (animated GIF frames).
const GUID kFrameDimensionTime = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
constexpr PROPID kPropertyFrameDelay = 0x5100;

class CGdipImage {
public:
    explicit CGdipImage(const std::vector<uint8_t>& bytes)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        void* data = block ? GlobalLock(block) : nullptr;
        if (!data) {
            if (block)
                GlobalFree(block);
            return;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(block);
        IStream* stream = nullptr;
        if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {  // the stream owns the block from here
            GlobalFree(block);
            return;
        }
        Gdiplus::DllExports::GdipLoadImageFromStream(stream, &m_image);
        stream->Release();
    }
    ~CGdipImage()
    {
        if (m_image)
            Gdiplus::DllExports::GdipDisposeImage(m_image);
    }
    CGdipImage(const CGdipImage&) = delete;
    CGdipImage& operator=(const CGdipImage&) = delete;
    Gdiplus::GpImage* Get() const { return m_image; }

private:
    Gdiplus::GpImage* m_image = nullptr;
};

UINT FrameCountOf(Gdiplus::GpImage* image)
{
    UINT count = 0;
    if (Gdiplus::DllExports::GdipImageGetFrameCount(image, &kFrameDimensionTime, &count) != Gdiplus::Ok)
        return 1;  // not a picture with frames in time
    return count == 0 ? 1 : count;
}

// The delays of the frames in 1/100 s; a frame the property does not cover has none (-1).
std::vector<int> FrameDelaysOf(Gdiplus::GpImage* image, UINT frames)
{
    std::vector<int> delays(frames, -1);
    UINT size = 0;
    if (Gdiplus::DllExports::GdipGetPropertyItemSize(image, kPropertyFrameDelay, &size) != Gdiplus::Ok ||
        size < sizeof(Gdiplus::PropertyItem))
        return delays;
    std::vector<uint8_t> buffer(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetPropertyItem(image, kPropertyFrameDelay, size, item) != Gdiplus::Ok)
        return delays;
    const size_t available = std::min<size_t>(item->length, size - sizeof(Gdiplus::PropertyItem)) / 4;
    const auto* values = static_cast<const uint8_t*>(item->value);
    for (size_t i = 0; i < frames && i < available; ++i)
        delays[i] = static_cast<int>(values[4 * i] | values[4 * i + 1] << 8 | values[4 * i + 2] << 16 |
                                     static_cast<uint32_t>(values[4 * i + 3]) << 24);
    return delays;
}

Gdiplus::ARGB ArgbOf(COLORREF colour)
{
    return 0xFF000000u | static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16 |
           static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

}  // namespace

CPictureEx::CPictureEx() : m_stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CPictureEx::~CPictureEx()
{
    Unload();
}

bool CPictureEx::Create(const RECT& rect, HWND parent, int id)
{
    WINDOW_CREATE_ARGS args;
    // Siblings laid over the picture (a player's buttons) stay visible while its frames change.
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.rect = rect;
    args.parent = parent;
    args.controlId = id;
    return CWindow::Create(args);
}

DWORD CPictureEx::FrameWaitMs(int delay)
{
    return delay > 4 ? static_cast<DWORD>(delay) * 10 : 100;
}

bool CPictureEx::Load(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytesUpTo(std::filesystem::path(path), kMaxFileBytes, bytes)) {
        Unload();
        return false;
    }
    return LoadFromBytes(bytes);
}

bool CPictureEx::LoadFromBytes(const std::vector<uint8_t>& bytes)
{
    Unload();
    if (!m_gdiplus.Started() || bytes.empty())
        return false;
    CGdipImage image(bytes);
    if (!image.Get() || !DecodeImage(image.Get()) || !PrepareOffscreenImage()) {
        Unload();
        return false;
    }
    return true;
}

bool CPictureEx::DecodeImage(void* picture)
{
    auto* image = static_cast<Gdiplus::GpImage*>(picture);
    UINT width = 0;
    UINT height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(image, &width);
    Gdiplus::DllExports::GdipGetImageHeight(image, &height);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return false;
    m_size = {static_cast<LONG>(width), static_cast<LONG>(height)};
    const UINT count = std::min(FrameCountOf(image), kMaxFrames);
    const std::vector<int> delays = FrameDelaysOf(image, count);
    m_background = GetSysColor(COLOR_BTNFACE);
    for (UINT i = 0; i < count && uint64_t{i + 1} * width * height <= kMaxDecodedPixels; ++i) {
        if (count > 1 && Gdiplus::DllExports::GdipImageSelectActiveFrame(image, &kFrameDimensionTime, i) != Gdiplus::Ok)
            continue;  // a frame that cannot be decoded is left out
        HBITMAP bitmap = nullptr;
        if (Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(reinterpret_cast<Gdiplus::GpBitmap*>(image), &bitmap,
                                                             ArgbOf(m_background)) != Gdiplus::Ok)
            continue;
        m_frames.push_back(FRAME{CScopedBitmap(bitmap), delays[i]});
    }
    return !m_frames.empty();
}

bool CPictureEx::PrepareOffscreenImage()
{
    if (IsWindow())
        SetWindowPos(Handle(), nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CClientDc screen(IsWindow() ? Handle() : nullptr);
    auto image = std::make_unique<CMemoryDc>(screen.Get());
    CScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), m_size.cx, m_size.cy));
    if (!image->Get() || !bitmap)
        return false;
    std::lock_guard<std::mutex> lock(m_imageLock);
    m_replacedBitmap = SelectObject(image->Get(), bitmap.Get());
    m_image = std::move(image);
    m_imageBitmap = std::move(bitmap);
    RECT all = {0, 0, m_size.cx, m_size.cy};
    FillRect(m_image->Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    m_initialised = true;
    return true;
}

void CPictureEx::ShowFrame(size_t index)
{
    std::lock_guard<std::mutex> lock(m_imageLock);
    CMemoryDc source(m_image->Get());
    CSelectObject select(source.Get(), m_frames[index].bitmap.Get());
    BitBlt(m_image->Get(), 0, 0, m_size.cx, m_size.cy, source.Get(), 0, 0, SRCCOPY);
}

void CPictureEx::FillBackground()
{
    std::lock_guard<std::mutex> lock(m_imageLock);
    CScopedBrush brush(CreateSolidBrush(m_background));
    RECT all = {0, 0, m_size.cx, m_size.cy};
    FillRect(m_image->Get(), &all, brush.Get());
}

bool CPictureEx::Draw()
{
    if (!m_initialised)
        return false;
    if (m_frames.size() > 1) {
        if (m_thread)
            return false;  // already playing
        ResetEvent(m_stopEvent.Get());
        m_playing = true;
        m_thread.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &AnimationThread, this, 0, nullptr)));
        if (!m_thread)
            m_playing = false;
        return false;
    }
    ShowFrame(0);
    if (IsWindow())
        InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

unsigned __stdcall CPictureEx::AnimationThread(void* control)
{
    auto* picture = static_cast<CPictureEx*>(control);
    picture->RunFrameLoop();
    picture->m_playing = false;
    return 0;
}

void CPictureEx::RunFrameLoop()
{
    while (!m_exit) {
        const size_t shown = m_frameIndex;
        ShowFrame(shown);
        PostMsg(kFrameShownMessage, shown);
        if (WaitForSingleObject(m_stopEvent.Get(), FrameWaitMs(m_frames[shown].delay)) == WAIT_OBJECT_0 || m_exit)
            return;
        m_frameIndex = shown + 1;
        if (m_frameIndex + 1 == m_frames.size())
            PostMessageW(GetParent(Handle()), kLastFrameMessage, 0, 0);
        if (m_frameIndex >= m_frames.size()) {
            m_frameIndex = 0;
            FillBackground();
        }
    }
}

void CPictureEx::Stop()
{
    m_exit = true;
    if (m_stopEvent)
        SetEvent(m_stopEvent.Get());
    if (m_thread) {
        // The worker waits on nothing but the stop event and the image lock, so it ends well within the bound.
        WaitForSingleObject(m_thread.Get(), kStopWaitMs);
        m_thread.Reset();
    }
    m_playing = false;
    if (m_stopEvent)
        ResetEvent(m_stopEvent.Get());
    m_exit = false;
}

void CPictureEx::Unload()
{
    Stop();
    std::lock_guard<std::mutex> lock(m_imageLock);
    m_frames.clear();
    if (m_image && m_replacedBitmap)
        SelectObject(m_image->Get(), m_replacedBitmap);
    m_replacedBitmap = nullptr;
    m_image.reset();
    m_imageBitmap.Reset();
    m_initialised = false;
    m_frameIndex = 0;
    m_size = {0, 0};
    m_background = RGB(255, 255, 255);
}

COLORREF CPictureEx::PixelAt(int x, int y)
{
    std::lock_guard<std::mutex> lock(m_imageLock);
    return m_image ? GetPixel(m_image->Get(), x, y) : CLR_INVALID;
}

bool CPictureEx::OnPaint()
{
    CPaintDc paint(Handle());
    std::lock_guard<std::mutex> lock(m_imageLock);
    if (m_image)
        BitBlt(paint.Get(), 0, 0, m_size.cx, m_size.cy, m_image->Get(), 0, 0, SRCCOPY);
    return true;
}

void CPictureEx::OnDestroy()
{
    Stop();
}

bool CPictureEx::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_NCHITTEST) {
        // The picture only shows: a click on it belongs to the window that holds it (the player
        // toggles its buttons), as a static picture's would.
        result = HTTRANSPARENT;
        return true;
    }
    if (message != kFrameShownMessage)
        return false;
    InvalidateRect(Handle(), nullptr, FALSE);
    OnFrameShown(static_cast<int>(wParam));
    result = 0;
    return true;
}
