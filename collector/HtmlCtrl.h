// CHtmlCtrl: the web pane, a child control that hosts the system's web
// browser in place. It keeps the maker's fixed pages inside the pane, hands
// every other link to the user's browser, turns "app:" links into numbered
// commands, and offers operations on the fields and links of the page shown.
// When the browser cannot be made, or no page ever arrives within a bounded
// wait, the pane says so in plain text instead of staying blank.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Wnd.h"

#include <ole2.h>
#include <exdisp.h>

class CHtml_Host_Handlers;
class CDocHostSite;
class CDocHostOccManager;
class CBrowserEventSink;
struct IHTMLDocument2;
struct IHTMLElement;

class CHtmlCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHtmlCtrl)
public:
    CHtmlCtrl();
    ~CHtmlCtrl() override;

    // Makes the pane's window and the browser in it. FALSE when either
    // fails; when only the browser fails the window stays and shows why.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext, BOOL bScrollBars, BOOL b3DBorder);
    // The same in place of a place-holder control of the parent dialog,
    // which is destroyed; FALSE when there is no such control.
    BOOL CreateFromStatic(UINT nID, CWnd* pParent);
    // The same through the plain window creation: a pane with no browser.
    BOOL CreateFromStaticPlain(UINT nID, CWnd* pParent);

    // Asks the browser for the page; a pane without a browser shows its
    // message for url at once. The wait for the page starts here.
    void Navigate2(LPCTSTR lpszURL);
    CString GetLocationURL() const { return m_strURL; }

    // A page's "app:" + digit link; the pane itself does nothing with it.
    virtual void OnAppCommand(LPCTSTR lpszCommand);
    void SetDefaultContextMenu(BOOL bDefault) { m_bDefaultContextMenu = bDefault; }
    CString GetLastAppLink() const { return m_strLastAppLink; }

    // True once the pane has given up on the browser and shows its message.
    BOOL IsShowingFallback() const { return m_bFallback; }
    CString GetFallbackText() const;
    IWebBrowser2* GetBrowser() const { return m_pBrowser; }
    CHtml_Host_Handlers* GetHostHandlers() const { return m_pHandlers; }
    CDocHostOccManager* GetOccManager() const { return m_pOccManager; }

    // Browser events, called by the event sink with the browser's arguments.
    virtual void OnBeforeNavigate2(LPCTSTR lpszURL, BOOL* pbCancel);
    virtual void OnNavigateError(LPCTSTR lpszURL, BOOL* pbCancel);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);
    // The browser asks to show or hide its status bar: the pane never has one.
    virtual void OnStatusBar(BOOL bStatusBar);
    // Host questions, called by the site.
    virtual HRESULT OnShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved);
    virtual BOOL OnAmbientProperty(DISPID dispid, VARIANT* pvar);

    // ---- The fields and links of the page ----------------------------------
    // Each answers FALSE when any step fails: no document, no element of
    // that name or position, an element of another kind. pFrame, when given,
    // is searched instead of the pane's own page.
    BOOL GetInputValue(LPCTSTR lpszName, CString& value);
    BOOL GetTextAreaValue(LPCTSTR lpszName, CString& value);
    BOOL SetInputValue(LPCTSTR lpszName, LPCTSTR lpszValue, IWebBrowser2* pFrame = nullptr);
    BOOL SetTextAreaValue(LPCTSTR lpszName, LPCTSTR lpszValue, IWebBrowser2* pFrame = nullptr);
    BOOL HasInputElement(LPCTSTR lpszName, IWebBrowser2* pFrame = nullptr);
    BOOL HasElement(LPCTSTR lpszName, IWebBrowser2* pFrame = nullptr);
    // The same over every browser embedded in the page; TRUE at the first success.
    BOOL HasInputElementInFrames(LPCTSTR lpszName);
    BOOL HasElementInFrames(LPCTSTR lpszName);
    BOOL SetInputValueInFrames(LPCTSTR lpszName, LPCTSTR lpszValue);
    BOOL SetTextAreaValueInFrames(LPCTSTR lpszName, LPCTSTR lpszValue);
    BOOL FindLinks(LPCTSTR lpszText, CStringArray& links);
    BOOL SetTextInputByIndex(int nIndex, LPCTSTR lpszValue);
    BOOL SetTextAreaByIndex(int nIndex, LPCTSTR lpszValue);
    BOOL SelectByIndex(int nIndex, long nItem);
    BOOL SelectByName(LPCTSTR lpszName, IWebBrowser2* pFrame, long nItem);
    BOOL SelectByValue(LPCTSTR lpszName, IWebBrowser2* pFrame, LPCTSTR lpszOption);
    BOOL PressSubmitByIndex(int nIndex);
    BOOL ClickLinkByIndex(int nIndex);
    BOOL ClickLinkByHref(LPCTSTR lpszText, BOOL bExact);
    BOOL ClickLinkByText(LPCTSTR lpszText, BOOL bExact);
    BOOL HasLinkWithText(LPCTSTR lpszText, BOOL bExact);
    CString GetBodyHtml();
    void SetBodyHtml(LPCTSTR lpszHtml);
    BOOL GetScript(IDispatch** ppScript);

protected:
    // Seams: the browser object and the shell. Tests replace them.
    virtual HRESULT CreateBrowserObject(IOleObject** ppObject);
    virtual void OpenInShell(LPCTSTR lpszURL);
    // The browser's site, made by the container manager; FALSE without one.
    virtual BOOL CreateControlSite();

    // The page's document (referenced), of the pane or of pFrame; null when none.
    IHTMLDocument2* GetDocument(IWebBrowser2* pFrame);

    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // Destroys the parent's place-holder control nID; rect gets its place.
    static BOOL TakePlaceOf(UINT nID, CWnd* pParent, CRect& rect);
    BOOL CreateBrowser();
    void ReleaseBrowser();
    void CheckLoaded();
    void ShowFallback();
    void ShowBrowser();
    HWND GetBrowserWindow() const;
    // Runs op on every browser embedded in the pane's page.
    template <class Op> BOOL ForEachFrame(Op op);

    CHtml_Host_Handlers* m_pHandlers;
    CDocHostOccManager* m_pOccManager;
    CDocHostSite* m_pSite;
    CBrowserEventSink* m_pSink;
    IOleObject* m_pObject;
    IWebBrowser2* m_pBrowser;
    DWORD m_dwSinkCookie;
    CString m_strLastAppLink;
    BOOL m_bDefaultContextMenu;
    CString m_strURL;          // the page asked for last
    BOOL m_bFallback;          // the message is shown instead of the browser
    BOOL m_bLoaded;            // a document arrived for the page
    DWORD m_dwNavigateTick;    // when the wait for the page began
};
