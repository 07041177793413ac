// CWnd: the object bound to one window. It receives the window's messages
// through its message map (AfxWndProc is the one window procedure of every
// bound window), reflects child notifications, routes commands and wraps the
// everyday window calls. The ON_WM_* and ON_MESSAGE entry macros live here.
#pragma once

#include "afx/CmdTarget.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <commctrl.h>

// The system header's function-like macro would swallow the member of that name.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CDC;
class CFont;
class CMenu;
class CScrollBar;
class CFrameWnd;
class CDataExchange;
struct CCreateContext;
struct _AFX_OCC_DIALOG_INFO;   // hosting data of embedded controls, kept by dialogs

struct AFX_WNDMAP;
// Offers a message on its way to pWnd to the thread's tooltip when pWnd
// has tooltips enabled (the message loop's pre-translation calls it).
void AFXAPI AfxFilterToolTipMessage(MSG* pMsg, CWnd* pWnd);
// The thread's tooltip window of EnableToolTips (null before first use).
HWND AFXAPI AfxGetThreadToolTip();
// Fills a TTN_NEEDTEXT (TTN_GETDISPINFO, either character set) with the
// part of the command's prompt string after "\n"; FALSE for no id.
BOOL AFXAPI AfxToolTipTextFromCommand(NMHDR* pNMHDR);

// Temporary wrappers (CWnd::FromHandle of an unknown window, and those of the
// GDI objects, DCs and menus) live until the next idle time, when this frees
// them: all of them, or only those made after a mark of AfxTempMapsMark (a
// modal loop frees what its session made and leaves its callers' wrappers).
void AFXAPI AfxDeleteTempMaps(UINT_PTR since = 0);

// Bits of CWnd::m_nFlags, the window object's own state beside its window.
// They belong to the object and survive binding, subclassing and detaching.
#define WF_STAYACTIVE 0x0020       // keep the caption active (floating tool windows)
#define WF_KEEPMINIACTIVE 0x0200   // a mini frame keeps its caption active itself

// Sent by a frame to its floating tool windows so they follow its state:
// wParam holds FS_ flags; with FS_SYNCACTIVE the answer says whether the
// window takes part in the frame's activation.
#define WM_FLOATSTATUS 0x036D
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40
// Window-style bit of a floating tool window that follows its frame's activation.
#define MFS_SYNCACTIVE 0x100L

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    explicit CWnd(HWND hWnd);   // a plain handle holder: not bound, never destroys
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Callers rely on this working through a null pointer (pParent->GetSafeHwnd()).
    // The empty asm hides the pointer from the optimiser, which would otherwise
    // assume 'this' is never null and drop the test.
    HWND GetSafeHwnd() const
    {
        const CWnd* self = this;
        __asm__("" : "+r"(self));
        return self ? self->m_hWnd : nullptr;
    }
    operator HWND() const { return GetSafeHwnd(); }
    BOOL operator==(const CWnd& other) const { return other.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& other) const { return other.m_hWnd != m_hWnd; }

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- Binding -----------------------------------------------------------
    // The bound object of a window, else a temporary wrapper freed at idle.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    // The bound object of a window, or nullptr.
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap(UINT_PTR since = 0);
    // Binds without changing the window procedure.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Binds and routes the window's messages through this object's map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    virtual void PreSubclassWindow();

    // ---- Creation and destruction ------------------------------------------
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // After WM_NCDESTROY, once no message of this object is on the stack.
    // Self-owning windows delete themselves here.
    virtual void PostNcDestroy();

    // ---- Message handling --------------------------------------------------
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The dispatcher: finds the map entry of the message and calls it;
    // FALSE when no entry handles it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers the message to pWnd and its parents up to hWndStop.
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification of this child, before the parent's map sees it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands the message being handled to the bound child for reflection.
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    // The tool under a point of the client area for tooltips: the id of the
    // child window there (filling pTI when given), or -1 for none. Bars and
    // controls with tools of their own override it.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // Tooltips for the window's tools (OnToolHitTest) from the thread's one
    // tooltip window; the tool's text is asked for by TTN_NEEDTEXT.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Frames answer TRUE; GetParentFrame looks for the nearest such parent.
    virtual BOOL IsFrameWnd() const;

    // ---- Layout of bars and the leftover pane (WndLayout.cpp) -------------
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    // Grows a client rectangle to the window rectangle this window's styles give.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    // Each bound child with an id in [nIDFirst, nIDLast] takes its strip of
    // the client area (WM_SIZEPARENT); the child nIDLeftOver gets the rest.
    // reposQuery moves nothing and answers the rest in lpRectParam;
    // reposExtra keeps the borders in lpRectParam free around the rest.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    virtual CFrameWnd* GetParentFrame() const;
    CWnd* GetTopLevelFrame() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);

    // ---- Data exchange and command UI --------------------------------------
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // ---- Text and dialog items ---------------------------------------------
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;

    // ---- Relatives ----------------------------------------------------------
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    BOOL IsChild(const CWnd* pWnd) const;
    static CWnd* PASCAL GetDesktopWindow();
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName);

    // ---- Styles -------------------------------------------------------------
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    LONG_PTR GetWindowLongPtr(int nIndex) const;
    LONG_PTR SetWindowLongPtr(int nIndex, LONG_PTR dwNewLong);

    // ---- Size and position --------------------------------------------------
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL BringWindowToTop();

    // ---- State --------------------------------------------------------------
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* PASCAL GetForegroundWindow();
    BOOL SetForegroundWindow();
    CWnd* SetCapture();
    static CWnd* PASCAL GetCapture();
    static BOOL PASCAL ReleaseCapture() { return ::ReleaseCapture(); }

    // ---- Painting -----------------------------------------------------------
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);

    // ---- Scrolling ----------------------------------------------------------
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    int GetScrollLimit(int nBar);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);

    // ---- Fonts, icons, menus ------------------------------------------------
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    CMenu* GetMenu() const;
    HMENU GetMenuHandle() const { return ::GetMenu(m_hWnd); }
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // ---- Dialog templates on any window ---------------------------------------
    // A modeless dialog window from the template, bound to this object (its
    // messages go through the map; the dialog manager makes the controls).
    BOOL CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst = nullptr);
    // Sends the initial strings of a DLGINIT resource (list and combo boxes)
    // to the controls. TRUE also when the resource is missing; FALSE when a
    // control refused a string.
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);
    // Hosting information of embedded controls; plain windows keep none.
    virtual BOOL SetOccDialogInfo(struct _AFX_OCC_DIALOG_INFO* pOccDialogInfo);
    // Gives keyboard and mouse messages to the dialog manager for this
    // window's controls (Tab, arrows, Enter, Esc); TRUE when it took one.
    BOOL PreTranslateInput(LPMSG lpMsg);

    void DragAcceptFiles(BOOL bAccept = TRUE);

    // ---- Default handlers (called from derived handlers as Base::OnXxx) ------
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnMove(int x, int y);
    void OnPaint();
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonUp(UINT nFlags, CPoint point);
    void OnMButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcRButtonDown(UINT nHitTest, CPoint point);
    void OnNcRButtonUp(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnInitMenu(CMenu* pMenu);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    BOOL OnNcActivate(BOOL bActive);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSysColorChange();
    void OnCaptureChanged(CWnd* pWnd);
    void OnCancelMode();
    UINT OnGetDlgCode();
    void OnDropFiles(HDROP hDropInfo);
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
    BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    void OnParentNotify(UINT message, LPARAM lParam);
    void OnEnable(BOOL bEnable);
    void OnMouseLeave();
    void OnMoving(UINT fwSide, LPRECT pRect);
    void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    void OnPaletteChanged(CWnd* pFocusWnd);
    BOOL OnQueryNewPalette();
    void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnNcMButtonDown(UINT nHitTest, CPoint point);
    void OnNcMButtonUp(UINT nHitTest, CPoint point);
    void OnNcMButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    HWND m_hWnd = nullptr;
    UINT m_nFlags = 0;   // WF_ bits
    // The owner a child window was given by SetOwner (a child has no owner
    // of its own in the system: setting one would change its parent).
    HWND m_hWndOwner = nullptr;

protected:
    // The procedure the window had before it was bound (its class's own);
    // DefWindowProc passes unhandled messages to it.
    WNDPROC m_pfnSuper;
    // The window was a Unicode one before it was bound, so its own procedure
    // is reached in that width where the system's translation falls short.
    BOOL m_bSuperUnicode;
    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    friend LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam);
    BOOL DispatchWndMsg(const AFX_MSGMAP_ENTRY* entry, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* pResult);
    BOOL DispatchPointMsg(UINT_PTR nSig, AFX_PMSG pfn, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void BindCreated(HWND hWnd);
    // The object belongs to the thread whose map holds it (TRUE when unbound).
    BOOL IsOwnerThread() const;
    void ReleaseFromOtherThread();

    AFX_WNDMAP* m_pOwnerMap;     // the map of the thread that bound the window

    int m_nMsgDepth;             // messages of this object on the stack
    BOOL m_bPostNcDestroyDue;    // WM_NCDESTROY came while m_nMsgDepth > 0
    BOOL m_bTemporary;           // a FromHandle wrapper: never owns the window
};

// The one window procedure of every bound window.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AFXAPI AfxGetAfxWndProc();

// Binds the first window created on this thread from now on to pWnd and
// routes its messages through AfxWndProc (CreateEx does this; dialogs created
// from templates use it around the creation call). Calls nest.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// Ends the binding window; FALSE when no window was created and bound.
BOOL AFXAPI AfxUnhookWindowCreate();

// The message being handled on this thread (for Default and reflection).
const MSG* AFXAPI AfxGetCurrentMessage();

// Per-thread state of the menu being tracked: set when a bound window gets
// WM_INITMENU or WM_INITMENUPOPUP, cleared at WM_EXITMENULOOP.
struct _AFX_THREAD_STATE
{
    HWND m_hTrackingWindow = nullptr;   // the window that tracks the menu
    HMENU m_hTrackingMenu = nullptr;    // the menu (the top-level one of a menu bar)
};
_AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// TRUE when hWndChild is hWndParent's child, grandchild and so on (through
// child windows only, not owned popups).
BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild);
// Ends the modes another window may be in before hWndRcvr takes the mouse:
// the capture of another window is cancelled (WM_CANCELMODE) and a dropped
// combo box with the focus closes.
void AFXAPI AfxCancelModes(HWND hWndRcvr);
// ---- Window-core services --------------------------------------------------
// The object whose window is being created on this thread (from CreateEx or a
// dialog's creation until its window is bound and PreSubclassWindow has run),
// else nullptr: a PreSubclassWindow that finds nullptr is subclassing an
// existing window.
CWnd* AFXAPI AfxGetWndInit();
// Replaces the thread's current-message record and answers the previous one,
// so a window-procedure hook can set the record for its handlers and put the
// outer one back, and a handler can change wParam before calling Default().
MSG AFXAPI AfxSetCurrentMessage(const MSG& msg);
// PostQuitMessage for the calling thread's loop (the application's or a worker's).
void AFXAPI AfxPostQuitMessage(int nExitCode);
// Views are drawn with a sunken client edge rather than WS_BORDER (always TRUE).
extern const BOOL afxNewShellLook;
// Reports what a Windows callback of the layer caught (call inside a catch
// block): a CException by ReportError (a CUserException silently) and deleted,
// anything else by a message box. No exception may cross the system's code.
void AFXAPI AfxReportCallbackException();
// Runs fn() for a Windows callback; what it throws is reported and `failed`
// answered instead.
template <class Result, class Fn>
Result AfxCallGuarded(Fn&& fn, Result failed)
{
    try {
        return fn();
    } catch (...) {
        AfxReportCallbackException();
        return failed;
    }
}

// A window class of the given styles, cursor, background and icon, with
// DefWindowProc as its procedure (bound windows are subclassed anyway); the
// name is derived from the values, so equal requests share a class.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                   HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
// RegisterClass that succeeds when the class is already registered.
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);

// ---- Window-message entries ------------------------------------------------

#define AFX_WND_PMSG(type, fn) AfxToPmsg(static_cast<type>(fn))
#define AFX_WM_ENTRY(msg, sig, type, fn) { msg, 0, 0, 0, sig, AFX_WND_PMSG(type, fn) },

#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, AfxSig_l_w_l, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { AFX_REGISTERED_MESSAGE, 0, 0, 0, (UINT_PTR)(const UINT*)(&nMessageVariable), \
      AFX_WND_PMSG(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn) },

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_i_CREATE, int (CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, AfxSig_b_CREATE, BOOL (CWnd::*)(LPCREATESTRUCT), &ThisClass::OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnClose)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_v_u_ii, void (CWnd::*)(UINT, int, int), &ThisClass::OnSize)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, AfxSig_v_u_pRECT, void (CWnd::*)(UINT, LPRECT), &ThisClass::OnSizing)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_v_ii, void (CWnd::*)(int, int), &ThisClass::OnMove)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_b_pDC, BOOL (CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_v_up, void (CWnd::*)(UINT_PTR), &ThisClass::OnTimer)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_v_pWnd, void (CWnd::*)(CWnd*), &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_v_pWnd, void (CWnd::*)(CWnd*), &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysChar)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), &ThisClass::OnSysCommand)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_b_u_s_pt, BOOL (CWnd::*)(UINT, short, CPoint), &ThisClass::OnMouseWheel)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_i_pWnd_uu, int (CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnMouseActivate)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_b_pWnd_uu, BOOL (CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnSetCursor)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_l_pt, LRESULT (CWnd::*)(CPoint), &ThisClass::OnNcHitTest)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_v_b_pNCCALC, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_ENTRY(WM_NCRBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcRButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcMouseMove)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_v_pWnd_pt, void (CWnd::*)(CWnd*, CPoint), &ThisClass::OnContextMenu)
#define ON_WM_INITMENU() AFX_WM_ENTRY(WM_INITMENU, AfxSig_v_pMenu, void (CWnd::*)(CMenu*), &ThisClass::OnInitMenu)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_v_pMenu_u_b, void (CWnd::*)(CMenu*, UINT, BOOL), &ThisClass::OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_v_u_u_hmenu, void (CWnd::*)(UINT, UINT, HMENU), &ThisClass::OnMenuSelect)
#define ON_WM_MENUCHAR() AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_l_u_u_pMenu, LRESULT (CWnd::*)(UINT, UINT, CMenu*), &ThisClass::OnMenuChar)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_v_i_pMIS, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), &ThisClass::OnMeasureItem)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_v_i_pDIS, void (CWnd::*)(int, LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_i_i_pCIS, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), &ThisClass::OnCompareItem)
#define ON_WM_DELETEITEM() AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_v_i_pDELIS, void (CWnd::*)(int, LPDELETEITEMSTRUCT), &ThisClass::OnDeleteItem)
// One entry for every WM_CTLCOLOR* message; nCtlColor is CTLCOLOR_*.
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hbr_pDC_pWnd_u, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_v_u_u_pScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_v_u_u_pScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnVScroll)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_v_pMINMAX, void (CWnd::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_v_b_u, void (CWnd::*)(BOOL, UINT), &ThisClass::OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_v_pWINDOWPOS, void (CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_v_pWINDOWPOS, void (CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_v_u_pWnd_b, void (CWnd::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_v_b_dw, void (CWnd::*)(BOOL, DWORD), &ThisClass::OnActivateApp)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_b_b, BOOL (CWnd::*)(BOOL), &ThisClass::OnNcActivate)
#define ON_WM_ENTERIDLE() AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_v_u_pWnd, void (CWnd::*)(UINT, CWnd*), &ThisClass::OnEnterIdle)
#define ON_WM_SETTINGCHANGE() AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_v_u_sz, void (CWnd::*)(UINT, LPCTSTR), &ThisClass::OnSettingChange)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnSysColorChange)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_v_pWnd, void (CWnd::*)(CWnd*), &ThisClass::OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnCancelMode)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_u_v, UINT (CWnd::*)(), &ThisClass::OnGetDlgCode)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AfxSig_v_hdrop, void (CWnd::*)(HDROP), &ThisClass::OnDropFiles)
#define ON_WM_HOTKEY() AFX_WM_ENTRY(WM_HOTKEY, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnHotKey)
#define ON_WM_COPYDATA() AFX_WM_ENTRY(WM_COPYDATA, AfxSig_b_pWnd_pCOPY, BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*), &ThisClass::OnCopyData)
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_b_v, BOOL (CWnd::*)(), &ThisClass::OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_WM_ENTRY(WM_ENDSESSION, AfxSig_v_b, void (CWnd::*)(BOOL), &ThisClass::OnEndSession)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), &ThisClass::OnParentNotify)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_v_b, void (CWnd::*)(BOOL), &ThisClass::OnEnable)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_v_v, void (CWnd::*)(), &ThisClass::OnMouseLeave)
#define ON_WM_MOVING() AFX_WM_ENTRY(WM_MOVING, AfxSig_v_u_pRECT, void (CWnd::*)(UINT, LPRECT), &ThisClass::OnMoving)
#define ON_WM_ENTERMENULOOP() AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSig_v_b, void (CWnd::*)(BOOL), &ThisClass::OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSig_v_b, void (CWnd::*)(BOOL), &ThisClass::OnExitMenuLoop)
#define ON_WM_PALETTECHANGED() AFX_WM_ENTRY(WM_PALETTECHANGED, AfxSig_v_pWnd, void (CWnd::*)(CWnd*), &ThisClass::OnPaletteChanged)
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_b_v, BOOL (CWnd::*)(), &ThisClass::OnQueryNewPalette)
#define ON_WM_STYLECHANGING() AFX_WM_ENTRY(WM_STYLECHANGING, AfxSig_v_i_pSTYLE, void (CWnd::*)(int, LPSTYLESTRUCT), &ThisClass::OnStyleChanging)
#define ON_WM_STYLECHANGED() AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_v_i_pSTYLE, void (CWnd::*)(int, LPSTYLESTRUCT), &ThisClass::OnStyleChanged)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_ENTRY(WM_NCMBUTTONDOWN, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_WM_ENTRY(WM_NCMBUTTONUP, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCMBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcMButtonDblClk)
#define ON_WM_NCRBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCRBUTTONDBLCLK, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), &ThisClass::OnNcRButtonDblClk)
#define ON_WM_DEADCHAR() AFX_WM_ENTRY(WM_DEADCHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnDeadChar)
#define ON_WM_SYSDEADCHAR() AFX_WM_ENTRY(WM_SYSDEADCHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysDeadChar)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, AfxSig_b_pHELPINFO, BOOL (CWnd::*)(HELPINFO*), &ThisClass::OnHelpInfo)

// Reflected to the control that sent the notification (handlers of the control class).
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hbr_pDC_u, HBRUSH (CWnd::*)(CDC*, UINT), &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxSig_v_pDIS, void (CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, AfxSig_v_pMIS, void (CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, AfxSig_i_pCIS, int (CWnd::*)(LPCOMPAREITEMSTRUCT), &ThisClass::CompareItem)
#define ON_WM_DELETEITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, AfxSig_v_pDELIS, void (CWnd::*)(LPDELETEITEMSTRUCT), &ThisClass::DeleteItem)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, AfxSig_v_u_u, void (CWnd::*)(UINT, UINT), &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, AfxSig_v_u_u, void (CWnd::*)(UINT, UINT), &ThisClass::VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), &ThisClass::ParentNotify)
