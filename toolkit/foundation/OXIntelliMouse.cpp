#include "toolkit/foundation/OXIntelliMouse.h"

#include "afx/View.h"
#include "afx/Wnd.h"
#include "toolkit/resources/ToolkitResource.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(COXIntelliMouse, COXHookWnd)

namespace {
const int kFar = 0x4000;   // the direction areas reach this far from the start

BOOL IsButtonPress(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN: case WM_NCXBUTTONDBLCLK:
        return TRUE;
    default:
        return FALSE;
    }
}

// Client and non-client forms of the same click differ by this much.
const UINT kClientToNonClient = WM_LBUTTONDOWN - WM_NCLBUTTONDOWN;
} // namespace

COXIntelliMouse::COXIntelliMouse()
    : m_nStartEvent(WM_MBUTTONDOWN), m_dwKeyState(0), m_bActive(FALSE), m_dwScrollFlags(0), m_nTimerID(0),
      m_nDirection(0), m_nHorzSteps(0), m_nVertSteps(0), m_ptStart(-1, -1), m_bOriginLoaded(FALSE)
{
    for (const OXIM_CURSOR_ENTRY& entry : OXIM_CURSORS) {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(entry.nCursorID), RT_GROUP_CURSOR);
        if (HCURSOR hCursor = ::LoadCursorA(hInst, MAKEINTRESOURCE(entry.nCursorID)))
            m_mapCursors.SetAt(entry.nDirection, hCursor);
    }
    m_bOriginLoaded = m_wndOrigin.LoadBitmapById(IDB_OX_IM_ORIGIN, CLR_DEFAULT);
    // The mark must not end scrolling by itself: keys and clicks are ours.
    m_wndOrigin.SetUserCancel(FALSE);
}

COXIntelliMouse::~COXIntelliMouse()
{
    StopScrolling();
    if (IsHooked())
        COXHookWnd::UnhookWindow();
}

BOOL COXIntelliMouse::Attach(HWND hWnd, UINT nStartEvent, DWORD dwKeyState)
{
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    HookWindow(hWnd);
    SetStartEvent(nStartEvent, dwKeyState);
    return IsHooked();
}

BOOL COXIntelliMouse::Attach(CWnd* pWnd, UINT nStartEvent, DWORD dwKeyState)
{
    return Attach(pWnd ? pWnd->GetSafeHwnd() : nullptr, nStartEvent, dwKeyState);
}

void COXIntelliMouse::Detach()
{
    UnhookWindow();
}

BOOL COXIntelliMouse::UnhookWindow()
{
    StopScrolling();
    return COXHookWnd::UnhookWindow();
}

void COXIntelliMouse::Reset()
{
    StopScrolling();
    m_nStartEvent = WM_MBUTTONDOWN;
    m_dwKeyState = 0;
}

void COXIntelliMouse::SetStartEvent(UINT nStartEvent, DWORD dwKeyState)
{
    m_nStartEvent = nStartEvent;
    m_dwKeyState = dwKeyState;
}

BOOL COXIntelliMouse::CanScroll()
{
    m_dwScrollFlags = 0;
    auto axis = [this](int bar, DWORD lowBit, DWORD highBit) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (!::GetScrollInfo(m_hWndHooked, bar, &info) || info.nMax == 0 || info.nPage == 0 ||
            info.nMax < static_cast<int>(info.nPage))
            return;
        if (info.nPos >= 1)
            m_dwScrollFlags |= lowBit;
        if (info.nMax >= info.nPos + static_cast<int>(info.nPage))
            m_dwScrollFlags |= highBit;
    };
    if (m_hWndHooked) {
        axis(SB_HORZ, OXIM_LEFT, OXIM_RIGHT);
        axis(SB_VERT, OXIM_UP, OXIM_DOWN);
    }
    if ((m_nHorzSteps < 0 && !(m_dwScrollFlags & OXIM_LEFT)) || (m_nHorzSteps > 0 && !(m_dwScrollFlags & OXIM_RIGHT)))
        m_nHorzSteps = 0;
    if ((m_nVertSteps < 0 && !(m_dwScrollFlags & OXIM_UP)) || (m_nVertSteps > 0 && !(m_dwScrollFlags & OXIM_DOWN)))
        m_nVertSteps = 0;
    return TRUE;
}

BOOL COXIntelliMouse::StartScrolling()
{
    if (!m_hWndHooked || !CanScroll() || m_dwScrollFlags == 0)
        return FALSE;
    m_nTimerID = ::SetTimer(m_hWndHooked, OXIM_TIMER_ID, OXIM_TIMER_PERIOD, nullptr);
    POINT cursor;
    ::GetCursorPos(&cursor);
    m_ptStart = cursor;
    // The origin mark, centred on the start point.
    const CSize mark = m_wndOrigin.GetDIB().GetSize();
    POINT topLeft = { cursor.x - mark.cx / 2, cursor.y - mark.cy / 2 };
    if (!m_bOriginLoaded || !m_wndOrigin.Show(COXSplashWnd::DisplayUntilClosed, CWnd::FromHandle(m_hWndHooked), &topLeft)) {
        ::KillTimer(m_hWndHooked, m_nTimerID);
        m_nTimerID = 0;
        m_ptStart = CPoint(-1, -1);
        return FALSE;
    }
    // Keys reach the scrolled window, not the mark.
    ::SetFocus(m_hWndHooked);

    const BOOL horizontal = (m_dwScrollFlags & (OXIM_LEFT | OXIM_RIGHT)) != 0;
    const BOOL vertical = (m_dwScrollFlags & (OXIM_UP | OXIM_DOWN)) != 0;
    const int neutral = horizontal && vertical ? OXIM_NEUTRAL_ALL : (vertical ? OXIM_NEUTRAL_VERT : OXIM_NEUTRAL_HORZ);
    const int x = cursor.x, y = cursor.y, h = OXIM_NEUTRAL_HALF;
    const CRect area(x - h, y - h, x + h + 1, y + h + 1);
    m_mapRects.RemoveAll();
    if (neutral == OXIM_NEUTRAL_ALL) {
        m_mapRects.SetAt(OXIM_NEUTRAL_ALL, area);
        m_mapRects.SetAt(1, CRect(x - kFar, area.top, area.left, area.bottom));
        m_mapRects.SetAt(4, CRect(area.right, area.top, x + kFar, area.bottom));
        m_mapRects.SetAt(2, CRect(area.left, y - kFar, area.right, area.top));
        m_mapRects.SetAt(8, CRect(area.left, area.bottom, area.right, y + kFar));
        m_mapRects.SetAt(3, CRect(x - kFar, y - kFar, area.left, area.top));
        m_mapRects.SetAt(6, CRect(area.right, y - kFar, x + kFar, area.top));
        m_mapRects.SetAt(9, CRect(x - kFar, area.bottom, area.left, y + kFar));
        m_mapRects.SetAt(12, CRect(area.right, area.bottom, x + kFar, y + kFar));
    } else if (neutral == OXIM_NEUTRAL_VERT) {
        m_mapRects.SetAt(OXIM_NEUTRAL_VERT, CRect(x - kFar, area.top, x + kFar, area.bottom));
        m_mapRects.SetAt(2, CRect(x - kFar, y - kFar, x + kFar, area.top));
        m_mapRects.SetAt(8, CRect(x - kFar, area.bottom, x + kFar, y + kFar));
    } else {
        m_mapRects.SetAt(OXIM_NEUTRAL_HORZ, CRect(area.left, y - kFar, area.right, y + kFar));
        m_mapRects.SetAt(1, CRect(x - kFar, y - kFar, area.left, y + kFar));
        m_mapRects.SetAt(4, CRect(area.right, y - kFar, x + kFar, y + kFar));
    }
    m_nDirection = neutral;
    m_nHorzSteps = 0;
    m_nVertSteps = 0;
    SetDirectionCursor(neutral);
    ::SetCapture(m_hWndHooked);
    m_bActive = TRUE;
    return TRUE;
}

void COXIntelliMouse::StopScrolling()
{
    if (m_bActive) {
        m_bActive = FALSE;
        m_wndOrigin.Hide();
        if (m_hWndHooked && ::GetCapture() == m_hWndHooked)
            ::ReleaseCapture();
        if (m_hWndHooked && m_nTimerID)
            ::KillTimer(m_hWndHooked, m_nTimerID);
    }
    m_dwScrollFlags = 0;
    m_nTimerID = 0;
    m_nDirection = 0;
    m_nHorzSteps = 0;
    m_nVertSteps = 0;
    m_ptStart = CPoint(-1, -1);
}

void COXIntelliMouse::SetDirectionCursor(int nDirection)
{
    HCURSOR hCursor = nullptr;
    m_mapCursors.Lookup(nDirection, hCursor);
    ::SetCursor(hCursor);
}

void COXIntelliMouse::TrackCursor(CPoint screen)
{
    int direction = 0;
    CRect rect;
    for (int code : { OXIM_NEUTRAL_ALL, OXIM_NEUTRAL_VERT, OXIM_NEUTRAL_HORZ, 1, 2, 3, 4, 6, 8, 9, 12 }) {
        if (m_mapRects.Lookup(code, rect) && rect.PtInRect(screen)) {
            direction = code;
            break;
        }
    }
    if (direction == 0)
        return;
    m_nDirection = direction;
    SetDirectionCursor(direction);
    if (direction == OXIM_NEUTRAL_ALL || direction == OXIM_NEUTRAL_VERT || direction == OXIM_NEUTRAL_HORZ) {
        m_nHorzSteps = 0;
        m_nVertSteps = 0;
        return;
    }
    // Measured from the edge of the origin area the cursor has crossed.
    const int h = OXIM_NEUTRAL_HALF;
    m_nHorzSteps = 0;
    m_nVertSteps = 0;
    if (direction & OXIM_LEFT)
        m_nHorzSteps = (screen.x - (m_ptStart.x - h)) / OXIM_PIXELS_PER_COLUMN;
    else if (direction & OXIM_RIGHT)
        m_nHorzSteps = (screen.x - (m_ptStart.x + h)) / OXIM_PIXELS_PER_COLUMN;
    if (direction & OXIM_UP)
        m_nVertSteps = (screen.y - (m_ptStart.y - h)) / OXIM_PIXELS_PER_ROW;
    else if (direction & OXIM_DOWN)
        m_nVertSteps = (screen.y - (m_ptStart.y + h)) / OXIM_PIXELS_PER_ROW;
}

void COXIntelliMouse::ScrollOnce()
{
    CScrollView* pView = DYNAMIC_DOWNCAST(CScrollView, CWnd::FromHandlePermanent(m_hWndHooked));
    for (int i = std::abs(m_nHorzSteps); i > 0 && m_hWndHooked; --i) {
        const UINT code = m_nHorzSteps > 0 ? SB_LINERIGHT : SB_LINELEFT;
        if (pView)
            pView->OnScroll(MAKEWORD(code, 0xFF), 0, TRUE);
        else
            ::SendMessageA(m_hWndHooked, WM_HSCROLL, MAKEWPARAM(code, 0), 0);
    }
    for (int i = std::abs(m_nVertSteps); i > 0 && m_hWndHooked; --i) {
        const UINT code = m_nVertSteps > 0 ? SB_LINEDOWN : SB_LINEUP;
        if (pView)
            pView->OnScroll(MAKEWORD(0xFF, code), 0, TRUE);
        else
            ::SendMessageA(m_hWndHooked, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
    }
    CanScroll();
}

BOOL COXIntelliMouse::ConvertClick(UINT& message, WPARAM& wParam, LPARAM& lParam) const
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (::WindowFromPoint(cursor) != m_hWndHooked)
        return FALSE;
    const LRESULT hit = ::SendMessageA(m_hWndHooked, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y));
    const BOOL client = message >= WM_MOUSEFIRST;
    if (hit == HTCLIENT) {
        POINT point = cursor;
        ::ScreenToClient(m_hWndHooked, &point);
        if (!client) {
            message += kClientToNonClient;
            wParam = 0;
        }
        lParam = MAKELPARAM(point.x, point.y);
    } else {
        if (client)
            message -= kClientToNonClient;
        wParam = static_cast<WPARAM>(hit);
        lParam = MAKELPARAM(cursor.x, cursor.y);
    }
    return TRUE;
}

LRESULT COXIntelliMouse::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive && message == m_nStartEvent) {
        const BOOL keys = (!(m_dwKeyState & OXIM_KEY_CTRL) || ::GetKeyState(VK_CONTROL) < 0) &&
                          (!(m_dwKeyState & OXIM_KEY_SHIFT) || ::GetKeyState(VK_SHIFT) < 0) &&
                          (!(m_dwKeyState & OXIM_KEY_ALT) || ::GetKeyState(VK_MENU) < 0);
        if (keys && StartScrolling())
            return 0;
    }
    if (m_bActive && ::GetCapture() != m_hWndHooked)
        StopScrolling();
    if (m_bActive) {
        switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            StopScrolling();
            return 0;
        case WM_SETCURSOR:
            return TRUE;
        case WM_TIMER:
            if (wParam == m_nTimerID)
                ScrollOnce();
            break;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            POINT cursor;
            ::GetCursorPos(&cursor);
            TrackCursor(cursor);
            break;
        }
        default:
            if (IsButtonPress(message)) {
                StopScrolling();
                if (!ConvertClick(message, wParam, lParam))
                    return 0;
            }
            break;
        }
    }
    return COXHookWnd::WindowProc(message, wParam, lParam);
}
