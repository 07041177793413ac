#include "framework/util/ImageProcessor.h"
#include "framework/util/HslColor.h"

#include <commctrl.h>
#include <algorithm>
#include <stdlib.h>
#include <string.h>

namespace {
BITMAPINFO TopDownInfo(CSize size)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(size.cx * size.cy * 4);
    return info;
}

size_t Area(CSize size)
{
    return static_cast<size_t>(std::max<LONG>(size.cx, 0)) * static_cast<size_t>(std::max<LONG>(size.cy, 0));
}
}

C32BitImageProcessor::C32BitImageProcessor(BOOL weighted)
    : m_bWeighted(weighted), m_bMaskEnabled(FALSE), m_nMaskRed(0), m_nMaskGreen(0), m_nMaskBlue(0)
{
}

CSize C32BitImageProcessor::CalcDestSize(CSize source) const
{
    return source;
}

BOOL C32BitImageProcessor::ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest,
                                         CSize) const
{
    memcpy(static_cast<void*>(dest), source, Area(sourceSize) * sizeof(RGBX));
    return TRUE;
}

void C32BitImageProcessor::SetMask(COLORREF mask)
{
    m_bMaskEnabled = TRUE;
    m_nMaskRed = GetRValue(mask);
    m_nMaskGreen = GetGValue(mask);
    m_nMaskBlue = GetBValue(mask);
}

BOOL C32BitImageProcessor::IsMaskPixel(const RGBX& pixel) const
{
    return m_bMaskEnabled && pixel.btRed == m_nMaskRed && pixel.btGreen == m_nMaskGreen &&
           pixel.btBlue == m_nMaskBlue;
}

BOOL CImageGrayer::ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest, CSize) const
{
    const size_t count = Area(sourceSize);
    for (size_t i = 0; i < count; ++i)
    {
        if (IsMaskPixel(source[i]))
        {
            dest[i] = source[i];
            continue;
        }
        const BYTE gray = static_cast<BYTE>(source[i].Gray());
        dest[i].btRed = dest[i].btGreen = dest[i].btBlue = gray;
        dest[i].btUnused = 0;
    }
    return TRUE;
}

BOOL CImageHigh::ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest, CSize) const
{
    const size_t count = Area(sourceSize);
    for (size_t i = 0; i < count; ++i)
    {
        if (IsMaskPixel(source[i]))
        {
            dest[i] = source[i];
            continue;
        }
        CHslColor color(source[i].btRed, source[i].btBlue, source[i].btGreen);
        const float lightness = color.GetLightness();
        if (m_fFactor > 0 && lightness < 1.0f)
            color.SetLightness(std::min(lightness + m_fFactor, 1.0f));
        else if (m_fFactor < 0 && lightness > 0)
            color.SetLightness(std::max(lightness + m_fFactor, 0.0f));
        dest[i].btRed = color.GetRed();
        dest[i].btGreen = color.GetGreen();
        dest[i].btBlue = color.GetBlue();
    }
    return TRUE;
}

void FillPixels(RGBX* pixels, size_t count, COLORREF color)
{
    if (count == 0)
        return;
    if (color == RGB(255, 255, 255) || color == CLR_NONE)
    {
        memset(static_cast<void*>(pixels), 255, count * sizeof(RGBX));
        return;
    }
    if (color == RGB(0, 0, 0))
    {
        memset(static_cast<void*>(pixels), 0, count * sizeof(RGBX));
        return;
    }
    pixels[0] = RGBX(color);
    // Doubling the filled part: few large copies instead of one per pixel.
    size_t filled = 1;
    while (filled < count)
    {
        const size_t step = std::min(filled, count - filled);
        memcpy(static_cast<void*>(pixels + filled), pixels, step * sizeof(RGBX));
        filled += step;
    }
}

BOOL ProcessPixelChain(std::vector<RGBX>& pixels, CSize& size,
                       const C32BitImageProcessor* const* chain, int count, COLORREF background)
{
    if (count <= 0)
        return TRUE;
    CSize largest = size;
    CSize walk = size;
    for (int i = 0; i < count; ++i)
    {
        walk = chain[i]->CalcDestSize(walk);
        largest.cx = std::max(largest.cx, walk.cx);
        largest.cy = std::max(largest.cy, walk.cy);
    }
    std::vector<RGBX> source(pixels);
    source.resize(std::max(source.size(), Area(largest)));
    std::vector<RGBX> dest(Area(largest));
    FillPixels(dest.data(), dest.size(), background);

    CSize current = size;
    for (int i = 0; i < count; ++i)
    {
        if (i > 0)
        {
            source = dest;
            FillPixels(dest.data(), dest.size(), background);
        }
        const CSize next = chain[i]->CalcDestSize(current);
        if (!chain[i]->ProcessPixels(source.data(), current, dest.data(), next))
            return FALSE;
        current = next;
    }
    dest.resize(Area(current));
    pixels.swap(dest);
    size = current;
    return TRUE;
}

HBITMAP ProcessBitmap(HBITMAP bitmap, const C32BitImageProcessor* const* chain, int count,
                      COLORREF background)
{
    BITMAP header = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(header), &header) || header.bmHeight == 0)
        return nullptr;
    CSize size(header.bmWidth, std::abs(header.bmHeight));
    std::vector<RGBX> pixels(Area(size));
    HDC screen = ::GetDC(nullptr);
    BITMAPINFO info = TopDownInfo(size);
    HBITMAP result = nullptr;
    if (::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                    DIB_RGB_COLORS) &&
        ProcessPixelChain(pixels, size, chain, count, background))
    {
        // A 24-bit section, like the toolbar bitmaps themselves: its colours
        // stay exact whatever the screen's depth.
        BITMAPINFO out = TopDownInfo(size);
        out.bmiHeader.biBitCount = 24;
        out.bmiHeader.biSizeImage = 0;
        void* bits = nullptr;
        result = ::CreateDIBSection(screen, &out, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (result)
        {
            const int stride = (size.cx * 3 + 3) & ~3;
            for (LONG y = 0; y < size.cy; ++y)
            {
                BYTE* row = static_cast<BYTE*>(bits) + y * stride;
                for (LONG x = 0; x < size.cx; ++x)
                {
                    const RGBX& pixel = pixels[static_cast<size_t>(y * size.cx + x)];
                    row[x * 3] = pixel.btBlue;
                    row[x * 3 + 1] = pixel.btGreen;
                    row[x * 3 + 2] = pixel.btRed;
                }
            }
        }
    }
    ::ReleaseDC(nullptr, screen);
    return result;
}
