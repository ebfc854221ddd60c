#pragma once
// Shows repair pages in the system's web-browser control, hosted in place in a child area of the
// viewer through a client site of our own, and hands its before-navigate and navigate-complete
// events to the viewer. Create() gives nothing where the control or its HTML engine cannot be had,
// so the caller can fall back to the plain-text reader.
#include <windows.h>

#include <exdisp.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "BrowserMessageFilter.h"
#include "RepairPageBrowser.h"

class CWebPageBrowser : public IRepairPageBrowser,
                        private IOleClientSite,
                        private IOleInPlaceSite,
                        private IOleInPlaceFrame,
                        private IDispatch {
public:
    static std::unique_ptr<IRepairPageBrowser> Create(HWND parent, IRepairPageEvents& events);
    ~CWebPageBrowser() override;
    CWebPageBrowser(const CWebPageBrowser&) = delete;
    CWebPageBrowser& operator=(const CWebPageBrowser&) = delete;

    void Navigate(const std::wstring& target) override;
    void Move(const RECT& area) override;
    HWND Window() const override;

private:
    CWebPageBrowser(HWND parent, IRepairPageEvents& events) : m_parent(parent), m_events(events) {}
    bool Embed();
    void Unembed();

    // IUnknown: the owner holds this object; the control's references do not decide its life.
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow (shared by the in-place site and frame)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
    // IOleInPlaceUIWindow / IOleInPlaceFrame: no menus, tool space or status line to share
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }
    // IDispatch: the control's events
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override;

    HWND m_parent;
    IRepairPageEvents& m_events;
    bool m_oleStarted = false;
    IOleObject* m_object = nullptr;
    IWebBrowser2* m_browser = nullptr;
    IConnectionPoint* m_events2 = nullptr;
    DWORD m_cookie = 0;
    RECT m_area = {0, 0, 10, 10};
    std::unique_ptr<CBrowserMessageFilter> m_filter;
};
