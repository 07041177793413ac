#include "toolkit/foundation/OXDIB.h"

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "toolkit/foundation/OXDIBBlock.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(COXDIB, CObject, 1)

namespace {
const WORD kBitmapType = 0x4D42;           // "BM"
const UINT kChunk = 16384;                 // archive transfers go in pieces of this
const DWORD kFileHeaderSize = 14;
const DWORD kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
const DWORD kLargestHeader = 4096;         // beyond the largest header Windows writes (124)
const ULONGLONG kLargestImage = 0x40000000; // 1 GB of bits: anything more is a damaged file

DWORD ReadDword(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24);
}

WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

void PutWord(BYTE* p, WORD value)
{
    p[0] = static_cast<BYTE>(value);
    p[1] = static_cast<BYTE>(value >> 8);
}

void PutDword(BYTE* p, DWORD value)
{
    PutWord(p, static_cast<WORD>(value));
    PutWord(p + 2, static_cast<WORD>(value >> 16));
}

// Bytes of one padded row; 0 when it does not fit a DWORD.
ULONGLONG RowBytes(WORD bitCount, LONG width)
{
    return (static_cast<ULONGLONG>(bitCount) * static_cast<ULONGLONG>(width) + 31) / 32 * 4;
}

BOOL ReadExactly(CArchive& ar, void* buffer, ULONGLONG count)
{
    BYTE* out = static_cast<BYTE*>(buffer);
    while (count > 0) {
        const UINT piece = static_cast<UINT>(std::min<ULONGLONG>(count, kChunk));
        if (ar.Read(out, piece) != piece)
            return FALSE;
        out += piece;
        count -= piece;
    }
    return TRUE;
}

BOOL SkipBytes(CArchive& ar, ULONGLONG count)
{
    std::vector<BYTE> scratch(static_cast<size_t>(std::min<ULONGLONG>(count, kChunk)));
    while (count > 0) {
        const UINT piece = static_cast<UINT>(std::min<ULONGLONG>(count, kChunk));
        if (ar.Read(scratch.data(), piece) != piece)
            return FALSE;
        count -= piece;
    }
    return TRUE;
}

void WriteChunked(CArchive& ar, const BYTE* bytes, ULONGLONG count)
{
    while (count > 0) {
        const UINT piece = static_cast<UINT>(std::min<ULONGLONG>(count, kChunk));
        ar.Write(bytes, piece);
        bytes += piece;
        count -= piece;
    }
}

// Bit-field masks that spell the plain layout of 16 and 32 bits per pixel.
BOOL IsPlainBitFields(WORD bitCount, const DWORD masks[3])
{
    if (bitCount == 16)
        return masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F;
    if (bitCount == 32)
        return masks[0] == 0x00FF0000 && masks[1] == 0x0000FF00 && masks[2] == 0x000000FF;
    return FALSE;
}

// The block's bytes, copied into a new movable block.
HGLOBAL DuplicateBlock(HGLOBAL hSource)
{
    if (!hSource)
        return nullptr;
    const SIZE_T size = ::GlobalSize(hSource);
    const void* source = ::GlobalLock(hSource);
    if (!source)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* target = hCopy ? ::GlobalLock(hCopy) : nullptr;
    if (target) {
        std::memcpy(target, source, size);
        ::GlobalUnlock(hCopy);
    } else if (hCopy) {
        ::GlobalFree(hCopy);
        hCopy = nullptr;
    }
    ::GlobalUnlock(hSource);
    return hCopy;
}
} // namespace

BOOL OXDIBLayout::Parse(const BYTE* block, SIZE_T blockSize)
{
    if (!block || blockSize < sizeof(BITMAPCOREHEADER))
        return FALSE;
    headerSize = ReadDword(block);
    DWORD clrUsed = 0;
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        const BITMAPCOREHEADER* core = reinterpret_cast<const BITMAPCOREHEADER*>(block);
        width = core->bcWidth;
        height = core->bcHeight;
        bitCount = core->bcBitCount;
        compression = BI_RGB;
    } else if (headerSize >= kInfoHeaderSize && headerSize <= kLargestHeader && blockSize >= headerSize) {
        const BITMAPINFOHEADER* info = reinterpret_cast<const BITMAPINFOHEADER*>(block);
        width = info->biWidth;
        height = info->biHeight;
        bitCount = info->biBitCount;
        compression = info->biCompression;
        clrUsed = info->biClrUsed;
    } else {
        return FALSE;
    }
    if (clrUsed != 0)
        colors = clrUsed;
    else if (bitCount == 1 || bitCount == 4 || bitCount == 8)
        colors = 1u << bitCount;
    else if (compression == BI_BITFIELDS && headerSize == kInfoHeaderSize)
        colors = 3;   // the three masks stand where a table would
    else
        colors = 0;
    if (colors > 0xFFFF)
        return FALSE;
    tableBytes = colors * (headerSize == sizeof(BITMAPCOREHEADER) ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD));
    const ULONGLONG row = width > 0 ? RowBytes(bitCount, width) : 0;
    const ULONGLONG rows = height < 0 ? -static_cast<LONGLONG>(height) : height;
    if (row * rows > 0xFFFFFFFFull)
        return FALSE;
    stride = static_cast<DWORD>(row);
    imageSize = static_cast<DWORD>(row * rows);
    return static_cast<ULONGLONG>(headerSize) + tableBytes <= blockSize;
}

COXDIB::COXDIB()
    : m_hDIB(nullptr), m_pPalette(nullptr)
{
}

COXDIB::COXDIB(const COXDIB& other)
    : CObject(), m_hDIB(nullptr), m_pPalette(nullptr)
{
    SetBlock(DuplicateBlock(other.m_hDIB));
}

COXDIB::COXDIB(HGLOBAL hDIB)
    : m_hDIB(nullptr), m_pPalette(nullptr)
{
    SetBlock(DuplicateBlock(hDIB));
}

COXDIB::~COXDIB()
{
    Clear();
}

COXDIB& COXDIB::operator=(const COXDIB& other)
{
    if (this != &other)
        SetBlock(DuplicateBlock(other.m_hDIB));
    return *this;
}

COXDIB& COXDIB::operator=(HGLOBAL hDIB)
{
    if (!hDIB || hDIB == m_hDIB)
        return *this;
    const DWORD* header = static_cast<const DWORD*>(::GlobalLock(hDIB));
    if (!header)
        return *this;
    const BOOL info = ::GlobalSize(hDIB) >= kInfoHeaderSize && *header == kInfoHeaderSize;
    ::GlobalUnlock(hDIB);
    if (info)
        SetBlock(DuplicateBlock(hDIB));
    return *this;
}

void COXDIB::DeletePalette()
{
    delete m_pPalette;
    m_pPalette = nullptr;
}

void COXDIB::Clear()
{
    if (m_hDIB)
        ::GlobalFree(m_hDIB);
    m_hDIB = nullptr;
    DeletePalette();
}

HGLOBAL COXDIB::Detach()
{
    HGLOBAL hDIB = m_hDIB;
    m_hDIB = nullptr;
    return hDIB;
}

HGLOBAL COXDIB::CopyHandle() const
{
    return DuplicateBlock(m_hDIB);
}

BOOL COXDIB::SetBlock(HGLOBAL hDIB)
{
    Clear();
    if (!hDIB)
        return FALSE;
    m_hDIB = hDIB;
    return BuildPalette();
}

CSize COXDIB::GetSize() const
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid())
        return CSize(0, 0);
    return CSize(block.layout.width, block.layout.height < 0 ? -block.layout.height : block.layout.height);
}

WORD COXDIB::GetNumBitsPerPixel() const
{
    COXDIBBlock block(m_hDIB);
    return block.IsValid() ? block.layout.bitCount : 0;
}

WORD COXDIB::GetNumColors() const
{
    COXDIBBlock block(m_hDIB);
    return block.IsValid() ? static_cast<WORD>(block.layout.colors) : 0;
}

WORD COXDIB::GetPaletteSize() const
{
    COXDIBBlock block(m_hDIB);
    return block.IsValid() ? static_cast<WORD>(block.layout.tableBytes) : 0;
}

LPBYTE COXDIB::FindDIBBits(LPBYTE lpbi)
{
    OXDIBLayout layout;
    if (!layout.Parse(lpbi, OXDIBLayout::kHeaderAlone))
        return nullptr;
    return lpbi + layout.headerSize + layout.tableBytes;
}

HPALETTE COXDIB::CreateDIBPalette(const BITMAPINFO* lpbmi)
{
    OXDIBLayout layout;
    const BYTE* bytes = reinterpret_cast<const BYTE*>(lpbmi);
    if (!layout.Parse(bytes, OXDIBLayout::kHeaderAlone) || layout.colors == 0 ||
        layout.compression == BI_BITFIELDS)
        return nullptr;
    const DWORD count = std::min<DWORD>(layout.colors, 256);
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    LOGPALETTE* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(count);
    const BOOL core = layout.headerSize == sizeof(BITMAPCOREHEADER);
    for (DWORD i = 0; i < count; ++i) {
        PALETTEENTRY& entry = logPalette->palPalEntry[i];
        if (core) {
            const RGBTRIPLE& rgb = reinterpret_cast<const RGBTRIPLE*>(bytes + layout.headerSize)[i];
            entry = { rgb.rgbtRed, rgb.rgbtGreen, rgb.rgbtBlue, 0 };
        } else {
            const RGBQUAD& rgb = reinterpret_cast<const RGBQUAD*>(bytes + layout.headerSize)[i];
            entry = { rgb.rgbRed, rgb.rgbGreen, rgb.rgbBlue, 0 };
        }
    }
    return ::CreatePalette(logPalette);
}

BOOL COXDIB::BuildPalette()
{
    DeletePalette();
    HPALETTE hPalette = nullptr;
    {
        COXDIBBlock block(m_hDIB);
        if (!block.IsValid()) {
            Clear();
            return FALSE;
        }
        if (block.layout.colors == 0 || block.layout.compression == BI_BITFIELDS)
            return TRUE;
        hPalette = CreateDIBPalette(reinterpret_cast<const BITMAPINFO*>(block.Bytes()));
    }
    if (!hPalette) {
        Clear();
        return FALSE;
    }
    m_pPalette = new CPalette;
    m_pPalette->Attach(hPalette);
    return TRUE;
}

void COXDIB::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Write(ar);
    else
        Read(ar);
}

BOOL COXDIB::Read(CArchive& ar)
{
    Clear();
    HGLOBAL hDIB = nullptr;
    try {
        BYTE fileHeader[kFileHeaderSize + 4];
        if (!ReadExactly(ar, fileHeader, sizeof fileHeader) || ReadWord(fileHeader) != kBitmapType)
            return FALSE;
        const DWORD offBits = ReadDword(fileHeader + 10);
        const DWORD headerSize = ReadDword(fileHeader + kFileHeaderSize);
        ULONGLONG consumed = sizeof fileHeader;

        BITMAPINFOHEADER info = {};
        const BOOL core = headerSize == sizeof(BITMAPCOREHEADER);
        if (core) {
            BYTE rest[8];
            if (!ReadExactly(ar, rest, sizeof rest))
                return FALSE;
            info.biWidth = ReadWord(rest);
            info.biHeight = ReadWord(rest + 2);
            info.biPlanes = ReadWord(rest + 4);
            info.biBitCount = ReadWord(rest + 6);
            info.biCompression = BI_RGB;
            consumed += sizeof rest;
        } else if (headerSize >= kInfoHeaderSize && headerSize <= kLargestHeader) {
            // The first 40 bytes are the info header in every later version.
            std::vector<BYTE> header(headerSize);
            if (!ReadExactly(ar, header.data() + 4, headerSize - 4))
                return FALSE;
            std::memcpy(reinterpret_cast<BYTE*>(&info) + 4, header.data() + 4, kInfoHeaderSize - 4);
            consumed += headerSize - 4;
            if (info.biCompression == BI_BITFIELDS) {
                // Masks inside a larger header, or after a 40-byte one.
                BYTE maskBytes[12];
                if (headerSize >= kInfoHeaderSize + sizeof maskBytes) {
                    std::memcpy(maskBytes, header.data() + kInfoHeaderSize, sizeof maskBytes);
                } else {
                    if (!ReadExactly(ar, maskBytes, sizeof maskBytes))
                        return FALSE;
                    consumed += sizeof maskBytes;
                }
                const DWORD masks[3] = { ReadDword(maskBytes), ReadDword(maskBytes + 4), ReadDword(maskBytes + 8) };
                if (!IsPlainBitFields(info.biBitCount, masks))
                    return FALSE;
                info.biCompression = BI_RGB;
            }
        } else {
            return FALSE;
        }
        info.biSize = kInfoHeaderSize;

        // The header sizes everything below: check it before trusting it.
        const WORD bits = info.biBitCount;
        if (info.biWidth <= 0 || info.biHeight == 0 || info.biHeight == LONG_MIN)
            return FALSE;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return FALSE;
        const BOOL rle = info.biCompression == BI_RLE8 || info.biCompression == BI_RLE4;
        if (info.biCompression != BI_RGB && !rle)
            return FALSE;
        if (rle && (info.biHeight < 0 || bits != (info.biCompression == BI_RLE8 ? 8 : 4)))
            return FALSE;
        DWORD colors = 0;
        if (bits <= 8) {
            if (info.biClrUsed == 0)
                info.biClrUsed = 1u << bits;
            if (info.biClrUsed > (1u << bits))
                return FALSE;
            colors = core ? (1u << bits) : info.biClrUsed;
        } else {
            if (info.biClrUsed > 256)
                return FALSE;
            colors = info.biClrUsed;
        }
        const ULONGLONG rows = info.biHeight < 0 ? -static_cast<LONGLONG>(info.biHeight) : info.biHeight;
        const ULONGLONG computed = RowBytes(bits, info.biWidth) * rows;
        if (computed > kLargestImage || info.biSizeImage > kLargestImage)
            return FALSE;
        ULONGLONG imageSize = computed;
        if (!rle)
            imageSize = std::max<ULONGLONG>(computed, info.biSizeImage);
        else if (info.biSizeImage != 0)
            imageSize = info.biSizeImage;
        info.biSizeImage = static_cast<DWORD>(imageSize);
        if (core)
            info.biClrUsed = 0;

        const ULONGLONG tableBytes = static_cast<ULONGLONG>(colors) * sizeof(RGBQUAD);
        hDIB = COXDIBBlock::NewBlock(info, nullptr, 0, static_cast<SIZE_T>(kInfoHeaderSize + tableBytes + imageSize));
        BYTE* block = hDIB ? static_cast<BYTE*>(::GlobalLock(hDIB)) : nullptr;
        if (!block) {
            if (hDIB)
                ::GlobalFree(hDIB);
            return FALSE;
        }
        RGBQUAD* table = reinterpret_cast<RGBQUAD*>(block + kInfoHeaderSize);
        BOOL ok = TRUE;
        if (core) {
            // Three bytes an entry on disk, widened in place from the last entry.
            ok = ReadExactly(ar, table, colors * sizeof(RGBTRIPLE));
            const BYTE* triples = reinterpret_cast<const BYTE*>(table);
            for (DWORD i = colors; ok && i-- > 0;) {
                const BYTE blue = triples[i * 3], green = triples[i * 3 + 1], red = triples[i * 3 + 2];
                table[i] = { blue, green, red, 0 };
            }
            consumed += colors * sizeof(RGBTRIPLE);
        } else {
            ok = ReadExactly(ar, table, tableBytes);
            consumed += tableBytes;
        }
        // Bits further on than the table ends: skip what lies between.
        if (ok && offBits > consumed) {
            const ULONGLONG gap = offBits - consumed;
            ok = gap <= kLargestImage && SkipBytes(ar, gap);
        }
        if (ok)
            ok = ReadExactly(ar, block + kInfoHeaderSize + tableBytes, imageSize);
        ::GlobalUnlock(hDIB);
        if (!ok) {
            ::GlobalFree(hDIB);
            return FALSE;
        }
    } catch (CException* e) {
        e->Delete();
        if (hDIB)
            ::GlobalFree(hDIB);
        Clear();
        return FALSE;
    }
    return SetBlock(hDIB);
}

BOOL COXDIB::Write(CArchive& ar)
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid() || block.layout.headerSize != kInfoHeaderSize)
        return FALSE;
    BITMAPINFOHEADER* info = block.Info();
    const BOOL rle = info->biCompression == BI_RLE8 || info->biCompression == BI_RLE4;
    const DWORD imageSize = rle ? info->biSizeImage : block.layout.imageSize;
    const DWORD tableBytes = block.layout.tableBytes;
    if (static_cast<ULONGLONG>(kInfoHeaderSize) + tableBytes + imageSize > block.Size())
        return FALSE;
    if (!rle)
        info->biSizeImage = imageSize;
    BYTE fileHeader[kFileHeaderSize] = {};
    PutWord(fileHeader, kBitmapType);
    PutDword(fileHeader + 2, tableBytes + kInfoHeaderSize + imageSize + kFileHeaderSize);
    PutDword(fileHeader + 10, tableBytes + kFileHeaderSize + kInfoHeaderSize);
    try {
        ar.Write(fileHeader, sizeof fileHeader);
        WriteChunked(ar, block.Bytes(), kInfoHeaderSize + tableBytes);
        WriteChunked(ar, block.Bits(), imageSize);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL COXDIB::Read(CFile* pFile)
{
    BOOL ok = FALSE;
    try {
        CArchive ar(pFile, CArchive::load, 4096);
        ok = Read(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        Clear();
        ok = FALSE;
    }
    return ok;
}

BOOL COXDIB::Write(CFile* pFile, BOOL bFlush)
{
    BOOL ok = FALSE;
    try {
        CArchive ar(pFile, CArchive::store, 4096);
        ok = Write(ar);
        ar.Close();
        if (ok && bFlush)
            pFile->Flush();
    } catch (CException* e) {
        e->Delete();
        ok = FALSE;
    }
    return ok;
}

BOOL COXDIB::ReadFromFile(LPCTSTR lpszPath)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    return Read(&file);
}

BOOL COXDIB::WriteToFile(LPCTSTR lpszPath)
{
    {
        // What cannot be written does not truncate the file first.
        COXDIBBlock block(m_hDIB);
        if (!block.IsValid() || block.layout.headerSize != kInfoHeaderSize)
            return FALSE;
    }
    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive))
        return FALSE;
    return Write(&file, FALSE);
}
