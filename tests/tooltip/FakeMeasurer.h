// A text measurer with round numbers: every character is half the font
// height wide (one more when bold), ascent three quarters of the height.
#pragma once

#include "tooltip/PPTextMeasurer.h"

#include <stdlib.h>

class FakeMeasurer : public CPPTextMeasurer
{
public:
    void SelectFont(const LOGFONT& lf) override { m_lf = lf; }
    SIZE GetTextExtent(LPCTSTR, int length) override
    {
        return SIZE{length * CharWidth(), Height()};
    }
    void GetTextMetrics(TEXTMETRIC& tm) override
    {
        ZeroMemory(&tm, sizeof tm);
        tm.tmHeight = Height();
        tm.tmAscent = Height() * 3 / 4;
        tm.tmDescent = tm.tmHeight - tm.tmAscent;
    }
    int GetLogPixelsY() override { return 96; }

    int Height() const { return abs(m_lf.lfHeight); }
    int CharWidth() const { return Height() / 2 + (m_lf.lfWeight >= FW_BOLD ? 1 : 0); }
    const LOGFONT& Font() const { return m_lf; }

private:
    LOGFONT m_lf = {};
};
