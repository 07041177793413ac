// COleDropTarget: makes a window accept OLE drops. Register hooks it to the
// window; the system's drag callbacks arrive as the virtual OnDragEnter,
// OnDragOver, OnDrop and OnDragLeave with points in the window's client area.
#pragma once

#include "afx/OleDataObject.h"
#include "afx/Rect.h"
#include "afx/Wnd.h"

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    ~COleDropTarget() override;   // revokes a registration still standing
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // FALSE when OLE refused (not initialised, or the window already has a target).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // The base accepts nothing.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: not handled here, OnDrop runs.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Asked before OnDragOver: a point in the band m_nScrollInset wide along
    // the edges of a view with scroll bars scrolls it, first after
    // m_nScrollDelay ms, then every m_nScrollInterval ms. Answers the effect
    // with DROPEFFECT_SCROLL there, else DROPEFFECT_NONE (OnDragOver decides).
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The object as an IDropTarget (no reference added; it lives as long as this).
    LPDROPTARGET GetDropTarget();

protected:
    HWND m_hWnd;      // the registered window
    CWnd* m_pWnd;

public:
    // The system's settings, read at construction.
    int m_nScrollInset;
    UINT m_nScrollDelay;
    UINT m_nScrollInterval;

protected:
    UINT m_nTimerID;      // the scroll directions of the band entered; 0xFFFF: outside
    DWORD m_dwLastTick;   // when the band was entered or last scrolled
    BOOL m_bScrolled;     // scrolled since the band was entered (the interval applies)

private:
    class DropTarget;
    friend class DropTarget;
    // What a drag over point may do: scrolling first, else the target's answer.
    DROPEFFECT Effect(DROPEFFECT allowed, DWORD keyState, CPoint point, bool entering);
    DropTarget* m_dropTarget;
    COleDataObject m_dataObject;   // the data of the drag in progress
};
