// COXDIB's meeting points with GDI: resources, device bitmaps and icons,
// drawing, and the system and halftone palettes.
#include "toolkit/foundation/OXDIB.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXDIBBlock.h"

#include <vector>

namespace {
// The screen DC for the length of a scope.
class CScreenDC
{
public:
    CScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~CScreenDC() { ::ReleaseDC(nullptr, m_hDC); }
    CScreenDC(const CScreenDC&) = delete;
    CScreenDC& operator=(const CScreenDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

// Selects and realizes a palette for a scope; nothing for no palette.
class CPaletteInDC
{
public:
    CPaletteInDC(HDC hDC, HPALETTE hPalette, BOOL bBackground)
        : m_hDC(hDC), m_hOld(hPalette ? ::SelectPalette(hDC, hPalette, bBackground) : nullptr)
    {
        if (hPalette)
            ::RealizePalette(hDC);
    }
    ~CPaletteInDC()
    {
        if (m_hOld)
            ::SelectPalette(m_hDC, m_hOld, TRUE);
    }
    CPaletteInDC(const CPaletteInDC&) = delete;
    CPaletteInDC& operator=(const CPaletteInDC&) = delete;

private:
    HDC m_hDC;
    HPALETTE m_hOld;
};

HPALETTE PaletteHandle(const CPalette* pPalette)
{
    return pPalette ? static_cast<HPALETTE>(pPalette->GetSafeHandle()) : nullptr;
}

CBitmap* WrapBitmap(HBITMAP hBitmap)
{
    if (!hBitmap)
        return nullptr;
    CBitmap* pBitmap = new CBitmap;
    pBitmap->Attach(hBitmap);
    return pBitmap;
}
} // namespace

void COXDIB::InitBitmapInfoHeader(LPBITMAPINFOHEADER lpBmInfoHdr, DWORD dwWidth, DWORD dwHeight, int nBPP)
{
    ZeroMemory(lpBmInfoHdr, sizeof(BITMAPINFOHEADER));
    lpBmInfoHdr->biSize = sizeof(BITMAPINFOHEADER);
    lpBmInfoHdr->biWidth = static_cast<LONG>(dwWidth);
    lpBmInfoHdr->biHeight = static_cast<LONG>(dwHeight);
    lpBmInfoHdr->biPlanes = 1;
    WORD bits = 32;
    if (nBPP <= 1)
        bits = 1;
    else if (nBPP <= 4)
        bits = 4;
    else if (nBPP <= 8)
        bits = 8;
    else if (nBPP <= 16)
        bits = 16;
    else if (nBPP <= 24)
        bits = 24;
    lpBmInfoHdr->biBitCount = bits;
    lpBmInfoHdr->biCompression = BI_RGB;
    lpBmInfoHdr->biSizeImage = static_cast<DWORD>((static_cast<ULONGLONG>(bits) * dwWidth + 31) / 32 * 4 * dwHeight);
}

BOOL COXDIB::CreateHalftonePalette(CPalette& palette)
{
    CScreenDC screen;
    int colors = ::GetDeviceCaps(screen, SIZEPALETTE);
    if (colors == 0)
        colors = ::GetDeviceCaps(screen, NUMCOLORS);
    // A true-colour screen has no palette and answers -1 colours: it shows them all.
    if (colors == -1 || ::GetDeviceCaps(screen, BITSPIXEL) > 8)
        colors = 256;
    if (colors < 256)
        return FALSE;
    HPALETTE hPalette = ::CreateHalftonePalette(screen);
    if (!hPalette)
        return FALSE;
    palette.DeleteObject();
    return palette.Attach(hPalette);
}

void COXDIB::ClearSystemPalette()
{
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    LOGPALETTE* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        logPalette->palPalEntry[i] = { 0, 0, 0, PC_NOCOLLAPSE };
    HPALETTE hPalette = ::CreatePalette(logPalette);
    if (!hPalette)
        return;
    {
        CScreenDC screen;
        CPaletteInDC selected(screen, hPalette, FALSE);
    }
    ::DeleteObject(hPalette);
}

HPALETTE COXDIB::GetSystemPalette()
{
    CScreenDC screen;
    if (!(::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE))
        return nullptr;
    const int count = ::GetDeviceCaps(screen, SIZEPALETTE);
    if (count <= 0)
        return nullptr;
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    LOGPALETTE* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(count);
    ::GetSystemPaletteEntries(screen, 0, count, logPalette->palPalEntry);
    return ::CreatePalette(logPalette);
}

BOOL COXDIB::BitmapToDIB(HBITMAP hBitmap, CPalette* pPalette)
{
    BITMAP bm = {};
    if (!hBitmap || !::GetObject(hBitmap, sizeof bm, &bm))
        return FALSE;
    BITMAPINFOHEADER header;
    InitBitmapInfoHeader(&header, bm.bmWidth, bm.bmHeight, bm.bmPlanes * bm.bmBitsPixel);
    OXDIBLayout layout;
    layout.Parse(reinterpret_cast<const BYTE*>(&header), OXDIBLayout::kHeaderAlone);
    HGLOBAL hDIB = COXDIBBlock::NewBlock(header, nullptr, 0, header.biSize + layout.tableBytes + layout.imageSize);
    if (!hDIB)
        return FALSE;
    int lines = 0;
    {
        COXDIBBlock block(hDIB);
        CScreenDC screen;
        CPaletteInDC selected(screen, PaletteHandle(pPalette), FALSE);
        lines = ::GetDIBits(screen, hBitmap, 0, bm.bmHeight, block.Bits(), reinterpret_cast<BITMAPINFO*>(block.Bytes()),
                            DIB_RGB_COLORS);
    }
    if (lines == 0) {
        ::GlobalFree(hDIB);
        return FALSE;
    }
    if (!SetBlock(hDIB))
        return FALSE;
    if (pPalette)
        CopyPaletteToDIB(pPalette, DIB_RGB_COLORS);
    return TRUE;
}

BOOL COXDIB::IconToDIB(HICON hIcon, int nWidth, int nHeight, CPalette* pPalette)
{
    if (!hIcon || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    HDC hDisplay = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!hDisplay)
        return FALSE;
    HDC hMemory = ::CreateCompatibleDC(hDisplay);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDisplay, nWidth, nHeight);
    BOOL ok = FALSE;
    if (hMemory && hBitmap) {
        HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
        ok = ::DrawIconEx(hMemory, 0, 0, hIcon, nWidth, nHeight, 0, nullptr, DI_NORMAL);
        ::SelectObject(hMemory, hOld);
    }
    if (hMemory)
        ::DeleteDC(hMemory);
    ::DeleteDC(hDisplay);
    if (ok)
        ok = BitmapToDIB(hBitmap, pPalette);
    if (hBitmap)
        ::DeleteObject(hBitmap);
    return ok;
}

BOOL COXDIB::LoadFromResource(LPCTSTR lpszResource, HINSTANCE hInst)
{
    if (!hInst)
        hInst = AfxFindResourceHandle(lpszResource, RT_BITMAP);
    HRSRC hResource = ::FindResourceA(hInst, lpszResource, RT_BITMAP);
    HGLOBAL hLoaded = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    const BYTE* bytes = hLoaded ? static_cast<const BYTE*>(::LockResource(hLoaded)) : nullptr;
    OXDIBLayout layout;
    if (!bytes || !layout.Parse(bytes, ::SizeofResource(hInst, hResource)))
        return FALSE;
    CPalette palette;
    if (layout.colors != 0) {
        palette.Attach(CreateDIBPalette(reinterpret_cast<const BITMAPINFO*>(bytes)));
    } else {
        CScreenDC screen;
        if (::GetDeviceCaps(screen, SIZEPALETTE) == 256)
            palette.Attach(::CreateHalftonePalette(screen));
    }
    HBITMAP hBitmap = nullptr;
    {
        CScreenDC screen;
        CPaletteInDC selected(screen, PaletteHandle(&palette), FALSE);
        hBitmap = ::CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(bytes), CBM_INIT,
                                   bytes + layout.headerSize + layout.tableBytes,
                                   reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    }
    if (!hBitmap)
        return FALSE;
    const BOOL ok = BitmapToDIB(hBitmap, palette.GetSafeHandle() ? &palette : nullptr);
    ::DeleteObject(hBitmap);
    return ok;
}

CBitmap* COXDIB::MakeBitmap(CDC* pDC)
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid() || !pDC)
        return nullptr;
    CPaletteInDC selected(pDC->GetSafeHdc(), PaletteHandle(m_pPalette), FALSE);
    return WrapBitmap(::CreateDIBitmap(pDC->GetSafeHdc(), block.Info(), CBM_INIT, block.Bits(),
                                       reinterpret_cast<const BITMAPINFO*>(block.Bytes()), DIB_RGB_COLORS));
}

CBitmap* COXDIB::MakeBitmap(CDC* pDC, CSize& bmSize)
{
    bmSize = CSize(0, 0);
    COXDIBBlock block(m_hDIB);
    if (!block.HasAllBits() || block.layout.headerSize != sizeof(BITMAPINFOHEADER) || !pDC)
        return nullptr;
    HDC hDC = pDC->GetSafeHdc();
    const CSize size(block.layout.width, block.layout.height < 0 ? -block.layout.height : block.layout.height);
    const BOOL mono = block.layout.bitCount == 1;
    HBITMAP hTemporary = mono ? ::CreateBitmap(1, 1, 1, 1, nullptr)
                              : ::CreateBitmap(size.cx, size.cy, ::GetDeviceCaps(hDC, PLANES),
                                               ::GetDeviceCaps(hDC, BITSPIXEL), nullptr);
    if (!hTemporary)
        return nullptr;
    HGDIOBJ hOldBitmap = ::SelectObject(hDC, hTemporary);
    // A 1-bit image converts through black and white, whatever its table says.
    RGBQUAD saved[2] = {};
    if (mono) {
        saved[0] = block.Table()[0];
        saved[1] = block.Table()[1];
        block.Table()[0] = { 0, 0, 0, 0 };
        block.Table()[1] = { 255, 255, 255, 0 };
    }
    HBITMAP hBitmap = nullptr;
    {
        CPaletteInDC selected(hDC, PaletteHandle(m_pPalette), TRUE);
        hBitmap = ::CreateDIBitmap(hDC, block.Info(), CBM_INIT, block.Bits(),
                                   reinterpret_cast<const BITMAPINFO*>(block.Bytes()), DIB_RGB_COLORS);
    }
    if (mono) {
        block.Table()[0] = saved[0];
        block.Table()[1] = saved[1];
    }
    ::SelectObject(hDC, hOldBitmap);
    ::DeleteObject(hTemporary);
    if (hBitmap)
        bmSize = size;
    return WrapBitmap(hBitmap);
}

BOOL COXDIB::Draw(CDC* pDC, const CRect& rectDest, const CRect& rectSrc)
{
    COXDIBBlock block(m_hDIB);
    if (!block.IsValid() || !pDC)
        return FALSE;
    HDC hDC = pDC->GetSafeHdc();
    CPaletteInDC selected(hDC, PaletteHandle(m_pPalette), FALSE);
    ::SetStretchBltMode(hDC, COLORONCOLOR);
    const LONG rows = block.layout.height < 0 ? -block.layout.height : block.layout.height;
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(block.Bytes());
    // Rows of a bottom-up image are counted from its last line.
    const int ySrc = block.layout.height > 0 ? rows - rectSrc.bottom : rectSrc.top;
    if (rectDest.Size() == rectSrc.Size() && ::GetMapMode(hDC) == MM_TEXT) {
        return ::SetDIBitsToDevice(hDC, rectDest.left, rectDest.top, rectDest.Width(), rectDest.Height(),
                                   rectSrc.left, ySrc, 0, rows, block.Bits(), info, DIB_RGB_COLORS) != 0;
    }
    return ::StretchDIBits(hDC, rectDest.left, rectDest.top, rectDest.Width(), rectDest.Height(), rectSrc.left,
                           ySrc, rectSrc.Width(), rectSrc.Height(), block.Bits(), info, DIB_RGB_COLORS,
                           SRCCOPY) != 0;
}
