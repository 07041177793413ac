// CPPTextMeasurer: the few text-measuring calls the HTML drawer's layout
// needs, so that layout can run over a device context or over a stand-in
// with known metrics. CPPDCMeasurer is the one over a real DC: it owns the
// fonts it creates and puts the DC's own font back when it goes.
#pragma once

#include "afx/Afx.h"

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

class CPPDCMeasurer : public CPPTextMeasurer
{
public:
    explicit CPPDCMeasurer(HDC hDC);
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
    HFONT m_hFont;        // the font this object made and selected, or null
    HGDIOBJ m_hOldFont;   // the DC's font before the first selection
};
