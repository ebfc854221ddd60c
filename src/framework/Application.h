#pragma once
// The application object: one per process, constructed statically. RunApplication runs
// InitInstance, the message loop while InitInstance succeeded, and ExitInstance.
#include <windows.h>

#include <memory>
#include <string>

#include "PaintPacer.h"
#include "Window.h"

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* Current();

    int RunApplication(HINSTANCE instance);

    virtual bool InitInstance() { return false; }
    virtual int ExitInstance() { return m_exitCode; }
    virtual int Run();

    HINSTANCE Instance() const { return m_instance; }
    CWindow* MainWindow() const { return m_mainWindow.get(); }
    // The application owns its main window from here on.
    void SetMainWindow(std::unique_ptr<CWindow> window) { m_mainWindow = std::move(window); }

    // A turn of the diagnostic program's exchange was served: paints wait while turns follow closely.
    void NoteExchangeTurn();

    // The per-user settings key: HKEY_CURRENT_USER\Software\<company>\<application>.
    void SetRegistryKey(const std::wstring& company) { m_registryCompany = company; }
    const std::wstring& RegistryCompany() const { return m_registryCompany; }

protected:
    virtual bool PreTranslateMessage(MSG& message);

private:
    // One message of the loop: false at WM_QUIT, whose exit code is left in `message`.
    bool RunOneMessage(MSG& message);
    // While paints are held: one message other than a paint, or the hold's end.
    bool RunOneMessageHoldingPaints(MSG& message, uint32_t holdLeftMs);
    void Dispatch(MSG& message);

private:
    HINSTANCE m_instance = nullptr;
    std::unique_ptr<CWindow> m_mainWindow;
    std::wstring m_registryCompany;
    int m_exitCode = 0;
    CPaintPacer m_paintPacer;
};

// Tells the running application that an exchange turn was served (nothing without one).
void NoteExchangeTurn();
