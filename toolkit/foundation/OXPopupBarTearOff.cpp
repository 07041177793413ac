// COXPopupBarCtrl: tearing the bar off into a floating tool window, and how
// the floating bar behaves (closing hides it, activation follows its owner).
#include "toolkit/foundation/OXPopupBarCtrl.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXPopupBarMessages.h"

const UINT MsgPopupOk = ::RegisterWindowMessageA("_POPUPBAR_OK_");
const UINT MsgPopupCancel = ::RegisterWindowMessageA("_POPUPBAR_CANCEL_");
const UINT MsgPopupCustom = ::RegisterWindowMessageA("_POPUPBAR_CUSTOMBUTTONPICKED_");
const UINT MsgPopupTearOff = ::RegisterWindowMessageA("_POPUPBAR_TEAROFF_");

namespace {
// DCX_WINDOW | DCX_CACHE, plus DCX_LOCKWINDOWUPDATE when the desktop is locked.
const DWORD DragDCFlags = DCX_WINDOW | DCX_CACHE;

CBrush* WhiteBrush()
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}
} // namespace

void COXPopupBarCtrl::CloseTornOff()
{
    if (m_hWnd && m_bTornOff)
        PostResult(MsgPopupCancel);
}

void COXPopupBarCtrl::TearOff()
{
    DWORD position = ::GetMessagePos();
    CPoint cursor(static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position)));
    CRect rect;
    GetWindowRect(&rect);
    if (!rect.PtInRect(cursor)) {
        ShowWindow(SW_HIDE);
        return;
    }
    BOOL torn = TrackTearOff(rect);
    if (!torn) {
        ShowWindow(SW_HIDE);
        return;
    }
    DestroyWindow();
    m_bTornOff = TRUE;
    if (!CreateBarWindow() || !CalcLayout()) {
        m_bTornOff = FALSE;
        return;
    }
    UpdateToolTips();
    SetWindowPos(nullptr, rect.left, rect.top, m_layout.windowSize.cx, m_layout.windowSize.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL COXPopupBarCtrl::TrackTearOff(CRect& rect)
{
    if (::GetCapture())
        return FALSE;
    HWND desktop = ::GetDesktopWindow();
    BOOL locked = ::LockWindowUpdate(desktop);
    HDC hdc = ::GetDCEx(desktop, nullptr, DragDCFlags | (locked ? DCX_LOCKWINDOWUPDATE : 0));
    if (!hdc) {
        if (locked)
            ::LockWindowUpdate(nullptr);
        return FALSE;
    }
    CDC dc;
    dc.Attach(hdc);
    const CSize frame(PopupBarDragFrameWidth, PopupBarDragFrameWidth);
    CRect last = rect;
    dc.DrawDragRect(&rect, frame, nullptr, CSize(0, 0), WhiteBrush(), WhiteBrush());

    DWORD position = ::GetMessagePos();
    CPoint lastPoint(static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position)));
    SetCapture();
    m_bDragging = TRUE;
    BOOL result = FALSE;
    MSG msg;
    while (::GetCapture() == m_hWnd) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the thread's loop: hand it back and cancel.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (msg.message == WM_MOUSEMOVE) {
            CPoint point(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &point);
            rect.OffsetRect(point - lastPoint);
            lastPoint = point;
            dc.DrawDragRect(&rect, frame, &last, frame, WhiteBrush(), WhiteBrush());
            last = rect;
        } else if (msg.message == WM_LBUTTONUP) {
            result = TRUE;
            break;
        } else if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else if (msg.message != WM_KEYDOWN) {
            ::DispatchMessageA(&msg);
        }
    }
    m_bDragging = FALSE;
    dc.DrawDragRect(&last, CSize(0, 0), &last, frame, WhiteBrush(), WhiteBrush());
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (locked)
        ::LockWindowUpdate(nullptr);
    ::ReleaseDC(desktop, dc.Detach());
    return result;
}

void COXPopupBarCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != PopupBarTimerId) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_bTornOff && m_bMouseSeen) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (HitTest(cursor) == -1)
            SetHotButton(-1);
    }
}

void COXPopupBarCtrl::OnClose()
{
    // The bar is kept for the next pick.
    ShowWindow(SW_HIDE);
}

void COXPopupBarCtrl::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE && !bMinimized)
        SetFocus();
}

BOOL COXPopupBarCtrl::OnNcActivate(BOOL bActive)
{
    // A bar that follows its owner's activation paints its caption only
    // through WM_FLOATSTATUS.
    if (GetStyle() & MFS_SYNCACTIVE)
        return (m_nFlags & WF_KEEPMINIACTIVE) ? FALSE : TRUE;
    return CWnd::OnNcActivate(bActive);
}

BOOL COXPopupBarCtrl::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CWnd::OnNcCreate(lpCreateStruct))
        return FALSE;
    if ((lpCreateStruct->style & MFS_SYNCACTIVE) && m_pParent && m_pParent->GetSafeHwnd()) {
        HWND foreground = ::GetForegroundWindow();
        CWnd* top = m_pParent->GetTopLevelParent();
        HWND topWnd = top ? top->GetSafeHwnd() : m_pParent->GetSafeHwnd();
        HWND popup = ::GetLastActivePopup(topWnd);
        BOOL active = foreground == topWnd ||
                      (popup == foreground && popup && ::SendMessageA(popup, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0);
        SendMessage(WM_FLOATSTATUS, active ? FS_ACTIVATE : FS_DEACTIVATE);
    }
    return TRUE;
}

LRESULT COXPopupBarCtrl::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    if (!m_bTornOff)
        return 0;
    const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
    if (wParam & FS_SHOW)
        SetWindowPos(nullptr, 0, 0, 0, 0, keep | SWP_SHOWWINDOW);
    else if (wParam & FS_HIDE)
        SetWindowPos(nullptr, 0, 0, 0, 0, keep | SWP_HIDEWINDOW);
    if (wParam & FS_ENABLE)
        EnableWindow(TRUE);
    else if (wParam & FS_DISABLE)
        EnableWindow(FALSE);
    const BOOL sync = (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (sync && (wParam & (FS_ACTIVATE | FS_DEACTIVATE))) {
        // Paint the caption as the owner's: the default handling does it once
        // the bit that makes WM_NCACTIVATE skip it is off.
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) ? TRUE : FALSE);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return sync && (wParam & FS_SYNCACTIVE);
}

BOOL COXPopupBarCtrl::OnQueryNewPalette()
{
    Invalidate();
    return CWnd::OnQueryNewPalette();
}

void COXPopupBarCtrl::OnPaletteChanged(CWnd* pFocusWnd)
{
    CWnd::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
        Invalidate();
}
