// CGridCtrl: the grid window (class "MFCGridCtrl"). The table, its geometry,
// selection, sorting and text live in CGridModel; the window paints the model,
// keeps its scroll bars in step, turns keys and mouse input into model calls
// and tells its owner what changed through WM_NOTIFY.
#pragma once

#include "afx/Wnd.h"
#include "grid/GridModel.h"

#define GRIDCTRL_CLASSNAME _T("MFCGridCtrl")

class CGridCtrl : public CWnd, public CGridModel
{
    DECLARE_DYNCREATE(CGridCtrl)
public:
    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    static BOOL RegisterWindowClass();

    // Drawing off or on (on invalidates); optionally the scroll bars are reset.
    void SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars = FALSE);
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);
    BOOL IsVisibleVScroll() const { return (m_nBarState & 2) != 0; }

    // Model hooks that reach the window and its owner.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const override;
    LRESULT SendCacheHintToParent(const CCellRange& range) const override;
    LRESULT SendDisplayRequestToParent(GV_DISPINFO* pDisplayInfo) const override;
    BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr) override;
    using CGridModel::RedrawCell;
    void Refresh() override;
    void DoScroll(int nBar, UINT nSBCode) override;
    int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE) override;
    BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE) override;
    void ResetScrollBars() override;
    BOOL HasView() const override { return m_hWnd != nullptr; }
    HWND GetGridWindow() const override { return m_hWnd; }

    virtual void OnDraw(CDC* pDC);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnFixedColumnClick(CCellID& cell);

protected:
    CRect GetGridViewRect() override;
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void OnScroll(int nBar, UINT nSBCode);
    // Ends a divider drag: the clip and the rubber line go, the mouse idles.
    void CancelSizing();
    void InvertSizingLine(CPoint point);

    BOOL m_bLMouseButtonDown;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    UINT_PTR m_nTimerID;
    int m_nTimerInterval;
};
