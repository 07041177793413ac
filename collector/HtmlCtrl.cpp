#include "collector/HtmlCtrl.h"

#include "collector/BrowserHostSite.h"
#include "collector/WebPaneLinks.h"
#include "afx/DC.h"
#include "afx/OleInit.h"

#include <exdispid.h>
#include <mshtml.h>
#include <mshtmdid.h>
#include <shellapi.h>

namespace {
// Id of the browser window inside the pane, as a view's first pane.
const UINT BrowserWindowId = 59648;
// The wait for a page: polled every LoadPollMs, given up after LoadTimeoutMs.
// A page that arrives later still replaces the message (document complete).
const UINT_PTR LoadTimerId = 1;
const UINT LoadPollMs = 250;
const DWORD LoadTimeoutMs = 4000;
// What the browser may do: load pictures, no ActiveX downloads, no cache,
// and no dialog boxes of its own.
const long PaneDownloadControl = DLCTL_DLIMAGES | DLCTL_NO_DLACTIVEXCTLS | DLCTL_PRAGMA_NO_CACHE | DLCTL_SILENT;
// Context-menu ids with this bit: text selection, anchor, unknown.
const DWORD ContextMenuPointerBit = 4;

CString FromBstr(BSTR text)
{
    if (!text)
        return CString();
    const int length = static_cast<int>(::SysStringLen(text));
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    CString result;
    if (bytes > 0) {
        LPSTR buffer = result.GetBuffer(bytes);
        ::WideCharToMultiByte(CP_ACP, 0, text, length, buffer, bytes, nullptr, nullptr);
        result.ReleaseBuffer(bytes);
    }
    return result;
}

// The string a browser event passes, by value or by reference.
CString VariantText(const VARIANT& value)
{
    const VARIANT* v = &value;
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal)
        v = v->pvarVal;
    if (v->vt == VT_BSTR)
        return FromBstr(v->bstrVal);
    if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal)
        return FromBstr(*v->pbstrVal);
    return CString();
}

// The browser's cancel flag (a VARIANT_BOOL by reference) set from a BOOL.
void PassCancel(const VARIANT& value, BOOL cancel)
{
    if (value.vt == (VT_BYREF | VT_BOOL) && value.pboolVal)
        *value.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
}

BOOL CancelOf(const VARIANT& value)
{
    return value.vt == (VT_BYREF | VT_BOOL) && value.pboolVal && *value.pboolVal != VARIANT_FALSE;
}
} // namespace

// Receives the browser's events and hands them to the control. The control
// detaches it before going away, so late events fall on the floor.
class CBrowserEventSink : public IDispatch
{
public:
    explicit CBrowserEventSink(CHtmlCtrl* pCtrl) : m_nRefs(1), m_pCtrl(pCtrl) {}
    CBrowserEventSink(const CBrowserEventSink&) = delete;
    CBrowserEventSink& operator=(const CBrowserEventSink&) = delete;
    void Detach() { m_pCtrl = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_nRefs);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo)
            *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        if (!m_pCtrl || !params)
            return S_OK;
        // Arguments arrive last first: rgvarg[0] is the event's last argument.
        const UINT count = params->cArgs;
        const VARIANT* args = params->rgvarg;
        switch (dispIdMember) {
        case DISPID_BEFORENAVIGATE2:    // browser, URL, flags, frame, post data, headers, cancel
            if (count >= 7) {
                BOOL cancel = CancelOf(args[0]);
                m_pCtrl->OnBeforeNavigate2(VariantText(args[5]), &cancel);
                PassCancel(args[0], cancel);
            }
            break;
        case DISPID_NAVIGATEERROR:      // browser, URL, frame, status, cancel
            if (count >= 5) {
                BOOL cancel = CancelOf(args[0]);
                m_pCtrl->OnNavigateError(VariantText(args[3]), &cancel);
                PassCancel(args[0], cancel);
            }
            break;
        case DISPID_DOCUMENTCOMPLETE:   // browser, URL
            if (count >= 2)
                m_pCtrl->OnDocumentComplete(VariantText(args[0]));
            break;
        case DISPID_ONSTATUSBAR:        // shown
            if (count >= 1)
                m_pCtrl->OnStatusBar(args[0].vt == VT_BOOL && args[0].boolVal != VARIANT_FALSE);
            break;
        default:
            break;
        }
        return S_OK;
    }

private:
    virtual ~CBrowserEventSink() {}

    LONG m_nRefs;
    CHtmlCtrl* m_pCtrl;
};

IMPLEMENT_DYNAMIC(CHtmlCtrl, CWnd)

BEGIN_MESSAGE_MAP(CHtmlCtrl, CWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CHtmlCtrl::CHtmlCtrl()
    : m_pHandlers(nullptr), m_pOccManager(nullptr), m_pSite(nullptr), m_pSink(nullptr), m_pObject(nullptr), m_pBrowser(nullptr),
      m_dwSinkCookie(0), m_strLastAppLink(), m_bDefaultContextMenu(FALSE), m_strURL(), m_bFallback(FALSE),
      m_bLoaded(FALSE), m_dwNavigateTick(0)
{
}

CHtmlCtrl::~CHtmlCtrl()
{
    // Destroyed here, while OnDestroy is still this class's, so the browser
    // is let go of before the object goes.
    if (::IsWindow(m_hWnd))
        DestroyWindow();
    ReleaseBrowser();
    delete m_pHandlers;
    delete m_pOccManager;
}

BOOL CHtmlCtrl::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext, BOOL bScrollBars, BOOL b3DBorder)
{
    ASSERT(m_hWnd == nullptr);
    AfxEnableControlContainer();
    if (!m_pHandlers)
        m_pHandlers = new CHtml_Host_Handlers(this, bScrollBars, b3DBorder);
    // The browser's site comes from the manager, which hands it the handlers.
    if (!m_pOccManager)
        m_pOccManager = new CDocHostOccManager;
    m_pOccManager->SetHandlers(m_pHandlers);
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (CreateBrowser())
        return TRUE;
    // No browser: the pane stays as a plain window that says so.
    TRACE("CHtmlCtrl: the web browser could not be hosted\n");
    m_bFallback = TRUE;
    Invalidate();
    return FALSE;
}

BOOL CHtmlCtrl::TakePlaceOf(UINT nID, CWnd* pParent, CRect& rect)
{
    CWnd* place = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    if (!place)
        return FALSE;
    place->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    place->DestroyWindow();
    return TRUE;
}

BOOL CHtmlCtrl::CreateFromStatic(UINT nID, CWnd* pParent)
{
    CRect rect;
    if (!TakePlaceOf(nID, pParent, rect))
        return FALSE;
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, pParent, nID, nullptr, TRUE, TRUE);
}

BOOL CHtmlCtrl::CreateFromStaticPlain(UINT nID, CWnd* pParent)
{
    CRect rect;
    if (!TakePlaceOf(nID, pParent, rect))
        return FALSE;
    return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, pParent, nID, nullptr);
}

BOOL CHtmlCtrl::CreateControlSite()
{
    if (!m_pOccManager)
        return FALSE;
    m_pSite = m_pOccManager->CreateSite(m_hWnd, this);
    return m_pSite != nullptr;
}

HRESULT CHtmlCtrl::CreateBrowserObject(IOleObject** ppObject)
{
    return ::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(ppObject));
}

BOOL CHtmlCtrl::CreateBrowser()
{
    HRESULT hr = CreateBrowserObject(&m_pObject);
    if (FAILED(hr) || !m_pObject) {
        TRACE("CHtmlCtrl: creating the browser failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        m_pObject = nullptr;
        return FALSE;
    }
    // Without a manager the browser gets a plain site that answers for the pane.
    if (!CreateControlSite())
        m_pSite = new CDocHostSite(m_hWnd, this, nullptr);
    hr = m_pObject->SetClientSite(static_cast<IOleClientSite*>(m_pSite));
    if (SUCCEEDED(hr)) {
        m_pObject->SetHostNames(L"Lexifern", nullptr);
        ::OleSetContainedObject(m_pObject, TRUE);
        CRect client;
        GetClientRect(&client);
        hr = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(m_pSite), 0, m_hWnd,
                               &client);
    }
    if (SUCCEEDED(hr))
        hr = m_pObject->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowser));
    if (FAILED(hr) || !m_pBrowser) {
        TRACE("CHtmlCtrl: activating the browser failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        ReleaseBrowser();
        return FALSE;
    }
    if (HWND browser = GetBrowserWindow())
        ::SetWindowLongPtrA(browser, GWLP_ID, static_cast<LONG_PTR>(BrowserWindowId));

    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(m_pBrowser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        IConnectionPoint* point = nullptr;
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
            m_pSink = new CBrowserEventSink(this);
            if (FAILED(point->Advise(m_pSink, &m_dwSinkCookie)))
                m_dwSinkCookie = 0;
            point->Release();
        }
        container->Release();
    }
    return TRUE;
}

void CHtmlCtrl::ReleaseBrowser()
{
    if (m_pSink) {
        m_pSink->Detach();
        if (m_dwSinkCookie && m_pBrowser) {
            IConnectionPointContainer* container = nullptr;
            if (SUCCEEDED(
                    m_pBrowser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
                IConnectionPoint* point = nullptr;
                if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
                    point->Unadvise(m_dwSinkCookie);
                    point->Release();
                }
                container->Release();
            }
        }
        m_dwSinkCookie = 0;
        m_pSink->Release();
        m_pSink = nullptr;
    }
    if (m_pBrowser) {
        m_pBrowser->Stop();
        m_pBrowser->Release();
        m_pBrowser = nullptr;
    }
    if (m_pObject) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject->Release();
        m_pObject = nullptr;
    }
    if (m_pSite) {
        m_pSite->Detach();
        m_pSite->Release();
        m_pSite = nullptr;
    }
}

HWND CHtmlCtrl::GetBrowserWindow() const
{
    if (!m_pObject)
        return nullptr;
    HWND browser = nullptr;
    IOleWindow* window = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
        window->GetWindow(&browser);
        window->Release();
    }
    return browser;
}

void CHtmlCtrl::Navigate2(LPCTSTR lpszURL)
{
    m_strURL = lpszURL ? lpszURL : "";
    m_bLoaded = FALSE;
    if (!m_pBrowser) {
        ShowFallback();
        return;
    }
    ShowBrowser();
    const int chars = ::MultiByteToWideChar(CP_ACP, 0, m_strURL, -1, nullptr, 0);
    BSTR url = ::SysAllocStringLen(nullptr, static_cast<UINT>(chars > 0 ? chars - 1 : 0));
    if (url && chars > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_strURL, -1, url, chars);
    VARIANT address;
    ::VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = url;
    VARIANT empty;
    ::VariantInit(&empty);
    const HRESULT hr = m_pBrowser->Navigate2(&address, &empty, &empty, &empty, &empty);
    ::VariantClear(&address);
    if (FAILED(hr)) {
        TRACE("CHtmlCtrl: navigating failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        ShowFallback();
        return;
    }
    m_dwNavigateTick = ::GetTickCount();
    SetTimer(LoadTimerId, LoadPollMs, nullptr);
}

void CHtmlCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != LoadTimerId) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CheckLoaded();
}

// The page counts as arrived when the browser is complete and has a document;
// a browser with no engine stays loading forever and never gives one.
void CHtmlCtrl::CheckLoaded()
{
    if (!m_bLoaded && m_pBrowser) {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (SUCCEEDED(m_pBrowser->get_ReadyState(&state)) && state == READYSTATE_COMPLETE) {
            IHTMLDocument2* document = GetDocument(nullptr);
            if (document) {
                document->Release();
                m_bLoaded = TRUE;
            }
        }
    }
    if (m_bLoaded) {
        KillTimer(LoadTimerId);
        ShowBrowser();
        return;
    }
    if (::GetTickCount() - m_dwNavigateTick >= LoadTimeoutMs) {
        KillTimer(LoadTimerId);
        TRACE("CHtmlCtrl: no page arrived for %s\n", static_cast<LPCTSTR>(m_strURL));
        ShowFallback();
    }
}

void CHtmlCtrl::ShowFallback()
{
    m_bFallback = TRUE;
    if (HWND browser = GetBrowserWindow())
        ::ShowWindow(browser, SW_HIDE);
    if (m_hWnd)
        Invalidate();
}

void CHtmlCtrl::ShowBrowser()
{
    m_bFallback = FALSE;
    if (HWND browser = GetBrowserWindow())
        ::ShowWindow(browser, SW_SHOW);
    if (m_hWnd)
        Invalidate();
}

CString CHtmlCtrl::GetFallbackText() const
{
    CString text;
    if (m_strURL.IsEmpty())
        text = "The web page cannot be shown here: no web browser is available.";
    else
        text.Format("%s\r\n\r\nThis page cannot be shown here: no web browser is available.",
                    static_cast<LPCTSTR>(m_strURL));
    return text;
}

void CHtmlCtrl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    if (m_bFallback) {
        CRect client;
        GetClientRect(&client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
        client.DeflateRect(8, 6);
        HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        const CString text = GetFallbackText();
        ::DrawTextA(dc, text, text.GetLength(), &client, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, oldFont);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CHtmlCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pObject) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            const RECT rect = { 0, 0, cx, cy };
            inPlace->SetObjectRects(&rect, &rect);
            inPlace->Release();
        }
    }
    if (m_bFallback)
        Invalidate();
}

void CHtmlCtrl::OnDestroy()
{
    KillTimer(LoadTimerId);
    ReleaseBrowser();
    if (m_pOccManager)
        m_pOccManager->SetHandlers(nullptr);
    delete m_pHandlers;
    m_pHandlers = nullptr;
    // Deliberately the window's own handling only: the pane is a control,
    // not a view of the frame.
    CWnd::OnDestroy();
}

void CHtmlCtrl::OnAppCommand(LPCTSTR)
{
}

void CHtmlCtrl::OnStatusBar(BOOL)
{
    // Whatever the page asks, the pane shows no status bar of the browser's.
    if (m_pBrowser)
        m_pBrowser->put_StatusBar(VARIANT_FALSE);
}

void CHtmlCtrl::OpenInShell(LPCTSTR lpszURL)
{
    ::ShellExecuteA(nullptr, "open", lpszURL, "", "", SW_SHOW);
}

void CHtmlCtrl::OnBeforeNavigate2(LPCTSTR lpszURL, BOOL* pbCancel)
{
    const CString url = lpszURL ? lpszURL : "";
    CString command;
    switch (ClassifyWebPaneLink(url, command)) {
    case WebPaneAppCommand:
        m_strLastAppLink = url;
        OnAppCommand(command);
        *pbCancel = TRUE;
        break;
    case WebPaneAppIgnored:
        m_strLastAppLink = url;
        *pbCancel = TRUE;
        break;
    case WebPaneOpenInShell:
        OpenInShell(url);
        *pbCancel = TRUE;
        break;
    case WebPaneLoadInPane:
        break;
    }
}

void CHtmlCtrl::OnNavigateError(LPCTSTR, BOOL* pbCancel)
{
    // The browser's own error page would replace the pane's page.
    *pbCancel = TRUE;
}

void CHtmlCtrl::OnDocumentComplete(LPCTSTR)
{
    IHTMLDocument2* document = GetDocument(nullptr);
    if (!document)
        return;
    document->Release();
    m_bLoaded = TRUE;
    KillTimer(LoadTimerId);
    ShowBrowser();
}

HRESULT CHtmlCtrl::OnShowContextMenu(DWORD dwID, POINT*, IUnknown*, IDispatch* pdispReserved)
{
    if (m_bDefaultContextMenu)
        return S_FALSE;
    if (!(dwID & ContextMenuPointerBit))
        return S_FALSE;
    // Only a real link keeps the browser's menu; elsewhere no menu at all.
    BOOL link = FALSE;
    IHTMLAnchorElement* anchor = nullptr;
    if (pdispReserved &&
        SUCCEEDED(pdispReserved->QueryInterface(IID_IHTMLAnchorElement, reinterpret_cast<void**>(&anchor)))) {
        BSTR href = nullptr;
        if (SUCCEEDED(anchor->get_href(&href)) && href && ::SysStringLen(href) > 0)
            link = TRUE;
        ::SysFreeString(href);
        anchor->Release();
    }
    return link ? S_FALSE : S_OK;
}

BOOL CHtmlCtrl::OnAmbientProperty(DISPID dispid, VARIANT* pvar)
{
    if (dispid == DISPID_AMBIENT_DLCONTROL && pvar) {
        ::VariantInit(pvar);
        pvar->vt = VT_I4;
        pvar->lVal = PaneDownloadControl;
        return TRUE;
    }
    return FALSE;
}
