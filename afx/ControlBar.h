// CControlBar: a strip along one edge of a frame (toolbar, status bar, rebar,
// dialog bar). The frame lays its bars out with WM_SIZEPARENT: a bar that is
// the frame's own child takes its strip of its edge (its size from
// CalcDynamicLayout); a docked bar lives in one of the frame's dock bars
// (CDockBar), which lays its rows out, or floats in a mini frame. At idle each
// bar updates its items through the frame's command routing (OnUpdateCmdUI).
// The bar's own CBRS_ styles live in m_dwStyle, apart from the window style,
// whose bits they would collide with.
#pragma once

#include "afx/AfxRes.h"
#include "afx/CmdUI.h"
#include "afx/Rect.h"
#include "afx/SizeParent.h"
#include "afx/Wnd.h"

class CControlBarInfo;
class CDC;
class CDockBar;
class CDockContext;
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

// Mini-frame window styles (CMiniFrameWnd): the border of a floating bar's frame.
// (MFS_SYNCACTIVE, active with its owner, comes with afx/Wnd.h.)
#define MFS_4THICKFRAME     0x00000200L   // sizable at the sides only
#define MFS_THICKFRAME      0x00000400L   // sizable everywhere
#define MFS_MOVEFRAME       0x00000800L   // the border moves the frame
#define MFS_BLOCKSYSMENU    0x00001000L

// The border unit of docked bars: the width of a bar's edge line, and the
// overlap of neighbouring bars.
const int cxBorder2 = 2;
const int cyBorder2 = 2;

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
    // The size for a length (-1: none asked) in a layout mode (LM_*). The
    // default is the fixed layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // Called by SetBarStyle when the style changes.
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual BOOL IsDockBar() const { return FALSE; }

    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle);
    // The sides (CBRS_ALIGN_*, and CBRS_FLOAT_MULTI) the bar may dock at;
    // makes the bar's dock context on first use.
    void EnableDocking(DWORD dwDockStyle);
    // The frame that routes the bar's commands: the frame it was made in,
    // also while it floats.
    CFrameWnd* GetDockingFrame() const;
    // Visible, counting a show or hide that waits for the next layout.
    BOOL IsVisible() const;
    BOOL IsFloating() const;
    BOOL IsHorzDocked() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    BOOL IsVertDocked() const { return (m_dwStyle & CBRS_ORIENT_VERT) != 0; }
    // The id of the dock bar holding the bar (AFX_IDW_DOCKBAR_FLOAT when it
    // floats); a bar outside any dock bar answers the id of its edge's.
    UINT GetDockBarID() const;
    virtual int GetCount() const { return 0; }
    // Shows or hides the bar at the next layout (the frame's idle layout).
    void DelayShow(BOOL bShow);

    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect)
    {
        SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    // Shrinks a window rectangle by the bar's non-client edges: the border
    // lines (CBRS_BORDER_*) and the gripper of a docked bar. A bar outside
    // any dock bar has none: it is the control, edge to edge.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    void DrawBorders(CDC* pDC, CRect& rect);
    void DrawGripper(CDC* pDC, const CRect& rect);
    void EraseNonClient();

    // Splits a creation style into the bar's part (kept) and the window's part (returned).
    DWORD SplitBarStyle(DWORD dwStyle);
    // Enters the bar into the frame's list (creation of each bar calls it).
    void AttachToFrame(CWnd* pParentWnd);
    // Applies a pending delayed show or hide: at once for a real layout,
    // only in the answer for a query. Answers the window style that counts.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

    // The saved state of the bar (CDockState), and applying it.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    void PostNcDestroy() override;
    // Commands from the bar's own controls (a dialog bar's buttons) that the
    // bar does not handle go on to its frame.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Pending show state (m_nStateFlags).
    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4 };

    BOOL m_bAutoDelete;
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite;         // the frame the bar belongs to
    CDockBar* m_pDockBar;           // the dock bar holding it, or null
    CDockContext* m_pDockContext;   // its drag handling (owned), made by EnableDocking
    int m_nMRUWidth;                // the width a floating bar had last
    UINT m_nStateFlags;

protected:
    // A docked or floating bar has non-client edges.
    BOOL HasDockedEdges() const { return m_pDockBar != nullptr; }
    // The press starts a drag of a docked bar; the double click floats it or
    // docks it back.
    BOOL StartDragAt(CPoint clientPoint);

    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
