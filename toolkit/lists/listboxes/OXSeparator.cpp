#include "toolkit/lists/listboxes/OXSeparator.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"

#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(COXSeparator, CStatic)

BEGIN_MESSAGE_MAP(COXSeparator, CStatic)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETTEXT, &COXSeparator::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &COXSeparator::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &COXSeparator::OnGetTextLength)
END_MESSAGE_MAP()

namespace {
const DWORD kEdgeStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
const int kGap = 6;
} // namespace

COXSeparator::COXSeparator()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_clrHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT)), m_bVertical(FALSE)
{
}

COXSeparator::~COXSeparator() = default;

void COXSeparator::Redraw()
{
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void COXSeparator::SetLineColors(COLORREF clrShadow, COLORREF clrHighlight, BOOL bRedraw)
{
    const BOOL bChanged = clrShadow != m_clrShadow || clrHighlight != m_clrHighlight;
    m_clrShadow = clrShadow;
    m_clrHighlight = clrHighlight;
    if (bRedraw && bChanged)
        Redraw();
}

void COXSeparator::SetVertical(BOOL bVertical, BOOL bRedraw)
{
    const BOOL bChanged = m_bVertical != bVertical;
    m_bVertical = bVertical;
    if (bRedraw && bChanged)
        Redraw();
}

void COXSeparator::PreSubclassWindow()
{
    // A window being created is set up in WM_CREATE.
    if (AfxGetWndInit() != this) {
        ModifyStyle(WS_BORDER, 0);
        ModifyStyleEx(kEdgeStyles, 0, SWP_FRAMECHANGED);
        // The window still answers WM_GETTEXT itself here.
        const int nLength = ::GetWindowTextLengthA(m_hWnd);
        std::string text(static_cast<size_t>(nLength) + 1, '\0');
        ::GetWindowTextA(m_hWnd, &text[0], nLength + 1);
        m_sText = text.c_str();
    }
    CStatic::PreSubclassWindow();
}

BOOL COXSeparator::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~WS_BORDER;
    cs.dwExStyle &= ~kEdgeStyles;
    return CStatic::PreCreateWindow(cs);
}

int COXSeparator::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    lpCreateStruct->style &= ~WS_BORDER;
    lpCreateStruct->dwExStyle &= ~kEdgeStyles;
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_sText = lpCreateStruct->lpszName ? lpCreateStruct->lpszName : "";
    return 0;
}

LRESULT COXSeparator::OnSetText(WPARAM, LPARAM lParam)
{
    const char* psz = reinterpret_cast<const char*>(lParam);
    m_sText = psz ? psz : "";
    Redraw();
    return TRUE;
}

LRESULT COXSeparator::OnGetText(WPARAM wParam, LPARAM lParam)
{
    char* buffer = reinterpret_cast<char*>(lParam);
    if (wParam == 0 || !buffer)
        return 0;
    size_t n = static_cast<size_t>(m_sText.GetLength());
    if (n > wParam - 1)
        n = wParam - 1;
    std::memcpy(buffer, static_cast<LPCTSTR>(m_sText), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT COXSeparator::OnGetTextLength(WPARAM, LPARAM)
{
    return m_sText.GetLength();
}

COXSeparator::Layout COXSeparator::LayoutFor(CSize client, CSize textSize, BOOL bHasText, BOOL bVertical,
                                             DWORD dwAlign)
{
    // Work along (a) and across (c) the line, then map to x/y.
    const int A = bVertical ? client.cy : client.cx;
    const int C = bVertical ? client.cx : client.cy;
    int textFrom = 0, textTo = 0, textAcross = 0, textThick = 0;
    int l1From = 0, l1To = A, l2From = 0, l2To = 0;
    if (bHasText) {
        const int tl = textSize.cx;
        const int th = textSize.cy;
        textAcross = (C - th) / 2 + (C - th) % 2;
        textThick = th;
        switch (dwAlign) {
        case SS_RIGHT:
            textFrom = A - tl;
            textTo = A;
            l1To = A - tl - kGap;
            break;
        case SS_CENTER:
            textFrom = (A - tl) / 2 + (A - tl) % 2;
            textTo = textFrom + tl;
            l1To = A / 2 - tl / 2 - kGap;
            l2From = l1To + tl + 2 * kGap;
            l2To = A;
            break;
        default:
            textTo = tl;
            l1From = tl + kGap;
            break;
        }
    }
    const int lineAcross = C / 2 + C % 2 - 1;
    auto make = [bVertical](int from, int to, int across, int thick) {
        return bVertical ? CRect(across, from, across + thick, to) : CRect(from, across, to, across + thick);
    };
    Layout layout;
    if (bHasText)
        layout.text = make(textFrom, textTo, textAcross, textThick);
    if (l1To > l1From) {
        layout.line1 = make(l1From, l1To, lineAcross, 2);
        if (l2To > l2From)
            layout.line2 = make(l2From, l2To, lineAcross, 2);
    }
    return layout;
}

void COXSeparator::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrText);

    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    CFont vertical;
    if (hFont && m_bVertical) {
        LOGFONT logFont;
        if (::GetObject(hFont, sizeof logFont, &logFont)) {
            logFont.lfEscapement = 900;
            logFont.lfOrientation = 900;
            if (vertical.CreateFontIndirect(&logFont))
                hFont = vertical;
        }
    }
    HGDIOBJ oldFont = hFont ? dc.SelectObject(hFont) : nullptr;

    const BOOL bHasText = !m_sText.IsEmpty();
    CSize textSize;
    if (bHasText) {
        // The extent of an unrotated font: along the line is its width.
        CRect measure(0, 0, 0, 0);
        dc.DrawText(m_sText, m_sText.GetLength(), &measure, DT_CALCRECT | DT_SINGLELINE);
        // A rotated font measures as an unrotated one: the width is the
        // extent along the line, the height the extent across it.
        textSize = CSize(measure.Width(), measure.Height());
    }
    Layout layout = LayoutFor(client.Size(), textSize, bHasText, m_bVertical, GetStyle() & 0x0F);
    if (bHasText) {
        CRect text = layout.text;
        if (m_bVertical) {
            // The rotated text runs upwards from the bottom of its rectangle.
            text = CRect(text.left, text.top, text.right + text.Height(), text.bottom + text.Width());
        }
        dc.DrawText(m_sText, m_sText.GetLength(), &text, DT_SINGLELINE | DT_BOTTOM);
    }
    if (!layout.line1.IsRectEmpty()) {
        dc.Draw3dRect(&layout.line1, m_clrShadow, m_clrHighlight);
        if (!layout.line2.IsRectEmpty())
            dc.Draw3dRect(&layout.line2, m_clrShadow, m_clrHighlight);
    }
    if (oldFont)
        dc.SelectObject(oldFont);
}
