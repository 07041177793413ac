// CSplitterWnd: a static splitter window. It divides its area into a fixed
// grid of panes (views, ids AFX_IDW_PANE_FIRST + 16 * row + column) separated
// by bars the user drags to give a row or column a new size. Rows and
// columns have an ideal and a minimum size: each but the last gets its ideal
// size (none when that is below its minimum), the last gets what is left.
// The object belongs to its frame (a member); the window does not free it.
#pragma once

#include "afx/AfxRes.h"
#include "afx/Wnd.h"

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // nRows x nCols panes (16 at most each way), the panes made by CreateView.
    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = AFX_IDW_PANE_FIRST);
    // A view of pViewClass in the pane; sizeInit gives the row's and the
    // column's ideal sizes.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    // The current size (as last laid out) and the minimum.
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    // TRUE when pWnd is one of the panes, with its place.
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    // Places the panes as the sizes say.
    virtual void RecalcLayout();

    // Pixels between two panes.
    int m_cxSplitterGap;
    int m_cySplitterGap;

protected:
    struct CRowColInfo
    {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

    // The bar at a client point: 0 none, 1 + row for a row's lower bar,
    // 0x100 + col for a column's right bar.
    int HitTest(CPoint pt) const;
    // Follows the mouse until the button goes up (TRUE, with the bar's new
    // top or left in *pPos) or the drag is cancelled (Esc, lost capture, a
    // WM_QUIT, which stays queued for the loop outside).
    BOOL TrackBar(int hit, CPoint ptStart, int* pPos);
    CRect BarRect(int hit) const;
    void InvertTracker(const CRect& rect);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    int m_nRows;
    int m_nCols;
    CRowColInfo* m_pRowInfo;
    CRowColInfo* m_pColInfo;
    BOOL m_bTracking;

    DECLARE_MESSAGE_MAP()
};
