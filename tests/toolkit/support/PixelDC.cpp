#include "tests/toolkit/support/PixelDC.h"

CPixelDC::CPixelDC(int cx, int cy, COLORREF fill) : m_bits(nullptr), m_cx(cx), m_cy(cy)
{
    m_dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_old = ::SelectObject(m_dc.GetSafeHdc(), m_bitmap);
    m_dc.FillSolidRect(0, 0, cx, cy, fill);
}

CPixelDC::~CPixelDC()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_old);
    ::DeleteObject(m_bitmap);
}

COLORREF CPixelDC::Pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD value = m_bits[y * m_cx + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}
