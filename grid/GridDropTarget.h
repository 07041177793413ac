// CGridDropTarget: the OLE drop target of a grid window. It hands the drag
// callbacks for its grid's window to the grid (which refuses every drop) and
// answers no for any other window.
#pragma once

#include "afx/OleDropTarget.h"

class CGridCtrl;

class CGridDropTarget : public COleDropTarget
{
public:
    CGridDropTarget();
    ~CGridDropTarget() override;

    // Refused when already registered or while another registration runs.
    BOOL Register(CGridCtrl* pGridCtrl);
    void Revoke() override;
    BOOL IsRegistered() const { return m_bRegistered; }

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

protected:
    BOOL IsGridWindow(const CWnd* pWnd) const;

    CGridCtrl* m_pGridCtrl;
    BOOL m_bRegistered;
};
