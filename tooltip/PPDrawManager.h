// CPPDrawManager: the drawing effects of the HTML drawer and the tooltip:
// background fills by effect number, image effects on bitmaps and icons,
// sharp and blurred shadows, blending, tiling, and frames and lines in the
// markup's border styles. Everything works on device contexts; the only state
// is the palette canvas of the noisy fills.
#pragma once

#include "afx/Afx.h"
#include "tooltip/CeXDib.h"

#include <vector>

// Image effect flags, parsed from the letters of an image's "style".
#define IMAGE_EFFECT_NONE         0x0000
#define IMAGE_EFFECT_GRAY         0x0001
#define IMAGE_EFFECT_DARKEN       0x0002
#define IMAGE_EFFECT_LIGHTEN      0x0004
#define IMAGE_EFFECT_MONOCHROME   0x0008
#define IMAGE_EFFECT_SHADOW       0x0100
#define IMAGE_EFFECT_BLUR_SHADOW  0x0200
#define IMAGE_EFFECT_INVERT       0x8000

class CPPDrawManager
{
public:
    // Background effect numbers; the names are the markup's keywords.
    enum
    {
        EFFECT_TRANSPARENT = -1,
        EFFECT_SOLID = 0,
        EFFECT_HGRADIENT,
        EFFECT_VGRADIENT,
        EFFECT_HCGRADIENT,
        EFFECT_VCGRADIENT,
        EFFECT_3HGRADIENT,
        EFFECT_3VGRADIENT,
        EFFECT_NOISE,
        EFFECT_DIAGSHADE,
        EFFECT_HSHADE,
        EFFECT_VSHADE,
        EFFECT_HBUMP,
        EFFECT_VBUMP,
        EFFECT_SOFTBUMP,
        EFFECT_HARDBUMP,
        EFFECT_METAL
    };

    // Border styles of the markup, as pen styles map them.
    enum
    {
        PEN_NULL = 0,
        PEN_SOLID,
        PEN_DASH,
        PEN_DOT,
        PEN_DASHDOT,
        PEN_DASHDOTDOT,
        PEN_DOUBLE
    };

    CPPDrawManager();
    virtual ~CPPDrawManager();

    CPPDrawManager(const CPPDrawManager&) = delete;
    CPPDrawManager& operator=(const CPPDrawManager&) = delete;

    // Colour arithmetic.
    static COLORREF PixelGrayScale(COLORREF color);
    static COLORREF InvertColor(COLORREF color);
    static COLORREF DarkenColor(COLORREF color, double factor);
    static COLORREF LightenColor(COLORREF color, double factor);
    static COLORREF BlendColors(COLORREF a, double fa, COLORREF b, double fb);

    static SIZE GetSizeOfIcon(HICON hIcon);
    static SIZE GetSizeOfBitmap(HBITMAP hBitmap);

    // Fills.
    void FillEffect(HDC hDC, int effect, LPCRECT rect, COLORREF begin, COLORREF mid = 0,
                    COLORREF end = 0, BYTE granularity = 0, BYTE coloring = 0);
    void GradientFill(HDC hDC, int left, int top, int right, int bottom,
                      COLORREF from, COLORREF to, BOOL horizontal = TRUE);
    // Builds the canvas; FALSE (and an empty canvas) for a size it cannot draw.
    BOOL FillEffect8(int left, int top, int right, int bottom, int effect, BYTE granularity,
                     BYTE coloring, COLORREF begin, COLORREF mid, COLORREF end);
    const CCeXDib& GetCanvas() const { return m_dib; }
    void MultiCopyBitmap(HDC hDest, int x, int y, int width, int height,
                         HDC hSrc, int srcX, int srcY, int tileWidth, int tileHeight);

    // Pictures.
    void AlphaBitBlt(HDC hDest, int x, int y, int width, int height,
                     HDC hSrc, int srcX, int srcY, int percent);
    HBITMAP CreateImageEffect(HBITMAP hBitmap, int width, int height, DWORD effect,
                              BOOL useMask = FALSE, COLORREF maskColor = RGB(255, 0, 255),
                              COLORREF newColor = RGB(255, 255, 255));
    HICON StretchIcon(HICON hIcon, int width, int height);
    void DrawBitmap(HDC hDC, int x, int y, int width, int height, HBITMAP hBitmap,
                    BOOL useMask, COLORREF maskColor, DWORD effect = IMAGE_EFFECT_NONE,
                    BOOL shadow = FALSE, int shadowDx = 4, int shadowDy = 4,
                    int depthX = 7, int depthY = 7, COLORREF shadowColor = RGB(128, 128, 128));
    void DrawIcon(HDC hDC, int x, int y, int width, int height, HICON hIcon,
                  DWORD effect = IMAGE_EFFECT_NONE, BOOL shadow = FALSE, int shadowDx = 4,
                  int shadowDy = 4, int depthX = 7, int depthY = 7,
                  COLORREF shadowColor = RGB(128, 128, 128));

    // Shadows.
    void DrawShadow(HDC hDC, int x, int y, int width, int height, HBITMAP hMask,
                    BOOL blur = FALSE, int depthX = 7, int depthY = 7);
    static void BlurShadowFactors(int width, int height, const DWORD* maskPixels,
                                  int depthX, int depthY, double* factors);
    static void BoxSum(const double* grid, int rows, int columns, int windowHeight,
                       int windowWidth, double* work, double* result);
    BOOL MaskToDepth(HDC hDC, int width, int height, HBITMAP hMask, double* factors,
                     BOOL blur, int depthX, int depthY);
    void DarkenByDepth(HDC hDC, int x, int y, int width, int height, const double* factors);

    // Frames and lines.
    void DrawRectangle(HDC hDC, int left, int top, int right, int bottom,
                       COLORREF light, COLORREF dark, int style = PEN_SOLID, int width = 1);
    void DrawRectangle(HDC hDC, LPCRECT rect, COLORREF light, COLORREF dark,
                       int style = PEN_SOLID, int width = 1);
    void DrawLine(HDC hDC, int x1, int y1, int x2, int y2, COLORREF color,
                  int style = PEN_SOLID, int width = 1);

    // Largest side, in pixels, that a fill or picture will work on: the
    // canvas arithmetic and the DIB sections assume 16-bit coordinates.
    static constexpr int kMaxSide = 32767;

private:
    static int PenStyleOf(int borderStyle);
    // A pen of the cache; never selected anywhere once a drawing call returns.
    HPEN GetPen(int style, int width, COLORREF color);

    struct CachedPen
    {
        int style;
        int width;
        COLORREF color;
        HPEN pen;
    };
    static constexpr size_t kMaxPens = 8;
    std::vector<CachedPen> m_pens;

    CCeXDib m_dib;
};
