// CRectTracker: a rectangle the user moves and resizes with the mouse, drawn
// with a frame, hatching and resize handles as its style says. Track runs a
// modal loop with the mouse captured until the button goes up (committed) or
// Esc, a right click or the loss of capture cancels; TrackRubberBand drags a
// new rectangle from a point. The frame follows the mouse as an XOR drag
// frame (DrawTrackerRect), which derived trackers may draw their own way.
#pragma once

#include "afx/Rect.h"

class CDC;
class CWnd;

class CRectTracker
{
public:
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Hit codes: the handles (corners, then sides), the inside, or nothing.
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    virtual ~CRectTracker();

    // Paints the tracker in its style (in the DC's coordinates, those of m_rect).
    void Draw(CDC* pDC) const;
    // The rectangle the tracker paints, handles and hatching included.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // Sets the cursor for the part under the mouse when nHitTest is HTCLIENT;
    // FALSE when the mouse is not over the tracker (the caller sets its own).
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // The part of the tracker under a point of pWnd's client area.
    int HitTest(CPoint point) const;
    // The handle of an inverted m_rect that moves the edges the given
    // (as seen) handle moves: left and right trade places when the width is
    // negative, top and bottom when the height is.
    int NormalizeHit(int nHandle) const;

    // Moves or resizes by the part under point (pWnd's client coordinates)
    // until the left button goes up: TRUE when m_rect changed. Esc, a right
    // click, the loss of capture or WM_QUIT (posted again) cancel: FALSE and
    // m_rect as it was. With bAllowInvert the rectangle may turn inside out.
    // pWndClipTo: the window whose DC the frame is drawn on (pWnd's by default).
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
    // Drags a new rectangle from point; m_rect is normalised when it is taken.
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);

    // Draws the moving frame. The loop calls it with m_bErase set before a
    // change (the frame drawn last is about to go) and with m_bFinalErase
    // also set when tracking ends; the base draws a drag frame that moves from
    // m_rectLast to the new rectangle, and only records while an erase is pending.
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    // Corrects the rectangle the mouse made; the base keeps it at least
    // m_sizeMin and, without bAllowInvert, right side out.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    // m_rect changed during tracking (from rectOld).
    virtual void OnChangedRect(const CRect& rectOld);
    // Which handles are shown: bit n for hit code n. The base shows the
    // corners, and the side handles when the rectangle has room for them.
    virtual UINT GetHandleMask() const;

    UINT m_nStyle;
    CRect m_rect;
    CSize m_sizeMin;
    int m_nHandleSize;

protected:
    // The handle's rectangle (of the normalised m_rect) in pWnd's client coordinates.
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;

    BOOL m_bAllowInvert;
    // The frame drawn last and its thickness, for the next drag frame.
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bErase;        // the frame drawn last is being erased
    BOOL m_bFinalErase;   // ... for good: tracking ends

    // What DrawTrackerRect does, with a frame nBorder pixels thick.
    void DrawTrackerFrame(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd, int nBorder);
    // Tracks by the given handle (a hit code) from point, as Track does.
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);

private:
    // Calls fn(hit code, rectangle) for each handle shown (none without a resize style).
    template <class Fn>
    void ForEachHandle(Fn&& fn) const;
};
