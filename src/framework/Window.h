#pragma once
// The base of every window object of the program. A CWindow either creates a window of its own
// class or takes over an existing control (Subclass); in both cases messages reach named virtual
// handlers, and notifications that a parent receives about a child (WM_COMMAND, WM_DRAWITEM,
// WM_CTLCOLOR*, WM_NOTIFY) are first offered to the child's object, so a control handles itself.
#include <windows.h>

#include <string>

struct WINDOW_CREATE_ARGS {
    const wchar_t* className = nullptr;  // null: the framework's own window class
    std::wstring title;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    RECT rect = {0, 0, 0, 0};
    HWND parent = nullptr;
    int controlId = 0;
};

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // The object that owns a window, or null for windows that have none.
    static CWindow* FromHandle(HWND window);

    bool Create(const WINDOW_CREATE_ARGS& args);
    // Takes over an existing window (a control of a dialog template, or one created by CreateWindow).
    bool Subclass(HWND window);
    void Destroy();

    HWND Handle() const { return m_window; }
    bool IsWindow() const { return m_window && ::IsWindow(m_window); }
    int ControlId() const { return GetDlgCtrlID(m_window); }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

    LRESULT SendMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Show(int command = SW_SHOW) const { ShowWindow(m_window, command); }
    bool IsVisible() const { return IsWindowVisible(m_window) != FALSE; }
    void Enable(bool enable) const { EnableWindow(m_window, enable); }
    bool IsEnabled() const { return IsWindowEnabled(m_window) != FALSE; }
    // Writes the window's text when it differs: screens name their title again at every request.
    void SetText(const std::wstring& text) const;
    std::wstring GetText() const;
    void Move(int x, int y, int width, int height, bool repaint = true) const;
    void Move(const RECT& rect, bool repaint = true) const;
    RECT ClientRect() const;
    RECT WindowRect() const;
    void Invalidate(bool erase = true) const { InvalidateRect(m_window, nullptr, erase); }
    void SetFont(HFONT font, bool redraw = true) const;

    // Offered every queued message before it is dispatched; true consumes it.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    // Message dispatch: returns true when the message was handled and `result` holds its result.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // What happens to a message that no handler took.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Named handlers; each returns true when it handled the message.
    virtual bool OnCreate(const CREATESTRUCTW&) { return true; }
    virtual void OnDestroy() {}
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBkgnd(HDC) { return false; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnSize(UINT /*type*/, int /*width*/, int /*height*/) { return false; }
    virtual bool OnMouseMove(UINT /*keys*/, POINT) { return false; }
    virtual bool OnLButtonDown(UINT /*keys*/, POINT) { return false; }
    virtual bool OnLButtonUp(UINT /*keys*/, POINT) { return false; }
    virtual bool OnSetCursor(HWND /*window*/, UINT /*hitTest*/, UINT /*message*/) { return false; }
    virtual bool OnClose() { return false; }
    // Any other message (application messages, WM_HOTKEY, ...).
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

    // Reflected from the parent: this window's own notifications. Return true when handled.
    virtual bool OnReflectedCommand(int /*code*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    virtual bool OnReflectedNotify(const NMHDR&, LRESULT& /*result*/) { return false; }
    // Colours of this control (reflected) or, on a parent, of a child that did not answer itself.
    virtual HBRUSH OnCtlColor(HDC, HWND /*control*/, UINT /*message*/) { return nullptr; }

    // Called after the window is gone (WM_NCDESTROY); the object may delete itself here.
    virtual void OnFinalMessage() {}

    // Attaches the object to a window of our class or dialog; used by the static procedures.
    void Attach(HWND window);

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Detach();
    friend class CDialog;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    WNDPROC m_previousProc = nullptr;  // set for subclassed windows
};
