// CControlBar: a strip along one edge of a frame (toolbar, status bar, rebar,
// dialog bar). The frame asks each visible bar for its size (CalcFixedLayout)
// when it lays itself out, and at idle each bar updates its items through the
// frame's command routing (OnUpdateCmdUI). The bar's own CBRS_ styles live in
// m_dwStyle, apart from the window style, whose bits they would collide with.
#pragma once

#include "afx/AfxRes.h"
#include "afx/CmdUI.h"
#include "afx/Rect.h"
#include "afx/Wnd.h"

class CFrameWnd;

#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L
#define CBRS_GRIPPER        0x00400000L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL            0x0040FFFFL
#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH    0x01
#define LM_HORZ       0x02
#define LM_MRUWIDTH   0x04
#define LM_HORZDOCK   0x08
#define LM_VERTDOCK   0x10
#define LM_LENGTHY    0x20
#define LM_COMMIT     0x40

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
    ~CControlBar() override;

    // The size the bar wants: along its edge it stretches to the frame
    // (bStretch); across it, its own thickness plus borders.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a length (-1: none asked) in a layout mode (LM_*). Docked
    // bars have the size of their edge, so the default is the fixed layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle);
    void EnableDocking(DWORD dwDockStyle);
    CFrameWnd* GetDockingFrame() const;
    BOOL IsVisible() const;
    BOOL IsFloating() const { return FALSE; }
    BOOL IsHorzDocked() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    // Docking is to an edge of the frame, without dock-bar windows: the id
    // the edge's dock bar would have (AFX_IDW_DOCKBAR_TOP...), or
    // AFX_IDW_DOCKBAR_FLOAT for a bar at no edge.
    UINT GetDockBarID() const;
    virtual int GetCount() const { return 0; }

    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect)
    {
        SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    // Splits a creation style into the bar's part (kept) and the window's part (returned).
    DWORD SplitBarStyle(DWORD dwStyle);
    // Enters the bar into the frame's list (creation of each bar calls it).
    void AttachToFrame(CWnd* pParentWnd);

    void PostNcDestroy() override;
    // Commands from the bar's own controls (a dialog bar's buttons) that the
    // bar does not handle go on to its frame.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bAutoDelete;
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
