#include "toolkit/foundation/OXSplashWndDIB.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXDIB.h"

#include <cstring>

COXSplashWndDIB::COXSplashWndDIB()
    : m_header(), m_nStride(0)
{
}

void COXSplashWndDIB::Clear()
{
    m_bitmap.DeleteObject();
    m_palette.DeleteObject();
    m_screenPalette.DeleteObject();
    m_header = BITMAPINFOHEADER();
    m_bits.RemoveAll();
    m_nStride = 0;
}

BOOL COXSplashWndDIB::LoadResource(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_BITMAP);
    HGLOBAL hLoaded = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    const BYTE* bytes = hLoaded ? static_cast<const BYTE*>(::LockResource(hLoaded)) : nullptr;
    if (!bytes) {
        Clear();
        return FALSE;
    }
    return LoadPackedDIB(bytes, ::SizeofResource(hInst, hResource));
}

BOOL COXSplashWndDIB::LoadFile(LPCTSTR lpszPath)
{
    COXDIB dib;
    if (!dib.ReadFromFile(lpszPath)) {
        Clear();
        return FALSE;
    }
    HGLOBAL hDIB = dib.CopyHandle();
    const BYTE* bytes = hDIB ? static_cast<const BYTE*>(::GlobalLock(hDIB)) : nullptr;
    const BOOL ok = bytes && LoadPackedDIB(bytes, ::GlobalSize(hDIB));
    if (bytes)
        ::GlobalUnlock(hDIB);
    if (hDIB)
        ::GlobalFree(hDIB);
    if (!bytes)
        Clear();
    return ok;
}

BOOL COXSplashWndDIB::LoadPackedDIB(const BYTE* pBytes, SIZE_T nSize)
{
    Clear();
    OXDIBLayout layout;
    if (!layout.Parse(pBytes, nSize) || layout.headerSize != sizeof(BITMAPINFOHEADER) ||
        layout.compression != BI_RGB || layout.width <= 0 || layout.height == 0 ||
        static_cast<ULONGLONG>(layout.headerSize) + layout.tableBytes + layout.imageSize > nSize)
        return FALSE;
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(pBytes);
    if (layout.colors != 0 && !m_palette.Attach(COXDIB::CreateDIBPalette(info)))
        return FALSE;
    const BYTE* bits = pBytes + layout.headerSize + layout.tableBytes;
    HDC hScreen = ::GetDC(nullptr);
    HPALETTE hOld = nullptr;
    if (::GetDeviceCaps(hScreen, SIZEPALETTE) == 256 && m_screenPalette.Attach(::CreateHalftonePalette(hScreen))) {
        hOld = ::SelectPalette(hScreen, static_cast<HPALETTE>(m_screenPalette.GetSafeHandle()), FALSE);
        ::RealizePalette(hScreen);
    }
    HBITMAP hBitmap = ::CreateDIBitmap(hScreen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
    if (hOld)
        ::SelectPalette(hScreen, hOld, TRUE);
    ::ReleaseDC(nullptr, hScreen);
    if (!hBitmap) {
        Clear();
        return FALSE;
    }
    m_bitmap.Attach(hBitmap);
    m_header = info->bmiHeader;
    m_nStride = layout.stride;
    m_bits.SetSize(layout.imageSize);
    std::memcpy(m_bits.GetData(), bits, layout.imageSize);
    return TRUE;
}

CSize COXSplashWndDIB::GetSize() const
{
    if (!IsLoaded())
        return CSize(0, 0);
    return CSize(m_header.biWidth, m_header.biHeight < 0 ? -m_header.biHeight : m_header.biHeight);
}

COLORREF COXSplashWndDIB::GetPixel(int x, int y) const
{
    const CSize size = GetSize();
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return CLR_INVALID;
    // Rows are stored bottom-up unless the height is negative.
    const int row = m_header.biHeight < 0 ? y : size.cy - 1 - y;
    const BYTE* line = m_bits.GetData() + static_cast<SIZE_T>(row) * m_nStride;
    UINT index = 0;
    switch (m_header.biBitCount) {
    case 32:
    case 24: {
        const BYTE* p = line + x * (m_header.biBitCount / 8);
        return RGB(p[2], p[1], p[0]);
    }
    case 16: {
        const WORD value = static_cast<WORD>(line[x * 2] | (line[x * 2 + 1] << 8));
        return RGB(((value >> 10) & 0x1F) * 255 / 31, ((value >> 5) & 0x1F) * 255 / 31, (value & 0x1F) * 255 / 31);
    }
    case 8:
        index = line[x];
        break;
    case 4:
        index = (line[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
        break;
    default:
        index = (line[x / 8] >> (7 - (x & 7))) & 1;
        break;
    }
    PALETTEENTRY entry;
    if (!m_palette.GetSafeHandle() || m_palette.GetPaletteEntries(index, 1, &entry) != 1)
        return CLR_INVALID;
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

BOOL COXSplashWndDIB::Draw(CDC* pDC, CPoint point)
{
    if (!IsLoaded())
        return FALSE;
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return FALSE;
    CPalette* pPalette = m_screenPalette.GetSafeHandle() ? &m_screenPalette : (m_palette.GetSafeHandle() ? &m_palette : nullptr);
    CPalette* pOldPalette = nullptr;
    if (pPalette) {
        pOldPalette = pDC->SelectPalette(pPalette, FALSE);
        pDC->RealizePalette();
    }
    CBitmap* pOld = memory.SelectObject(&m_bitmap);
    const CSize size = GetSize();
    const BOOL ok = pDC->BitBlt(point.x, point.y, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
    if (pOldPalette)
        pDC->SelectPalette(pOldPalette, TRUE);
    return ok;
}
