// CMDIChildWnd: a document frame inside the MDI client of the main
// CMDIFrameWnd. It is created by WM_MDICREATE, shows its template's menu in
// the main frame while it is active, and is numbered in its caption when its
// document has several frames ("Text1:2").
#pragma once

#include "afx/FrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // pParentWnd null: the program's main window, which must be an MDI frame.
    // The window is created hidden and then shown as dwStyle says
    // (WS_VISIBLE, WS_MAXIMIZE).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // Title and icon of nIDResource; menu and keys are the template's.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Shows the child, maximized when the active child is, and activates it.
    void ActivateFrame(int nCmdShow = -1) override;
    // Destroyed through the MDI client (WM_MDIDESTROY); the object may be gone after.
    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Child frames have no menu to translate keys for: the MDI frame
    // translates the active child's accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Puts this child's menu (hMenuAlt, else the template's shared menu) into
    // the MDI frame when activated; the frame's default menu when the last
    // child goes.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    // The MDI client's sunken edge goes while a maximized child fills it.
    BOOL UpdateClientEdge(LPRECT lpRect = nullptr);

    HMENU m_hMenuShared;   // the template's menu shown while this child is active

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT HandleMDIActivate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
