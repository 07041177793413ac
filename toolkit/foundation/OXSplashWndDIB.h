// COXSplashWndDIB: the splash window's bitmap, as a device bitmap for
// painting and as its header, colour table and bits for reading pixels.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/GdiObject.h"
#include "afx/Rect.h"

class CDC;

class COXSplashWndDIB
{
public:
    COXSplashWndDIB();

    // A bitmap resource of the resource module.
    BOOL LoadResource(LPCTSTR lpszResourceName);
    // A BMP file, read whole; its header is checked as COXDIB checks it.
    BOOL LoadFile(LPCTSTR lpszPath);
    // A packed DIB (40-byte header, uncompressed).
    BOOL LoadPackedDIB(const BYTE* pBytes, SIZE_T nSize);
    void Clear();

    BOOL IsLoaded() const { return m_bitmap.GetSafeHandle() != nullptr; }
    CSize GetSize() const;
    // The pixel at (x, y), y 0 at the top; CLR_INVALID outside the bitmap or
    // when its palette entry cannot be read.
    COLORREF GetPixel(int x, int y) const;
    // Paints the bitmap with its palette at the point.
    BOOL Draw(CDC* pDC, CPoint point);
    CBitmap* GetBitmap() { return &m_bitmap; }

protected:
    CBitmap m_bitmap;
    CPalette m_palette;        // the colour table, for index look-ups
    CPalette m_screenPalette;  // the halftone palette on a 256-colour screen
    BITMAPINFOHEADER m_header;
    CByteArray m_bits;
    DWORD m_nStride;
};
