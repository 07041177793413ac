#include "toolkit/foundation/OXStatic.h"

#include "afx/DC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(COXStatic, CStatic)

BEGIN_MESSAGE_MAP(COXStatic, CStatic)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETTEXT, &COXStatic::OnSetText)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

namespace {
const UINT_PTR kToolId = 1;
} // namespace

COXStatic::COXStatic()
    : m_clrBackground(::GetSysColor(COLOR_BTNFACE)), m_nFillType(OXSTATIC_FILL_SOLID),
      m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_bToolTipActive(FALSE), m_bAutoSize(FALSE),
      m_bExplicitTip(FALSE), m_bCreated(FALSE), m_bFontTaken(FALSE), m_bFitting(FALSE)
{
}

COXStatic::~COXStatic()
{
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.DestroyWindow();
}

BOOL COXStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_bCreated = TRUE;
    if (!CStatic::Create(lpszText, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    return CreateToolTip();
}

void COXStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    // A window being created gets its tooltip once it exists (OnCreate).
    if (!m_bCreated && AfxGetWndInit() != this)
        CreateToolTip();
}

int COXStatic::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_bCreated && !m_toolTip.GetSafeHwnd())
        CreateToolTip();
    return 0;
}

BOOL COXStatic::IsTextStatic() const
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    switch (GetStyle() & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL COXStatic::CreateToolTip()
{
    if (CWnd* pParent = GetParent()) {
        GetWindowRect(&m_rectUnfitted);
        pParent->ScreenToClient(&m_rectUnfitted);
    }
    if (!m_toolTip.GetSafeHwnd()) {
        if (!m_toolTip.Create(this))
            return FALSE;
        CRect client;
        GetClientRect(&client);
        m_toolTip.AddTool(this, m_strToolTip, &client, kToolId);
    }
    UpdateToolTipText();
    InitFontFromWindow();
    return TRUE;
}

void COXStatic::InitFontFromWindow()
{
    if (m_bFontTaken || !IsTextStatic())
        return;
    m_bFontTaken = TRUE;
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONT logFont;
    if (hFont && ::GetObject(hFont, sizeof logFont, &logFont)) {
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&logFont);
    }
    if (m_bAutoSize)
        FitWindow();
}

void COXStatic::UpdateToolTipText()
{
    if (!m_bToolTipActive)
        return;
    if (!m_bExplicitTip) {
        m_strToolTip.Empty();
        if (IsTextStatic())
            GetWindowText(m_strToolTip);
    }
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.UpdateTipText(m_strToolTip, this, kToolId);
}

void COXStatic::SetToolTipText(LPCTSTR lpszText)
{
    m_strToolTip = lpszText ? lpszText : "";
    m_bExplicitTip = !m_strToolTip.IsEmpty();
    UpdateToolTipText();
}

CString COXStatic::GetToolTipText(BOOL bForce) const
{
    return bForce || m_bExplicitTip ? m_strToolTip : CString();
}

void COXStatic::ActivateToolTip(BOOL bActivate)
{
    m_bToolTipActive = bActivate;
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.Activate(bActivate);
    UpdateToolTipText();
}

BOOL COXStatic::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd()) {
        m_toolTip.Activate(m_bToolTipActive);
        m_toolTip.RelayEvent(pMsg);
    }
    return CStatic::PreTranslateMessage(pMsg);
}

void COXStatic::Redraw(BOOL bRedraw)
{
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate();
}

void COXStatic::SetBkColor(COLORREF clr, BOOL bRedraw)
{
    m_clrBackground = clr;
    Redraw(bRedraw);
}

void COXStatic::SetBkFillType(int nType, BOOL bRedraw)
{
    m_nFillType = nType;
    Redraw(bRedraw);
}

void COXStatic::SetTextColor(COLORREF clr, BOOL bRedraw)
{
    m_clrText = clr;
    Redraw(bRedraw);
}

BOOL COXStatic::SetTextLogFont(const LOGFONT* pLogFont, BOOL bRedraw)
{
    m_font.DeleteObject();
    if (pLogFont && !m_font.CreateFontIndirect(pLogFont))
        return FALSE;
    if (m_bAutoSize)
        FitWindow();
    else
        Redraw(bRedraw);
    return TRUE;
}

BOOL COXStatic::SetTextFont(CFont* pFont, BOOL bRedraw)
{
    LOGFONT logFont;
    if (!pFont || !pFont->GetLogFont(&logFont))
        return FALSE;
    return SetTextLogFont(&logFont, bRedraw);
}

BOOL COXStatic::GetTextLogFont(LOGFONT* pLogFont) const
{
    return pLogFont && m_font.GetSafeHandle() && m_font.GetLogFont(pLogFont) != 0;
}

void COXStatic::SetAutoSize(BOOL bAutoSize)
{
    m_bAutoSize = bAutoSize;
    FitWindow();
}

void COXStatic::FitWindow()
{
    CWnd* pParent = GetParent();
    if (m_bFitting || !IsTextStatic() || !pParent)
        return;
    CRect rect = m_rectUnfitted;
    if (m_bAutoSize) {
        CString text;
        GetWindowText(text);
        CRect measured(0, 0, 0, 0);
        {
            CClientDC dc(this);
            HFONT hFont = static_cast<HFONT>(m_font.GetSafeHandle());
            if (!hFont)
                hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
            HGDIOBJ hOld = hFont ? ::SelectObject(dc.GetSafeHdc(), hFont) : nullptr;
            ::DrawTextA(dc.GetSafeHdc(), text.IsEmpty() ? " " : static_cast<LPCTSTR>(text), -1, &measured,
                        DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
            if (hOld)
                ::SelectObject(dc.GetSafeHdc(), hOld);
        }
        CRect parentClient;
        pParent->GetClientRect(&parentClient);
        const int cx = std::min(measured.Width(), parentClient.Width());
        const int cy = std::min(measured.Height(), parentClient.Height());
        const DWORD style = GetStyle();
        if (style & SS_CENTERIMAGE)
            rect.top += (rect.Height() - cy) / 2;
        rect.bottom = rect.top + cy;
        switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            rect.left += (rect.Width() - cx) / 2;
            rect.right = rect.left + cx;
            break;
        case SS_RIGHT:
            rect.left = rect.right - cx;
            break;
        default:
            rect.right = rect.left + cx;
            break;
        }
    }
    m_bFitting = TRUE;
    if (m_toolTip.GetSafeHwnd()) {
        CRect tool(0, 0, rect.Width(), rect.Height());
        m_toolTip.SetToolRect(this, kToolId, &tool);
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_bFitting = FALSE;
}

COLORREF COXStatic::ShadeColor(COLORREF clr, LONGLONG d, LONGLONG span2)
{
    // In 64 bits: d x d x c passes 32 bits on screens some 2,900 pixels wide.
    auto shade = [d, span2](BYTE c) {
        const LONGLONG value = span2 > 0 ? c - d * d * c / span2 : c;
        return static_cast<BYTE>(std::max<LONGLONG>(0, std::min<LONGLONG>(255, value)));
    };
    return RGB(shade(GetRValue(clr)), shade(GetGValue(clr)), shade(GetBValue(clr)));
}

void COXStatic::PaintBackground(CDC* pDC, const CRect& client)
{
    HDC hDC = pDC->GetSafeHdc();
    if (m_nFillType == OXSTATIC_FILL_SOLID) {
        pDC->FillSolidRect(&client, m_clrBackground);
        return;
    }
    const LONGLONG width = client.Width();
    if (width <= 0)
        return;
    const int strip = std::max<int>(1, static_cast<int>(width / 128));
    const int strips = static_cast<int>(width / strip);
    // What the strips do not reach stays black.
    pDC->FillSolidRect(&client, RGB(0, 0, 0));
    auto fill = [&](int x, COLORREF clr) {
        HBRUSH hBrush = ::CreateSolidBrush(clr);
        HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
        ::PatBlt(hDC, client.left + x, client.top, strip, client.Height(), PATCOPY);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBrush);
    };
    for (int i = 0; i < strips; ++i) {
        const LONGLONG d = static_cast<LONGLONG>(i) * strip;
        switch (m_nFillType) {
        case OXSTATIC_FILL_SHADE_RIGHT:
            fill(static_cast<int>(width) - (i + 1) * strip, ShadeColor(m_clrBackground, d, width * width));
            break;
        case OXSTATIC_FILL_SHADE_LEFT:
            fill(i * strip, ShadeColor(m_clrBackground, d, width * width));
            break;
        default:
            // Both edges toward the middle, each over half the width.
            if (2 * (d + strip) > width)
                return;
            fill(i * strip, ShadeColor(m_clrBackground, d, width * width / 4));
            fill(static_cast<int>(width) - (i + 1) * strip, ShadeColor(m_clrBackground, d, width * width / 4));
            break;
        }
    }
}

BOOL COXStatic::OnEraseBkgnd(CDC* pDC)
{
    if (m_clrBackground == OXSTATIC_NO_BACKGROUND || m_nFillType < OXSTATIC_FILL_SOLID ||
        m_nFillType > OXSTATIC_FILL_SHADE_LEFT)
        return TRUE;
    CRect client;
    GetClientRect(&client);
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(&client);
    PaintBackground(pDC, client);
    pDC->RestoreDC(saved);
    return TRUE;
}

HBRUSH COXStatic::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    // The tooltip hears of the mouse only from a static that notifies.
    if (!(GetStyle() & SS_NOTIFY))
        ModifyStyle(0, SS_NOTIFY);
    if (!IsTextStatic())
        return nullptr;
    if (m_font.GetSafeHandle())
        pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_clrText);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void COXStatic::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (m_bFitting)
        return;
    if (m_bAutoSize) {
        FitWindow();
        return;
    }
    if (CWnd* pParent = GetParent()) {
        GetWindowRect(&m_rectUnfitted);
        pParent->ScreenToClient(&m_rectUnfitted);
    }
    if (m_toolTip.GetSafeHwnd()) {
        CRect tool(0, 0, cx, cy);
        m_toolTip.SetToolRect(this, kToolId, &tool);
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT COXStatic::OnSetText(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    UpdateToolTipText();
    if (m_bAutoSize)
        FitWindow();
    if (::IsWindow(m_hWnd))
        Invalidate();
    return result;
}

void COXStatic::OnDestroy()
{
    if (m_toolTip.GetSafeHwnd()) {
        m_toolTip.DelTool(this, kToolId);
        m_toolTip.DestroyWindow();
    }
    CStatic::OnDestroy();
}
