// A 32-bit memory DC whose pixels the painting tests read back.
#pragma once

#include "afx/DC.h"

class CPixelDC
{
public:
    CPixelDC(int cx, int cy, COLORREF fill);
    ~CPixelDC();
    CPixelDC(const CPixelDC&) = delete;
    CPixelDC& operator=(const CPixelDC&) = delete;

    CDC& dc() { return m_dc; }
    COLORREF Pixel(int x, int y) const;

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    DWORD* m_bits;
    int m_cx;
    int m_cy;
};
