#include "collector/ToolBar24.h"

IMPLEMENT_DYNAMIC(CToolBar24, CToolBar)

CToolBar24::CToolBar24() = default;

CToolBar24::~CToolBar24() = default;

BOOL CToolBar24::LoadToolBarImages(UINT bitmapId, COLORREF mask, int size)
{
    if (!m_images.LoadToolBarImages(bitmapId, mask, size))
        return FALSE;
    if (GetSafeHwnd())
        m_images.ApplyTo(m_hWnd);
    return TRUE;
}
