// Colour arithmetic, background fills, frames and lines of the draw manager.
#include "tooltip/PPDrawManager.h"

#include <stdlib.h>
#include <string.h>
#include <algorithm>

namespace {

// Gradients are drawn as this many solid bands.
const int kGradientBands = 64;
// Scratches drawn by the "metal" fill.
const int kMetalScratches = 200;

struct Rgb
{
    int r, g, b;
};

Rgb Split(COLORREF c)
{
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void FillSolid(HDC hDC, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    if (!brush)
        return;
    FillRect(hDC, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

CPPDrawManager::CPPDrawManager()
    : m_pens(), m_dib()
{
}

CPPDrawManager::~CPPDrawManager()
{
    for (const CachedPen& cached : m_pens)
        DeleteObject(cached.pen);
}

COLORREF CPPDrawManager::PixelGrayScale(COLORREF color)
{
    const int g = static_cast<int>(0.299 * GetRValue(color) + 0.587 * GetGValue(color) +
                                   0.114 * GetBValue(color));
    return RGB(g, g, g);
}

COLORREF CPPDrawManager::InvertColor(COLORREF color)
{
    return RGB(255 - GetRValue(color), 255 - GetGValue(color), 255 - GetBValue(color));
}

COLORREF CPPDrawManager::DarkenColor(COLORREF color, double factor)
{
    if (factor < 0.0 || factor >= 1.0)
        return color;
    return RGB(static_cast<BYTE>(GetRValue(color) * factor), static_cast<BYTE>(GetGValue(color) * factor),
               static_cast<BYTE>(GetBValue(color) * factor));
}

COLORREF CPPDrawManager::LightenColor(COLORREF color, double factor)
{
    if (factor <= 0.0 || factor > 1.0)
        return color;
    auto up = [factor](int v) { return static_cast<BYTE>(std::min(v * (1.0 + factor), 255.0)); };
    return RGB(up(GetRValue(color)), up(GetGValue(color)), up(GetBValue(color)));
}

COLORREF CPPDrawManager::BlendColors(COLORREF a, double fa, COLORREF b, double fb)
{
    auto mix = [fa, fb](int x, int y) { return static_cast<BYTE>(static_cast<int>(x * fa + y * fb) & 0xFF); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

SIZE CPPDrawManager::GetSizeOfIcon(HICON hIcon)
{
    SIZE size = {0, 0};
    ICONINFO info;
    if (!hIcon || !GetIconInfo(hIcon, &info))
        return size;
    // An icon's hotspot is its centre.
    size.cx = static_cast<LONG>(info.xHotspot * 2);
    size.cy = static_cast<LONG>(info.yHotspot * 2);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return size;
}

SIZE CPPDrawManager::GetSizeOfBitmap(HBITMAP hBitmap)
{
    SIZE size = {0, 0};
    BITMAP bm;
    if (hBitmap && GetObject(hBitmap, sizeof bm, &bm))
    {
        size.cx = bm.bmWidth;
        size.cy = bm.bmHeight;
    }
    return size;
}

void CPPDrawManager::FillEffect(HDC hDC, int effect, LPCRECT rect, COLORREF begin, COLORREF mid,
                                COLORREF end, BYTE granularity, BYTE coloring)
{
    if (!hDC || !rect)
        return;
    const RECT r = *rect;
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const int midX = r.left + (r.right - r.left) / 2;
    const int midY = r.top + (r.bottom - r.top) / 2;
    switch (effect)
    {
    case EFFECT_HGRADIENT:
        GradientFill(hDC, r.left, r.top, r.right, r.bottom, begin, end, TRUE);
        break;
    case EFFECT_VGRADIENT:
        GradientFill(hDC, r.left, r.top, r.right, r.bottom, begin, end, FALSE);
        break;
    case EFFECT_HCGRADIENT:
        GradientFill(hDC, r.left, r.top, midX, r.bottom, begin, end, TRUE);
        GradientFill(hDC, midX, r.top, r.right, r.bottom, end, begin, TRUE);
        break;
    case EFFECT_VCGRADIENT:
        GradientFill(hDC, r.left, r.top, r.right, midY, begin, end, FALSE);
        GradientFill(hDC, r.left, midY, r.right, r.bottom, end, begin, FALSE);
        break;
    case EFFECT_3HGRADIENT:
        GradientFill(hDC, r.left, r.top, midX, r.bottom, begin, mid, TRUE);
        GradientFill(hDC, midX, r.top, r.right, r.bottom, mid, end, TRUE);
        break;
    case EFFECT_3VGRADIENT:
        GradientFill(hDC, r.left, r.top, r.right, midY, begin, mid, FALSE);
        GradientFill(hDC, r.left, midY, r.right, r.bottom, mid, end, FALSE);
        break;
    case EFFECT_NOISE:
    case EFFECT_DIAGSHADE:
    case EFFECT_HSHADE:
    case EFFECT_VSHADE:
    case EFFECT_HBUMP:
    case EFFECT_VBUMP:
    case EFFECT_SOFTBUMP:
    case EFFECT_HARDBUMP:
    case EFFECT_METAL:
        if (FillEffect8(r.left, r.top, r.right, r.bottom, effect, granularity, coloring, begin, mid, end))
            m_dib.Draw(hDC, static_cast<DWORD>(r.left), static_cast<DWORD>(r.top));
        break;
    default:   // solid, transparent and unknown numbers
        FillSolid(hDC, r, begin);
        break;
    }
}

void CPPDrawManager::GradientFill(HDC hDC, int left, int top, int right, int bottom,
                                  COLORREF from, COLORREF to, BOOL horizontal)
{
    if (!hDC || right <= left || bottom <= top)
        return;
    const Rgb f = Split(from), t = Split(to);
    const int span = horizontal ? right - left : bottom - top;
    const int origin = horizontal ? left : top;
    for (int i = 0; i < kGradientBands; ++i)
    {
        const int a = origin + ((span * i) >> 6);
        const int b = origin + ((span * (i + 1)) >> 6);
        if (b <= a)
            continue;
        const COLORREF c = RGB((f.r * (kGradientBands - i) + t.r * i) / kGradientBands,
                               (f.g * (kGradientBands - i) + t.g * i) / kGradientBands,
                               (f.b * (kGradientBands - i) + t.b * i) / kGradientBands);
        RECT band = horizontal ? RECT{a, top, b, bottom} : RECT{left, a, right, b};
        FillSolid(hDC, band, c);
    }
}

BOOL CPPDrawManager::FillEffect8(int left, int top, int right, int bottom, int effect, BYTE granularity,
                                 BYTE coloring, COLORREF begin, COLORREF mid, COLORREF end)
{
    const int W = right - left;
    const int H = bottom - top;
    // The formulas divide by the width, the height, their minimum and a
    // quarter of the height's square; "metal" divides 32767 by the sides.
    if (W <= 0 || H <= 0 || W > kMaxSide || H > kMaxSide || (effect == EFFECT_HARDBUMP && H < 2))
    {
        m_dib.Free();
        return FALSE;
    }
    if (!m_dib.Create(static_cast<DWORD>(W), static_cast<DWORD>(H), 8))
        return FALSE;

    const Rgb b = Split(begin), m = Split(mid), e = Split(end);
    for (int i = 0; i <= 128; ++i)
        m_dib.SetPaletteIndex(static_cast<BYTE>(i), static_cast<BYTE>((e.r * (128 - i) + m.r * i) / 128),
                              static_cast<BYTE>((e.g * (128 - i) + m.g * i) / 128),
                              static_cast<BYTE>((e.b * (128 - i) + m.b * i) / 128));
    for (int i = 1; i <= 128; ++i)
        m_dib.SetPaletteIndex(static_cast<BYTE>(127 + i), static_cast<BYTE>((m.r * (128 - i) + b.r * i) / 128),
                              static_cast<BYTE>((m.g * (128 - i) + b.g * i) / 128),
                              static_cast<BYTE>((m.b * (128 - i) + b.b * i) / 128));
    m_dib.BlendPalette(begin, coloring);

    const int g = granularity;
    const int D = 32767 / std::max(1, 2 * g);
    auto n = [g, D]() { return (rand() / D) % 256 - g; };
    LPBYTE bits = m_dib.GetBits();
    const DWORD stride = m_dib.GetEffWidth();
    auto row = [bits, stride](int k) { return bits + static_cast<size_t>(k) * stride; };
    auto px = [](int v) { return static_cast<BYTE>(v & 0xFF); };

    switch (effect)
    {
    case EFFECT_NOISE:
        for (int k = 0; k < H; ++k)
            for (int x = 0; x < W; ++x)
                row(k)[x] = px(128 + n());
        break;
    case EFFECT_DIAGSHADE:
    {
        const int A = (255 - 2 * g) / 2;
        for (int k = 0; k < H; ++k)
            for (int x = 0; x < W; ++x)
                row(k)[x] = px(A * (W - x) / W + A * k / H + g + n());
        break;
    }
    case EFFECT_HSHADE:
    {
        const int B = 255 - 2 * g;
        for (int k = 0; k < H; ++k)
        {
            const BYTE v = px(B * k / H + g + n());
            memset(row(k), v, static_cast<size_t>(W));
        }
        break;
    }
    case EFFECT_VSHADE:
    {
        const int B = 255 - 2 * g;
        for (int x = 0; x < W; ++x)
        {
            const BYTE v = px(B * (W - x) / W + g + n());
            for (int k = 0; k < H; ++k)
                row(k)[x] = v;
        }
        break;
    }
    case EFFECT_HBUMP:
        for (int k = 0; k < H; ++k)
        {
            const int t = k * 255 / H - 127;
            for (int x = 0; x < W; ++x)
                row(k)[x] = px(((t * t * t / 128 / 128) * (128 - g)) / 128 + 128 + n());
        }
        break;
    case EFFECT_VBUMP:
        for (int x = 0; x < W; ++x)
        {
            const int t = (W - x) * 255 / W - 127;
            for (int k = 0; k < H; ++k)
                row(k)[x] = px(((t * t * t / 128 / 128) * (128 - g)) / 128 + 128 + n());
        }
        break;
    case EFFECT_SOFTBUMP:
        for (int k = 0; k < H; ++k)
        {
            const int ty = k * 255 / H - 127;
            for (int x = 0; x < W; ++x)
            {
                const int tx = (W - x) * 255 / W - 127;
                int v = ((tx * tx * tx / 128 / 128 + ty * ty * ty / 128 / 128) * (128 - g)) / 128 + 128;
                v = std::max(g, std::min(255 - g, v));
                row(k)[x] = px(v + n());
            }
        }
        break;
    case EFFECT_HARDBUMP:
    {
        for (int k = 0; k < H; ++k)
        {
            const int t = k * 255 / H - 127;
            for (int x = 0; x < W; ++x)
                row(k)[x] = px(((t * t * t / 128 / 128) * (64 - g) * 2) / 128 + 128 + n());
        }
        // Bevels: bright on the left, dark on the right, bowing in toward the
        // middle row. Too narrow a picture has no room for them.
        const int eb = std::min(W / 6, 16);
        for (int k = 0; k < H; ++k)
        {
            const int c = eb * (k - H / 2) * (k - H / 2) / (H * H / 4) + W / 2 - eb;
            for (int x = 0; x < W; ++x)
            {
                BYTE& p = row(k)[x];
                const int d = x - W / 2;
                if (eb > 0 && d > c)
                    p = px((W - x) * 128 / eb + g);
                else if (eb > 0 && d + c < 0)
                    p = px(255 - g - (x * 128 / eb));
                p = px(p + n());
            }
        }
        break;
    }
    case EFFECT_METAL:
    {
        m_dib.Clear(0);
        const int side = std::min(W, H);
        for (int s = 0; s < kMetalScratches; ++s)
        {
            const int x0 = rand() / (32767 / W);
            const int y0 = rand() / (32767 / H);
            const int L = (rand() / (32767 / side)) / 2;
            const BYTE v = static_cast<BYTE>(rand() / 819);
            for (int i = 0; i < L; ++i)
            {
                if (x0 - i > 0 && y0 + i < H)
                    m_dib.SetPixelIndex(x0 - i, y0 + i, v);
                if (x0 + i < W && y0 - i >= 1)
                    m_dib.SetPixelIndex(W - x0 + i, y0 - i, v);
            }
        }
        const int C = (255 - 2 * g - 40) / 2;
        for (int k = 0; k < H; ++k)
            for (int x = 0; x < W; ++x)
            {
                BYTE& p = row(k)[x];
                p = px(p + C * (W - x) / W + C * k / H);
                p = px(p + (rand() / D) % 256);
            }
        break;
    }
    default:
        m_dib.Clear(128);
        break;
    }
    return TRUE;
}

void CPPDrawManager::MultiCopyBitmap(HDC hDest, int x, int y, int width, int height,
                                     HDC hSrc, int srcX, int srcY, int tileWidth, int tileHeight)
{
    // An empty tile would never cover the area.
    if (!hDest || !hSrc || tileWidth <= 0 || tileHeight <= 0 || width <= 0 || height <= 0)
        return;
    for (int cx = 0; cx < width; cx += tileWidth)
    {
        const int w = std::min(tileWidth, width - cx);
        for (int cy = 0; cy < height; cy += tileHeight)
        {
            const int h = std::min(tileHeight, height - cy);
            BitBlt(hDest, x + cx, y + cy, w, h, hSrc, srcX, srcY, SRCCOPY);
        }
    }
}

int CPPDrawManager::PenStyleOf(int borderStyle)
{
    switch (borderStyle)
    {
    case PEN_DASH: return PS_DASH;
    case PEN_DOT: return PS_DOT;
    case PEN_DASHDOT: return PS_DASHDOT;
    case PEN_DASHDOTDOT: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

void CPPDrawManager::DrawRectangle(HDC hDC, LPCRECT rect, COLORREF light, COLORREF dark, int style, int width)
{
    if (rect)
        DrawRectangle(hDC, rect->left, rect->top, rect->right, rect->bottom, light, dark, style, width);
}

void CPPDrawManager::DrawRectangle(HDC hDC, int left, int top, int right, int bottom,
                                   COLORREF light, COLORREF dark, int style, int width)
{
    if (!hDC || style == PEN_NULL || width < 1)
        return;
    const int h = width / 2;
    const int x1 = left + h, y1 = top + h, x2 = right - h, y2 = bottom - h;
    const int w2 = 2 * width;
    const BOOL twice = style == PEN_DOUBLE;

    HPEN pen = GetPen(style, width, light);
    if (!pen)
        return;
    HGDIOBJ oldPen = SelectObject(hDC, pen);
    MoveToEx(hDC, x1, y2, nullptr);
    LineTo(hDC, x1, y1);
    LineTo(hDC, x2, y1);
    if (twice)
    {
        MoveToEx(hDC, x1 + w2, y2 - w2, nullptr);
        LineTo(hDC, x1 + w2, y1 + w2);
        LineTo(hDC, x2 - w2, y1 + w2);
    }
    HPEN darkPen = nullptr;
    if (dark != light)
    {
        darkPen = GetPen(style, width, dark);
        if (darkPen)
            SelectObject(hDC, darkPen);
    }
    MoveToEx(hDC, x2, y1, nullptr);
    LineTo(hDC, x2, y2);
    LineTo(hDC, x1, y2);
    if (twice)
    {
        MoveToEx(hDC, x2 - w2, y1 + w2, nullptr);
        LineTo(hDC, x2 - w2, y2 - w2);
        LineTo(hDC, x1 + w2, y2 - w2);
    }
    SelectObject(hDC, oldPen);
}

void CPPDrawManager::DrawLine(HDC hDC, int x1, int y1, int x2, int y2, COLORREF color, int style, int width)
{
    if (!hDC || style == PEN_NULL || width < 1)
        return;
    HPEN pen = GetPen(style, width, color);
    if (!pen)
        return;
    HGDIOBJ oldPen = SelectObject(hDC, pen);
    MoveToEx(hDC, x1, y1, nullptr);
    LineTo(hDC, x2, y2);
    if (style == PEN_DOUBLE)
    {
        if (x1 != x2)
        {
            y1 += 2 * width;
            y2 += 2 * width;
        }
        if (y1 != y2)
        {
            x1 += 2 * width;
            x2 += 2 * width;
        }
        MoveToEx(hDC, x1, y1, nullptr);
        LineTo(hDC, x2, y2);
    }
    SelectObject(hDC, oldPen);
}

HPEN CPPDrawManager::GetPen(int style, int width, COLORREF color)
{
    // The pen used last goes to the back, so making another one never frees
    // a pen the same drawing call still holds.
    for (size_t i = 0; i < m_pens.size(); ++i)
    {
        const CachedPen cached = m_pens[i];
        if (cached.style == style && cached.width == width && cached.color == color)
        {
            m_pens.erase(m_pens.begin() + static_cast<std::ptrdiff_t>(i));
            m_pens.push_back(cached);
            return cached.pen;
        }
    }
    HPEN pen = CreatePen(PenStyleOf(style), width, color);
    if (!pen)
        return nullptr;
    // Tables draw every cell's frame with the same few pens; beyond a
    // handful of them the oldest makes room.
    if (m_pens.size() >= kMaxPens)
    {
        DeleteObject(m_pens.front().pen);
        m_pens.erase(m_pens.begin());
    }
    m_pens.push_back(CachedPen{style, width, color, pen});
    return pen;
}
