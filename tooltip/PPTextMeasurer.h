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
    // Called before text is drawn on the measured DC: a measurer that puts
    // off selecting the current font selects it now.
    virtual void PrepareToDraw() {}
};

// Fonts made for one drawer, kept between its passes: making a font and
// asking its metrics is the costliest step of laying out a short markup, and
// a tip uses a handful of fonts over and over. Selecting a font into a DC
// costs about as much again, and markup switches fonts at every styled word,
// so each font also keeps a small memory DC of its own with it selected, in
// which its text is measured without selecting anything. Owns the fonts and
// DCs; the drawer keeps it longer than any DC the fonts are selected into.
class CPPFontCache
{
public:
    CPPFontCache() = default;
    ~CPPFontCache();
    CPPFontCache(const CPPFontCache&) = delete;
    CPPFontCache& operator=(const CPPFontCache&) = delete;

    // The font of lf with its metrics on hDC, made on first use; nullptr
    // when it cannot be made or the cache is full (the caller makes its own).
    // measureDC receives the font's own DC, matching hDC's resolution and
    // colour depth, or null when it could not be made. dpi and bpp are hDC's
    // LOGPIXELSY and BITSPIXEL, asked once by the caller: the latter is slow.
    HFONT Get(HDC hDC, int dpi, int bpp, const LOGFONT& lf, const TEXTMETRIC** metrics, HDC* measureDC);
    void Clear();

    // Fonts kept at most: more than a tip's styles ever need.
    static constexpr size_t kMaxFonts = 64;

private:
    struct Entry
    {
        LOGFONT lf;
        HFONT font;
        int dpi;   // metrics depend on the device too
        int bpp;   // and so do glyph advances: monochrome glyphs are hinted apart
        TEXTMETRIC tm;
        HDC measureDC;
        HBITMAP measureBitmap;
        HGDIOBJ oldFont;
        HGDIOBJ oldBitmap;
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
    void PrepareToDraw() override;

    HDC GetSafeHdc() const { return m_hDC; }

private:
    // Selects the current font into the DC if another one is there.
    void SelectCurrent();

    HDC m_hDC;
    CPPFontCache* m_pCache;
    // The font's own DC measures only what the DC would measure the same:
    // plain text mapping, no world transform, no extra spacing.
    BOOL m_bPlainDC;
    int m_nDpi;
    int m_nBpp;
    HFONT m_hFont;        // the font this object made, or null
    HFONT m_hCurrent;     // the font made current by SelectFont
    HFONT m_hSelected;    // the font selected in the DC now
    const TEXTMETRIC* m_pMetrics;   // its cached metrics, or null
    HDC m_hMeasureDC;     // its cached own DC, or null
    HGDIOBJ m_hOldFont;   // the DC's font before the first selection
};
