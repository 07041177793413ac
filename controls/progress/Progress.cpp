#include "controls/progress/Progress.h"

#include "afx/MemDC.h"

#include <stdlib.h>

#include <algorithm>

namespace {

// Text alignment of the reference point: centred, on the text's bottom side.
const UINT kTextAlign = TA_CENTER | TA_BOTTOM;
// A background colour of -1 paints no background.
const COLORREF kNoColour = 0xFFFFFFFF;

// Places a box of size within the bounds by a pair of alignment bits: the
// first bit alone to the low edge, the second alone to the high edge,
// both or neither centred.
int Place(int low, int high, int size, bool toLow, bool toHigh)
{
    if (toLow && !toHigh)
        return low;
    if (toHigh && !toLow)
        return high - size;
    return low + (high - low - size) / 2;
}

} // namespace

CProgress::CProgress()
    : m_pbrBar(nullptr), m_crBk(::GetSysColor(COLOR_BTNFACE)), m_pbrBk(nullptr),
      m_crTextOnBar(::GetSysColor(COLOR_CAPTIONTEXT)), m_crTextOnBk(::GetSysColor(COLOR_BTNTEXT)), m_nTail(0),
      m_nTailSize(40), m_nStep(10), m_nLower(0), m_nUpper(100), m_rcBorders(0, 0, 0, 0), m_strTextFormat(),
      m_pFont(nullptr), m_dwStyle(DefaultStyle), m_rgnClip(), m_nPos(0), m_nAnimPos(0)
{
    const COLORREF caption = ::GetSysColor(COLOR_ACTIVECAPTION);
    SetColors(2, caption, caption);
}

CProgress::~CProgress() = default;

BOOL CProgress::ModifyStyle(DWORD dwRemove, DWORD dwAdd)
{
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    return TRUE;
}

BOOL CProgress::OnPosChanging(int /*nOldPos*/, int /*nNewPos*/)
{
    return TRUE;
}

void CProgress::OnPosChanged(int /*nNewPos*/)
{
}

void CProgress::ChangePos(int nPos)
{
    nPos = std::max(m_nLower, std::min(m_nUpper, nPos));
    if (nPos != m_nPos && OnPosChanging(m_nPos, nPos)) {
        m_nPos = nPos;
        OnPosChanged(nPos);
    }
}

void CProgress::SetRange(int nLower, int nUpper)
{
    m_nLower = std::min(nLower, nUpper);
    m_nUpper = std::max(nLower, nUpper);
    ChangePos(m_nPos);
}

int CProgress::SetPos(int nPos)
{
    const int old = m_nPos;
    if (GetStyle() & Snake)
        SetSnakePos(nPos, FALSE);
    else
        ChangePos(nPos);
    return old;
}

int CProgress::OffsetPos(int nDelta)
{
    const int old = m_nPos;
    if (GetStyle() & Snake)
        SetSnakePos(nDelta, TRUE);
    else
        ChangePos(m_nPos + nDelta);
    return old;
}

int CProgress::SetStep(int nStep)
{
    const int old = m_nStep;
    m_nStep = nStep;
    return old;
}

BOOL CProgress::SetSnakePos(int nPos, BOOL bRelative)
{
    if (!(GetStyle() & Snake))
        return FALSE;
    if (bRelative) {
        int current = m_nPos;
        // At the upper end the head waits there while the tail catches up.
        if (current == m_nUpper && current - m_nTail < m_nTailSize)
            current = m_nTail + m_nTailSize;
        nPos = abs(nPos) + current;
    }
    if (nPos > m_nUpper + m_nTailSize) {
        // The piece re-enters at the other end, running the other way.
        nPos = nPos + (m_nLower - m_nTailSize) - m_nUpper;
        if (nPos > m_nUpper + m_nTailSize)
            nPos = m_nUpper + m_nTailSize;
        const DWORD reversed = GetStyle() & Reversed;
        ModifyStyle(reversed, reversed ^ Reversed);
    }
    m_nTail = std::max(nPos - m_nTailSize, m_nLower);
    ChangePos(nPos);
    return TRUE;
}

void CProgress::SetText(LPCTSTR lpszFormat, DWORD dwTextMode)
{
    dwTextMode &= TextModeMask;
    if (lpszFormat && *lpszFormat && dwTextMode != 0) {
        ModifyStyle(TextModeMask, dwTextMode);
        m_strTextFormat = lpszFormat;
    } else {
        ModifyStyle(TextModeMask, 0);
        m_strTextFormat.Empty();
    }
}

void CProgress::SetClipRgn(HRGN hRgn)
{
    m_rgnClip.DeleteObject();
    if (hRgn)
        m_rgnClip.Attach(hRgn);
}

int CProgress::Animate(int nDelta)
{
    const int cycle = static_cast<int>(static_cast<float>(m_nUpper - m_nLower) * m_fStretch);
    if (cycle == 0) {
        m_nAnimPos = 0;
        return 0;
    }
    const int moved = m_nAnimPos + nDelta;
    m_nAnimPos = moved % cycle;
    return moved / cycle;
}

double CProgress::CalcTextValue(DWORD dwTextMode, int nPos) const
{
    switch (dwTextMode & TextModeMask) {
    case TextPercent:
        // An empty range has no percentage to show.
        return m_nUpper == m_nLower ? 0.0
                                    : static_cast<double>(nPos - m_nLower) * 100.0 / (m_nUpper - m_nLower);
    case TextPosition:
        return nPos;
    default:
        return 0.0;
    }
}

CString CProgress::FormatText(DWORD dwTextMode, LPCTSTR lpszFormat, double value) const
{
    CString format = lpszFormat ? lpszFormat : "";
    if (format.IsEmpty()) {
        switch (dwTextMode & TextModeMask) {
        case TextPercent: format = "%d%%"; break;
        case TextPosition: format = "%d"; break;
        default: return CString();
        }
    }
    CString text;
    text.Format(format, static_cast<int>(value));
    return text;
}

CRect CProgress::BarPiece(const CRect& rcArea, int a, int b, DWORD dwStyle)
{
    CRect piece = rcArea;
    const bool reversed = (dwStyle & Reversed) != 0;
    if (dwStyle & StyleVertical) {
        if (reversed) {
            piece.top = rcArea.top + a;
            piece.bottom = rcArea.top + b;
        } else {
            piece.top = rcArea.bottom - b;
            piece.bottom = rcArea.bottom - a;
        }
    } else if (reversed) {
        piece.left = rcArea.right - b;
        piece.right = rcArea.right - a;
    } else {
        piece.left = rcArea.left + a;
        piece.right = rcArea.left + b;
    }
    return piece;
}

int CProgress::PixelOf(int nPos, int nLength) const
{
    if (m_nUpper == m_nLower)
        return 0;
    return static_cast<int>(static_cast<LONGLONG>(nPos - m_nLower) * nLength / (m_nUpper - m_nLower));
}

void CProgress::Draw(CDC* pDC, CRect rect, BOOL bDirect)
{
    const bool clipped = m_rgnClip.GetSafeHandle() != nullptr;
    const int savedTarget = clipped ? pDC->SaveDC() : 0;
    if (clipped)
        pDC->SelectClipRgn(&m_rgnClip);
    {
        const BOOL copyFirst = m_pbrBk == nullptr && m_crBk == kNoColour;
        CMemDC memDC(pDC, &rect, copyFirst ? CMemDC::startCopied : CMemDC::startBlank, bDirect);
        if (m_pbrBk)
            memDC.FillRect(&rect, m_pbrBk);
        else if (m_crBk != kNoColour)
            memDC.FillSolidRect(&rect, m_crBk);

        CRect area = rect;
        area.DeflateRect(m_rcBorders.left, m_rcBorders.top, m_rcBorders.right, m_rcBorders.bottom);
        const DWORD style = GetStyle();
        if (m_nPos >= m_nLower && m_nPos <= m_nUpper && !area.IsRectEmpty()) {
            const bool vertical = (style & StyleVertical) != 0;
            const int length = vertical ? area.Height() : area.Width();
            const int barEnd = PixelOf(m_nPos, length);
            const int barStart = (style & Snake) ? std::max(0, PixelOf(m_nTail, length)) : 0;
            const CRect piece = BarPiece(area, barStart, barEnd, style);
            if (m_pbrBar) {
                memDC.FillRect(&piece, m_pbrBar);
            } else if (barEnd > barStart) {
                const bool reversed = (style & Reversed) != 0;
                SetDirection(vertical ? (reversed ? TopToBottom : BottomToTop) : (reversed ? RightToLeft : LeftToRight));
                const int range = m_nUpper - m_nLower;
                if (style & GradientOnBar) {
                    const int span = barEnd - barStart;
                    const int shift = range ? static_cast<int>(static_cast<LONGLONG>(m_nAnimPos) * span / range) : 0;
                    CGradient::Draw(&memDC, piece, 0, -1, shift);
                } else {
                    const int shift = range ? static_cast<int>(static_cast<LONGLONG>(m_nAnimPos) * length / range) : 0;
                    CGradient::Draw(&memDC, area, barStart, barEnd, shift);
                }
            }
            DrawText(&memDC, area, piece);
        }
    }
    if (clipped)
        pDC->RestoreDC(savedTarget);
}

void CProgress::DrawText(CDC* pDC, const CRect& rcArea, const CRect& rcBar)
{
    const DWORD style = GetStyle();
    const DWORD mode = style & TextModeMask;
    if (mode == 0)
        return;
    const CString text = FormatText(mode, m_strTextFormat, CalcTextValue(mode, m_nPos));
    if (text.IsEmpty())
        return;

    CSelectGuard font(*pDC, m_pFont ? m_pFont->GetSafeHandle() : ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
    CSelTextColor textColour(pDC, m_crTextOnBar);
    CSelBkMode bkMode(pDC, TRANSPARENT);
    CSelTextAlign align(pDC, kTextAlign);

    // The font's escapement turns the text box by a quarter turn or more.
    int angle = 0;
    if (m_pFont) {
        LOGFONT lf = {};
        if (m_pFont->GetObject(sizeof lf, &lf))
            angle = ((lf.lfEscapement / 900) % 4 + 4) % 4;
    }
    CSize extent = pDC->GetTextExtent(text);
    if (angle % 2)
        std::swap(extent.cx, extent.cy);

    const bool onBar = (style & TextOnBar) != 0;
    const CRect& bounds = onBar ? rcBar : rcArea;
    if (onBar) {
        const int along = (style & StyleVertical) ? extent.cy : extent.cx;
        const int room = (style & StyleVertical) ? rcBar.Height() : rcBar.Width();
        if (along > room)
            return;
    }
    CRect box;
    box.left = Place(bounds.left, bounds.right, extent.cx, (style & TextLeft) != 0, (style & TextRight) != 0);
    box.top = Place(bounds.top, bounds.bottom, extent.cy, (style & TextTop) != 0, (style & TextBottom) != 0);
    box.right = box.left + extent.cx;
    box.bottom = box.top + extent.cy;
    // The reference point lies on the text's bottom side, whichever way it faces.
    CPoint ref;
    switch (angle) {
    case 1: ref = CPoint(box.right, box.top + extent.cy / 2); break;
    case 2: ref = CPoint(box.left + extent.cx / 2, box.top); break;
    case 3: ref = CPoint(box.left, box.top + extent.cy / 2); break;
    default: ref = CPoint(box.left + extent.cx / 2, box.bottom); break;
    }

    if (onBar) {
        DrawClippedText(pDC, rcBar, text, ref, m_crTextOnBar);
        return;
    }
    DrawClippedText(pDC, rcArea, text, ref, m_crTextOnBk);
    if (m_crTextOnBar != m_crTextOnBk)
        DrawClippedText(pDC, rcBar, text, ref, m_crTextOnBar);
}

void CProgress::DrawClippedText(CDC* pDC, const CRect& rcClip, const CString& text, const CPoint& ptRef,
                                COLORREF colour)
{
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcClip);
    pDC->SetTextColor(colour);
    pDC->TextOut(ptRef.x, ptRef.y, text);
    pDC->RestoreDC(saved);
}
