// CFrameWnd: a top-level window that holds control bars around its edges and
// one view (the pane AFX_IDW_PANE_FIRST) in the rest. It loads its menu,
// accelerators, icon and title from one resource id, keeps the active view,
// routes commands view -> document -> frame -> application, shows command
// prompts in its status bar, and updates its bars while the program is idle.
// With docking enabled its sides hold dock bars, and bars dock in rows,
// float in mini frames and keep their layout in a saved state.
#pragma once

#include "afx/ControlBar.h"
#include "afx/List.h"
#include "afx/Rect.h"
#include "afx/View.h"
#include "afx/Wnd.h"

class CControlBar;
class CDockBar;
class CDockState;
class CDocument;
class CMiniDockFrameWnd;

// Frame styles kept in the creation style's unused bits.
#define FWS_ADDTOTITLE  0x00008000L   // the document's title joins the caption
#define FWS_PREFIXTITLE 0x00040000L   // "Doc - App" rather than "App - Doc"
#define FWS_SNAPTOBARS  0x00080000L

// Sent to a frame to show prompt string wParam (or the text lParam) in its message bar.
#define WM_SETMESSAGESTRING 0x0362

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // The "let the system choose" rectangle.
    static const CRect rectDefault;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Menu, accelerators, icon and the title (the first field of the string)
    // of nIDResource, then Create.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // ---- Views and documents -----------------------------------------------
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Sends OnInitialUpdate to the views, picks the active view and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // ---- Layout and bars ---------------------------------------------------
    // RepositionBars: each bar (and dock bar) takes its strip, the pane
    // AFX_IDW_PANE_FIRST is placed in the rest through its CalcWindowRect.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays out at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Dock bars at the sides asked for (top, bottom, left, right), of the
    // given class; floating frames are m_pFloatingFrameClass.
    void EnableDocking(DWORD dwDockStyle);
    void EnableDocking(DWORD dwDockStyle, CRuntimeClass* pDockBarClass);
    // Docks a bar into the dock bar of that id (0: the side of its alignment,
    // else the first side both allow), at a screen rectangle or in a new row.
    // Without dock bars the bar only takes that edge.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Docks a bar back at its placeholder, else as DockControlBar.
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats a bar in a mini frame at a screen point (CBRS_ALIGN_TOP: a horizontal bar).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The style of the dock bar a screen rectangle touches (0: none).
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Tells the floating frames of the frame's state (FS_*).
    void NotifyFloatingWindows(DWORD dwFlags);

    // ---- Saved bar layout ----------------------------------------------------
    void SaveBarState(LPCTSTR lpszProfileName) const;
    void LoadBarState(LPCTSTR lpszProfileName);
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);

    // ---- Title and messages ------------------------------------------------
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    virtual CWnd* GetMessageBar();
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The prompt of a command: the string of its id up to the first "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

    // ---- Overrides -----------------------------------------------------------
    BOOL IsFrameWnd() const override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;

    BOOL m_bAutoMenuEnable;     // menu items without a handler are grayed
    HMENU m_hMenuDefault;       // the menu the frame shows with no document menu
    HACCEL m_hAccelTable;
    UINT m_nIDHelp;             // the resource id the frame was loaded from
    DWORD m_dwDockStyle;        // edges that accept bars (EnableDocking)
    CPtrList m_listControlBars; // the bars, dock bars included, in the order made
    CRuntimeClass* m_pFloatingFrameClass;
    int m_nShowDelay;           // a show command waiting for the next layout (-1: none)
    CRect m_rectBorder;         // space kept free round the pane
    CString m_strTitle;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    // Idle updates and pending layouts of the floating frames.
    void UpdateFloatingFrames(BOOL bDisableIfNoHndler);

    CView* m_pViewActive;
    UINT m_nIDTracking;         // the menu item whose prompt is shown
    UINT m_nIDLastMessage;      // the prompt last put in the message bar
    BOOL m_bInRecalcLayout;
    BOOL m_bLayoutDue;          // a bar changed while hidden: lay out at idle

    DECLARE_MESSAGE_MAP()
};
