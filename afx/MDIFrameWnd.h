// CMDIFrameWnd: the main frame of a multiple-document program. Its leftover
// pane (AFX_IDW_PANE_FIRST) is the system's MDI client window, which holds the
// document frames (CMDIChildWnd); the frame's bars are laid out around it as
// in any frame. The client is not bound to an object of its own, so a window
// class of the program may subclass it (m_hWndMDIClient) and be asked for
// its rectangle by the frame's layout.
#pragma once

#include "afx/FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // Makes the MDI client: id AFX_IDW_PANE_FIRST, sunken edge, children
    // listed in pWindowMenu from AFX_IDM_FIRST_MDICHILD on.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The "Window" popup of a menu bar (else its second last popup); nullptr
    // for none.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // ---- The children --------------------------------------------------------
    // The active child frame; pbMaximized tells whether it is maximized.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDICascade(int nType);
    void MDITile();
    void MDITile(int nType);
    void MDIIconArrange();
    // The frame menu and its window popup; answers the menu shown before.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    // ---- Overrides ---------------------------------------------------------------
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The active child frame, else the frame itself.
    CFrameWnd* GetActiveFrame() override;
    // The active child's menu (its template's), else hMenuAlt or the default menu.
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The active child's accelerators and the frame's, then the MDI keys
    // (Ctrl+F6, Ctrl+F4...).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The active child frame (with its view and document) first.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND m_hWndMDIClient;

protected:
    afx_msg void OnWindowNew();
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CMDIChildWnd;
    // The client's sunken edge goes while a maximized child fills it; TRUE
    // when the edge changed.
    BOOL SyncClientEdge();

    CString m_strCaptionSet;   // the caption last set, before the system's addition
};
