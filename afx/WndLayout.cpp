#include "afx/SizeParent.h"
#include "afx/Wnd.h"

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    ASSERT(hWnd != nullptr && lpRect != nullptr);
    HWND parent = ::GetParent(hWnd);
    CRect old;
    ::GetWindowRect(hWnd, &old);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&old), 2);
    if (old == *lpRect)
        return;   // an unmoved window is not repainted
    if (lpLayout && lpLayout->hDWP) {
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    } else if (!lpLayout) {
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD exStyle = GetExStyle();
    // Outside a parent's client the client edge belongs to the pane, not the border.
    if (nAdjustType == adjustBorder)
        exStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, exStyle);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    ASSERT(m_hWnd != nullptr);
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    const UINT mode = nFlag & ~static_cast<UINT>(reposNoPosLeftOver);
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if (mode != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);

    HWND leftOver = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        // Only bound windows know the record; a foreign control could take
        // the message for something of its own.
        CWnd* wnd = CWnd::FromHandlePermanent(child);
        // The first child with the leftover id is the pane (as GetDlgItem
        // finds it); a later one with that id is laid out like any other.
        if (id == nIDLeftOver && !leftOver)
            leftOver = child;
        else if (id >= nIDFirst && id <= nIDLast && wnd)
            ::SendMessageA(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (mode == reposQuery) {
        ASSERT(lpRectParam != nullptr);
        if (bStretch) {
            *lpRectParam = layout.rect;
        } else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }
    if (mode == reposExtra && lpRectParam) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (layout.rect.right < layout.rect.left)
        layout.rect.right = layout.rect.left;
    if (layout.rect.bottom < layout.rect.top)
        layout.rect.bottom = layout.rect.top;
    if (leftOver && !(nFlag & reposNoPosLeftOver)) {
        CRect rest(layout.rect);
        // The pane's object decides how its window fits the rest (a pane
        // with a border of its own, an MDI client).
        if (CWnd* pane = CWnd::FromHandlePermanent(leftOver))
            pane->CalcWindowRect(&rest);
        AfxRepositionWindow(&layout, leftOver, &rest);
    }
    if (layout.hDWP && !::EndDeferWindowPos(layout.hDWP))
        TRACE("RepositionBars: EndDeferWindowPos failed (%lu)\n", ::GetLastError());
}
