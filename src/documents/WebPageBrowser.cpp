#include "WebPageBrowser.h"

#include <exdispid.h>
#include <ocidl.h>

namespace {

// The HTML document class of the system's HTML engine (not in every import library).
constexpr GUID kHtmlDocumentClass = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

template <typename T>
void ReleaseAndClear(T*& pointer)
{
    if (pointer)
        pointer->Release();
    pointer = nullptr;
}

std::wstring TextOf(const VARIANT& value)
{
    const VARIANT* v = (value.vt & VT_BYREF) && value.vt == (VT_BYREF | VT_VARIANT) ? value.pvarVal : &value;
    return v && v->vt == VT_BSTR && v->bstrVal ? std::wstring(v->bstrVal, SysStringLen(v->bstrVal)) : L"";
}

// The control navigates but renders nothing without its HTML engine (as under Wine without it):
// that case counts as no control at all.
bool HasHtmlEngine()
{
    IUnknown* document = nullptr;
    if (FAILED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&document))))
        return false;
    document->Release();
    return true;
}

}  // namespace

std::unique_ptr<IRepairPageBrowser> CWebPageBrowser::Create(HWND parent, IRepairPageEvents& events)
{
    std::unique_ptr<CWebPageBrowser> browser(new CWebPageBrowser(parent, events));
    if (!browser->Embed())
        return nullptr;
    return browser;
}

bool CWebPageBrowser::Embed()
{
    m_oleStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!m_oleStarted || !HasHtmlEngine())
        return false;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&m_object))))
        return false;
    GetClientRect(m_parent, &m_area);
    if (FAILED(m_object->SetClientSite(static_cast<IOleClientSite*>(this))) ||
        FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, m_parent,
                                &m_area)) ||
        FAILED(m_object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_browser))))
        return false;
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(m_browser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &m_events2)))
            m_events2->Advise(static_cast<IDispatch*>(this), &m_cookie);
        container->Release();
    }
    // Without its events the viewer could neither restore linked pages nor keep its history.
    if (m_cookie == 0)
        return false;
    m_filter = std::make_unique<CBrowserMessageFilter>(Window());
    return true;
}

void CWebPageBrowser::Unembed()
{
    m_filter.reset();
    if (m_events2 && m_cookie)
        m_events2->Unadvise(m_cookie);
    ReleaseAndClear(m_events2);
    ReleaseAndClear(m_browser);
    if (m_object) {
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
    }
    ReleaseAndClear(m_object);
}

CWebPageBrowser::~CWebPageBrowser()
{
    Unembed();
    if (m_oleStarted)
        OleUninitialize();
}

void CWebPageBrowser::Navigate(const std::wstring& target)
{
    if (!m_browser)
        return;
    BSTR address = SysAllocString(target.c_str());
    VARIANT empty;
    VariantInit(&empty);
    m_browser->Navigate(address, &empty, &empty, &empty, &empty);
    SysFreeString(address);
}

void CWebPageBrowser::Move(const RECT& area)
{
    m_area = area;
    IOleInPlaceObject* inPlace = nullptr;
    if (m_object && SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&m_area, &m_area);
        inPlace->Release();
    }
}

HWND CWebPageBrowser::Window() const
{
    HWND window = nullptr;
    IOleWindow* oleWindow = nullptr;
    if (m_object && SUCCEEDED(m_object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&oleWindow)))) {
        oleWindow->GetWindow(&window);
        oleWindow->Release();
    }
    return window;
}

STDMETHODIMP CWebPageBrowser::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2)
        *object = static_cast<IDispatch*>(this);
    return *object ? S_OK : E_NOINTERFACE;
}

STDMETHODIMP CWebPageBrowser::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CWebPageBrowser::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_parent;
    return S_OK;
}

STDMETHODIMP CWebPageBrowser::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    *document = nullptr;
    *position = m_area;
    *clip = m_area;
    info->fMDIApp = FALSE;
    info->hwndFrame = m_parent;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CWebPageBrowser::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

// The arguments arrive last first: BeforeNavigate2 has the address at 5 and the cancel flag at 0,
// NavigateComplete2 the address at 0.
STDMETHODIMP CWebPageBrowser::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*)
{
    if (!parameters)
        return S_OK;
    if (id == DISPID_BEFORENAVIGATE2 && parameters->cArgs >= 7) {
        const bool cancel = m_events.OnBeforeNavigate(TextOf(parameters->rgvarg[5]));
        if (parameters->rgvarg[0].vt == (VT_BYREF | VT_BOOL) && parameters->rgvarg[0].pboolVal)
            *parameters->rgvarg[0].pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (id == DISPID_NAVIGATECOMPLETE2 && parameters->cArgs >= 2) {
        m_events.OnNavigateComplete(TextOf(parameters->rgvarg[0]));
    }
    return S_OK;
}
