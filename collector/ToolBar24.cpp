#include "collector/ToolBar24.h"

IMPLEMENT_DYNAMIC(CToolBar24, CToolBar)

namespace {
const int kDefaultImageSize = 16;

// Loads the bitmap resource as a DIB section into the (empty) bitmap object.
BOOL LoadBitmapResource(CBitmap& bitmap, UINT bitmapId)
{
    bitmap.DeleteObject();
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(bitmapId), RT_BITMAP);
    HANDLE loaded = ::LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    return loaded && bitmap.Attach(loaded);
}
} // namespace

CToolBar24::CToolBar24() = default;

CToolBar24::~CToolBar24() = default;

BOOL CToolBar24::LoadToolBarImages(UINT bitmapId, COLORREF mask, int size)
{
    // Magenta pixels stay magenta through the processing, so the lists' mask
    // keeps them transparent in all three.
    if (!LoadBitmapResource(m_bmpToolbarHot, bitmapId) || !LoadBitmapResource(m_bmpToolbarDisabled, bitmapId) ||
        !LoadBitmapResource(m_bmpToolbarNormal, bitmapId))
        return FALSE;
    if (!m_bmpToolbarDisabled.GrayImage(CToolBarImageLists::kProcessingMask) ||
        !m_bmpToolbarNormal.LightenImage(CToolBarImageLists::kProcessingMask))
        return FALSE;
    if (!m_images.BuildFromImages(m_bmpToolbarHot, m_bmpToolbarDisabled, m_bmpToolbarNormal, mask, size))
        return FALSE;
    if (GetSafeHwnd())
        m_images.ApplyTo(m_hWnd);
    return TRUE;
}

BOOL CToolBar24::LoadToolBarImages(UINT bitmapId, COLORREF mask)
{
    return LoadToolBarImages(bitmapId, mask, kDefaultImageSize);
}
