// CBasedMainFrame: the framework's main frame, from which the program's frame
// derives. It owns the frame's bars and companions (a rebar holding the
// true-colour toolbar, the status bar, the owner-drawn main menu, the tooltip,
// the tray icon), keeps its placement in the profile, and offers always on
// top, full screen, hiding to the tray and restoring, the external-tools menu
// and hot keys, the trace-log window, mail to support and the document's
// shell properties. It logs the program's start and exit.
#pragma once

#include "afx/FrameWnd.h"
#include "afx/ImageList.h"
#include "afx/StatusBar.h"
#include "afx/ToolBar.h"
#include "controls/bars/ChevBar.h"
#include "controls/menu/BCMenu.h"
#include "controls/misc/SystemTray.h"
#include "tooltip/PPToolTip.h"

class CProgressBar;

// The tray icon's callback message (wParam: icon id, lParam: mouse message).
const UINT WM_TRAY_NOTIFY = WM_USER + 4096;

class CBasedMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CBasedMainFrame)
public:
    CBasedMainFrame();
    ~CBasedMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The owner-drawn main menu built from menu resource 128 with the images
    // of toolbars 128 and 129; the caller owns the handle.
    virtual HMENU BuildMainMenu();

    // The bars and companions. The derived frame runs CFrameWnd::OnCreate and
    // creates the status bar first, then calls this; -1 when the toolbar or
    // the rebar cannot be made.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    void EnterFullScreen();
    void LeaveFullScreen();
    // Opens the trace-log window: the first time hidden, later shown.
    void OnLogWindow();

    CChevBar m_wndReBar;
    BCMenu m_menu;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CImageList m_ilToolBar;
    CImageList m_ilToolBarDisabled;
    int m_nImageCount;
    int m_nImageSize;
    COLORREF m_clrImageBackground;
    CPPToolTip m_tooltip;
    CProgressBar* m_pProgressBar;   // made by CreateProgressBar; owned
    CSystemTray m_trayIcon;
    BYTE m_bFullScreen;
    BYTE m_bStatusBarWasVisible;
    CRect m_rcBeforeFullScreen;

protected:
    // Seams: the status-bar progress bar joins here; tests watch the tool
    // launcher instead of starting programs.
    virtual void CreateProgressBar();
    virtual BOOL LaunchExternalTool(INT_PTR index);
    // The external-tools editor (command 32771).
    virtual void RunExternalToolsEditor();

    // Creates the balloon tooltip unless it exists.
    void CreateToolTip();

    // Writes a start or exit event ("Application starting " + the local date
    // and time) followed by an empty data event, when logging is on.
    static void LogLifeEvent(LPCTSTR text);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnRestoreFromTray();
    afx_msg void OnMinimizeToTray();
    afx_msg void OnUpdateNoChange(CCmdUI* pCmdUI);
    afx_msg void OnAlwaysOnTop();
    afx_msg void OnUpdateAlwaysOnTop(CCmdUI* pCmdUI);
    afx_msg void OnExternalToolsEditor();
    afx_msg void OnUpdateExternalToolsMenu(CCmdUI* pCmdUI);
    afx_msg void OnRunExternalTool(UINT nID);
    afx_msg void OnFullScreen();
    afx_msg void OnUpdateFullScreen(CCmdUI* pCmdUI);
    afx_msg void OnMailToSupport();
    afx_msg void OnDocumentProperties();
    afx_msg void OnLogWindowCommand();
    afx_msg void OnUpdateLogWindow(CCmdUI* pCmdUI);
    afx_msg void OnNoAction();
    DECLARE_MESSAGE_MAP()

private:
    // The placement before full screen (length 0 when unknown).
    WINDOWPLACEMENT m_wpBeforeFullScreen;
};
