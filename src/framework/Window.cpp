#include "Window.h"

#include <windowsx.h>

#include <unordered_map>
#include <vector>

namespace {

const wchar_t* const kWindowClass = L"DisplayShellWindow";

// The objects of the process's attached windows. Every message looks its window's object up, so
// the table is the process's own: a window property would cost a call into the window server
// (under Wine, a round trip to its server process) at every message.
class CWindowTable {
public:
    CWindow* Find(HWND window)
    {
        AcquireSRWLockShared(&m_lock);
        const auto found = m_objects.find(window);
        CWindow* object = found == m_objects.end() ? nullptr : found->second;
        ReleaseSRWLockShared(&m_lock);
        return object;
    }
    void Add(HWND window, CWindow* object)
    {
        AcquireSRWLockExclusive(&m_lock);
        m_objects[window] = object;
        ReleaseSRWLockExclusive(&m_lock);
    }
    void Remove(HWND window)
    {
        AcquireSRWLockExclusive(&m_lock);
        m_objects.erase(window);
        ReleaseSRWLockExclusive(&m_lock);
    }

private:
    SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWindow*> m_objects;
};

// Never destroyed: windows of static objects may still detach while the process ends.
CWindowTable& WindowTable()
{
    static CWindowTable* table = new CWindowTable;
    return *table;
}

bool RegisterFrameworkClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &windowClass))
        return true;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

CWindow::~CWindow()
{
    Destroy();
}

CWindow* CWindow::FromHandle(HWND window)
{
    return window ? WindowTable().Find(window) : nullptr;
}

void CWindow::Attach(HWND window)
{
    m_window = window;
    WindowTable().Add(window, this);
}

void CWindow::Detach()
{
    if (!m_window)
        return;
    WindowTable().Remove(m_window);
    if (m_previousProc) {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
        m_previousProc = nullptr;
    }
    m_window = nullptr;
}

bool CWindow::Create(const WINDOW_CREATE_ARGS& args)
{
    const wchar_t* className = args.className;
    if (!className) {
        if (!RegisterFrameworkClass(&CWindow::StaticWindowProc))
            return false;
        className = kWindowClass;
    }
    const int width = args.rect.right - args.rect.left;
    const int height = args.rect.bottom - args.rect.top;
    HMENU idOrMenu = (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)) : nullptr;
    HWND window = CreateWindowExW(args.exStyle, className, args.title.c_str(), args.style, args.rect.left,
                                  args.rect.top, width, height, args.parent, idOrMenu, GetModuleHandleW(nullptr),
                                  args.className ? nullptr : this);
    if (!window)
        return false;
    if (args.className && !Subclass(window)) {
        DestroyWindow(window);
        return false;
    }
    return true;
}

bool CWindow::Subclass(HWND window)
{
    if (!window || FromHandle(window))
        return false;
    Attach(window);
    m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindow::StaticWindowProc)));
    return true;
}

void CWindow::Destroy()
{
    if (m_window && ::IsWindow(m_window))
        DestroyWindow(m_window);  // WM_NCDESTROY detaches
    m_window = nullptr;
}

LRESULT CWindow::SendMsg(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(m_window, message, wParam, lParam);
}

bool CWindow::PostMsg(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageW(m_window, message, wParam, lParam) != FALSE;
}

void CWindow::SetText(const std::wstring& text) const
{
    if (GetText() != text)
        SetWindowTextW(m_window, text.c_str());
}

std::wstring CWindow::GetText() const
{
    const int length = GetWindowTextLengthW(m_window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(m_window, text.data(), length + 1);
    return text.data();
}

void CWindow::Move(int x, int y, int width, int height, bool repaint) const
{
    MoveWindow(m_window, x, y, width, height, repaint);
}

void CWindow::Move(const RECT& rect, bool repaint) const
{
    Move(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

RECT CWindow::ClientRect() const
{
    RECT rect = {};
    GetClientRect(m_window, &rect);
    return rect;
}

RECT CWindow::WindowRect() const
{
    RECT rect = {};
    GetWindowRect(m_window, &rect);
    return rect;
}

void CWindow::SetFont(HFONT font, bool redraw) const
{
    // A shared font that does not exist yet means the system's default font.
    SendMsg(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : GetStockObject(DEFAULT_GUI_FONT)), redraw);
}

bool CWindow::PreTranslateMessage(MSG&)
{
    return false;
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_previousProc)
        return CallWindowProcW(m_previousProc, m_window, message, wParam, lParam);
    return DefWindowProcW(m_window, message, wParam, lParam);
}

bool CWindow::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (CWindow* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
            result = 0;
            return child->OnReflectedCommand(HIWORD(wParam));
        }
        return false;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWindow* child = item && item->CtlType != ODT_MENU ? FromHandle(item->hwndItem) : nullptr;
        result = TRUE;
        return child && child->OnDrawItem(*item);
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        CWindow* child = header ? FromHandle(header->hwndFrom) : nullptr;
        return child && child != this && child->OnReflectedNotify(*header, result);
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR: {
        const HWND control = reinterpret_cast<HWND>(lParam);
        HBRUSH brush = nullptr;
        if (CWindow* child = FromHandle(control); child && child != this)
            brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam), control, message);
        if (!brush)
            brush = OnCtlColor(reinterpret_cast<HDC>(wParam), control, message);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    default:
        return false;
    }
}

bool CWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (ReflectToChild(message, wParam, lParam, result))
        return true;
    result = 0;
    switch (message) {
    case WM_CREATE:
        result = OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
        return true;
    case WM_DESTROY:
        OnDestroy();
        return false;
    case WM_PAINT:
        return OnPaint();
    case WM_ERASEBKGND:
        result = TRUE;
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SIZE:
        return OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE:
        return OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_LBUTTONUP:
        return OnLButtonUp(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETCURSOR:
        result = TRUE;
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_CLOSE:
        return OnClose();
    default:
        return OnMessage(message, wParam, lParam, result);
    }
}

LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const HWND window = m_window;
    bool handled = false;
    try {
        handled = HandleMessage(message, wParam, lParam, result);
    } catch (...) {
        // Nothing may unwind through Windows; a failed handler counts as not handled.
        handled = false;
    }
    if (!handled)
        result = m_window ? DefaultProc(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Detach();
        OnFinalMessage();
    }
    return result;
}

// The one window procedure of the framework: windows of our class attach the object passed in
// lpCreateParams at WM_NCCREATE; subclassed controls were attached before.
LRESULT CALLBACK CWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindow* object = FromHandle(window);
    if (!object && message == WM_NCCREATE) {
        object = static_cast<CWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (object)
            object->Attach(window);
    }
    if (object)
        return object->Dispatch(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}
