#include "grid/TitleTip.h"

#include "afx/DC.h"
#include "afx/Exception.h"
#include "afx/GdiObject.h"

BEGIN_MESSAGE_MAP(CTitleTip, CWnd)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CTitleTip::CTitleTip()
    : m_pParentWnd(nullptr), m_dwLastLButtonDown(ULONG_MAX), m_dwDblClickMsecs(::GetDoubleClickTime()),
      m_bCreated(FALSE)
{
    WNDCLASSA wndcls = {};
    wndcls.style = CS_SAVEBITS;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wndcls.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
    wndcls.lpszClassName = TITLETIP_CLASSNAME;
    if (!AfxRegisterClass(&wndcls))   // an already registered class counts as success
        AfxThrowResourceException();
}

CTitleTip::~CTitleTip()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CTitleTip::Create(CWnd* pParentWnd)
{
    if (m_bCreated)
        return TRUE;
    m_pParentWnd = pParentWnd;
    m_bCreated = CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TITLETIP_CLASSNAME, nullptr, WS_POPUP | WS_BORDER,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr);
    return m_bCreated;
}

BOOL CTitleTip::DestroyWindow()
{
    m_bCreated = FALSE;
    return CWnd::DestroyWindow();
}

void CTitleTip::Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset, LPRECT lpHoverRect,
                     const LOGFONT* lpLogFont, COLORREF crTextClr, COLORREF crBackClr)
{
    if (!::IsWindow(m_hWnd) && !Create(m_pParentWnd))
        return;
    if (rectTitle.IsRectEmpty() || IsWindowVisible() || !::GetFocus() || !m_pParentWnd)
        return;

    m_rectHover = lpHoverRect ? CRect(*lpHoverRect) : rectTitle;
    m_rectHover.right++;
    m_rectHover.bottom++;
    m_pParentWnd->ClientToScreen(m_rectHover);
    ScreenToClient(m_rectHover);

    m_rectTitle = CRect(-1 - xoffset, -1, rectTitle.Width() - xoffset, rectTitle.Height() + 1);
    m_pParentWnd->ClientToScreen(rectTitle);

    CString strTitle = _T(" ");
    strTitle += lpszTitleText;
    strTitle += _T(" ");

    CClientDC dc(this);
    CFont font;
    CFont* pOldFont;
    if (lpLogFont) {
        font.CreateFontIndirect(lpLogFont);
        pOldFont = dc.SelectObject(&font);
    } else
        pOldFont = dc.SelectObject(CFont::FromHandle((HFONT)m_pParentWnd->SendMessage(WM_GETFONT, 0, 0)));

    CSize size = dc.GetTextExtent(strTitle);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    size.cx += tm.tmOverhang;

    CRect rectDisplay = rectTitle;
    rectDisplay.left += xoffset;
    rectDisplay.right = rectDisplay.left + size.cx + xoffset;

    // Only a text that does not fit needs a tip.
    if (rectDisplay.right > rectTitle.right - xoffset) {
        SetWindowPos(&wndTop, rectDisplay.left, rectDisplay.top, rectDisplay.Width(), rectDisplay.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        if (crBackClr != CLR_DEFAULT) {
            CBrush backBrush(crBackClr);
            CBrush* pOldBrush = dc.SelectObject(&backBrush);
            CRect rect;
            dc.GetClipBox(&rect);
            dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
            dc.SelectObject(pOldBrush);
        }
        if (crTextClr != CLR_DEFAULT)
            dc.SetTextColor(crTextClr);
        dc.SetBkMode(TRANSPARENT);
        CRect client;
        GetClientRect(client);
        dc.DrawText(strTitle, client, DT_EDITCONTROL);
        SetCapture();
    }
    dc.SelectObject(pOldFont);
}

void CTitleTip::Hide()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (GetCapture() == this)
        ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CTitleTip::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_rectHover.PtInRect(point))
        return;
    Hide();

    ClientToScreen(&point);
    CWnd* pWnd = CWnd::FromHandle(::WindowFromPoint(point));
    if (pWnd == this)
        pWnd = m_pParentWnd;
    if (!pWnd)
        return;
    int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
    if (hittest == HTCLIENT) {
        pWnd->ScreenToClient(&point);
        pWnd->PostMessage(WM_MOUSEMOVE, nFlags, MAKELONG(point.x, point.y));
    } else
        pWnd->PostMessage(WM_NCMOUSEMOVE, hittest, MAKELONG(point.x, point.y));
}

void CTitleTip::ForwardButton(const MSG* pMsg, BOOL bDoubleClick)
{
    POINTS pts = MAKEPOINTS(pMsg->lParam);
    CPoint point(pts.x, pts.y);
    ClientToScreen(&point);
    Hide();
    CWnd* pWnd = CWnd::FromHandle(::WindowFromPoint(point));
    if (!pWnd)
        return;
    if (pWnd == this)
        pWnd = m_pParentWnd;
    if (!pWnd)
        return;

    UINT message = pMsg->message;
    WPARAM wParam = pMsg->wParam;
    int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
    if (hittest == HTCLIENT) {
        pWnd->ScreenToClient(&point);
        if (bDoubleClick)
            message = WM_LBUTTONDBLCLK;
    } else {
        switch (message) {
        case WM_LBUTTONDOWN:
            message = WM_NCLBUTTONDOWN;
            break;
        case WM_RBUTTONDOWN:
            message = WM_NCRBUTTONDOWN;
            break;
        default:
            message = WM_NCMBUTTONDOWN;
            break;
        }
        wParam = (WPARAM)hittest;
    }
    pWnd->PostMessage(message, wParam, MAKELONG(point.x, point.y));
}

BOOL CTitleTip::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN: {
        DWORD now = ::GetTickCount();
        BOOL bDoubleClick = now - m_dwLastLButtonDown <= m_dwDblClickMsecs;
        m_dwLastLButtonDown = now;
        ForwardButton(pMsg, bDoubleClick);
        return TRUE;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        ForwardButton(pMsg, FALSE);
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        if (m_pParentWnd)
            m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    default:
        break;
    }
    if (!::GetFocus()) {
        Hide();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
