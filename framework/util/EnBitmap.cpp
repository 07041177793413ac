#include "framework/util/EnBitmap.h"

#include <commctrl.h>

namespace {
// Lightening steps of the gray (disabled) and lightened (normal) looks.
const float kGrayStep = 0.08f;
const float kLightenStep = 0.04f;
// HIMETRIC units per inch.
const int kHimetricPerInch = 2540;
}

CEnBitmap::CEnBitmap(COLORREF background) : CBitmap(), m_crBackground(background)
{
}

BOOL CEnBitmap::ProcessImage(C32BitImageProcessor* const* chain, int count)
{
    if (!m_hObject)
        return FALSE;
    if (count <= 0)
        return TRUE;
    HBITMAP result = ProcessBitmap(static_cast<HBITMAP>(m_hObject), chain, count, m_crBackground);
    if (!result)
        return FALSE;
    DeleteObject();
    CBitmap::Attach(result);
    return TRUE;
}

BOOL CEnBitmap::ProcessImage(C32BitImageProcessor* processor)
{
    return ProcessImage(&processor, 1);
}

BOOL CEnBitmap::GrayImage(COLORREF mask)
{
    CImageGrayer grayer;
    CImageHigh high(kGrayStep);
    grayer.SetMask(mask);
    high.SetMask(mask);
    C32BitImageProcessor* chain[] = { &grayer, &high, &high, &high };
    return ProcessImage(chain, 4);
}

BOOL CEnBitmap::GrayImage()
{
    CImageGrayer grayer;
    return ProcessImage(&grayer);
}

BOOL CEnBitmap::LightenImage(COLORREF mask)
{
    CImageHigh high(kLightenStep);
    high.SetMask(mask);
    C32BitImageProcessor* chain[] = { &high, &high };
    return ProcessImage(chain, 2);
}

BOOL CEnBitmap::Attach(IPicture* picture, COLORREF background)
{
    if (m_hObject || !picture)
        return FALSE;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    HDC screen = ::GetDC(nullptr);
    const int cx = static_cast<int>(width) * ::GetDeviceCaps(screen, LOGPIXELSX) / kHimetricPerInch;
    const int cy = static_cast<int>(height) * ::GetDeviceCaps(screen, LOGPIXELSY) / kHimetricPerInch;
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, cx, cy);
    BOOL ok = FALSE;
    if (dc && bitmap)
    {
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        if (background != CLR_NONE)
        {
            HBRUSH brush = ::CreateSolidBrush(background);
            RECT all = { 0, 0, cx, cy };
            ::FillRect(dc, &all, brush);
            ::DeleteObject(brush);
        }
        // Pictures are upside down in HIMETRIC: render from the top edge down.
        ok = SUCCEEDED(picture->Render(dc, 0, 0, cx, cy, 0, height, width, -height, nullptr));
        ::SelectObject(dc, old);
    }
    if (dc)
        ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    if (!ok)
    {
        if (bitmap)
            ::DeleteObject(bitmap);
        return FALSE;
    }
    return CBitmap::Attach(bitmap);
}
