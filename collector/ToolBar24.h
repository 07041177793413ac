// CToolBar24: a toolbar whose buttons are drawn from one true-colour bitmap,
// with separate normal, hot and disabled image lists made from it. The main
// frame's Export/Copy bar is one.
#pragma once

#include "afx/ToolBar.h"
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

    const CToolBarImageLists& GetImageLists() const { return m_images; }

private:
    CToolBarImageLists m_images;
};
