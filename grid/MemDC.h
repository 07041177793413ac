// CMemDC: an off-screen drawing context over a target DC. Drawing goes into a
// bitmap the size of the target's clip box and reaches the screen with one
// BitBlt when the object goes; on a printing DC it draws straight through.
#pragma once

#include "afx/DC.h"
#include "afx/GdiObject.h"

class CMemDC : public CDC
{
public:
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
