// CEnBitmap: a bitmap that runs a chain of pixel processors over its own
// pixels and replaces itself with the result; the toolbar's disabled and
// normal images are made with it.
#pragma once

#include "afx/GdiObject.h"
#include "framework/util/ImageProcessor.h"

#include <ocidl.h>

class CEnBitmap : public CBitmap
{
public:
    // The background fills new pixel buffers before a processor writes them.
    explicit CEnBitmap(COLORREF background = RGB(255, 255, 255));

    BOOL ProcessImage(C32BitImageProcessor* const* chain, int count);
    BOOL ProcessImage(C32BitImageProcessor* processor);
    // Gray, then lighten three times by 0.08; mask pixels stay as they are.
    BOOL GrayImage(COLORREF mask);
    // Gray without a mask.
    BOOL GrayImage();
    // Lighten twice by 0.04; mask pixels stay as they are.
    BOOL LightenImage(COLORREF mask);
    // Renders the picture into a new bitmap of its size, filled first with the
    // background unless it is CLR_NONE. FALSE when a bitmap is held already.
    BOOL Attach(IPicture* picture, COLORREF background);
    using CBitmap::Attach;

private:
    COLORREF m_crBackground;
};
