// CCeXDib: a small palette bitmap (1, 4 or 8 bits per pixel) kept in one
// memory block laid out as a BMP file's body. The draw manager paints its
// noisy fills into one as colour indices and blits it to a DC; it can also be
// written out as a BMP file.
#pragma once

#include "afx/Afx.h"

class CCeXDib
{
public:
    CCeXDib();
    virtual ~CCeXDib();

    CCeXDib(const CCeXDib&) = delete;
    CCeXDib& operator=(const CCeXDib&) = delete;

    // Bytes of uninitialised colour table and pixels after the header, or
    // nullptr (the object is then empty).
    LPBYTE Create(DWORD width, DWORD height, WORD bitCount);
    LPBYTE Clone(const CCeXDib* source);
    int Free();

    void Draw(HDC hDC, DWORD x, DWORD y);

    LPBYTE GetBits() const;
    DWORD GetSize() const;
    WORD GetPaletteSize() const { return static_cast<WORD>(m_wNumColors * sizeof(RGBQUAD)); }
    WORD GetNumColors() const { return m_wNumColors; }
    WORD GetBitCount() const { return m_bi.biBitCount; }
    DWORD GetEffWidth() const { return m_dwEffWidth; }
    DWORD GetWidth() const { return static_cast<DWORD>(m_bi.biWidth); }
    DWORD GetHeight() const { return static_cast<DWORD>(m_bi.biHeight); }

    // (x, y) counted from the top-left corner; points outside are dropped.
    void SetPixelIndex(long x, long y, BYTE index);
    BYTE GetPixelIndex(long x, long y) const;
    void SetPaletteIndex(BYTE index, BYTE red, BYTE green, BYTE blue);
    RGBQUAD GetPaletteIndex(BYTE index) const;
    void BlendPalette(COLORREF color, DWORD percent);
    void Clear(BYTE value = 0);
    void SetGrayPalette();

    static RGBQUAD RGBtoRGBQuad(COLORREF color);

    BOOL WriteBMP(LPCSTR fileName);

protected:
    RGBQUAD* Palette() const;

    LPBYTE m_pDib;
    BITMAPINFOHEADER m_bi;
    DWORD m_dwEffWidth;
    WORD m_wNumColors;
    HBITMAP m_hSection;
    HDC m_hMemDC;
    LPVOID m_pSectionBits;
};
