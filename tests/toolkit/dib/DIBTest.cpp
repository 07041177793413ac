// The device-independent bitmap: BMP files byte by byte (good, odd and
// damaged headers), the archive, new, resized and rotated images, drawing
// into a memory DC and halftone dithering on this true-colour screen.
#include "toolkit/foundation/OXDIB.h"

#include "afx/Archive.h"
#include "afx/DC.h"
#include "afx/MemFile.h"
#include "toolkit/foundation/OXDIBBlock.h"
#include "toolkit/resources/ToolkitResource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {
typedef std::vector<BYTE> Bytes;

void Put16(Bytes& out, DWORD value)
{
    out.push_back(static_cast<BYTE>(value));
    out.push_back(static_cast<BYTE>(value >> 8));
}

void Put32(Bytes& out, DWORD value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

DWORD Get32(const Bytes& in, size_t at)
{
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (static_cast<DWORD>(in[at + 3]) << 24);
}

// A BMP file: the file header, an info header of headerSize bytes (extra
// bytes zero, or the three masks first), then extra, the table and bits.
struct BmpSpec
{
    DWORD headerSize = 40;
    LONG width = 2;
    LONG height = 2;
    WORD bits = 8;
    DWORD compression = BI_RGB;
    DWORD sizeImage = 0;
    DWORD clrUsed = 0;
    Bytes masks;        // inside a larger header, or after a 40-byte one
    Bytes table;
    Bytes gap;          // between the table and the bits (bfOffBits points past it)
    Bytes pixels;
    DWORD offBits = 0;  // 0: computed
};

Bytes MakeBmp(const BmpSpec& s)
{
    Bytes header;
    Put32(header, s.headerSize);
    Put32(header, static_cast<DWORD>(s.width));
    Put32(header, static_cast<DWORD>(s.height));
    Put16(header, 1);
    Put16(header, s.bits);
    Put32(header, s.compression);
    Put32(header, s.sizeImage);
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, s.clrUsed);
    Put32(header, 0);
    Bytes extra(s.headerSize > 40 ? s.headerSize - 40 : 0);
    if (s.headerSize > 40)
        std::copy(s.masks.begin(), s.masks.end(), extra.begin());
    header.insert(header.end(), extra.begin(), extra.end());
    if (s.headerSize == 40)
        header.insert(header.end(), s.masks.begin(), s.masks.end());
    const DWORD offBits = s.offBits ? s.offBits : static_cast<DWORD>(14 + header.size() + s.table.size() + s.gap.size());
    Bytes out;
    Put16(out, 0x4D42);
    Put32(out, static_cast<DWORD>(offBits + s.pixels.size()));
    Put32(out, 0);
    Put32(out, offBits);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), s.table.begin(), s.table.end());
    out.insert(out.end(), s.gap.begin(), s.gap.end());
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

// A 2 x 2 8-bit image with a four-entry table: rows bottom-up, padded to 4.
BmpSpec EightBit()
{
    BmpSpec s;
    s.clrUsed = 4;
    s.table = { 0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0 };
    s.pixels = { 1, 2, 0, 0, 3, 0, 0, 0 };
    return s;
}

BOOL ReadBytes(COXDIB& dib, Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    return dib.Read(&file);
}

Bytes WriteBytes(COXDIB& dib, BOOL* ok = nullptr)
{
    CMemFile file;
    const BOOL written = dib.Write(&file);
    if (ok)
        *ok = written;
    Bytes out(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!out.empty())
        file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

// The palette index (or 24/32-bit value) at visual (x, y), y 0 at the top.
DWORD PixelAt(const COXDIB& dib, LONG x, LONG y)
{
    HGLOBAL copy = dib.CopyHandle();
    COXDIBBlock block(copy);
    DWORD value = 0xFFFFFFFF;
    if (block.IsValid()) {
        const LONG rows = block.layout.height < 0 ? -block.layout.height : block.layout.height;
        const BYTE* row = block.Bits() + (block.layout.height < 0 ? y : rows - 1 - y) * block.layout.stride;
        switch (block.layout.bitCount) {
        case 1: value = (row[x / 8] >> (7 - x % 8)) & 1; break;
        case 4: value = (row[x / 2] >> (x % 2 ? 0 : 4)) & 15; break;
        case 8: value = row[x]; break;
        case 24: value = row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16); break;
        default: value = row[x * 4] | (row[x * 4 + 1] << 8) | (row[x * 4 + 2] << 16); break;
        }
    }
    ::GlobalFree(copy);
    return value;
}

// A 24-bit image of the given size whose pixel (x, y) is (x, y, 7) in (B, G, R).
COXDIB Numbered(int width, int height)
{
    COXDIB dib;
    EXPECT_TRUE(dib.Create(24, width, height));
    HGLOBAL h = dib.Detach();
    {
        COXDIBBlock block(h);
        for (LONG y = 0; y < height; ++y) {
            BYTE* row = block.Bits() + (height - 1 - y) * block.layout.stride;
            for (LONG x = 0; x < width; ++x) {
                row[x * 3] = static_cast<BYTE>(x);
                row[x * 3 + 1] = static_cast<BYTE>(y);
                row[x * 3 + 2] = 7;
            }
        }
    }
    dib = h;
    ::GlobalFree(h);
    return dib;
}
} // namespace

TEST(DIBFileTest, InfoHeaderFileRoundTripsByteForByte)
{
    BmpSpec spec = EightBit();
    spec.sizeImage = 8;
    const Bytes file = MakeBmp(spec);
    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, file));
    EXPECT_EQ(CSize(2, 2), dib.GetSize());
    EXPECT_EQ(8, dib.GetNumBitsPerPixel());
    EXPECT_EQ(4, dib.GetNumColors());
    EXPECT_EQ(16, dib.GetPaletteSize());
    ASSERT_NE(nullptr, dib.GetPalette());
    EXPECT_EQ(4, dib.GetPalette()->GetEntryCount());
    EXPECT_EQ(3u, PixelAt(dib, 0, 0));   // the top row is stored last
    EXPECT_EQ(2u, PixelAt(dib, 1, 1));
    EXPECT_EQ(file, WriteBytes(dib));

    // A stored image size of 0 is replaced by the computed one.
    spec.sizeImage = 0;
    COXDIB computed;
    ASSERT_TRUE(ReadBytes(computed, MakeBmp(spec)));
    const Bytes written = WriteBytes(computed);
    EXPECT_EQ(8u, Get32(written, 14 + 20));
    EXPECT_EQ(file, written);
}

TEST(DIBFileTest, CoreHeaderLoadsAsInfoHeaderWithFourByteEntries)
{
    Bytes file;
    Put16(file, 0x4D42);
    Put32(file, 14 + 12 + 6 + 8);
    Put32(file, 0);
    Put32(file, 14 + 12 + 6);
    Put32(file, 12);
    Put16(file, 2);
    Put16(file, 2);
    Put16(file, 1);
    Put16(file, 1);
    const BYTE table[] = { 10, 20, 30, 40, 50, 60 };   // two triples: blue, green, red
    file.insert(file.end(), table, table + sizeof table);
    const BYTE bits[] = { 0x40, 0, 0, 0, 0x80, 0, 0, 0 };
    file.insert(file.end(), bits, bits + sizeof bits);

    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, file));
    HGLOBAL h = dib.CopyHandle();
    {
        COXDIBBlock block(h);
        ASSERT_TRUE(block.IsValid());
        EXPECT_EQ(40u, block.layout.headerSize);
        EXPECT_EQ(8u, block.layout.tableBytes);
        const RGBQUAD first = block.Table()[0], second = block.Table()[1];
        EXPECT_EQ(10, first.rgbBlue);
        EXPECT_EQ(30, first.rgbRed);
        EXPECT_EQ(0, first.rgbReserved);
        EXPECT_EQ(40, second.rgbBlue);
        EXPECT_EQ(50, second.rgbGreen);
        EXPECT_EQ(60, second.rgbRed);
    }
    ::GlobalFree(h);
    EXPECT_EQ(1u, PixelAt(dib, 0, 0));
    EXPECT_EQ(1u, PixelAt(dib, 1, 1));
    EXPECT_EQ(0u, PixelAt(dib, 0, 1));

    // A block handed in with a core header is kept as it is, and cannot be written.
    HGLOBAL core = ::GlobalAlloc(GMEM_MOVEABLE, 12 + 6 + 8);
    BYTE* p = static_cast<BYTE*>(::GlobalLock(core));
    std::memcpy(p, file.data() + 14, 12 + 6 + 8);
    ::GlobalUnlock(core);
    COXDIB kept(core);
    EXPECT_EQ(CSize(2, 2), kept.GetSize());
    EXPECT_EQ(6, kept.GetPaletteSize());
    BOOL written = TRUE;
    EXPECT_TRUE(WriteBytes(kept, &written).empty());
    EXPECT_FALSE(written);
    // Assignment takes only 40-byte headers.
    COXDIB assigned;
    assigned = core;
    EXPECT_TRUE(assigned.IsEmpty());
    ::GlobalFree(core);
}

TEST(DIBFileTest, LaterHeadersAndBitFieldsReadRightOrAreRefused)
{
    // A 124-byte header over 24-bit bits, with bfOffBits past a gap.
    BmpSpec v5;
    v5.headerSize = 124;
    v5.bits = 24;
    v5.width = 1;
    v5.height = 1;
    v5.gap = { 0xEE, 0xEE, 0xEE, 0xEE };
    v5.pixels = { 1, 2, 3, 0 };
    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(v5)));
    EXPECT_EQ(0x030201u, PixelAt(dib, 0, 0));
    // Written back as a plain 40-byte file.
    const Bytes written = WriteBytes(dib);
    EXPECT_EQ(40u, Get32(written, 14));
    EXPECT_EQ(54u, Get32(written, 10));

    // Plain 32-bit masks after a 40-byte header read as an uncompressed image.
    BmpSpec fields;
    fields.bits = 32;
    fields.width = 1;
    fields.height = 1;
    fields.compression = BI_BITFIELDS;
    fields.masks = { 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0 };
    fields.pixels = { 9, 8, 7, 0 };
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(fields)));
    EXPECT_EQ(0x070809u, PixelAt(dib, 0, 0));
    EXPECT_EQ(0, dib.GetNumColors());
    // The same masks inside a 108-byte header.
    fields.headerSize = 108;
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(fields)));
    EXPECT_EQ(0x070809u, PixelAt(dib, 0, 0));

    // 5-6-5 masks have no plain layout: refused, and the object stays empty.
    BmpSpec wide;
    wide.bits = 16;
    wide.width = 2;
    wide.height = 1;
    wide.compression = BI_BITFIELDS;
    wide.masks = { 0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0 };
    wide.pixels = { 1, 2, 3, 4 };
    EXPECT_FALSE(ReadBytes(dib, MakeBmp(wide)));
    EXPECT_TRUE(dib.IsEmpty());
}

TEST(DIBFileTest, DamagedFilesFailAndLeaveTheObjectEmpty)
{
    const Bytes good = MakeBmp(EightBit());
    COXDIB dib;

    Bytes notBitmap = good;
    notBitmap[0] = 'X';
    ASSERT_TRUE(ReadBytes(dib, good));
    EXPECT_FALSE(ReadBytes(dib, notBitmap));
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_EQ(CSize(0, 0), dib.GetSize());
    EXPECT_EQ(nullptr, dib.GetPalette());

    // Each damage done to a good file, and its name.
    const std::vector<std::pair<const char*, std::function<void(BmpSpec&)>>> damages = {
        { "colour count beyond 2^8", [](BmpSpec& s) { s.clrUsed = 0xFFFFFFFF; } },
        { "257 colours", [](BmpSpec& s) { s.clrUsed = 257; } },
        { "huge width", [](BmpSpec& s) { s.width = 0x7FFFFFFF; } },
        { "huge width and height", [](BmpSpec& s) { s.width = s.height = 0x7FFFFFFF; } },
        { "negative width", [](BmpSpec& s) { s.width = -2; } },
        { "zero height", [](BmpSpec& s) { s.height = 0; } },
        { "7 bits a pixel", [](BmpSpec& s) { s.bits = 7; } },
        { "20-byte header", [](BmpSpec& s) { s.headerSize = 20; } },
        { "huge stored size", [](BmpSpec& s) { s.sizeImage = 0xFFFFFF00; } },
        { "bits cut short", [](BmpSpec& s) { s.pixels.resize(5); } },
        { "JPEG compression", [](BmpSpec& s) { s.compression = 4; } },
        { "stored size below the computed one", [](BmpSpec& s) { s.sizeImage = 4; s.pixels.resize(4); } },
    };
    for (const auto& damage : damages) {
        BmpSpec spec = EightBit();
        damage.second(spec);
        ASSERT_TRUE(ReadBytes(dib, MakeBmp(EightBit())));
        EXPECT_FALSE(ReadBytes(dib, MakeBmp(spec))) << damage.first;
        EXPECT_TRUE(dib.IsEmpty()) << damage.first;
    }
}

TEST(DIBFileTest, TopDownImageReadsItsFirstRowAtTheTop)
{
    BmpSpec s = EightBit();
    s.height = -2;
    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(s)));
    EXPECT_EQ(CSize(2, 2), dib.GetSize());
    EXPECT_EQ(1u, PixelAt(dib, 0, 0));
    EXPECT_EQ(3u, PixelAt(dib, 0, 1));
}

TEST(DIBFileTest, RunLengthImageKeepsItsStoredSize)
{
    BmpSpec s;
    s.width = 4;
    s.height = 1;
    s.bits = 8;
    s.compression = BI_RLE8;
    s.clrUsed = 2;
    s.table = { 0, 0, 0, 0, 255, 255, 255, 0 };
    s.pixels = { 4, 1, 0, 1 };   // four of colour 1, end of bitmap
    s.sizeImage = 4;
    const Bytes file = MakeBmp(s);
    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, file));
    const Bytes written = WriteBytes(dib);
    EXPECT_EQ(4u, Get32(written, 14 + 20));
    EXPECT_EQ(file, written);
}

TEST(DIBFileTest, PathsAndArchivedObjectsByRunTimeClass)
{
    char dir[MAX_PATH], path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    ::GetTempFileNameA(dir, "dib", 0, path);
    COXDIB dib;
    EXPECT_FALSE(dib.WriteToFile(path));   // an empty image writes nothing
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(EightBit())));
    ASSERT_TRUE(dib.WriteToFile(path));
    COXDIB back;
    ASSERT_TRUE(back.ReadFromFile(path));
    EXPECT_EQ(WriteBytes(dib), WriteBytes(back));
    ::DeleteFileA(path);
    // A file that cannot be opened leaves the image as it was.
    EXPECT_FALSE(back.ReadFromFile(path));
    EXPECT_FALSE(back.IsEmpty());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(&dib);
        ar.Close();
    }
    file.SeekToBegin();
    COXDIB* loaded = nullptr;
    {
        CArchive ar(&file, CArchive::load);
        ar >> loaded;
    }
    ASSERT_NE(nullptr, loaded);
    EXPECT_TRUE(loaded->IsKindOf(RUNTIME_CLASS(COXDIB)));
    EXPECT_EQ(WriteBytes(dib), WriteBytes(*loaded));
    delete loaded;
}

TEST(DIBImageTest, CopiesAreIndependentAndDetachKeepsThePalette)
{
    COXDIB dib;
    ASSERT_TRUE(ReadBytes(dib, MakeBmp(EightBit())));
    COXDIB copy(dib);
    COXDIB assigned;
    assigned = dib;
    assigned = assigned;
    EXPECT_EQ(WriteBytes(dib), WriteBytes(copy));
    EXPECT_EQ(WriteBytes(dib), WriteBytes(assigned));
    ASSERT_TRUE(copy.Rotate(180));
    EXPECT_EQ(3u, PixelAt(dib, 0, 0));
    EXPECT_EQ(2u, PixelAt(copy, 0, 0));

    HGLOBAL h = dib.Detach();
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_NE(nullptr, dib.GetPalette());
    ::GlobalFree(h);
    dib.Clear();
    EXPECT_EQ(nullptr, dib.GetPalette());
}

TEST(DIBImageTest, CreateGivesTheStandardColoursAndTheDepthAsked)
{
    COXDIB dib;
    ASSERT_TRUE(dib.Create(3, 5, 4));
    EXPECT_EQ(4, dib.GetNumBitsPerPixel());
    EXPECT_EQ(16, dib.GetNumColors());
    EXPECT_EQ(CSize(5, 4), dib.GetSize());
    PALETTEENTRY entries[16];
    ASSERT_EQ(16u, dib.GetPalette()->GetPaletteEntries(0, 16, entries));
    const COLORREF expected[16] = { RGB(0, 0, 0), RGB(128, 0, 0), RGB(0, 128, 0), RGB(128, 128, 0),
                                    RGB(0, 0, 128), RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
                                    RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0),
                                    RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255) };
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(expected[i], RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue)) << i;
    ASSERT_TRUE(dib.Create(8, 2, 2));
    EXPECT_EQ(256, dib.GetNumColors());
    ASSERT_TRUE(dib.GetPalette()->GetPaletteEntries(31, 1, entries));
    EXPECT_EQ(RGB(255, 255, 255), RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue));
    ASSERT_TRUE(dib.Create(12, 2, 2));
    EXPECT_EQ(24, dib.GetNumBitsPerPixel());
    EXPECT_EQ(nullptr, dib.GetPalette());
    EXPECT_FALSE(dib.Create(8, 0, 2));

    ASSERT_TRUE(dib.Create(1, 9, 1));
    dib.SetMonoColors(RGB(1, 2, 3), RGB(4, 5, 6));
    COLORREF c0 = 0, c1 = 0;
    dib.GetMonoColors(c0, c1);
    EXPECT_EQ(RGB(1, 2, 3), c0);
    EXPECT_EQ(RGB(4, 5, 6), c1);
}

TEST(DIBImageTest, RotateTurnsClockwiseThenFlips)
{
    COXDIB dib = Numbered(3, 2);
    EXPECT_FALSE(dib.Rotate(45));
    const Bytes before = WriteBytes(dib);
    ASSERT_TRUE(dib.Rotate(0));
    EXPECT_EQ(before, WriteBytes(dib));
    ASSERT_TRUE(dib.Rotate(-360));
    EXPECT_EQ(before, WriteBytes(dib));

    COXDIB turned = dib;
    ASSERT_TRUE(turned.Rotate(90));
    EXPECT_EQ(CSize(2, 3), turned.GetSize());
    // Clockwise: the old bottom-left corner comes to the top-left.
    EXPECT_EQ(0x070100u, PixelAt(turned, 0, 0));
    EXPECT_EQ(0x070000u, PixelAt(turned, 1, 0));
    EXPECT_EQ(0x070102u, PixelAt(turned, 0, 2));

    turned = dib;
    ASSERT_TRUE(turned.Rotate(-90));   // the same as 270
    EXPECT_EQ(CSize(2, 3), turned.GetSize());
    EXPECT_EQ(0x070002u, PixelAt(turned, 0, 0));
    EXPECT_EQ(0x070100u, PixelAt(turned, 1, 2));

    turned = dib;
    ASSERT_TRUE(turned.Rotate(90, TRUE, FALSE));   // turned, then mirrored
    EXPECT_EQ(0x070000u, PixelAt(turned, 0, 0));
    EXPECT_EQ(0x070100u, PixelAt(turned, 1, 0));

    turned = dib;
    ASSERT_TRUE(turned.Rotate(180, FALSE, TRUE));   // = a horizontal mirror
    EXPECT_EQ(0x070002u, PixelAt(turned, 0, 0));
    EXPECT_EQ(0x070100u, PixelAt(turned, 2, 1));

    // Sub-byte pixels move one by one.
    COXDIB mono;
    ASSERT_TRUE(mono.Create(1, 10, 1));
    HGLOBAL h = mono.Detach();
    {
        COXDIBBlock block(h);
        block.Bits()[0] = 0x80;   // x = 0 set
    }
    mono = h;
    ::GlobalFree(h);
    ASSERT_TRUE(mono.Rotate(90));
    EXPECT_EQ(CSize(1, 10), mono.GetSize());
    EXPECT_EQ(1u, PixelAt(mono, 0, 0));
    EXPECT_EQ(0u, PixelAt(mono, 0, 1));
}

TEST(DIBImageTest, ResizeRepeatsOrDropsWholePixels)
{
    COXDIB dib = Numbered(2, 2);
    ASSERT_TRUE(dib.ResizeDIB(4, 6));
    EXPECT_EQ(CSize(4, 6), dib.GetSize());
    EXPECT_EQ(0x070000u, PixelAt(dib, 1, 2));
    EXPECT_EQ(0x070001u, PixelAt(dib, 2, 0));
    EXPECT_EQ(0x070101u, PixelAt(dib, 3, 5));
    ASSERT_TRUE(dib.ResizeDIB(1, 1));
    EXPECT_EQ(CSize(1, 1), dib.GetSize());
    EXPECT_FALSE(dib.ResizeDIB(0, 1));
    COXDIB four;
    ASSERT_TRUE(four.Create(4, 2, 2));
    EXPECT_FALSE(four.ResizeDIB(4, 4));
}

TEST(DIBImageTest, DrawsTheSourcePartIntoAMemoryDC)
{
    COXDIB dib = Numbered(4, 4);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    BITMAPINFO info = {};
    COXDIB::InitBitmapInfoHeader(&info.bmiHeader, 8, 8, 32);
    void* bits = nullptr;
    HBITMAP target = ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, target);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), target);
    // The lower right 2 x 2 at (1, 1), copied straight.
    ASSERT_TRUE(dib.Draw(&dc, CRect(1, 1, 3, 3), CRect(2, 2, 4, 4)));
    EXPECT_EQ(RGB(7, 2, 2), ::GetPixel(dc.GetSafeHdc(), 1, 1));
    EXPECT_EQ(RGB(7, 3, 3), ::GetPixel(dc.GetSafeHdc(), 2, 2));
    // The upper left 2 x 2 stretched to 4 x 4 at (4, 4).
    ASSERT_TRUE(dib.Draw(&dc, CRect(4, 4, 8, 8), CRect(0, 0, 2, 2)));
    EXPECT_EQ(RGB(7, 0, 0), ::GetPixel(dc.GetSafeHdc(), 4, 4));
    EXPECT_EQ(RGB(7, 1, 1), ::GetPixel(dc.GetSafeHdc(), 7, 7));

    CSize size;
    CBitmap* bitmap = dib.MakeBitmap(&dc, size);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(CSize(4, 4), size);
    COXDIB back;
    ASSERT_TRUE(back.BitmapToDIB(*bitmap));
    EXPECT_EQ(CSize(4, 4), back.GetSize());
    EXPECT_EQ(0x070302u, PixelAt(back, 2, 3) & 0xFFFFFF);
    delete bitmap;
    ::SelectObject(dc.GetSafeHdc(), old);
    ::DeleteObject(target);

    COXDIB empty;
    EXPECT_FALSE(empty.Draw(&dc, CRect(0, 0, 1, 1), CRect(0, 0, 1, 1)));
    EXPECT_EQ(nullptr, empty.MakeBitmap(&dc, size));
    EXPECT_EQ(CSize(0, 0), size);
}

TEST(DIBImageTest, HalftoneWorksOnATrueColourScreen)
{
    // Such a screen answers no palette size and -1 colours: it still shows 256.
    CPalette halftone;
    ASSERT_TRUE(COXDIB::CreateHalftonePalette(halftone));
    EXPECT_GE(halftone.GetEntryCount(), 216);

    COXDIB dib;
    ASSERT_TRUE(dib.Create(24, 8, 8));
    HGLOBAL h = dib.Detach();
    {
        COXDIBBlock block(h);
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < 8; ++x) {
                BYTE* p = block.Bits() + y * block.layout.stride + x * 3;
                p[0] = 0;
                p[1] = 0;
                p[2] = 255;   // pure red
            }
    }
    dib = h;
    ::GlobalFree(h);
    ASSERT_TRUE(dib.HalfToneDitherDIB());
    EXPECT_EQ(8, dib.GetNumBitsPerPixel());
    ASSERT_NE(nullptr, dib.GetPalette());
    PALETTEENTRY entry;
    ASSERT_TRUE(dib.GetPalette()->GetPaletteEntries(PixelAt(dib, 3, 5), 1, &entry));
    EXPECT_EQ(RGB(255, 0, 0), RGB(entry.peRed, entry.peGreen, entry.peBlue));
    COXDIB eight;
    ASSERT_TRUE(eight.Create(8, 2, 2));
    EXPECT_FALSE(eight.HalfToneDitherDIB());
}

TEST(DIBImageTest, ResourcesAndIconsBecomeImages)
{
    COXDIB dib;
    ASSERT_TRUE(dib.LoadFromResource(MAKEINTRESOURCE(IDB_OX_IM_ORIGIN)));
    EXPECT_EQ(CSize(25, 25), dib.GetSize());
    // The origin mark's corner is its key colour, magenta.
    EXPECT_EQ(0xFF00FFu, PixelAt(dib, 0, 0) & 0xFFFFFF);
    EXPECT_FALSE(dib.LoadFromResource("NO_SUCH_BITMAP"));

    COXDIB icon;
    ASSERT_TRUE(icon.IconToDIB(::LoadIcon(nullptr, IDI_APPLICATION), 32, 32));
    EXPECT_EQ(CSize(32, 32), icon.GetSize());
    EXPECT_FALSE(icon.IconToDIB(nullptr, 32, 32));
}
