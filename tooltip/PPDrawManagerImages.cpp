// Image effects, icons, blending and shadows of the draw manager. Per-pixel
// work is done in 32-bit DIB section memory (0x00RRGGBB words, bottom-up).
#include "tooltip/PPDrawManager.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// Pixel count above which the per-pixel operations refuse to work: their
// double-precision work arrays would not fit comfortably in memory.
const long long kMaxPixels = 16LL * 1024 * 1024;

BOOL SizeOk(int width, int height)
{
    return width > 0 && height > 0 && width <= CPPDrawManager::kMaxSide &&
           height <= CPPDrawManager::kMaxSide && static_cast<long long>(width) * height <= kMaxPixels;
}

HBITMAP CreateDib32(HDC hDC, int width, int height, DWORD** bits)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(hDC, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (bmp && !p)
    {
        DeleteObject(bmp);
        bmp = nullptr;
    }
    *bits = static_cast<DWORD*>(p);
    return bmp;
}

// DIB words hold red in the high byte; COLORREF in the low one.
COLORREF FromDib(DWORD px)
{
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

DWORD ToDib(COLORREF c)
{
    return (static_cast<DWORD>(GetRValue(c)) << 16) | (static_cast<DWORD>(GetGValue(c)) << 8) | GetBValue(c);
}

// A 32-bit copy of a bitmap (stretched to the size when it differs).
HBITMAP CopyToDib32(HBITMAP source, int width, int height, DWORD** bits)
{
    *bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC srcDC = CreateCompatibleDC(screen);
    HDC dstDC = CreateCompatibleDC(screen);
    HBITMAP dib = nullptr;
    if (srcDC && dstDC)
    {
        dib = CreateDib32(screen, width, height, bits);
        if (dib)
        {
            HGDIOBJ oldSrc = SelectObject(srcDC, source);
            HGDIOBJ oldDst = SelectObject(dstDC, dib);
            const SIZE own = CPPDrawManager::GetSizeOfBitmap(source);
            if (own.cx == width && own.cy == height)
                BitBlt(dstDC, 0, 0, width, height, srcDC, 0, 0, SRCCOPY);
            else
                StretchBlt(dstDC, 0, 0, width, height, srcDC, 0, 0, own.cx, own.cy, SRCCOPY);
            SelectObject(srcDC, oldSrc);
            SelectObject(dstDC, oldDst);
            GdiFlush();
        }
    }
    if (srcDC)
        DeleteDC(srcDC);
    if (dstDC)
        DeleteDC(dstDC);
    ReleaseDC(nullptr, screen);
    return dib;
}

void BlitBitmap(HDC hDC, int x, int y, int width, int height, HBITMAP bmp, DWORD rop)
{
    HDC mem = CreateCompatibleDC(hDC);
    if (!mem)
        return;
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(hDC, x, y, width, height, mem, 0, 0, rop);
    SelectObject(mem, old);
    DeleteDC(mem);
}

}  // namespace

void CPPDrawManager::AlphaBitBlt(HDC hDest, int x, int y, int width, int height,
                                 HDC hSrc, int srcX, int srcY, int percent)
{
    if (!hDest || !hSrc)
        return;
    if (percent >= 100)
    {
        BitBlt(hDest, x, y, width, height, hSrc, srcX, srcY, SRCCOPY);
        return;
    }
    if (!SizeOk(width, height))
        return;
    percent = std::max(0, percent);
    DWORD* srcBits = nullptr;
    DWORD* dstBits = nullptr;
    HDC srcMem = CreateCompatibleDC(hDest);
    HDC dstMem = CreateCompatibleDC(hDest);
    HBITMAP srcDib = CreateDib32(hDest, width, height, &srcBits);
    HBITMAP dstDib = CreateDib32(hDest, width, height, &dstBits);
    if (srcMem && dstMem && srcDib && dstDib)
    {
        HGDIOBJ oldS = SelectObject(srcMem, srcDib);
        HGDIOBJ oldD = SelectObject(dstMem, dstDib);
        BitBlt(srcMem, 0, 0, width, height, hSrc, srcX, srcY, SRCCOPY);
        BitBlt(dstMem, 0, 0, width, height, hDest, x, y, SRCCOPY);
        GdiFlush();
        const double p = percent / 100.0;
        const size_t count = static_cast<size_t>(width) * height;
        for (size_t i = 0; i < count; ++i)
            dstBits[i] = ToDib(BlendColors(FromDib(srcBits[i]), p, FromDib(dstBits[i]), 1.0 - p));
        BitBlt(hDest, x, y, width, height, dstMem, 0, 0, SRCCOPY);
        SelectObject(srcMem, oldS);
        SelectObject(dstMem, oldD);
    }
    if (srcDib)
        DeleteObject(srcDib);
    if (dstDib)
        DeleteObject(dstDib);
    if (srcMem)
        DeleteDC(srcMem);
    if (dstMem)
        DeleteDC(dstMem);
}

HBITMAP CPPDrawManager::CreateImageEffect(HBITMAP hBitmap, int width, int height, DWORD effect,
                                          BOOL useMask, COLORREF maskColor, COLORREF newColor)
{
    if (!hBitmap || !SizeOk(width, height))
        return nullptr;
    DWORD* bits = nullptr;
    HBITMAP dib = CopyToDib32(hBitmap, width, height, &bits);
    if (!dib)
        return nullptr;
    const size_t count = static_cast<size_t>(width) * height;
    const DWORD maskPx = ToDib(maskColor);
    for (size_t i = 0; i < count; ++i)
    {
        DWORD& px = bits[i];
        px &= 0x00FFFFFF;
        if (useMask && px == maskPx)
        {
            px = 0;
        }
        else
        {
            COLORREF c = FromDib(px);
            if (effect & IMAGE_EFFECT_GRAY)
                c = PixelGrayScale(c);
            if (effect & IMAGE_EFFECT_DARKEN)
                c = DarkenColor(c, 0.75);
            if (effect & IMAGE_EFFECT_LIGHTEN)
                c = LightenColor(c, 0.25);
            if (effect & IMAGE_EFFECT_MONOCHROME)
                c = newColor;
            px = ToDib(c);
        }
        if (effect & IMAGE_EFFECT_INVERT)
            px = ToDib(InvertColor(FromDib(px)));
    }
    return dib;
}

HICON CPPDrawManager::StretchIcon(HICON hIcon, int width, int height)
{
    ICONINFO info;
    if (!hIcon || !SizeOk(width, height) || !GetIconInfo(hIcon, &info))
        return nullptr;
    const SIZE own = {static_cast<LONG>(info.xHotspot * 2), static_cast<LONG>(info.yHotspot * 2)};
    HICON result = nullptr;
    HDC screen = GetDC(nullptr);
    HDC srcDC = CreateCompatibleDC(screen);
    HDC dstDC = CreateCompatibleDC(screen);
    HBITMAP parts[2] = {info.hbmMask, info.hbmColor};
    HBITMAP stretched[2] = {nullptr, nullptr};
    if (srcDC && dstDC)
    {
        for (int i = 0; i < 2; ++i)
        {
            BITMAP bm;
            if (!parts[i] || !GetObject(parts[i], sizeof bm, &bm))
                continue;
            stretched[i] = CreateBitmap(width, height, bm.bmPlanes, bm.bmBitsPixel, nullptr);
            if (!stretched[i])
                continue;
            HGDIOBJ oldS = SelectObject(srcDC, parts[i]);
            HGDIOBJ oldD = SelectObject(dstDC, stretched[i]);
            SetStretchBltMode(dstDC, COLORONCOLOR);
            StretchBlt(dstDC, 0, 0, width, height, srcDC, 0, 0, own.cx, own.cy, SRCCOPY);
            SelectObject(srcDC, oldS);
            SelectObject(dstDC, oldD);
        }
        if (stretched[0])
        {
            ICONINFO made = {};
            made.fIcon = TRUE;
            made.hbmMask = stretched[0];
            made.hbmColor = stretched[1];
            result = CreateIconIndirect(&made);
        }
    }
    for (HBITMAP b : stretched)
        if (b)
            DeleteObject(b);
    for (HBITMAP b : parts)
        if (b)
            DeleteObject(b);
    if (srcDC)
        DeleteDC(srcDC);
    if (dstDC)
        DeleteDC(dstDC);
    ReleaseDC(nullptr, screen);
    return result;
}

namespace {

// A shadow mask: white where the image is transparent, the grey of the
// shadow colour's red level elsewhere.
HBITMAP MakeShadowMask(const DWORD* transparentTest, DWORD transparentValue, BOOL useTest,
                       int width, int height, COLORREF shadowColor)
{
    DWORD* bits = nullptr;
    HBITMAP mask = CreateDib32(nullptr, width, height, &bits);
    if (!mask)
        return nullptr;
    const BYTE r = GetRValue(shadowColor);
    const DWORD grey = RGB(r, r, r);
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i)
        bits[i] = (useTest && (transparentTest[i] & 0x00FFFFFF) == transparentValue) ? 0x00FFFFFF : grey;
    return mask;
}

}  // namespace

void CPPDrawManager::DrawBitmap(HDC hDC, int x, int y, int width, int height, HBITMAP hBitmap,
                                BOOL useMask, COLORREF maskColor, DWORD effect, BOOL shadow,
                                int shadowDx, int shadowDy, int depthX, int depthY, COLORREF shadowColor)
{
    if (!hDC || !hBitmap || !SizeOk(width, height))
        return;
    DWORD* copyBits = nullptr;
    HBITMAP copy = CopyToDib32(hBitmap, width, height, &copyBits);
    if (!copy)
        return;
    HBITMAP mask = CreateImageEffect(copy, width, height, IMAGE_EFFECT_MONOCHROME | IMAGE_EFFECT_INVERT,
                                     useMask, maskColor, RGB(255, 255, 255));
    HBITMAP image = CreateImageEffect(copy, width, height, effect, useMask, maskColor, RGB(255, 255, 255));
    int drawX = x, drawY = y;
    if (shadow)
    {
        if (effect & (IMAGE_EFFECT_SHADOW | IMAGE_EFFECT_BLUR_SHADOW))
        {
            HBITMAP shadowMask = MakeShadowMask(copyBits, ToDib(maskColor), useMask, width, height, shadowColor);
            if (shadowMask)
            {
                DrawShadow(hDC, x + shadowDx, y + shadowDy, width, height, shadowMask,
                           (effect & IMAGE_EFFECT_BLUR_SHADOW) != 0, depthX, depthY);
                DeleteObject(shadowMask);
            }
        }
        else
        {
            drawX += shadowDx;
            drawY += shadowDy;
        }
    }
    if (mask && image)
    {
        BlitBitmap(hDC, drawX, drawY, width, height, mask, SRCAND);
        BlitBitmap(hDC, drawX, drawY, width, height, image, SRCPAINT);
    }
    if (mask)
        DeleteObject(mask);
    if (image)
        DeleteObject(image);
    DeleteObject(copy);
}

void CPPDrawManager::DrawIcon(HDC hDC, int x, int y, int width, int height, HICON hIcon,
                              DWORD effect, BOOL shadow, int shadowDx, int shadowDy,
                              int depthX, int depthY, COLORREF shadowColor)
{
    if (!hDC || !hIcon || !SizeOk(width, height))
        return;
    const SIZE own = GetSizeOfIcon(hIcon);
    HICON icon = (own.cx != width || own.cy != height) ? StretchIcon(hIcon, width, height) : CopyIcon(hIcon);
    if (!icon)
        return;
    ICONINFO info;
    if (!GetIconInfo(icon, &info))
    {
        DestroyIcon(icon);
        return;
    }
    if (!info.hbmColor)
    {
        // A monochrome icon keeps its colours in the mask's lower half:
        // no effect applies, the system draws it.
        DrawIconEx(hDC, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
    }
    else
    {
        HBITMAP image = CreateImageEffect(info.hbmColor, width, height, effect, TRUE, RGB(0, 0, 0),
                                          RGB(255, 255, 255));
        int drawX = x, drawY = y;
        if (shadow)
        {
            if (effect & (IMAGE_EFFECT_SHADOW | IMAGE_EFFECT_BLUR_SHADOW))
            {
                DWORD* maskBits = nullptr;
                HBITMAP maskCopy = CopyToDib32(info.hbmMask, width, height, &maskBits);
                if (maskCopy)
                {
                    HBITMAP shadowMask = MakeShadowMask(maskBits, 0x00FFFFFF, TRUE, width, height, shadowColor);
                    if (shadowMask)
                    {
                        DrawShadow(hDC, x + shadowDx, y + shadowDy, width, height, shadowMask,
                                   (effect & IMAGE_EFFECT_BLUR_SHADOW) != 0, depthX, depthY);
                        DeleteObject(shadowMask);
                    }
                    DeleteObject(maskCopy);
                }
            }
            else
            {
                drawX += shadowDx;
                drawY += shadowDy;
            }
        }
        if (image)
        {
            const COLORREF oldText = SetTextColor(hDC, RGB(0, 0, 0));
            BlitBitmap(hDC, drawX, drawY, width, height, info.hbmMask, SRCAND);
            BlitBitmap(hDC, drawX, drawY, width, height, image, SRCPAINT);
            SetTextColor(hDC, oldText);
            DeleteObject(image);
        }
    }
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

void CPPDrawManager::DrawShadow(HDC hDC, int x, int y, int width, int height, HBITMAP hMask,
                                BOOL blur, int depthX, int depthY)
{
    if (!hDC || !hMask || !SizeOk(width, height))
        return;
    std::vector<double> factors;
    try
    {
        factors.resize(static_cast<size_t>(width) * height);
    }
    catch (const std::bad_alloc&)
    {
        return;
    }
    if (MaskToDepth(hDC, width, height, hMask, factors.data(), blur, depthX, depthY))
        DarkenByDepth(hDC, x, y, width, height, factors.data());
}

BOOL CPPDrawManager::MaskToDepth(HDC hDC, int width, int height, HBITMAP hMask, double* factors,
                                 BOOL blur, int depthX, int depthY)
{
    if (!hMask || !factors || !SizeOk(width, height))
        return FALSE;
    if (blur)
    {
        depthX = std::max(1, depthX);
        depthY = std::max(1, depthY);
        if (depthX % 2 == 0)
            ++depthX;
        if (depthY % 2 == 0)
            ++depthY;
    }
    DWORD* bits = nullptr;
    HDC dibDC = CreateCompatibleDC(hDC);
    HDC maskDC = CreateCompatibleDC(hDC);
    HBITMAP dib = CreateDib32(hDC, width, height, &bits);
    BOOL ok = FALSE;
    if (dibDC && maskDC && dib)
    {
        HGDIOBJ oldD = SelectObject(dibDC, dib);
        HGDIOBJ oldM = SelectObject(maskDC, hMask);
        if (blur)
        {
            PatBlt(dibDC, 0, 0, width, height, WHITENESS);
            const SIZE own = GetSizeOfBitmap(hMask);
            if (width > depthX && height > depthY)
                StretchBlt(dibDC, depthX / 2, depthY / 2, width - depthX, height - depthY,
                       maskDC, 0, 0, own.cx, own.cy, SRCCOPY);
        }
        else
        {
            BitBlt(dibDC, 0, 0, width, height, maskDC, 0, 0, SRCCOPY);
        }
        GdiFlush();
        if (blur)
        {
            BlurShadowFactors(width, height, bits, depthX, depthY, factors);
        }
        else
        {
            // The mask's grey says how much light is left; the fraction must
            // survive, or every shadow but a white one would be black.
            const size_t count = static_cast<size_t>(width) * height;
            for (size_t i = 0; i < count; ++i)
                factors[i] = (bits[i] & 0xFF) / 255.0;
        }
        SelectObject(dibDC, oldD);
        SelectObject(maskDC, oldM);
        ok = TRUE;
    }
    if (dib)
        DeleteObject(dib);
    if (dibDC)
        DeleteDC(dibDC);
    if (maskDC)
        DeleteDC(maskDC);
    return ok;
}

void CPPDrawManager::BlurShadowFactors(int width, int height, const DWORD* maskPixels,
                                       int depthX, int depthY, double* factors)
{
    if (!maskPixels || !factors || width <= 0 || height <= 0)
        return;
    // The grid's margins are half a window on each side: the window must be odd.
    depthX = std::max(1, depthX) | 1;
    depthY = std::max(1, depthY) | 1;
    const int rows = height + depthY - 1;
    const int cols = width + depthX - 1;
    std::vector<double> grid(static_cast<size_t>(rows) * cols, 255.0);
    std::vector<double> work(static_cast<size_t>(rows) * (cols - depthX + 1));
    const int mx = depthX / 2, my = depthY / 2;
    const DWORD* px = maskPixels;
    for (int r = my; r < my + height; ++r)
        for (int c = mx; c < mx + width; ++c)
            grid[static_cast<size_t>(r) * cols + c] = *px++ & 0xFF;
    BoxSum(grid.data(), rows, cols, depthY, depthX, work.data(), factors);
    const double scale = static_cast<double>(depthX) * depthY * 255.0;
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i)
        factors[i] /= scale;
}

void CPPDrawManager::BoxSum(const double* grid, int rows, int columns, int windowHeight,
                            int windowWidth, double* work, double* result)
{
    const int outCols = columns - windowWidth + 1;
    const int outRows = rows - windowHeight + 1;
    if (outCols <= 0 || outRows <= 0 || windowWidth <= 0 || windowHeight <= 0)
        return;
    for (int r = 0; r < rows; ++r)
    {
        const double* in = grid + static_cast<size_t>(r) * columns;
        double* out = work + static_cast<size_t>(r) * outCols;
        double sum = 0;
        for (int c = 0; c < windowWidth; ++c)
            sum += in[c];
        out[0] = sum;
        for (int c = 1; c < outCols; ++c)
        {
            sum += in[c + windowWidth - 1] - in[c - 1];
            out[c] = sum;
        }
    }
    for (int c = 0; c < outCols; ++c)
    {
        double sum = 0;
        for (int r = 0; r < windowHeight; ++r)
            sum += work[static_cast<size_t>(r) * outCols + c];
        result[c] = sum;
        for (int r = 1; r < outRows; ++r)
        {
            sum += work[static_cast<size_t>(r + windowHeight - 1) * outCols + c] -
                   work[static_cast<size_t>(r - 1) * outCols + c];
            result[static_cast<size_t>(r) * outCols + c] = sum;
        }
    }
}

void CPPDrawManager::DarkenByDepth(HDC hDC, int x, int y, int width, int height, const double* factors)
{
    if (!hDC || !factors || !SizeOk(width, height))
        return;
    DWORD* bits = nullptr;
    HDC mem = CreateCompatibleDC(hDC);
    HBITMAP dib = CreateDib32(hDC, width, height, &bits);
    if (mem && dib)
    {
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, width, height, hDC, x, y, SRCCOPY);
        GdiFlush();
        const size_t count = static_cast<size_t>(width) * height;
        for (size_t i = 0; i < count; ++i)
            bits[i] = DarkenColor(bits[i] & 0x00FFFFFF, factors[i]);   // same factor on every channel
        BitBlt(hDC, x, y, width, height, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
    }
    if (dib)
        DeleteObject(dib);
    if (mem)
        DeleteDC(mem);
}
