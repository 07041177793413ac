#include "collector/BrowserHostSite.h"

#include "collector/HtmlCtrl.h"

#include <cwchar>

namespace {
// The registry key under the current user the browser reads its options from.
const wchar_t OptionKeyPath[] = L"Software\\CHtmlDialog";
// The caption of every message box a page's script raises.
const wchar_t MessageCaption[] = L"Caption";
} // namespace

// ---- CHtml_Host_Handlers ----------------------------------------------------

CHtml_Host_Handlers::CHtml_Host_Handlers(CHtmlCtrl* pCtrl, BOOL bScrollBars, BOOL b3DBorder)
    : m_pCtrl(pCtrl), m_bScrollBars(bScrollBars != FALSE), m_b3DBorder(b3DBorder != FALSE)
{
}

CHtml_Host_Handlers::~CHtml_Host_Handlers()
{
}

HRESULT CHtml_Host_Handlers::DocWindowActivate(BOOL)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::EnableModeless(BOOL)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::FilterDataObject(IDataObject*, IDataObject** ppDORet)
{
    if (ppDORet)
        *ppDORet = nullptr;
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::FrameWindowActivate(BOOL)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::GetDropTarget(IDropTarget*, IDropTarget**)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::GetExternal(IDispatch** ppDispatch)
{
    if (ppDispatch)
        *ppDispatch = nullptr;
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    if (!pInfo)
        return E_INVALIDARG;
    pInfo->dwFlags = DOCHOSTUIFLAG_THEME;
    if (!m_bScrollBars)
        pInfo->dwFlags |= DOCHOSTUIFLAG_SCROLL_NO;
    if (!m_b3DBorder)
        pInfo->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER;
    pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT CHtml_Host_Handlers::GetOptionKeyPath(LPOLESTR* pchKey, DWORD)
{
    if (!pchKey)
        return E_INVALIDARG;
    // The browser frees the string with the task allocator.
    const size_t bytes = sizeof OptionKeyPath;
    *pchKey = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (!*pchKey)
        return E_OUTOFMEMORY;
    memcpy(*pchKey, OptionKeyPath, bytes);
    return S_OK;
}

HRESULT CHtml_Host_Handlers::HideUI()
{
    return S_OK;
}

HRESULT CHtml_Host_Handlers::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*)
{
    return S_FALSE;
}

HRESULT CHtml_Host_Handlers::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                    IOleInPlaceUIWindow*)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::TranslateAccelerator(LPMSG, const GUID*, DWORD)
{
    return S_FALSE;
}

HRESULT CHtml_Host_Handlers::TranslateUrl(DWORD, OLECHAR*, OLECHAR** ppchURLOut)
{
    // The browser may read the out pointer even on failure.
    if (ppchURLOut)
        *ppchURLOut = nullptr;
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::UpdateUI()
{
    return S_OK;
}

HRESULT CHtml_Host_Handlers::ShowHelp(HWND, LPOLESTR, UINT, DWORD, POINT, IDispatch*)
{
    return E_NOTIMPL;
}

HRESULT CHtml_Host_Handlers::ShowMessage(HWND, LPOLESTR lpstrText, LPOLESTR, DWORD dwType, LPOLESTR, DWORD,
                                         LRESULT* plResult)
{
    const int result = ::MessageBoxW(nullptr, lpstrText ? lpstrText : L"", MessageCaption, dwType);
    if (plResult)
        *plResult = result;
    return S_OK;
}

// ---- CDocHostSite -----------------------------------------------------------

CDocHostSite::CDocHostSite(HWND hWnd, CHtmlCtrl* pCtrl, CHtml_Host_Handlers* pHandlers)
    : m_nRefs(1), m_hWnd(hWnd), m_pCtrl(pCtrl), m_pHandlers(pHandlers), m_xFrame(this), m_xUIHandler(this),
      m_xShowUI(this)
{
}

CDocHostSite::~CDocHostSite()
{
}

void CDocHostSite::Detach()
{
    m_hWnd = nullptr;
    m_pCtrl = nullptr;
    m_pHandlers = nullptr;
}

STDMETHODIMP CDocHostSite::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == IID_IOleInPlaceFrame || riid == IID_IOleInPlaceUIWindow)
        *ppv = static_cast<IOleInPlaceFrame*>(&m_xFrame);
    else if (riid == __uuidof(IDocHostUIHandler))
        *ppv = static_cast<IDocHostUIHandler*>(&m_xUIHandler);
    else if (riid == __uuidof(IDocHostShowUI))
        *ppv = static_cast<IDocHostShowUI*>(&m_xShowUI);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CDocHostSite::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) CDocHostSite::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_nRefs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

STDMETHODIMP CDocHostSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CDocHostSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::GetWindow(HWND* phwnd)
{
    if (!phwnd)
        return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
}

STDMETHODIMP CDocHostSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::CanInPlaceActivate()
{
    // A pane that is going away takes no browser in.
    return m_hWnd ? S_OK : S_FALSE;
}

STDMETHODIMP CDocHostSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                            LPRECT lprcPosRect, LPRECT lprcClipRect,
                                            LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (!ppFrame || !ppDoc || !lprcPosRect || !lprcClipRect || !lpFrameInfo)
        return E_POINTER;
    *ppFrame = &m_xFrame;
    AddRef();
    *ppDoc = nullptr;
    RECT client = {};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    *lprcPosRect = client;
    *lprcClipRect = client;
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = m_hWnd ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr;
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CDocHostSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::OnPosRectChange(LPCRECT)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo)
        *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CDocHostSite::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult,
                                  EXCEPINFO*, UINT*)
{
    // The browser reads ambient properties as property gets on its site.
    if (!(wFlags & DISPATCH_PROPERTYGET) || !pVarResult || !m_pCtrl)
        return DISP_E_MEMBERNOTFOUND;
    ::VariantInit(pVarResult);
    return m_pCtrl->OnAmbientProperty(dispIdMember, pVarResult) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

// ---- The in-place frame ----------------------------------------------------

STDMETHODIMP CDocHostSite::XInPlaceFrame::QueryInterface(REFIID riid, void** ppv)
{
    return m_pOuter->QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CDocHostSite::XInPlaceFrame::AddRef()
{
    return m_pOuter->AddRef();
}

STDMETHODIMP_(ULONG) CDocHostSite::XInPlaceFrame::Release()
{
    return m_pOuter->Release();
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::GetWindow(HWND* phwnd)
{
    return m_pOuter->GetWindow(phwnd);
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::RemoveMenus(HMENU)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDocHostSite::XInPlaceFrame::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

// ---- The UI handler: the control for context menus, the handlers for the rest

STDMETHODIMP CDocHostSite::XDocHostUIHandler::QueryInterface(REFIID riid, void** ppv)
{
    return m_pOuter->QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CDocHostSite::XDocHostUIHandler::AddRef()
{
    return m_pOuter->AddRef();
}

STDMETHODIMP_(ULONG) CDocHostSite::XDocHostUIHandler::Release()
{
    return m_pOuter->Release();
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                                             IDispatch* pdispReserved)
{
    if (!m_pOuter->m_pCtrl)
        return S_FALSE;
    return m_pOuter->m_pCtrl->OnShowContextMenu(dwID, ppt, pcmdtReserved, pdispReserved);
}

// With the control gone the answers are those of a host with no opinion.
#define HANDLERS_OR(fallback) \
    CHtml_Host_Handlers* handlers = m_pOuter->m_pHandlers; \
    if (!handlers) \
        return fallback

STDMETHODIMP CDocHostSite::XDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->GetHostInfo(pInfo);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                                    IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                                                    IOleInPlaceUIWindow* pDoc)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->ShowUI(dwID, pActiveObject, pCommandTarget, pFrame, pDoc);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::HideUI()
{
    HANDLERS_OR(S_OK);
    return handlers->HideUI();
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::UpdateUI()
{
    HANDLERS_OR(S_OK);
    return handlers->UpdateUI();
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::EnableModeless(BOOL fEnable)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->EnableModeless(fEnable);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::OnDocWindowActivate(BOOL fActivate)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->DocWindowActivate(fActivate);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::OnFrameWindowActivate(BOOL fActivate)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->FrameWindowActivate(fActivate);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow,
                                                          BOOL fRameWindow)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->ResizeBorder(prcBorder, pUIWindow, fRameWindow);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup,
                                                                  DWORD nCmdID)
{
    HANDLERS_OR(S_FALSE);
    return handlers->TranslateAccelerator(lpMsg, pguidCmdGroup, nCmdID);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw)
{
    if (pchKey)
        *pchKey = nullptr;
    HANDLERS_OR(E_NOTIMPL);
    return handlers->GetOptionKeyPath(pchKey, dw);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->GetDropTarget(pDropTarget, ppDropTarget);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::GetExternal(IDispatch** ppDispatch)
{
    if (ppDispatch)
        *ppDispatch = nullptr;
    HANDLERS_OR(E_NOTIMPL);
    return handlers->GetExternal(ppDispatch);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn,
                                                          OLECHAR** ppchURLOut)
{
    if (ppchURLOut)
        *ppchURLOut = nullptr;
    HANDLERS_OR(E_NOTIMPL);
    return handlers->TranslateUrl(dwTranslate, pchURLIn, ppchURLOut);
}

STDMETHODIMP CDocHostSite::XDocHostUIHandler::FilterDataObject(IDataObject* pDO, IDataObject** ppDORet)
{
    if (ppDORet)
        *ppDORet = nullptr;
    HANDLERS_OR(E_NOTIMPL);
    return handlers->FilterDataObject(pDO, ppDORet);
}

// ---- The message-box hook --------------------------------------------------

STDMETHODIMP CDocHostSite::XDocHostShowUI::QueryInterface(REFIID riid, void** ppv)
{
    return m_pOuter->QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CDocHostSite::XDocHostShowUI::AddRef()
{
    return m_pOuter->AddRef();
}

STDMETHODIMP_(ULONG) CDocHostSite::XDocHostShowUI::Release()
{
    return m_pOuter->Release();
}

STDMETHODIMP CDocHostSite::XDocHostShowUI::ShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption,
                                                      DWORD dwType, LPOLESTR lpstrHelpFile, DWORD dwHelpContext,
                                                      LRESULT* plResult)
{
    HANDLERS_OR(S_FALSE);
    return handlers->ShowMessage(hwnd, lpstrText, lpstrCaption, dwType, lpstrHelpFile, dwHelpContext, plResult);
}

STDMETHODIMP CDocHostSite::XDocHostShowUI::ShowHelp(HWND hwnd, LPOLESTR pszHelpFile, UINT uCommand, DWORD dwData,
                                                   POINT ptMouse, IDispatch* pDispatchObjectHit)
{
    HANDLERS_OR(E_NOTIMPL);
    return handlers->ShowHelp(hwnd, pszHelpFile, uCommand, dwData, ptMouse, pDispatchObjectHit);
}

#undef HANDLERS_OR

// ---------------------------------------------------------------- site maker

CDocHostOccManager::CDocHostOccManager() : m_pHandlers(nullptr), m_pLastSite(nullptr)
{
}

CDocHostOccManager::~CDocHostOccManager()
{
    if (m_pLastSite)
        m_pLastSite->Release();
}

CDocHostSite* CDocHostOccManager::CreateSite(HWND hContainer, CHtmlCtrl* pCtrl)
{
    CDocHostSite* pSite = new CDocHostSite(hContainer, pCtrl, m_pHandlers);
    if (m_pLastSite)
        m_pLastSite->Release();
    m_pLastSite = pSite;
    m_pLastSite->AddRef();
    return pSite;
}
