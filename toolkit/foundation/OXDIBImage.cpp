// COXDIB's image operations: new images, resizing, rotation, halftone
// dithering and the colour table.
#include "toolkit/foundation/OXDIB.h"

#include "toolkit/foundation/OXDIBBlock.h"

#include <cstring>
#include <functional>

namespace {
// The sixteen standard colours in table order (dark = 128, full = 255).
const RGBQUAD kStandardColors[16] = {
    { 0, 0, 0, 0 },       { 0, 0, 128, 0 },     { 0, 128, 0, 0 },     { 0, 128, 128, 0 },
    { 128, 0, 0, 0 },     { 128, 0, 128, 0 },   { 128, 128, 0, 0 },   { 192, 192, 192, 0 },
    { 128, 128, 128, 0 }, { 0, 0, 255, 0 },     { 0, 255, 0, 0 },     { 0, 255, 255, 0 },
    { 255, 0, 0, 0 },     { 255, 0, 255, 0 },   { 255, 255, 0, 0 },   { 255, 255, 255, 0 },
};

// An 8 x 8 ordered-dither matrix (recursive Bayer order, 0 .. 63).
const BYTE kBayer[8][8] = {
    { 0, 32, 8, 40, 2, 34, 10, 42 },  { 48, 16, 56, 24, 50, 18, 58, 26 },
    { 12, 44, 4, 36, 14, 46, 6, 38 }, { 60, 28, 52, 20, 62, 30, 54, 22 },
    { 3, 35, 11, 43, 1, 33, 9, 41 },  { 51, 19, 59, 27, 49, 17, 57, 25 },
    { 15, 47, 7, 39, 13, 45, 5, 37 }, { 63, 31, 55, 23, 61, 29, 53, 21 },
};

DWORD GetPixelValue(const BYTE* row, LONG x, WORD bits)
{
    switch (bits) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    case 8:
        return row[x];
    case 16:
        return row[x * 2] | (row[x * 2 + 1] << 8);
    case 24:
        return row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
    default:
        return row[x * 4] | (row[x * 4 + 1] << 8) | (row[x * 4 + 2] << 16) | (static_cast<DWORD>(row[x * 4 + 3]) << 24);
    }
}

void SetPixelValue(BYTE* row, LONG x, WORD bits, DWORD value)
{
    switch (bits) {
    case 1: {
        const BYTE mask = static_cast<BYTE>(0x80 >> (x & 7));
        row[x >> 3] = static_cast<BYTE>(value ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask));
        break;
    }
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = static_cast<BYTE>((row[x >> 1] & ~(0x0F << shift)) | ((value & 0x0F) << shift));
        break;
    }
    default:
        for (int i = 0; i < bits / 8; ++i)
            row[x * (bits / 8) + i] = static_cast<BYTE>(value >> (8 * i));
        break;
    }
}

// The row shown at visual line y (0 at the top) of a block's bits.
BYTE* RowAt(BYTE* bits, const OXDIBLayout& layout, LONG y)
{
    const LONG rows = layout.height < 0 ? -layout.height : layout.height;
    return bits + static_cast<SIZE_T>(layout.height < 0 ? y : rows - 1 - y) * layout.stride;
}

// A new block with the source's header and colour table for an image of the
// given size (same orientation); its bits zeroed. NULL when out of memory.
HGLOBAL NewBlockLike(const COXDIBBlock& source, LONG width, LONG rows, OXDIBLayout& layout)
{
    BITMAPINFOHEADER header = *source.Info();
    header.biWidth = width;
    header.biHeight = source.layout.height < 0 ? -rows : rows;
    header.biSizeImage = 0;
    if (!layout.Parse(reinterpret_cast<const BYTE*>(&header), OXDIBLayout::kHeaderAlone))
        return nullptr;
    header.biSizeImage = layout.imageSize;
    return COXDIBBlock::NewBlock(header, source.Table(), layout.tableBytes,
                                 header.biSize + layout.tableBytes + layout.imageSize);
}
// A new block of the given size whose pixel (x, y) (visual lines, 0 at the
// top) is the source pixel that from(x, y) names; NULL when out of memory.
HGLOBAL RemappedBlock(const COXDIBBlock& source, LONG width, LONG rows, const std::function<POINT(LONG, LONG)>& from)
{
    OXDIBLayout layout;
    HGLOBAL hNew = NewBlockLike(source, width, rows, layout);
    if (!hNew)
        return nullptr;
    COXDIBBlock target(hNew);
    const WORD bits = source.layout.bitCount;
    for (LONG y = 0; y < rows; ++y) {
        BYTE* to = RowAt(target.Bits(), target.layout, y);
        for (LONG x = 0; x < width; ++x) {
            const POINT p = from(x, y);
            SetPixelValue(to, x, bits, GetPixelValue(RowAt(source.Bits(), source.layout, p.y), p.x, bits));
        }
    }
    return hNew;
}
} // namespace

BOOL COXDIB::Create(int nBitsPerPixel, int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE;
    WORD bits = 24;
    DWORD colors = 0;
    if (nBitsPerPixel < 2) {
        bits = 1;
        colors = 2;
    } else if (nBitsPerPixel < 5) {
        bits = 4;
        colors = 16;
    } else if (nBitsPerPixel < 9) {
        bits = 8;
        colors = 256;
    }
    BITMAPINFOHEADER header;
    InitBitmapInfoHeader(&header, nWidth, nHeight, bits);
    header.biClrUsed = colors;
    OXDIBLayout layout;
    if (!layout.Parse(reinterpret_cast<const BYTE*>(&header), OXDIBLayout::kHeaderAlone))
        return FALSE;
    RGBQUAD table[256] = {};
    if (colors == 2) {
        // A two-colour table from the sixteen would be black and dark red.
        table[0] = kStandardColors[0];
        table[1] = kStandardColors[15];
    } else {
        for (DWORD i = 0; i < colors; ++i)
            table[i] = kStandardColors[i % 16];
    }
    HGLOBAL hDIB = COXDIBBlock::NewBlock(header, table, colors * sizeof(RGBQUAD), sizeof header + 1024 + layout.imageSize);
    if (!hDIB)
        return FALSE;
    return SetBlock(hDIB);
}

BOOL COXDIB::ResizeDIB(int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE;
    HGLOBAL hNew = nullptr;
    {
        COXDIBBlock source(m_hDIB);
        if (!source.HasAllBits() || source.layout.bitCount < 8 || source.layout.headerSize != sizeof(BITMAPINFOHEADER))
            return FALSE;
        const LONGLONG oldWidth = source.layout.width;
        const LONGLONG oldRows = source.layout.height < 0 ? -source.layout.height : source.layout.height;
        // Nearest neighbour: each target line and column takes the source one
        // its centre falls on, spreading the difference evenly.
        hNew = RemappedBlock(source, nWidth, nHeight, [=](LONG x, LONG y) {
            return POINT{ static_cast<LONG>((2LL * x + 1) * oldWidth / (2LL * nWidth)),
                          static_cast<LONG>((2LL * y + 1) * oldRows / (2LL * nHeight)) };
        });
    }
    return hNew && SetBlock(hNew);
}

BOOL COXDIB::Rotate(int nAngle, BOOL bFlipHorz, BOOL bFlipVert)
{
    if (nAngle % 90 != 0)
        return FALSE;
    nAngle %= 360;
    if (nAngle < 0)
        nAngle += 360;
    HGLOBAL hNew = nullptr;
    {
        COXDIBBlock source(m_hDIB);
        if (!source.HasAllBits() || source.layout.headerSize != sizeof(BITMAPINFOHEADER))
            return FALSE;
        if (nAngle == 0 && !bFlipHorz && !bFlipVert)
            return TRUE;
        const LONG width = source.layout.width;
        const LONG rows = source.layout.height < 0 ? -source.layout.height : source.layout.height;
        const BOOL swap = nAngle == 90 || nAngle == 270;
        const LONG newWidth = swap ? rows : width;
        const LONG newRows = swap ? width : rows;
        // Clockwise turn first, flips after: each target pixel undoes the
        // flips, then the turn, to find its source.
        hNew = RemappedBlock(source, newWidth, newRows, [=](LONG x, LONG y) {
            const LONG fx = bFlipHorz ? newWidth - 1 - x : x;
            const LONG fy = bFlipVert ? newRows - 1 - y : y;
            switch (nAngle) {
            case 90:
                return POINT{ fy, rows - 1 - fx };
            case 180:
                return POINT{ width - 1 - fx, rows - 1 - fy };
            case 270:
                return POINT{ width - 1 - fy, fx };
            default:
                return POINT{ fx, fy };
            }
        });
    }
    return hNew && SetBlock(hNew);
}

BOOL COXDIB::HalfToneDitherDIB()
{
    CPalette* pHalftone = new CPalette;
    HGLOBAL hNew = nullptr;
    {
        COXDIBBlock source(m_hDIB);
        if (!source.HasAllBits() || source.layout.bitCount < 24 || !CreateHalftonePalette(*pHalftone)) {
            delete pHalftone;
            return FALSE;
        }
        PALETTEENTRY entries[256] = {};
        const UINT count = pHalftone->GetPaletteEntries(0, 256, entries);
        // The cube's colours in the palette's own order: nearest entry of each.
        BYTE translate[216];
        for (int i = 0; i < 216; ++i)
            translate[i] = static_cast<BYTE>(
                pHalftone->GetNearestPaletteIndex(RGB(i % 6 * 51, i / 6 % 6 * 51, i / 36 * 51)));
        BYTE quotient[256], remainder[256], threshold[8][8];
        for (int v = 0; v < 256; ++v) {
            quotient[v] = static_cast<BYTE>(v / 51);
            remainder[v] = static_cast<BYTE>(v % 51);
        }
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                threshold[r][c] = static_cast<BYTE>(kBayer[r][c] * 50 / 63);

        BITMAPINFOHEADER header = *source.Info();
        header.biBitCount = 8;
        header.biClrUsed = count;
        header.biClrImportant = 0;
        header.biSizeImage = 0;
        OXDIBLayout layout;
        if (!layout.Parse(reinterpret_cast<const BYTE*>(&header), OXDIBLayout::kHeaderAlone)) {
            delete pHalftone;
            return FALSE;
        }
        header.biSizeImage = layout.imageSize;
        RGBQUAD table[256] = {};
        for (UINT i = 0; i < count; ++i)
            table[i] = { entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0 };
        hNew = COXDIBBlock::NewBlock(header, table, layout.tableBytes, sizeof header + layout.tableBytes + layout.imageSize);
        if (!hNew) {
            delete pHalftone;
            return FALSE;
        }
        {
            COXDIBBlock target(hNew);
            const LONG rows = layout.height < 0 ? -layout.height : layout.height;
            const DWORD pixelBytes = source.layout.bitCount / 8;
            for (LONG y = 0; y < rows; ++y) {
                const BYTE* from = source.Bits() + static_cast<SIZE_T>(y) * source.layout.stride;
                BYTE* to = target.Bits() + static_cast<SIZE_T>(y) * target.layout.stride;
                const BYTE* dither = threshold[y & 7];
                for (LONG x = 0; x < layout.width; ++x, from += pixelBytes) {
                    const BYTE t = dither[x & 7];
                    const int blue = quotient[from[0]] + (remainder[from[0]] > t ? 1 : 0);
                    const int green = quotient[from[1]] + (remainder[from[1]] > t ? 1 : 0);
                    const int red = quotient[from[2]] + (remainder[from[2]] > t ? 1 : 0);
                    to[x] = translate[red + 6 * green + 36 * blue];
                }
            }
        }
    }
    if (!SetBlock(hNew)) {
        delete pHalftone;
        return FALSE;
    }
    DeletePalette();
    m_pPalette = pHalftone;
    return TRUE;
}

void COXDIB::SetMonoColors(COLORREF clr0, COLORREF clr1)
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid() || block.layout.bitCount != 1 || block.layout.headerSize != sizeof(BITMAPINFOHEADER) ||
        block.layout.colors < 2)
        return;
    block.Table()[0] = { GetBValue(clr0), GetGValue(clr0), GetRValue(clr0), 0 };
    block.Table()[1] = { GetBValue(clr1), GetGValue(clr1), GetRValue(clr1), 0 };
}

void COXDIB::GetMonoColors(COLORREF& clr0, COLORREF& clr1) const
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid() || block.layout.bitCount != 1 || block.layout.headerSize != sizeof(BITMAPINFOHEADER) ||
        block.layout.colors < 2)
        return;
    const RGBQUAD* table = block.Table();
    clr0 = RGB(table[0].rgbRed, table[0].rgbGreen, table[0].rgbBlue);
    clr1 = RGB(table[1].rgbRed, table[1].rgbGreen, table[1].rgbBlue);
}

BOOL COXDIB::CopyPaletteToDIB(CPalette* pPalette, UINT nMode)
{
    HPALETTE hPalette = pPalette ? static_cast<HPALETTE>(pPalette->GetSafeHandle())
                                 : static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    {
        COXDIBBlock block(m_hDIB);
        if (!block.IsValid() || block.layout.colors == 0 || block.layout.compression == BI_BITFIELDS ||
            block.layout.headerSize != sizeof(BITMAPINFOHEADER) || !hPalette)
            return FALSE;
        const DWORD colors = block.layout.colors;
        if (nMode == DIB_PAL_COLORS) {
            WORD* indices = reinterpret_cast<WORD*>(block.Table());
            for (DWORD i = 0; i < colors; ++i)
                indices[i] = static_cast<WORD>(i);
            return TRUE;
        }
        PALETTEENTRY entries[256] = {};
        const UINT count = ::GetPaletteEntries(hPalette, 0, colors < 256 ? colors : 256, entries);
        for (UINT i = 0; i < count; ++i)
            block.Table()[i] = { entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0 };
    }
    return BuildPalette();
}
