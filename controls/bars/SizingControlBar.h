// CSizingControlBar: a control bar docked at an edge of its frame whose
// inner edge is a splitter: dragging it resizes the bar and the frame lays
// itself out again. Its caption carries a close button. The docked and
// floating sizes are kept in the profile ("<prefix>-SCBar-<id>").
//
// The bar's side follows the dock bar it sits in (GetDockBarID): top and
// bottom are horizontal, left and right vertical, any other floating. Docked
// it fills its side's length; floating in a mini frame it keeps its own
// floating size, which the frame's border changes (CalcDynamicLayout).
#pragma once

#include "afx/ControlBar.h"

#include <vector>

class CSizingControlBar : public CControlBar
{
    DECLARE_DYNAMIC(CSizingControlBar)
public:
    enum { CloseButtonSize = 11, CaptionSize = 14 };

    CSizingControlBar();
    ~CSizingControlBar() override;

    virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Horizontal when docked at the top or bottom, vertical at the sides.
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;

    virtual void LoadState(LPCTSTR lpszProfileName);
    virtual void SaveState(LPCTSTR lpszProfileName);
    static void GlobalLoadState(LPCTSTR lpszProfileName);
    static void GlobalSaveState(LPCTSTR lpszProfileName);

    // The edge that can be dragged: the one facing the inside of the frame.
    UINT GetEdgeHitTest() const;
    BOOL IsTracking() const { return m_bTracking; }
    BOOL GetDragShowContent() const { return m_bDragShowContent; }

    CSize m_szMinHorz, m_szMinVert, m_szMinFloat;
    CSize m_szHorz, m_szVert, m_szFloat;
    int m_cxEdge;
    BOOL m_bDragShowContent;

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    void StartTracking(UINT nHitTest, CPoint ptScreen);
    void OnTrackUpdateSize(CPoint ptScreen);
    void StopTracking(BOOL bAccept);
    CSize TrackedSize(CPoint ptScreen) const;
    void DrawTrackRect(const CSize& size);
    CRect CloseButtonRect() const;   // window coordinates
    CRect CaptionRect() const;       // window coordinates
    CRect EdgeRect() const;          // window coordinates

    BOOL m_bTracking;
    BOOL m_bHasGripper;
    UINT m_htEdge;
    CPoint m_ptStart;
    CSize m_szStart;
    CSize m_szTrack;       // the size while tracking
    BOOL m_bTrackRectShown;
    int m_nCloseState;     // 0 flat, 1 raised, 2 pushed

    static std::vector<CSizingControlBar*> s_allBars;
};
