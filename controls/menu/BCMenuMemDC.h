// BCMenuMemDC: an off-screen copy of a rectangle of a DC. Drawing through it
// uses the target's coordinates; the destructor copies the rectangle to the
// target at once, so a disabled menu item never flickers. A printing DC is
// drawn on directly.
#pragma once

#include "afx/DC.h"
#include "afx/Rect.h"

class BCMenuMemDC : public CDC
{
public:
    BCMenuMemDC(CDC* pDC, const CRect& rect);
    ~BCMenuMemDC() override;
    BCMenuMemDC(const BCMenuMemDC&) = delete;
    BCMenuMemDC& operator=(const BCMenuMemDC&) = delete;

private:
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    bool m_bMemDC;
};
