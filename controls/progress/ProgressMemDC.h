// CProgressMemDC: the off-screen DC the gradient progress paints through. It
// covers a rectangle of the target (its clip box by default) in the target's
// own coordinates, optionally starting from a copy of the target's pixels,
// and copies itself back when it goes. A printing DC, or a caller who asks
// for it, is drawn on directly. (The grid's CMemDC lives in a library the
// controls do not link, hence a class of its own.)
#pragma once

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Rect.h"

class CProgressMemDC : public CDC
{
public:
    CProgressMemDC(CDC* pDC, const CRect* pRect = nullptr, BOOL bCopyFirst = FALSE, BOOL bDirect = FALSE);
    ~CProgressMemDC() override;
    CProgressMemDC(const CProgressMemDC&) = delete;
    CProgressMemDC& operator=(const CProgressMemDC&) = delete;

    // False when drawing goes straight into the target.
    BOOL IsOffScreen() const { return m_bMemDC; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
