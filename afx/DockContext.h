// CDockContext: the mouse drag of a dockable bar. StartDrag runs a modal
// loop with the mouse captured: the outline of where the bar would land is
// drawn on the desktop (thin while it would dock, a thick halftone frame
// while it would float); Ctrl forces floating; Escape, the right button or a
// lost capture cancel. On release the bar docks into the dock bar under the
// outline or floats in a mini frame. StartResize stretches a floating
// dynamic bar by its frame's border; ToggleDocking floats a docked bar where
// it floated last, or docks a floating one back where it was docked.
#pragma once

#include "afx/Rect.h"
#include "afx/Wnd.h"

class CControlBar;
class CDC;
class CDockBar;
class CFrameWnd;

class CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // The virtuals in the order derived contexts rely on: the three
    // actions, then the destructor.
    virtual void StartDrag(CPoint pt);
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void ToggleDocking();
    virtual ~CDockContext();

    // Drag steps.
    void Move(CPoint pt);
    void EndDrag();
    void Stretch(CPoint pt);
    void EndResize();
    void OnKey(int nChar, BOOL bDown);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void InitLoop();
    void CancelLoop();
    // The loop: TRUE when the bar was dropped.
    BOOL Track();

    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast;
    CRect m_rectDragHorz, m_rectDragVert;
    CRect m_rectFrameDragHorz, m_rectFrameDragVert;
    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;       // the sides the bar may dock at
    DWORD m_dwOverDockStyle;   // the side under the outline, 0 for floating
    DWORD m_dwStyle;           // the bar's alignment when the drag began
    BOOL m_bFlip;
    BOOL m_bForceFrame;
    CDC* m_pDC;                // the desktop's DC while dragging
    BOOL m_bDragging;          // a drag, not a resize
    int m_nHitTest;            // the border being dragged by a resize
    CPoint m_ptStart;

    // Where the bar was docked and floated last.
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;    // client coordinates of that dock bar
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;    // screen position of the floating frame

    // Resize state.
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;

private:
    BOOL m_bLocked;   // the desktop's window updates are locked
};
