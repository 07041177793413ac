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
        DeleteObject(entry.font);
    m_entries.clear();
}

HFONT CPPFontCache::Get(HDC hDC, const LOGFONT& lf, const TEXTMETRIC** metrics)
{
    const int dpi = GetDeviceCaps(hDC, LOGPIXELSY);
    for (const Entry& entry : m_entries)
    {
        if (entry.dpi == dpi && SameFont(entry.lf, lf))
        {
            *metrics = &entry.tm;
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
    Entry entry;
    entry.lf = lf;
    entry.font = font;
    entry.dpi = dpi;
    HGDIOBJ old = SelectObject(hDC, font);
    if (!::GetTextMetrics(hDC, &entry.tm))
        ZeroMemory(&entry.tm, sizeof entry.tm);
    SelectObject(hDC, old);
    m_entries.push_back(entry);
    *metrics = &m_entries.back().tm;
    return font;
}

CPPDCMeasurer::CPPDCMeasurer(HDC hDC, CPPFontCache* cache)
    : m_hDC(hDC), m_pCache(cache), m_hFont(nullptr), m_hSelected(nullptr), m_pMetrics(nullptr), m_hOldFont(nullptr)
{
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
    HFONT font = m_pCache ? m_pCache->Get(m_hDC, lf, &metrics) : nullptr;
    const BOOL cached = font != nullptr;
    if (!font)
        font = CreateFontIndirect(&lf);
    if (!font)
        return;
    if (font != m_hSelected)
    {
        HGDIOBJ previous = SelectObject(m_hDC, font);
        if (!m_hOldFont)
            m_hOldFont = previous;
        m_hSelected = font;
    }
    m_pMetrics = metrics;
    if (m_hFont && m_hFont != font)
        DeleteObject(m_hFont);
    m_hFont = cached ? nullptr : font;
}

SIZE CPPDCMeasurer::GetTextExtent(LPCTSTR text, int length)
{
    SIZE size = {0, 0};
    if (length > 0)
        GetTextExtentPoint32(m_hDC, text, length, &size);
    return size;
}

void CPPDCMeasurer::GetTextMetrics(TEXTMETRIC& tm)
{
    if (m_pMetrics)
        tm = *m_pMetrics;
    else if (!::GetTextMetrics(m_hDC, &tm))
        ZeroMemory(&tm, sizeof tm);
}

int CPPDCMeasurer::GetLogPixelsY()
{
    return GetDeviceCaps(m_hDC, LOGPIXELSY);
}
