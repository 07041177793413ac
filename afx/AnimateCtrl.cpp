#include "afx/AnimateCtrl.h"

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, ANIMATE_CLASSA, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCTSTR lpszFileName)
{
    return static_cast<BOOL>(AfxCtrlSend(this, ACM_OPENA, 0, reinterpret_cast<LPARAM>(lpszFileName)));
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    return static_cast<BOOL>(AfxCtrlSend(this, ACM_OPENA, reinterpret_cast<WPARAM>(AfxGetResourceHandle()),
                                         reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(nID))));
}

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep)
{
    return static_cast<BOOL>(AfxCtrlSend(this, ACM_PLAY, nRep, MAKELONG(nFrom, nTo)));
}
