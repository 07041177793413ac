// CPPTextMeasurer: the few text-measuring calls the HTML drawer's layout
// needs, so that layout can run over a device context or over a stand-in
// with known metrics. CPPDCMeasurer is the one over a real DC: it owns the
// fonts it creates and puts the DC's own font back when it goes.
#pragma once

#include "afx/Afx.h"

#include <vector>

class CPPTextMeasurer
{
public:
    virtual ~CPPTextMeasurer() = default;

    // Makes the font described by lf the current one.
    virtual void SelectFont(const LOGFONT& lf) = 0;
    virtual SIZE GetTextExtent(LPCTSTR text, int length) = 0;
    virtual void GetTextMetrics(TEXTMETRIC& tm) = 0;
    virtual int GetLogPixelsY() = 0;
};

// Fonts made for one drawer, kept between its passes: making a font and
// asking its metrics is the costliest step of laying out a short markup, and
// a tip uses a handful of fonts over and over. Owns the fonts; the drawer
// keeps it longer than any DC the fonts are selected into.
class CPPFontCache
{
public:
    CPPFontCache() = default;
    ~CPPFontCache();
    CPPFontCache(const CPPFontCache&) = delete;
    CPPFontCache& operator=(const CPPFontCache&) = delete;

    // The font of lf with its metrics on hDC, made on first use; nullptr
    // when it cannot be made or the cache is full (the caller makes its own).
    HFONT Get(HDC hDC, const LOGFONT& lf, const TEXTMETRIC** metrics);
    void Clear();

    // Fonts kept at most: more than a tip's styles ever need.
    static constexpr size_t kMaxFonts = 64;

private:
    struct Entry
    {
        LOGFONT lf;
        HFONT font;
        int dpi;   // metrics depend on the device too
        TEXTMETRIC tm;
    };
    std::vector<Entry> m_entries;
};

class CPPDCMeasurer : public CPPTextMeasurer
{
public:
    explicit CPPDCMeasurer(HDC hDC, CPPFontCache* cache = nullptr);
    ~CPPDCMeasurer() override;

    CPPDCMeasurer(const CPPDCMeasurer&) = delete;
    CPPDCMeasurer& operator=(const CPPDCMeasurer&) = delete;

    void SelectFont(const LOGFONT& lf) override;
    SIZE GetTextExtent(LPCTSTR text, int length) override;
    void GetTextMetrics(TEXTMETRIC& tm) override;
    int GetLogPixelsY() override;

    HDC GetSafeHdc() const { return m_hDC; }

private:
    HDC m_hDC;
    CPPFontCache* m_pCache;
    HFONT m_hFont;        // the font this object made and selected, or null
    HFONT m_hSelected;    // the font selected now
    const TEXTMETRIC* m_pMetrics;   // its cached metrics, or null
    HGDIOBJ m_hOldFont;   // the DC's font before the first selection
};
