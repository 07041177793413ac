#include "controls/label/Label.h"

#include <shellapi.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CLabel, CStatic)

BEGIN_MESSAGE_MAP(CLabel, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CLabel::CLabel()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_cr3DHiliteColor(RGB(255, 255, 255)),
      m_hwndBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))), m_hBackBrush(nullptr), m_crBkgnd(0),
      m_crBkgndHigh(0), m_fillmode(Normal), m_lf(), m_font(), m_bState(FALSE), m_bTimer(FALSE), m_Link(LinkNone),
      m_bNotifyParent(FALSE), m_bFont3d(FALSE), m_3dType(Raised), m_bRotation(FALSE), m_bTransparent(FALSE),
      m_Type(None), m_hCursor(nullptr), m_strURL()
{
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf);
    ReconstructFont();
}

CLabel::~CLabel()
{
    if (m_bTimer && ::IsWindow(m_hWnd))
        KillTimer(FlashTimerId);
    ::DeleteObject(m_hwndBrush);
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
}

void CLabel::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    // The label starts with the font the static was given (a dialog's font).
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!hFont)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ::GetObjectA(hFont, sizeof(m_lf), &m_lf);
    ReconstructFont();
}

void CLabel::ReconstructFont()
{
    m_font.DeleteObject();
    VERIFY(m_font.CreateFontIndirect(&m_lf));
}

void CLabel::UpdateSurface()
{
    if (!::IsWindow(m_hWnd))
        return;
    // A transparent label shows its parent: that part must be repainted too.
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    RedrawWindow();
    HWND parent = ::GetParent(m_hWnd);
    if (parent) {
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rc), 2);
        ::InvalidateRect(parent, &rc, TRUE);
        ::UpdateWindow(parent);
    }
}

// ---- Setters ---------------------------------------------------------------------------

CLabel& CLabel::SetBkColor(COLORREF crBkgnd, COLORREF crBkgndHigh, BackFillMode mode)
{
    m_crBkgnd = crBkgnd;
    m_crBkgndHigh = crBkgndHigh;
    m_fillmode = mode;
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
    m_hBackBrush = ::CreateSolidBrush(crBkgnd);
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetText(const CString& strText)
{
    if (::IsWindow(m_hWnd))
        SetWindowText(strText);
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFontBold(BOOL bBold)
{
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFontName(const CString& strFont, BYTE byCharSet)
{
    m_lf.lfCharSet = byCharSet;
    lstrcpynA(m_lf.lfFaceName, strFont, LF_FACESIZE);
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFontUnderline(BOOL bSet)
{
    m_lf.lfUnderline = static_cast<BYTE>(bSet ? 1 : 0);
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFontItalic(BOOL bSet)
{
    m_lf.lfItalic = static_cast<BYTE>(bSet ? 1 : 0);
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFontSize(int nSize)
{
    HDC screen = ::GetDC(nullptr);
    m_lf.lfHeight = -::MulDiv(nSize, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    m_lf.lfWidth = 0;
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetSunken(BOOL bSet)
{
    if (::IsWindow(m_hWnd))
        ModifyStyleEx(bSet ? 0 : WS_EX_STATICEDGE, bSet ? WS_EX_STATICEDGE : 0, SWP_FRAMECHANGED);
    return *this;
}

CLabel& CLabel::SetBorder(BOOL bSet)
{
    if (::IsWindow(m_hWnd))
        ModifyStyle(bSet ? 0 : WS_BORDER, bSet ? WS_BORDER : 0, SWP_FRAMECHANGED);
    return *this;
}

CLabel& CLabel::SetTransparent(BOOL bSet)
{
    m_bTransparent = bSet;
    if (::IsWindow(m_hWnd))
        ModifyStyleEx(bSet ? 0 : WS_EX_TRANSPARENT, bSet ? WS_EX_TRANSPARENT : 0, SWP_FRAMECHANGED);
    UpdateSurface();
    return *this;
}

void CLabel::StartFlash(FlashType type, BOOL bActivate)
{
    if (m_bTimer && ::IsWindow(m_hWnd))
        KillTimer(FlashTimerId);
    m_bTimer = FALSE;
    // Whatever phase the flash stopped in, the label is left fully shown.
    m_bState = FALSE;
    m_Type = None;
    if (bActivate && ::IsWindow(m_hWnd)) {
        m_bTimer = SetTimer(FlashTimerId, FlashPeriod, nullptr) != 0;
        if (m_bTimer)
            m_Type = type;
    }
    UpdateSurface();
}

CLabel& CLabel::FlashText(BOOL bActivate)
{
    StartFlash(Text, bActivate);
    return *this;
}

CLabel& CLabel::FlashBackground(BOOL bActivate)
{
    StartFlash(Background, bActivate);
    return *this;
}

CLabel& CLabel::SetLink(BOOL bLink, BOOL bNotifyParent)
{
    m_Link = bLink ? HyperLink : LinkNone;
    m_bNotifyParent = bNotifyParent;
    if (bLink && ::IsWindow(m_hWnd))
        ModifyStyle(0, SS_NOTIFY);
    return *this;
}

CLabel& CLabel::SetMailLink(BOOL bEnable, BOOL bNotifyParent)
{
    m_Link = bEnable ? MailLink : LinkNone;
    m_bNotifyParent = bNotifyParent;
    if (bEnable && ::IsWindow(m_hWnd))
        ModifyStyle(0, SS_NOTIFY);
    return *this;
}

CLabel& CLabel::SetLinkCursor(HCURSOR hCursor)
{
    m_hCursor = hCursor;
    return *this;
}

CLabel& CLabel::SetLinkURL(const CString& strLink)
{
    m_strURL = strLink;
    return *this;
}

CLabel& CLabel::SetFont3D(BOOL bSet, Type3D type)
{
    m_bFont3d = bSet;
    m_3dType = type;
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetRotationAngle(UINT nAngle, BOOL bRotation)
{
    m_lf.lfEscapement = m_lf.lfOrientation = static_cast<LONG>(nAngle * 10);
    m_bRotation = bRotation;
    ReconstructFont();
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetText3DHiliteColor(COLORREF cr3DHiliteColor)
{
    m_cr3DHiliteColor = cr3DHiliteColor;
    UpdateSurface();
    return *this;
}

CLabel& CLabel::SetFont(LOGFONT lf)
{
    m_lf = lf;
    ReconstructFont();
    UpdateSurface();
    return *this;
}

// ---- Messages ---------------------------------------------------------------------------

void CLabel::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != FlashTimerId) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    m_bState = !m_bState;
    UpdateSurface();
}

void CLabel::OnLButtonDown(UINT, CPoint)
{
    if (m_bNotifyParent) {
        NMHDR nm = {};
        nm.hwndFrom = m_hWnd;
        nm.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        nm.code = NM_LINKCLICK;
        HWND parent = ::GetParent(m_hWnd);
        if (parent)
            ::SendMessageA(parent, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
        return;
    }
    if (m_Link == LinkNone)
        return;
    CString text;
    GetWindowText(text);
    if (m_Link == HyperLink) {
        const CString& target = m_strURL.IsEmpty() ? text : m_strURL;
        ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
    } else {
        CString mail = "mailto:";
        mail += text;
        ::ShellExecuteA(nullptr, "open", mail, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

BOOL CLabel::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

void CLabel::OnSysColorChange()
{
    CStatic::OnSysColorChange();
    ::DeleteObject(m_hwndBrush);
    m_hwndBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    UpdateSurface();
}

// ---- Drawing ----------------------------------------------------------------------------

void CLabel::DrawGradientFill(HDC hdc, const CRect& rc, COLORREF crFrom, COLORREF crTo, int nSteps)
{
    const int width = rc.Width();
    const int steps = std::min(nSteps, width);
    // A zero-width (or inverted) label has no band to draw.
    if (steps <= 0 || rc.Height() <= 0)
        return;
    // 8.8 fixed point, so that small differences still advance.
    int r = GetRValue(crFrom) << 8, g = GetGValue(crFrom) << 8, b = GetBValue(crFrom) << 8;
    const int dr = ((GetRValue(crTo) - GetRValue(crFrom)) << 8) / steps;
    const int dg = ((GetGValue(crTo) - GetGValue(crFrom)) << 8) / steps;
    const int db = ((GetBValue(crTo) - GetBValue(crFrom)) << 8) / steps;
    const int band = width / steps;
    for (int i = 0; i < steps; ++i) {
        CRect part(rc.left + i * band, rc.top, rc.left + (i + 1) * band, rc.bottom);
        if (i == steps - 1)
            part.right = rc.right;
        HBRUSH brush = ::CreateSolidBrush(RGB(r >> 8, g >> 8, b >> 8));
        ::FillRect(hdc, &part, brush);
        ::DeleteObject(brush);
        r += dr;
        g += dg;
        b += db;
    }
}

UINT CLabel::TextFlags(DWORD dwStyle, const CString& strText)
{
    UINT flags;
    const DWORD type = dwStyle & SS_TYPEMASK;
    if (type == SS_CENTER)
        flags = DT_CENTER | DT_WORDBREAK;
    else if (type == SS_RIGHT)
        flags = DT_RIGHT | DT_WORDBREAK;
    else if (type == SS_LEFTNOWORDWRAP)
        flags = 0;
    else
        flags = DT_WORDBREAK;
    if (strText.Find('\t') != -1)
        flags |= DT_EXPANDTABS;
    if (dwStyle & SS_CENTERIMAGE) {
        flags = DT_CENTER;
        if (strText.Find("\r\n") == -1)
            flags |= DT_VCENTER | DT_SINGLELINE;
    }
    return flags;
}

void CLabel::DrawContent(HDC hdc, const CRect& rc)
{
    if (!m_bTransparent && !(m_Type == Background && m_bState)) {
        if (m_fillmode == Normal)
            ::FillRect(hdc, &rc, m_hBackBrush ? m_hBackBrush : m_hwndBrush);
        else
            DrawGradientFill(hdc, rc, m_crBkgndHigh, m_crBkgnd, GradientSteps);
    }

    CString text;
    if (::IsWindow(m_hWnd))
        GetWindowText(text);
    const DWORD style = ::IsWindow(m_hWnd) ? GetStyle() : 0;
    HGDIOBJ oldFont = ::SelectObject(hdc, static_cast<HFONT>(m_font));
    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    // The off phase of flashing text draws it in the background's colour.
    COLORREF textColour = m_crText;
    if (m_Type == Text && m_bState)
        textColour = m_hBackBrush ? m_crBkgnd : RGB(0, 0, 0);
    const COLORREF oldColour = ::SetTextColor(hdc, textColour);

    if (m_bRotation) {
        POINT oldOrg;
        ::SetViewportOrgEx(hdc, rc.left + rc.Width() / 2, rc.top + rc.Height() / 2, &oldOrg);
        const UINT oldAlign = ::SetTextAlign(hdc, TA_BASELINE);
        ::TextOutA(hdc, 0, 0, text, text.GetLength());
        ::SetTextAlign(hdc, oldAlign);
        ::SetViewportOrgEx(hdc, oldOrg.x, oldOrg.y, nullptr);
    } else {
        const UINT flags = TextFlags(style, text);
        CRect place = rc;
        ::DrawTextA(hdc, text, text.GetLength(), &place, flags);
        if (m_bFont3d) {
            ::SetTextColor(hdc, m_cr3DHiliteColor);
            const int shift = m_3dType == Raised ? -1 : 1;
            place = rc;
            place.OffsetRect(shift, shift);
            ::DrawTextA(hdc, text, text.GetLength(), &place, flags);
        }
    }
    ::SetTextColor(hdc, oldColour);
    ::SetBkMode(hdc, oldMode);
    ::SelectObject(hdc, oldFont);
}

void CLabel::Draw(HDC hdc, const CRect& rcClient)
{
    if (m_bTransparent || rcClient.Width() <= 0 || rcClient.Height() <= 0) {
        DrawContent(hdc, rcClient);
        return;
    }
    // Drawn off-screen and copied at once, so the label never flickers.
    HDC mem = ::CreateCompatibleDC(hdc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(hdc, rcClient.Width(), rcClient.Height());
    if (!mem || !bitmap) {
        if (bitmap)
            ::DeleteObject(bitmap);
        if (mem)
            ::DeleteDC(mem);
        DrawContent(hdc, rcClient);
        return;
    }
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    DrawContent(mem, CRect(0, 0, rcClient.Width(), rcClient.Height()));
    ::BitBlt(hdc, rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), mem, 0, 0, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
}

void CLabel::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    Draw(hdc, rc);
    ::EndPaint(m_hWnd, &ps);
}
