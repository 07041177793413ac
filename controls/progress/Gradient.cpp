#include "controls/progress/Gradient.h"

#include <stdarg.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

void AppendBand(CGradElementArray& bands, COLORREF colour, int length)
{
    CGradElement band = {colour, length};
    bands.Add(band);
}

// A channel of from moved by i steps of delta/steps, truncated toward zero
// in single precision.
int Channel(int from, int delta, int i, int steps)
{
    return from + static_cast<int>(static_cast<float>(i) * (static_cast<float>(delta) / static_cast<float>(steps)));
}

} // namespace

CGradient::CGradient()
    : m_aColors(), m_bCreatePalette(FALSE), m_Palette(), m_aSegments(), m_nDirection(LeftToRight), m_fStretch(1.0f)
{
}

CGradient::~CGradient() = default;

void CGradient::SetColors(int nCount, ...)
{
    m_aColors.RemoveAll();
    m_aSegments.RemoveAll();
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; ++i)
        m_aColors.Add(va_arg(args, COLORREF));
    va_end(args);
    for (int i = 0; i < nCount - 1; ++i)
        m_aSegments.Add(100.0 / (nCount - 1));
    m_Palette.DeleteObject();
}

void CGradient::AddColor(COLORREF colour)
{
    m_aColors.Add(colour);
    if (m_aColors.GetSize() > 1) {
        const INT_PTR before = m_aSegments.GetSize();
        m_aSegments.Add(before == 0 ? 100.0 : 100.0 / static_cast<double>(before));
        NormalizeSegments();
    }
    m_Palette.DeleteObject();
}

void CGradient::SetSegments(double share, ...)
{
    const INT_PTR count = m_aColors.GetSize() - 1;
    if (count < 1)
        return;
    m_aSegments.RemoveAll();
    m_aSegments.Add(share);
    va_list args;
    va_start(args, share);
    for (INT_PTR i = 1; i < count; ++i)
        m_aSegments.Add(va_arg(args, double));
    va_end(args);
    NormalizeSegments();
}

void CGradient::NormalizeSegments()
{
    double sum = 0.0;
    for (INT_PTR i = 0; i < m_aSegments.GetSize(); ++i)
        sum += m_aSegments[i];
    // Shares that sum to nothing cannot be scaled; they stay as they are.
    if (sum <= 0.0)
        return;
    for (INT_PTR i = 0; i < m_aSegments.GetSize(); ++i)
        m_aSegments[i] = m_aSegments[i] * 100.0 / sum;
}

void CGradient::GetColors(COLORREF& first, COLORREF& second) const
{
    if (m_aColors.IsEmpty()) {
        first = second = static_cast<COLORREF>(-1);
        return;
    }
    first = m_aColors[0];
    second = m_aColors.GetSize() > 1 ? m_aColors[1] : first;
}

CPalette& CGradient::GetPalette()
{
    if (m_bCreatePalette && m_Palette.GetSafeHandle() == nullptr) {
        CGradElementArray bands;
        MakeSegmentEntries(bands, PaletteColours, 0, PaletteColours, PaletteColours);
        const int count = static_cast<int>(bands.GetSize());
        std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::max(count, 1));
        LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(block.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = static_cast<WORD>(count);
        for (int i = 0; i < count; ++i) {
            lp->palPalEntry[i].peRed = GetRValue(bands[i].color);
            lp->palPalEntry[i].peGreen = GetGValue(bands[i].color);
            lp->palPalEntry[i].peBlue = GetBValue(bands[i].color);
            lp->palPalEntry[i].peFlags = 0;
        }
        if (count > 0)
            m_Palette.CreatePalette(lp);
    }
    return m_Palette;
}

CRect CGradient::GetSubRect(const CRect& rect, int nStart, int nEnd) const
{
    CRect sub = rect;
    const bool vertical = m_nDirection == TopToBottom || m_nDirection == BottomToTop;
    if (nEnd == -1)
        nEnd = vertical ? rect.Height() : rect.Width();
    switch (m_nDirection) {
    case RightToLeft:
        sub.left = rect.right - nEnd;
        sub.right = rect.right - nStart;
        break;
    case TopToBottom:
        sub.top = rect.top + nStart;
        sub.bottom = rect.top + nEnd;
        break;
    case BottomToTop:
        sub.top = rect.bottom - nEnd;
        sub.bottom = rect.bottom - nStart;
        break;
    default:
        sub.left = rect.left + nStart;
        sub.right = rect.left + nEnd;
        break;
    }
    return sub;
}

void CGradient::InterpolateEntries(CGradElementArray& bands, COLORREF from, COLORREF to, int nLength, int nStart,
                                   int nEnd, int nMaxSteps)
{
    if (nEnd == -1)
        nEnd = nLength;
    const int fromR = GetRValue(from), fromG = GetGValue(from), fromB = GetBValue(from);
    const int dR = GetRValue(to) - fromR, dG = GetGValue(to) - fromG, dB = GetBValue(to) - fromB;
    int steps = std::max(abs(dR), std::max(abs(dG), abs(dB)));
    if (nMaxSteps >= 0 && nMaxSteps < steps)
        steps = nMaxSteps;
    if (nLength < steps)
        steps = nLength;
    if (steps < 1)
        steps = 1;
    const float stepLength = static_cast<float>(nLength) / static_cast<float>(steps);
    for (int i = 0; i < steps; ++i) {
        const int begin = static_cast<int>(static_cast<float>(i) * stepLength);
        const int end = (i == steps - 1) ? nLength : static_cast<int>(static_cast<float>(i + 1) * stepLength);
        // A band that ends at or before the range's start shows nothing of it.
        if (end <= nStart)
            continue;
        const COLORREF colour = RGB(Channel(fromR, dR, i, steps), Channel(fromG, dG, i, steps),
                                    Channel(fromB, dB, i, steps));
        const int clippedBegin = std::max(begin, nStart);
        const int clippedEnd = std::min(end, nEnd);
        if (clippedEnd > clippedBegin)
            AppendBand(bands, colour, clippedEnd - clippedBegin);
        if (end >= nEnd)
            break;
    }
}

void CGradient::MakeSegmentEntries(CGradElementArray& bands, int nLength, int nStart, int nEnd, int nMaxColours)
{
    if (nEnd == -1)
        nEnd = nLength;
    const INT_PTR colours = m_aColors.GetSize();
    if (colours == 0)
        return;
    if (colours == 1) {
        AppendBand(bands, m_aColors[0], nEnd - nStart);
        return;
    }
    const int segments = static_cast<int>(colours - 1);
    const int steps = nMaxColours < 0 ? -1 : nMaxColours / segments;
    double sum = 0.0;
    for (int i = 0; i < segments; ++i) {
        const int begin = static_cast<int>(nLength * sum / 100.0);
        sum += i < m_aSegments.GetSize() ? m_aSegments[i] : 0.0;
        const int end = (i == segments - 1) ? nLength : static_cast<int>(nLength * sum / 100.0);
        if (end <= nStart)
            continue;
        InterpolateEntries(bands, m_aColors[i], m_aColors[i + 1], end - begin, std::max(nStart, begin) - begin,
                           std::min(nEnd, end) - begin, steps);
        if (end >= nEnd)
            break;
    }
}

void CGradient::MakeEntries(CGradElementArray& bands, int nShift, int nLength, int nStart, int nEnd, int nMaxColours)
{
    if (nEnd == -1)
        nEnd = nLength;
    if (nLength <= 0 || m_aColors.GetSize() < 2) {
        MakeSegmentEntries(bands, nLength, nStart, nEnd, nMaxColours);
        return;
    }
    int shift = nShift % nLength;
    if (shift < 0)
        shift += nLength;
    if (shift == 0) {
        MakeSegmentEntries(bands, nLength, nStart, nEnd, nMaxColours);
        return;
    }
    CGradElementArray whole;
    MakeSegmentEntries(whole, nLength, 0, nLength, nMaxColours);
    if (whole.GetSize() < 2) {
        AppendBand(bands, m_aColors[0], nEnd - nStart);
        return;
    }
    // The last shift pixels come first, then the rest; a band straddling the
    // cut is split in two.
    const int cut = nLength - shift;
    CGradElementArray head, tail;
    int position = 0;
    for (INT_PTR i = 0; i < whole.GetSize(); ++i) {
        const CGradElement& band = whole[i];
        const int begin = position, end = position + band.length;
        position = end;
        if (end <= cut) {
            AppendBand(tail, band.color, band.length);
        } else if (begin >= cut) {
            AppendBand(head, band.color, band.length);
        } else {
            AppendBand(tail, band.color, cut - begin);
            AppendBand(head, band.color, end - cut);
        }
    }
    head.Append(tail);
    // Clip the rotated list to nStart..nEnd.
    position = 0;
    for (INT_PTR i = 0; i < head.GetSize() && position < nEnd; ++i) {
        const int begin = position, end = position + head[i].length;
        position = end;
        if (end <= nStart)
            continue;
        const int length = std::min(end, nEnd) - std::max(begin, nStart);
        if (length > 0)
            AppendBand(bands, head[i].color, length);
    }
}

void CGradient::Draw(CDC* pDC, const CRect& rect, int nStart, int nEnd, int nShift)
{
    if (m_aColors.IsEmpty())
        return;
    const bool paletteDevice = (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
    if (!paletteDevice && pDC->GetDeviceCaps(BITSPIXEL) * pDC->GetDeviceCaps(PLANES) < 8) {
        pDC->FillSolidRect(GetSubRect(rect, nStart, nEnd), m_aColors[0]);
        return;
    }
    const bool vertical = m_nDirection == TopToBottom || m_nDirection == BottomToTop;
    const int length = vertical ? rect.Height() : rect.Width();
    if (nEnd == -1)
        nEnd = length;
    const int fullLength = static_cast<int>(m_fStretch * static_cast<float>(length));

    CGradElementArray bands;
    MakeEntries(bands, nShift, fullLength, nStart, nEnd, paletteDevice ? PaletteColours : -1);

    CPalette* oldPalette = nullptr;
    const bool ownPalette = paletteDevice && m_bCreatePalette && GetPalette().GetSafeHandle() != nullptr;
    if (ownPalette) {
        oldPalette = pDC->SelectPalette(&m_Palette, FALSE);
        pDC->RealizePalette();
    }
    int position = nStart;
    for (INT_PTR i = 0; i < bands.GetSize(); ++i) {
        const CRect band = GetSubRect(rect, position, position + bands[i].length);
        position += bands[i].length;
        if (paletteDevice) {
            CBrush brush;
            brush.CreateSolidBrush(ownPalette ? (bands[i].color | 0x02000000) : bands[i].color);
            pDC->FillRect(&band, &brush);
        } else {
            pDC->FillSolidRect(&band, bands[i].color);
        }
    }
    if (oldPalette)
        pDC->SelectPalette(oldPalette, TRUE);
}
