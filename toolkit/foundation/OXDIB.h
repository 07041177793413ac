// COXDIB: one device-independent bitmap kept as a packed DIB (header, colour
// table, bits) in a movable global block, with a palette built from its colour
// table. Reads and writes BMP files, converts to and from device bitmaps and
// icons, draws, and creates, resizes, rotates and halftone-dithers images.
//
// Reading checks the file's header before it sizes anything: core (12-byte),
// info (40-byte) and larger headers are taken (the extra bytes skipped), bit
// fields only where they spell the plain layout, and a damaged header leaves
// the object empty. Rotate turns clockwise first and flips afterwards; the
// flag of Write(CFile*, flag) flushes the file after writing.
#pragma once

#include "afx/GdiObject.h"
#include "afx/Object.h"
#include "afx/Rect.h"

class CArchive;
class CDC;
class CFile;

class COXDIB : public CObject
{
    DECLARE_SERIAL(COXDIB)
public:
    COXDIB();
    COXDIB(const COXDIB& other);
    // Takes a copy of the block (any header size), not the block itself.
    explicit COXDIB(HGLOBAL hDIB);
    ~COXDIB() override;

    COXDIB& operator=(const COXDIB& other);
    // Accepted only for a block with a 40-byte header; otherwise nothing changes.
    COXDIB& operator=(HGLOBAL hDIB);

    void Clear();
    BOOL IsEmpty() const { return m_hDIB == nullptr; }
    // The block, now the caller's; the palette stays with the object.
    HGLOBAL Detach();
    // A new block holding a copy of the image; NULL when empty.
    HGLOBAL CopyHandle() const;

    CSize GetSize() const;
    WORD GetNumBitsPerPixel() const;
    WORD GetNumColors() const;
    // The colour table's size in bytes.
    WORD GetPaletteSize() const;
    CPalette* GetPalette() const { return m_pPalette; }
    // The bits of a locked packed DIB.
    static LPBYTE FindDIBBits(LPBYTE lpbi);

    void Serialize(CArchive& ar) override;
    BOOL Read(CArchive& ar);
    BOOL Read(CFile* pFile);
    BOOL Write(CArchive& ar);
    BOOL Write(CFile* pFile, BOOL bFlush = FALSE);
    BOOL ReadFromFile(LPCTSTR lpszPath);
    BOOL WriteToFile(LPCTSTR lpszPath);

    BOOL LoadFromResource(LPCTSTR lpszResource, HINSTANCE hInst = nullptr);
    BOOL BitmapToDIB(HBITMAP hBitmap, CPalette* pPalette = nullptr);
    BOOL IconToDIB(HICON hIcon, int nWidth, int nHeight, CPalette* pPalette = nullptr);
    CBitmap* MakeBitmap(CDC* pDC);
    CBitmap* MakeBitmap(CDC* pDC, CSize& bmSize);
    BOOL Draw(CDC* pDC, const CRect& rectDest, const CRect& rectSrc);
    BOOL Create(int nBitsPerPixel, int nWidth, int nHeight);
    BOOL ResizeDIB(int nWidth, int nHeight);
    BOOL Rotate(int nAngle, BOOL bFlipHorz = FALSE, BOOL bFlipVert = FALSE);
    BOOL HalfToneDitherDIB();
    void SetMonoColors(COLORREF clr0, COLORREF clr1);
    void GetMonoColors(COLORREF& clr0, COLORREF& clr1) const;
    // Mode DIB_PAL_COLORS (1) writes palette indices; else the palette's colours.
    BOOL CopyPaletteToDIB(CPalette* pPalette, UINT nMode = DIB_RGB_COLORS);

    static HPALETTE CreateDIBPalette(const BITMAPINFO* lpbmi);
    static BOOL CreateHalftonePalette(CPalette& palette);
    static void ClearSystemPalette();
    // The system palette of a palette display (the caller's); NULL elsewhere.
    static HPALETTE GetSystemPalette();
    static void InitBitmapInfoHeader(LPBITMAPINFOHEADER lpBmInfoHdr, DWORD dwWidth, DWORD dwHeight,
                                     int nBPP);

protected:
    // Replaces the image by the block (taken over) and builds its palette.
    BOOL SetBlock(HGLOBAL hDIB);
    // The palette from the colour table; a failure empties the object.
    BOOL BuildPalette();
    void DeletePalette();

    HGLOBAL m_hDIB;
    CPalette* m_pPalette;
};

// Geometry of a packed DIB's header (either header kind), shared by the
// image operations: all numbers come from the header alone.
struct OXDIBLayout
{
    DWORD headerSize = 0;     // 12 or 40
    LONG width = 0;
    LONG height = 0;          // negative for top-down rows
    WORD bitCount = 0;
    DWORD compression = BI_RGB;
    DWORD colors = 0;         // colour-table entries
    DWORD tableBytes = 0;
    DWORD stride = 0;         // bytes per row, padded to 4
    DWORD imageSize = 0;      // computed from stride and height

    // FALSE for a block too small for its header and colour table; a lone
    // header is parsed with kHeaderAlone as its size.
    BOOL Parse(const BYTE* block, SIZE_T blockSize);
    static const SIZE_T kHeaderAlone = static_cast<SIZE_T>(-1);
};
