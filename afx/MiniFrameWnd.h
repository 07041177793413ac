// CMiniFrameWnd: a small-captioned popup frame (a tool window) whose border
// follows the MFS_ styles: MFS_THICKFRAME sizes at every edge and corner,
// MFS_4THICKFRAME at the four sides only, MFS_MOVEFRAME moves the frame by
// its border. CMiniDockFrameWnd is the frame a floating control bar lives
// in: its one child is a floating dock bar (m_wndDockBar, id
// AFX_IDW_DOCKBAR_FLOAT), the frame fits itself round the bar, a press on
// its caption drags the bar (to dock it again), its border resizes a
// dynamic bar, and closing it only hides the bar. The owning frame keeps it
// in step by WM_FLOATSTATUS (shown, hidden, active, enabled with itself).
#pragma once

#include "afx/DockBar.h"
#include "afx/FrameWnd.h"

// WM_FLOATSTATUS and its FS_ flags come with afx/Wnd.h.

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();

    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);

    // Grows a client rectangle to the window rectangle of a mini frame of
    // these styles (the small caption and the border).
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                                   DWORD dwExStyle = 0);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    BOOL m_bActive;   // the caption shows active (in step with the owner)

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    // The frame for bars of dwBarStyle (CBRS_ALIGN_LEFT/RIGHT: a vertical
    // dock bar; CBRS_FLOAT_MULTI: several bars; CBRS_SIZE_DYNAMIC: sizable).
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // The first bar of the dock bar, or null.
    CControlBar* GetFirstBar() const;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);

    DECLARE_MESSAGE_MAP()
};
