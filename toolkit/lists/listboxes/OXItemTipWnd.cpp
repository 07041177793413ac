#include "toolkit/lists/listboxes/OXItemTipWnd.h"

#include "afx/DC.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(COXItemTipWnd, CWnd)

BEGIN_MESSAGE_MAP(COXItemTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const char kClassName[] = "ItemTipWnd";
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
} // namespace

COXItemTipWnd::COXItemTipWnd()
    : m_pOwner(nullptr), m_nTimerId(0), m_nOffset(0), m_nAlignment(0), m_hFont(nullptr),
      m_clrText(OXITEMTIP_NO_COLOR), m_clrBackground(OXITEMTIP_NO_COLOR)
{
}

COXItemTipWnd::~COXItemTipWnd()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL COXItemTipWnd::CreateTipWindow(CWnd* pOwner, HBRUSH hbrBackground)
{
    m_pOwner = pOwner;
    WNDCLASSA wc = {};
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!::GetClassInfoA(instance, kClassName, &wc)) {
        wc = {};
        wc.style = CS_SAVEBITS | CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = hbrBackground ? hbrBackground : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INFOBK + 1));
        wc.lpszClassName = kClassName;
        if (!::RegisterClassA(&wc))
            return FALSE;
    }
    return CreateEx(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, nullptr);
}

BOOL COXItemTipWnd::IsTopmostChain(HWND hWnd)
{
    for (HWND h = hWnd; h; h = ::GetParent(h))
        if (::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOPMOST)
            return TRUE;
    return FALSE;
}

CRect COXItemTipWnd::VisibleArea(HWND hWnd)
{
    CRect area;
    if (IsTopmostChain(hWnd))
        ::GetWindowRect(::GetDesktopWindow(), &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void COXItemTipWnd::Display(CRect rect, LPCTSTR lpszText, int nOffset, int nAlignment, CFont* pFont,
                            COLORREF clrText, COLORREF clrBackground)
{
    if (!::IsWindow(m_hWnd) || !m_pOwner || !::IsWindow(m_pOwner->GetSafeHwnd()))
        return;
    const HWND hOwner = m_pOwner->GetSafeHwnd();
    const BOOL bTopmost = IsTopmostChain(hOwner);
    const HWND hActive = ::GetActiveWindow();
    if (!hActive)
        return;
    BOOL bActiveChain = FALSE;
    for (HWND h = hOwner; h && !bActiveChain; h = ::GetParent(h))
        bActiveChain = h == hActive;
    if (!bActiveChain && !bTopmost)
        return;

    m_sText = lpszText ? lpszText : "";
    m_nOffset = nOffset;
    m_nAlignment = nAlignment;
    m_hFont = pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    m_clrText = clrText;
    m_clrBackground = clrBackground;

    {
        CClientDC dc(this);
        HGDIOBJ oldFont = m_hFont ? dc.SelectObject(m_hFont) : nullptr;
        CRect measure(0, 0, 0, 0);
        dc.DrawText(m_sText, m_sText.GetLength(), &measure, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        if (oldFont)
            dc.SelectObject(oldFont);
        const int cxNeeded = measure.Width() + 2 * nOffset;
        if (rect.Width() < cxNeeded)
            rect.right = rect.left + cxNeeded;
        if (rect.Height() < measure.Height())
            rect.bottom = rect.top + measure.Height();
    }

    m_pOwner->ClientToScreen(&rect);
    const CRect area = VisibleArea(hOwner);
    if (rect.right > area.right)
        rect.OffsetRect(area.right - rect.right, 0);
    if (rect.left < area.left)
        rect.OffsetRect(area.left - rect.left, 0);

    SetWindowPos(bTopmost ? &CWnd::wndTopMost : nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | (bTopmost ? 0 : SWP_NOZORDER));
    ShowWindow(SW_SHOWNA);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    m_nTimerId = SetTimer(OXITEMTIP_TIMER_ID, OXITEMTIP_TIMER_PERIOD, nullptr);
}

void COXItemTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (m_clrBackground != OXITEMTIP_NO_COLOR)
        dc.FillSolidRect(&client, m_clrBackground);
    HGDIOBJ oldFont = m_hFont ? dc.SelectObject(m_hFont) : nullptr;
    if (m_clrText != OXITEMTIP_NO_COLOR)
        dc.SetTextColor(m_clrText);
    dc.SetBkMode(TRANSPARENT);
    CRect text = client;
    text.DeflateRect(m_nOffset, 0);
    dc.DrawText(m_sText, m_sText.GetLength(), &text, static_cast<UINT>(m_nAlignment) | kTextFormat);
    if (oldFont)
        dc.SelectObject(oldFont);
}

void COXItemTipWnd::Hide(const MSG* pMsg, CWnd* pTarget)
{
    if (m_nTimerId) {
        KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    if (::IsWindow(m_hWnd))
        ShowWindow(SW_HIDE);
    if (pMsg) {
        CWnd* pTo = pTarget ? pTarget : m_pOwner;
        if (pTo && ::IsWindow(pTo->GetSafeHwnd()))
            pTo->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
    }
}

BOOL COXItemTipWnd::HandleTipMessage(const MSG& msg)
{
    if (msg.hwnd != m_hWnd)
        return FALSE;
    if (msg.message == WM_TIMER && msg.wParam == OXITEMTIP_TIMER_ID) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        if (::WindowFromPoint(cursor) != m_hWnd)
            Hide();
        return TRUE;
    }
    if (msg.message >= WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK) {
        CPoint screen(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        ClientToScreen(&screen);
        HWND hTarget = ::WindowFromPoint(screen);
        if (!hTarget || hTarget == m_hWnd)
            hTarget = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
        if (!hTarget) {
            Hide();
            return TRUE;
        }
        MSG forward = msg;
        const LRESULT hit = ::SendMessageA(hTarget, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit != HTCLIENT) {
            forward.message = msg.message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
            forward.wParam = static_cast<WPARAM>(hit);
            forward.lParam = MAKELPARAM(screen.x, screen.y);
        } else {
            CPoint client = screen;
            ::ScreenToClient(hTarget, &client);
            forward.lParam = MAKELPARAM(client.x, client.y);
        }
        // A move over the tip leaves it up; anything else takes it down.
        CPoint cursor;
        ::GetCursorPos(&cursor);
        if (msg.message == WM_MOUSEMOVE && ::WindowFromPoint(cursor) == m_hWnd)
            ::PostMessageA(hTarget, forward.message, forward.wParam, forward.lParam);
        else
            Hide(&forward, CWnd::FromHandle(hTarget));
        return TRUE;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        Hide(&msg, m_pOwner);
        return TRUE;
    }
    return FALSE;
}

BOOL COXItemTipWnd::PreTranslateMessage(MSG* pMsg)
{
    if (HandleTipMessage(*pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT COXItemTipWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A message loop that does not pre-translate still delivers here.
    MSG msg = {};
    msg.hwnd = m_hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    if (HandleTipMessage(msg))
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

void COXItemTipWnd::OnDestroy()
{
    if (m_nTimerId) {
        KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    CWnd::OnDestroy();
}
