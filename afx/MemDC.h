// CMemDC: an off-screen drawing context over a rectangle of a target DC (the
// target's clip box unless given), in the target's own coordinates. Drawing
// goes into a bitmap and reaches the target with one BitBlt when the object
// goes, so nothing flickers. A printing DC, an empty rectangle, a caller who
// asks for it, or a bitmap that cannot be made: drawing goes straight to the
// target.
#pragma once

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Rect.h"

class CMemDC : public CDC
{
public:
    // What the bitmap holds before drawing starts.
    enum Start
    {
        startFilled,   // the target's background colour
        startCopied,   // the target's pixels
        startBlank,    // nothing: the caller paints every pixel
    };

    explicit CMemDC(CDC* pDC, const CRect* pRect = nullptr, Start start = startFilled, BOOL bDirect = FALSE);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }
    // FALSE when drawing goes straight into the target.
    BOOL IsOffScreen() const { return m_bMemDC; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
