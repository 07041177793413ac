#include "tooltip/PPTextMeasurer.h"

#include <string.h>

namespace {

BOOL SameFont(const LOGFONT& a, const LOGFONT& b)
{
    // Compared field by field: the bytes after the face name's terminator
    // need not match.
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

CPPFontCache::~CPPFontCache()
{
    Clear();
}

void CPPFontCache::Clear()
{
    for (Entry& entry : m_entries)
    {
        if (entry.measureDC)
        {
            SelectObject(entry.measureDC, entry.oldFont);
            SelectObject(entry.measureDC, entry.oldBitmap);
            DeleteDC(entry.measureDC);
        }
        if (entry.measureBitmap)
            DeleteObject(entry.measureBitmap);
        DeleteObject(entry.font);
    }
    m_entries.clear();
}

HFONT CPPFontCache::Get(HDC hDC, int dpi, int bpp, const LOGFONT& lf, const TEXTMETRIC** metrics, HDC* measureDC)
{
    for (const Entry& entry : m_entries)
    {
        if (entry.dpi == dpi && entry.bpp == bpp && SameFont(entry.lf, lf))
        {
            *metrics = &entry.tm;
            *measureDC = entry.measureDC;
            return entry.font;
        }
    }
    if (m_entries.size() >= kMaxFonts)
        return nullptr;
    // Reserved once, so the metrics handed out never move.
    m_entries.reserve(kMaxFonts);
    HFONT font = CreateFontIndirect(&lf);
    if (!font)
        return nullptr;
    Entry entry = {};
    entry.lf = lf;
    entry.font = font;
    entry.dpi = dpi;
    entry.bpp = bpp;
    HGDIOBJ old = SelectObject(hDC, font);
    if (!::GetTextMetrics(hDC, &entry.tm))
        ZeroMemory(&entry.tm, sizeof entry.tm);
    SelectObject(hDC, old);
    // The bitmap goes in before the font: the glyphs a font is realised with
    // follow the colour depth of the DC it is selected into.
    entry.measureDC = CreateCompatibleDC(hDC);
    entry.measureBitmap = entry.measureDC ? CreateCompatibleBitmap(hDC, 1, 1) : nullptr;
    if (entry.measureBitmap)
    {
        entry.oldBitmap = SelectObject(entry.measureDC, entry.measureBitmap);
        entry.oldFont = SelectObject(entry.measureDC, font);
    }
    else if (entry.measureDC)
    {
        DeleteDC(entry.measureDC);
        entry.measureDC = nullptr;
    }
    m_entries.push_back(entry);
    *metrics = &m_entries.back().tm;
    *measureDC = m_entries.back().measureDC;
    return font;
}

CPPDCMeasurer::CPPDCMeasurer(HDC hDC, CPPFontCache* cache)
    : m_hDC(hDC), m_pCache(cache), m_bPlainDC(FALSE),
      m_nDpi(GetDeviceCaps(hDC, LOGPIXELSY)), m_nBpp(cache ? GetDeviceCaps(hDC, BITSPIXEL) : 0), m_hFont(nullptr), m_hCurrent(nullptr), m_hSelected(nullptr),
      m_pMetrics(nullptr), m_hMeasureDC(nullptr), m_hOldFont(nullptr)
{
    XFORM xf = {};
    m_bPlainDC = cache && GetMapMode(hDC) == MM_TEXT && GetTextCharacterExtra(hDC) == 0 &&
                 (GetGraphicsMode(hDC) == GM_COMPATIBLE ||
                  (GetWorldTransform(hDC, &xf) && xf.eM11 == 1 && xf.eM12 == 0 && xf.eM21 == 0 && xf.eM22 == 1));
}

CPPDCMeasurer::~CPPDCMeasurer()
{
    if (m_hOldFont)
        SelectObject(m_hDC, m_hOldFont);
    if (m_hFont)
        DeleteObject(m_hFont);
}

void CPPDCMeasurer::SelectFont(const LOGFONT& lf)
{
    const TEXTMETRIC* metrics = nullptr;
    HDC measureDC = nullptr;
    HFONT font = m_pCache ? m_pCache->Get(m_hDC, m_nDpi, m_nBpp, lf, &metrics, &measureDC) : nullptr;
    if (font)
    {
        // Selected only when text is measured or drawn in the DC itself.
        m_hCurrent = font;
        m_pMetrics = metrics;
        m_hMeasureDC = m_bPlainDC ? measureDC : nullptr;
        return;
    }
    font = CreateFontIndirect(&lf);
    if (!font)
        return;
    HFONT made = m_hFont;
    m_hFont = font;
    m_hCurrent = font;
    m_pMetrics = nullptr;
    m_hMeasureDC = nullptr;
    SelectCurrent();
    if (made)
        DeleteObject(made);   // no longer selected: the new one took its place
}

void CPPDCMeasurer::SelectCurrent()
{
    if (!m_hCurrent || m_hCurrent == m_hSelected)
        return;
    HGDIOBJ previous = SelectObject(m_hDC, m_hCurrent);
    if (!m_hOldFont)
        m_hOldFont = previous;
    m_hSelected = m_hCurrent;
    if (m_hFont && m_hFont != m_hCurrent)
    {
        DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
}

void CPPDCMeasurer::PrepareToDraw()
{
    SelectCurrent();
}

SIZE CPPDCMeasurer::GetTextExtent(LPCTSTR text, int length)
{
    SIZE size = {0, 0};
    if (length <= 0)
        return size;
    if (m_hMeasureDC)
    {
        GetTextExtentPoint32(m_hMeasureDC, text, length, &size);
        return size;
    }
    SelectCurrent();
    GetTextExtentPoint32(m_hDC, text, length, &size);
    return size;
}

void CPPDCMeasurer::GetTextMetrics(TEXTMETRIC& tm)
{
    if (m_pMetrics)
    {
        tm = *m_pMetrics;
        return;
    }
    SelectCurrent();
    if (!::GetTextMetrics(m_hDC, &tm))
        ZeroMemory(&tm, sizeof tm);
}

int CPPDCMeasurer::GetLogPixelsY()
{
    return GetDeviceCaps(m_hDC, LOGPIXELSY);
}
