// A 32-bit memory surface pre-filled with one colour, read back by pixel.
#pragma once

#include "afx/DC.h"

class Surface
{
public:
    Surface(int cx, int cy, COLORREF fill) : m_dc(), m_bitmap(nullptr), m_old(nullptr), m_cx(cx), m_cy(cy)
    {
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~Surface()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
    }
    CDC* dc() { return &m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc.m_hDC, x, y); }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x)
                n += At(x, y) == colour;
        return n;
    }

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_cx, m_cy;
};
