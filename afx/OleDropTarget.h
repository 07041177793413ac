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

    // The object as an IDropTarget (no reference added; it lives as long as this).
    LPDROPTARGET GetDropTarget();

protected:
    HWND m_hWnd;      // the registered window
    CWnd* m_pWnd;

private:
    class DropTarget;
    friend class DropTarget;
    DropTarget* m_dropTarget;
    COleDataObject m_dataObject;   // the data of the drag in progress
};
