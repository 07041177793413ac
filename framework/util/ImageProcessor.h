// Per-pixel processors over 32-bit device-independent pixels, chained by the
// toolbar images: a grayer and a lightener. Pixels of the mask colour pass
// every processor unchanged, so transparent areas stay transparent.
#pragma once

#include "afx/Afx.h"
#include "afx/Rect.h"

#include <vector>

// One pixel in the 32-bit DIB order: blue, green, red, unused.
struct RGBX
{
    BYTE btBlue;
    BYTE btGreen;
    BYTE btRed;
    BYTE btUnused;

    RGBX() : btBlue(0), btGreen(0), btRed(0), btUnused(0) {}
    explicit RGBX(COLORREF color)
        : btBlue(GetBValue(color)), btGreen(GetGValue(color)), btRed(GetRValue(color)), btUnused(0)
    {
    }
    int Gray() const { return (3 * btRed + 6 * btGreen + btBlue) / 10; }
};

class C32BitImageProcessor
{
public:
    explicit C32BitImageProcessor(BOOL weighted = FALSE);
    virtual ~C32BitImageProcessor() = default;

    // The size of the result for a source of the given size.
    virtual CSize CalcDestSize(CSize source) const;
    // Writes the destination from the source; FALSE stops a chain.
    virtual BOOL ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest,
                               CSize destSize) const;

    void SetMask(COLORREF mask);
    BOOL IsMaskPixel(const RGBX& pixel) const;

protected:
    BOOL m_bWeighted;   // kept for processors that weigh neighbours; none here does
    BOOL m_bMaskEnabled;
    int m_nMaskRed;
    int m_nMaskGreen;
    int m_nMaskBlue;
};

// Gray pixels: (gray, gray, gray, 0).
class CImageGrayer : public C32BitImageProcessor
{
public:
    CImageGrayer() : C32BitImageProcessor(FALSE) {}
    BOOL ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest,
                       CSize destSize) const override;
};

// Moves each pixel's lightness by the factor, kept within 0-1.
class CImageHigh : public C32BitImageProcessor
{
public:
    explicit CImageHigh(float factor) : C32BitImageProcessor(FALSE), m_fFactor(factor) {}
    BOOL ProcessPixels(const RGBX* source, CSize sourceSize, RGBX* dest,
                       CSize destSize) const override;

private:
    float m_fFactor;
};

// Fills the pixels with the colour: white and CLR_NONE set every byte to 255.
void FillPixels(RGBX* pixels, size_t count, COLORREF color);

// Runs the chain over the pixels (top-down rows of size.cx). On success the
// pixels and the size are the result's; on failure they are left alone.
BOOL ProcessPixelChain(std::vector<RGBX>& pixels, CSize& size,
                       const C32BitImageProcessor* const* chain, int count, COLORREF background);

// A new bitmap made by the chain from the bitmap's pixels, or nullptr.
HBITMAP ProcessBitmap(HBITMAP bitmap, const C32BitImageProcessor* const* chain, int count,
                      COLORREF background);
