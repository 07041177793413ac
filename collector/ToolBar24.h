// CToolBar24: a toolbar whose buttons are drawn from one true-colour bitmap,
// with separate normal, hot and disabled image lists made from it. The main
// frame's Export/Copy bar is one.
#pragma once

#include "afx/GdiObject.h"
#include "afx/ToolBar.h"
#include "framework/util/EnBitmap.h"
#include "framework/util/ToolBarImages.h"

class CToolBar24 : public CToolBar
{
    DECLARE_DYNAMIC(CToolBar24)
public:
    CToolBar24();
    ~CToolBar24() override;

    // Builds the three lists from the bitmap resource (mask colour kept
    // transparent, images size x size) and gives them to the bar.
    BOOL LoadToolBarImages(UINT bitmapId, COLORREF mask, int size);
    // The same with 16 x 16 images.
    BOOL LoadToolBarImages(UINT bitmapId, COLORREF mask);

    const CToolBarImageLists& GetImageLists() const { return m_images; }

private:
    CToolBarImageLists m_images;
    // The bitmap as loaded (hot images) and its grayed (disabled) and
    // lightened (normal) copies, kept with the lists made from them.
    CBitmap m_bmpToolbarHot;
    CEnBitmap m_bmpToolbarDisabled;
    CEnBitmap m_bmpToolbarNormal;
};
