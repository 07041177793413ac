// Framework tooltips: one tooltip window per thread serves every window
// that called EnableToolTips. At each mouse message the window's
// OnToolHitTest names the tool under the pointer; a new tool replaces the
// old one in the tooltip, and the message is relayed so the tooltip times
// its showing. The text comes back by TTN_NEEDTEXT to the window.
#include "afx/Wnd.h"

#include "afx/String.h"

#include <string.h>

namespace {

// The window property that marks a window with tooltips enabled.
const char kToolTipsProperty[] = "AfxToolTips";

struct ThreadToolTip
{
    HWND tip;        // the thread's tooltip window
    HWND toolWnd;    // the window whose tool it shows
    UINT_PTR toolId; // that tool's id
    BOOL hasTool;
};

thread_local ThreadToolTip t_tip = {nullptr, nullptr, 0, FALSE};

void DropTool()
{
    if (t_tip.hasTool && t_tip.tip && ::IsWindow(t_tip.tip)) {
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.hwnd = t_tip.toolWnd;
        info.uId = t_tip.toolId;
        ::SendMessageA(t_tip.tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    t_tip.hasTool = FALSE;
    t_tip.toolWnd = nullptr;
    t_tip.toolId = 0;
}

HWND ToolTipFor(HWND owner)
{
    if (t_tip.tip && ::IsWindow(t_tip.tip))
        return t_tip.tip;
    t_tip.hasTool = FALSE;
    // Owned by the top-level window: it goes with it.
    HWND top = ::GetAncestor(owner, GA_ROOT);
    t_tip.tip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, top, nullptr, nullptr, nullptr);
    if (!t_tip.tip)
        TRACE("EnableToolTips: no tooltip window (%lu)\n", ::GetLastError());
    return t_tip.tip;
}

BOOL IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (!m_hWnd)
        return FALSE;
    if (bEnable)
        return ::SetPropA(m_hWnd, kToolTipsProperty, reinterpret_cast<HANDLE>(1));
    ::RemovePropA(m_hWnd, kToolTipsProperty);
    if (t_tip.toolWnd == m_hWnd)
        DropTool();
    return TRUE;
}

HWND AFXAPI AfxGetThreadToolTip()
{
    return t_tip.tip && ::IsWindow(t_tip.tip) ? t_tip.tip : nullptr;
}

void AFXAPI AfxFilterToolTipMessage(MSG* pMsg, CWnd* pWnd)
{
    if (!pWnd->m_hWnd || !IsMouseMessage(pMsg->message) || !::GetPropA(pWnd->m_hWnd, kToolTipsProperty))
        return;
    HWND tip = ToolTipFor(pWnd->m_hWnd);
    if (!tip)
        return;
    CPoint point(pMsg->pt);
    pWnd->ScreenToClient(&point);
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    const INT_PTR hit = pWnd->OnToolHitTest(point, reinterpret_cast<TOOLINFO*>(&info));
    const UINT_PTR id = (info.uFlags & TTF_IDISHWND) ? info.uId : static_cast<UINT_PTR>(hit);
    if (hit == -1) {
        DropTool();
        return;
    }
    if (!t_tip.hasTool || t_tip.toolWnd != pWnd->m_hWnd || t_tip.toolId != id) {
        DropTool();
        info.hwnd = pWnd->m_hWnd;
        info.uId = id;
        info.lpszText = LPSTR_TEXTCALLBACKA;
        if (!(info.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&info.rect))
            ::GetClientRect(pWnd->m_hWnd, &info.rect);
        if (::SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info))) {
            t_tip.hasTool = TRUE;
            t_tip.toolWnd = pWnd->m_hWnd;
            t_tip.toolId = id;
        }
    }
    // The tooltip times its showing from the mouse messages it is shown.
    MSG relayed = *pMsg;
    relayed.hwnd = pWnd->m_hWnd;
    relayed.lParam = MAKELPARAM(point.x, point.y);
    ::SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

BOOL AFXAPI AfxToolTipTextFromCommand(NMHDR* pNMHDR)
{
    UINT id = static_cast<UINT>(pNMHDR->idFrom);
    const bool wide = pNMHDR->code == TTN_GETDISPINFOW;
    const UINT flags = wide ? reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags
                            : reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags;
    if (flags & TTF_IDISHWND)
        id = static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)));
    if (id == 0)
        return FALSE;
    // The tip is the part of the command's prompt after the newline.
    CString full;
    CString tip;
    if (full.LoadString(id)) {
        const int newline = full.Find('\n');
        if (newline >= 0)
            tip = full.Mid(newline + 1);
    }
    if (wide) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        const int room = static_cast<int>(sizeof info->szText / sizeof info->szText[0]);
        if (::MultiByteToWideChar(CP_ACP, 0, tip, -1, info->szText, room) == 0)
            info->szText[0] = 0;
        info->szText[room - 1] = 0;
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(info->szText, tip, static_cast<int>(sizeof info->szText));
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    return TRUE;
}
