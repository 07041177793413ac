#include "toolkit/bars/skins/OXDitherBrush.h"

HBRUSH OXCreateCheckerboardBrush(COLORREF clrA, COLORREF clrB, BOOL bFirstRowOdd)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = 8;
    info.header.biHeight = 8;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    const COLORREF colors[2] = {clrA, clrB};
    for (int i = 0; i < 2; ++i)
        info.colors[i] = {GetBValue(colors[i]), GetGValue(colors[i]), GetRValue(colors[i]), 0};
    // One-bit rows are padded to 32 bits; the DIB is bottom-up, so row 0 of
    // the data is the bottom row of the pattern.
    DWORD rows[8];
    for (int y = 0; y < 8; ++y)
    {
        int topRow = 7 - y;
        BOOL odd = ((topRow % 2) == 0) == (bFirstRowOdd != FALSE);
        rows[y] = odd ? 0x55 : 0xAA;
    }
    // A DIB pattern keeps both colours exact on any display.
    struct
    {
        decltype(info) header;
        DWORD bits[8];
    } packed;
    packed.header = info;
    memcpy(packed.bits, rows, sizeof rows);
    return ::CreateDIBPatternBrushPt(&packed, DIB_RGB_COLORS);
}

HBRUSH CreateDitherBrush(COLORREF clrA, COLORREF clrB)
{
    return OXCreateCheckerboardBrush(clrA, clrB, TRUE);
}
