// Handlers that take a CPoint: mouse messages, hit tests, context menus.
#include "afx/Wnd.h"

#define AFX_CALL(type) (this->*AfxFromPmsg<type>(pfn))

BOOL CWnd::DispatchPointMsg(UINT_PTR nSig, AFX_PMSG pfn, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Coordinates are signed: a point left of or above a window is negative.
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    LRESULT r = 0;
    switch (nSig) {
    case AfxSig_v_u_pt:
        AFX_CALL(void (CWnd::*)(UINT, CPoint))(static_cast<UINT>(wParam), point);
        break;
    case AfxSig_b_u_s_pt:
        r = AFX_CALL(BOOL (CWnd::*)(UINT, short, CPoint))(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), point);
        break;
    case AfxSig_l_pt:
        r = AFX_CALL(LRESULT (CWnd::*)(CPoint))(point);
        break;
    case AfxSig_v_pWnd_pt:
        AFX_CALL(void (CWnd::*)(CWnd*, CPoint))(FromHandle(reinterpret_cast<HWND>(wParam)), point);
        break;
    default:
        return FALSE;
    }
    *pResult = r;
    return TRUE;
}

void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDblClk(UINT, CPoint) { Default(); }
