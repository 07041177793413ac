// The web pane's side of the hosted browser: the answers it gives to the
// browser's host questions (CHtml_Host_Handlers, replaceable by a derived
// class) and the COM object the browser talks to (CDocHostSite): its client
// site, in-place site and frame, its UI handler and its message-box hook,
// and the ambient properties. Written directly on the COM interfaces.
#pragma once

#include "afx/Afx.h"

#include <ole2.h>
#include <mshtmhst.h>

class CHtmlCtrl;

class CHtml_Host_Handlers
{
public:
    CHtml_Host_Handlers(CHtmlCtrl* pCtrl, BOOL bScrollBars, BOOL b3DBorder);
    virtual ~CHtml_Host_Handlers();

    // IDocHostUIHandler; E_NOTIMPL and S_FALSE leave the browser to its own ways.
    virtual HRESULT DocWindowActivate(BOOL fActivate);
    virtual HRESULT EnableModeless(BOOL fEnable);
    virtual HRESULT FilterDataObject(IDataObject* pDO, IDataObject** ppDORet);
    virtual HRESULT FrameWindowActivate(BOOL fActivate);
    virtual HRESULT GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget);
    virtual HRESULT GetExternal(IDispatch** ppDispatch);
    virtual HRESULT GetHostInfo(DOCHOSTUIINFO* pInfo);
    virtual HRESULT GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw);
    virtual HRESULT HideUI();
    virtual HRESULT ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow);
    // Not used by the site: context menus go to the control itself.
    virtual HRESULT ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved);
    virtual HRESULT ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                           IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc);
    virtual HRESULT TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID);
    virtual HRESULT TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut);
    virtual HRESULT UpdateUI();
    // IDocHostShowUI.
    virtual HRESULT ShowHelp(HWND hwnd, LPOLESTR pszHelpFile, UINT uCommand, DWORD dwData, POINT ptMouse,
                             IDispatch* pDispatchObjectHit);
    virtual HRESULT ShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType,
                                LPOLESTR lpstrHelpFile, DWORD dwHelpContext, LRESULT* plResult);

    CHtmlCtrl* GetControl() const { return m_pCtrl; }

protected:
    CHtmlCtrl* m_pCtrl;
    bool m_bScrollBars;
    bool m_b3DBorder;
};

// The one COM object the browser sees as its host. It holds no reference to
// the control: the control detaches it before going away, and calls that
// arrive later get neutral answers.
class CDocHostSite : public IOleClientSite, public IOleInPlaceSite, public IDispatch
{
public:
    // hWnd: the window the browser is placed in; pCtrl may be null (no
    // context-menu or ambient answers then). Starts with one reference.
    CDocHostSite(HWND hWnd, CHtmlCtrl* pCtrl, CHtml_Host_Handlers* pHandlers);
    CDocHostSite(const CDocHostSite&) = delete;
    CDocHostSite& operator=(const CDocHostSite&) = delete;

    // The control is going away: forget it, its window and its handlers.
    void Detach();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL fShow) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow, IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE scrollExtant) override;
    STDMETHODIMP OnUIDeactivate(BOOL fUndoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;

    // IDispatch: the ambient properties the browser asks its site for.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    // The in-place frame, the UI handler and the message-box hook share the
    // site's identity and reference count; their method names clash with the
    // site's own (EnableModeless, TranslateAccelerator), so each is nested.
    struct XInPlaceFrame : public IOleInPlaceFrame
    {
        explicit XInPlaceFrame(CDocHostSite* pOuter) : m_pOuter(pOuter) {}
        CDocHostSite* m_pOuter;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP GetWindow(HWND* phwnd) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
        STDMETHODIMP GetBorder(LPRECT lprectBorder) override;
        STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
        STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
        STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
        STDMETHODIMP InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
        STDMETHODIMP SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
        STDMETHODIMP RemoveMenus(HMENU hmenuShared) override;
        STDMETHODIMP SetStatusText(LPCOLESTR pszStatusText) override;
        STDMETHODIMP EnableModeless(BOOL fEnable) override;
        STDMETHODIMP TranslateAccelerator(LPMSG lpmsg, WORD wID) override;
    };
    struct XDocHostUIHandler : public IDocHostUIHandler
    {
        explicit XDocHostUIHandler(CDocHostSite* pOuter) : m_pOuter(pOuter) {}
        CDocHostSite* m_pOuter;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                     IDispatch* pdispReserved) override;
        STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
        STDMETHODIMP ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                            IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
        STDMETHODIMP HideUI() override;
        STDMETHODIMP UpdateUI() override;
        STDMETHODIMP EnableModeless(BOOL fEnable) override;
        STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
        STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
        STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
        STDMETHODIMP TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
        STDMETHODIMP GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
        STDMETHODIMP GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
        STDMETHODIMP GetExternal(IDispatch** ppDispatch) override;
        STDMETHODIMP TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut) override;
        STDMETHODIMP FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;
    };
    struct XDocHostShowUI : public IDocHostShowUI
    {
        explicit XDocHostShowUI(CDocHostSite* pOuter) : m_pOuter(pOuter) {}
        CDocHostSite* m_pOuter;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP ShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType,
                                 LPOLESTR lpstrHelpFile, DWORD dwHelpContext, LRESULT* plResult) override;
        STDMETHODIMP ShowHelp(HWND hwnd, LPOLESTR pszHelpFile, UINT uCommand, DWORD dwData, POINT ptMouse,
                              IDispatch* pDispatchObjectHit) override;
    };

    virtual ~CDocHostSite();

    LONG m_nRefs;
    HWND m_hWnd;
    CHtmlCtrl* m_pCtrl;
    CHtml_Host_Handlers* m_pHandlers;
    XInPlaceFrame m_xFrame;
    XDocHostUIHandler m_xUIHandler;
    XDocHostShowUI m_xShowUI;
};

// Makes the web pane's host sites: each new site gets the manager's handlers
// object. The manager keeps the last site it made.
class CDocHostOccManager
{
public:
    CDocHostOccManager();
    virtual ~CDocHostOccManager();
    CDocHostOccManager(const CDocHostOccManager&) = delete;
    CDocHostOccManager& operator=(const CDocHostOccManager&) = delete;

    // The handlers given to the sites made from now on (not owned; null stops it).
    void SetHandlers(CHtml_Host_Handlers* pHandlers) { m_pHandlers = pHandlers; }
    CHtml_Host_Handlers* GetHandlers() const { return m_pHandlers; }

    // A new site (one reference, the caller's) for a control placed in the
    // container window hContainer and answering for pCtrl.
    virtual CDocHostSite* CreateSite(HWND hContainer, CHtmlCtrl* pCtrl);
    CDocHostSite* GetLastSite() const { return m_pLastSite; }

private:
    CHtml_Host_Handlers* m_pHandlers;
    CDocHostSite* m_pLastSite;   // referenced while kept
};
