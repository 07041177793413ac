// The locked view of a DIB's global block that the image operations share:
// the bytes, their size and the header's geometry, unlocked on scope exit.
#pragma once

#include "toolkit/foundation/OXDIB.h"

#include <cstring>

class COXDIBBlock
{
public:
    explicit COXDIBBlock(HGLOBAL hDIB)
        : m_hDIB(hDIB), m_pBytes(hDIB ? static_cast<BYTE*>(::GlobalLock(hDIB)) : nullptr),
          m_nSize(m_pBytes ? ::GlobalSize(hDIB) : 0)
    {
        m_bValid = m_pBytes && layout.Parse(m_pBytes, m_nSize);
    }
    ~COXDIBBlock()
    {
        if (m_pBytes)
            ::GlobalUnlock(m_hDIB);
    }
    COXDIBBlock(const COXDIBBlock&) = delete;
    COXDIBBlock& operator=(const COXDIBBlock&) = delete;

    // The header parsed and the block long enough for it and its table.
    BOOL IsValid() const { return m_bValid; }
    // ... and for the uncompressed bits the header describes.
    BOOL HasAllBits() const
    {
        return m_bValid && layout.compression == BI_RGB &&
               static_cast<ULONGLONG>(layout.headerSize) + layout.tableBytes + layout.imageSize <= m_nSize;
    }
    BYTE* Bytes() const { return m_pBytes; }
    SIZE_T Size() const { return m_nSize; }
    BITMAPINFOHEADER* Info() const { return reinterpret_cast<BITMAPINFOHEADER*>(m_pBytes); }
    RGBQUAD* Table() const { return reinterpret_cast<RGBQUAD*>(m_pBytes + layout.headerSize); }
    BYTE* Bits() const { return m_pBytes + layout.headerSize + layout.tableBytes; }

    // A new zero-filled movable block of totalSize bytes that starts with the
    // header and the table; NULL when there is no memory for it.
    static HGLOBAL NewBlock(const BITMAPINFOHEADER& header, const void* table, SIZE_T tableBytes, SIZE_T totalSize)
    {
        HGLOBAL hDIB = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, totalSize);
        BYTE* bytes = hDIB ? static_cast<BYTE*>(::GlobalLock(hDIB)) : nullptr;
        if (!bytes) {
            if (hDIB)
                ::GlobalFree(hDIB);
            return nullptr;
        }
        std::memcpy(bytes, &header, sizeof header);
        if (table)
            std::memcpy(bytes + sizeof header, table, tableBytes);
        ::GlobalUnlock(hDIB);
        return hDIB;
    }

    OXDIBLayout layout;

private:
    HGLOBAL m_hDIB;
    BYTE* m_pBytes;
    SIZE_T m_nSize;
    BOOL m_bValid = FALSE;
};
