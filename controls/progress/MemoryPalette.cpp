#include "controls/progress/MemoryPalette.h"

#include <vector>

BOOL CreateMemoryBitmapPalette(CDC& memDC, CPalette& palette)
{
    RGBQUAD table[kMemoryPaletteColours] = {};
    const UINT count = ::GetDIBColorTable(memDC.m_hDC, 0, kMemoryPaletteColours, table);
    if (count == 0)
        return FALSE;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (kMemoryPaletteColours - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = kMemoryPaletteColours;
    for (int i = 0; i < kMemoryPaletteColours; ++i) {
        PALETTEENTRY& entry = pLogPalette->palPalEntry[i];
        entry.peRed = table[i].rgbRed;
        entry.peGreen = table[i].rgbGreen;
        entry.peBlue = table[i].rgbBlue;
        entry.peFlags = 0;
    }
    palette.DeleteObject();
    return palette.CreatePalette(pLogPalette);
}
