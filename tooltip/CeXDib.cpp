#include "tooltip/CeXDib.h"

#include <string.h>
#include <new>

namespace {

// The block is one allocation of header, colour table and pixels; sizes
// beyond this would overflow the header's 32-bit fields.
const unsigned long long kMaxDibBytes = 0x7FFFFFFFull;

WORD ColorsForBitCount(WORD bitCount)
{
    switch (bitCount)
    {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

}  // namespace

CCeXDib::CCeXDib()
    : m_pDib(nullptr), m_bi(), m_dwEffWidth(0), m_wNumColors(0),
      m_hSection(nullptr), m_hMemDC(nullptr), m_pSectionBits(nullptr)
{
    Free();
}

CCeXDib::~CCeXDib()
{
    Free();
}

int CCeXDib::Free()
{
    if (m_hMemDC)
        DeleteDC(m_hMemDC);
    if (m_hSection)
        DeleteObject(m_hSection);
    delete[] m_pDib;
    m_hMemDC = nullptr;
    m_hSection = nullptr;
    m_pDib = nullptr;
    m_pSectionBits = nullptr;
    memset(&m_bi, 0, sizeof m_bi);
    m_dwEffWidth = 0;
    m_wNumColors = 0;
    return 0;
}

LPBYTE CCeXDib::Create(DWORD width, DWORD height, WORD bitCount)
{
    Free();
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return nullptr;

    const WORD colors = ColorsForBitCount(bitCount);
    const unsigned long long stride = ((static_cast<unsigned long long>(bitCount) * width + 31) / 32) * 4;
    const unsigned long long image = stride * height;
    const unsigned long long total = sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD) + image;
    if (total > kMaxDibBytes)
        return nullptr;

    m_pDib = new (std::nothrow) BYTE[static_cast<size_t>(total)];
    if (!m_pDib)
        return nullptr;

    m_wNumColors = colors;
    m_dwEffWidth = static_cast<DWORD>(stride);
    m_bi.biSize = sizeof(BITMAPINFOHEADER);
    m_bi.biWidth = static_cast<LONG>(width);
    m_bi.biHeight = static_cast<LONG>(height);
    m_bi.biPlanes = 1;
    m_bi.biBitCount = bitCount;
    m_bi.biCompression = BI_RGB;
    m_bi.biSizeImage = static_cast<DWORD>(image);
    memcpy(m_pDib, &m_bi, sizeof m_bi);
    return m_pDib;
}

LPBYTE CCeXDib::Clone(const CCeXDib* source)
{
    if (!source || !source->m_pDib)
    {
        Free();
        return nullptr;
    }
    if (!Create(source->GetWidth(), source->GetHeight(), source->GetBitCount()))
        return nullptr;
    memcpy(m_pDib, source->m_pDib, GetSize());
    return m_pDib;
}

RGBQUAD* CCeXDib::Palette() const
{
    return m_pDib ? reinterpret_cast<RGBQUAD*>(m_pDib + m_bi.biSize) : nullptr;
}

LPBYTE CCeXDib::GetBits() const
{
    return m_pDib ? m_pDib + m_bi.biSize + GetPaletteSize() : nullptr;
}

DWORD CCeXDib::GetSize() const
{
    return m_bi.biSizeImage + GetPaletteSize() + m_bi.biSize;
}

void CCeXDib::Draw(HDC hDC, DWORD x, DWORD y)
{
    if (!m_pDib)
        return;
    if (!m_hSection)
    {
        m_hSection = CreateDIBSection(hDC, reinterpret_cast<BITMAPINFO*>(m_pDib), DIB_RGB_COLORS,
                                      &m_pSectionBits, nullptr, 0);
        if (!m_hSection)
            return;
        if (!m_pSectionBits)
        {
            DeleteObject(m_hSection);
            m_hSection = nullptr;
            return;
        }
    }
    memcpy(m_pSectionBits, GetBits(), m_bi.biSizeImage);
    if (!m_hMemDC)
    {
        m_hMemDC = CreateCompatibleDC(hDC);
        if (!m_hMemDC)
            return;
    }
    HGDIOBJ old = SelectObject(m_hMemDC, m_hSection);
    BitBlt(hDC, static_cast<int>(x), static_cast<int>(y), m_bi.biWidth, m_bi.biHeight,
           m_hMemDC, 0, 0, SRCCOPY);
    SelectObject(m_hMemDC, old);
}

void CCeXDib::SetPixelIndex(long x, long y, BYTE index)
{
    if (!m_pDib || m_wNumColors == 0 || x < 0 || y < 0 || x >= m_bi.biWidth || y >= m_bi.biHeight)
        return;
    LPBYTE row = GetBits() + static_cast<size_t>(m_bi.biHeight - 1 - y) * m_dwEffWidth;
    // Pixels narrower than a byte share it with their neighbours: write only
    // this pixel's bits, leftmost pixel in the high bits as BMP stores them.
    switch (m_bi.biBitCount)
    {
    case 8:
        row[x] = index;
        break;
    case 4:
    {
        const int shift = (x & 1) ? 0 : 4;
        BYTE& b = row[x >> 1];
        b = static_cast<BYTE>((b & ~(0x0F << shift)) | ((index & 0x0F) << shift));
        break;
    }
    case 1:
    {
        const int shift = 7 - (x & 7);
        BYTE& b = row[x >> 3];
        b = static_cast<BYTE>((b & ~(1 << shift)) | ((index & 1) << shift));
        break;
    }
    default:
        break;
    }
}

BYTE CCeXDib::GetPixelIndex(long x, long y) const
{
    if (!m_pDib || m_wNumColors == 0 || x < 0 || y < 0 || x >= m_bi.biWidth || y >= m_bi.biHeight)
        return 0;
    const BYTE* row = GetBits() + static_cast<size_t>(m_bi.biHeight - 1 - y) * m_dwEffWidth;
    switch (m_bi.biBitCount)
    {
    case 8: return row[x];
    case 4: return static_cast<BYTE>((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 1: return static_cast<BYTE>((row[x >> 3] >> (7 - (x & 7))) & 1);
    default: return 0;
    }
}

void CCeXDib::SetPaletteIndex(BYTE index, BYTE red, BYTE green, BYTE blue)
{
    if (!m_pDib || m_wNumColors == 0 || index >= m_wNumColors)
        return;
    RGBQUAD& q = Palette()[index];
    q.rgbBlue = blue;
    q.rgbGreen = green;
    q.rgbRed = red;
    q.rgbReserved = 0;
}

RGBQUAD CCeXDib::GetPaletteIndex(BYTE index) const
{
    RGBQUAD q = {0, 0, 0, 0};
    if (m_pDib && index < m_wNumColors)
        q = Palette()[index];
    return q;
}

void CCeXDib::BlendPalette(COLORREF color, DWORD percent)
{
    if (!m_pDib || m_wNumColors == 0)
        return;
    if (percent > 100)
        percent = 100;
    const DWORD keep = 100 - percent;
    RGBQUAD* pal = Palette();
    for (WORD i = 0; i < m_wNumColors; ++i)
    {
        pal[i].rgbBlue = static_cast<BYTE>((pal[i].rgbBlue * keep + GetBValue(color) * percent) / 100);
        pal[i].rgbGreen = static_cast<BYTE>((pal[i].rgbGreen * keep + GetGValue(color) * percent) / 100);
        pal[i].rgbRed = static_cast<BYTE>((pal[i].rgbRed * keep + GetRValue(color) * percent) / 100);
    }
}

void CCeXDib::Clear(BYTE value)
{
    if (m_pDib)
        memset(GetBits(), value, m_bi.biSizeImage);
}

void CCeXDib::SetGrayPalette()
{
    if (!m_pDib || m_wNumColors == 0)
        return;
    RGBQUAD* pal = Palette();
    for (WORD i = 0; i < m_wNumColors; ++i)
        pal[i] = RGBtoRGBQuad(RGB(i, i, i));
    pal[0] = RGBtoRGBQuad(RGB(0, 0, 0));
    pal[m_wNumColors - 1] = RGBtoRGBQuad(RGB(255, 255, 255));
}

RGBQUAD CCeXDib::RGBtoRGBQuad(COLORREF color)
{
    RGBQUAD q;
    q.rgbBlue = GetBValue(color);
    q.rgbGreen = GetGValue(color);
    q.rgbRed = GetRValue(color);
    q.rgbReserved = 0;
    return q;
}

BOOL CCeXDib::WriteBMP(LPCSTR fileName)
{
    if (!fileName || !*fileName || !m_pDib)
        return FALSE;
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;

    BITMAPFILEHEADER header;
    header.bfType = 0x4D42;   // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + m_bi.biSize + GetPaletteSize();
    header.bfSize = header.bfOffBits + m_bi.biSizeImage;
    header.bfReserved1 = 0;
    header.bfReserved2 = 0;

    // A short or failed write leaves a truncated picture on disk: the caller
    // must hear about it rather than be told the file was saved.
    DWORD written = 0;
    BOOL ok = WriteFile(file, &header, sizeof header, &written, nullptr) && written == sizeof header;
    if (ok)
    {
        written = 0;
        ok = WriteFile(file, m_pDib, GetSize(), &written, nullptr) && written == GetSize();
    }
    if (!CloseHandle(file))
        ok = FALSE;
    return ok;
}
