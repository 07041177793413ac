#include "controls/layout/SizeIconCtrl.h"

#include "afx/Rect.h"

BOOL cdxCSizeIconCtrl::Create(CWnd* pParent, UINT nID)
{
    HWND hParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    if (!::IsWindow(hParent))
        return FALSE;
    CRect rc;
    ::GetClientRect(hParent, &rc);
    m_hWnd = ::CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                               rc.left, rc.top, rc.Width(), rc.Height(), hParent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), AfxGetInstanceHandle(), nullptr);
    if (!m_hWnd)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    return TRUE;
}

bool cdxCSizeIconCtrl::IsHiddenNow() const
{
    HWND hParent = ::GetParent(m_hWnd);
    return m_bHideIfMaximized && hParent && ::IsZoomed(hParent);
}
