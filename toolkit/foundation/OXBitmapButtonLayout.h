// The window-free rules of the bitmap button: where its image and text lie
// inside the content rectangle, the size that fits both, the shape of a
// compact multi-line text block, the grey levels of the inactive image and
// the text without mnemonic marks. The button measures, these place.
#pragma once

#include "afx/Afx.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <functional>

// Margins around the image (each side) and around the text (horizontal
// and vertical totals) that the layout and the fit size add.
const int BitmapButtonImageMargin = 5;
const int BitmapButtonTextMarginX = 7;
const int BitmapButtonTextMarginY = 6;

// Image and text side by side: vertical alignment BS_VCENTER or none, and
// both parts present.
BOOL BitmapButtonSideBySide(DWORD style, CSize image, CSize text);

// The image and text rectangles in a content of the given size (origin 0, 0)
// for the button's window style (BS_LEFT/RIGHT/CENTER, BS_TOP/BOTTOM/VCENTER);
// a part of no size gets an empty rectangle. No pressed or hover offsets.
void CalcBitmapButtonLayout(CSize content, CSize image, CSize text, DWORD style, CRect& imageRect, CRect& textRect);

// The button size that shows image and text whole, without the drop-down part.
CSize CalcBitmapButtonFitSize(CSize image, CSize text, DWORD style);

// A compact block for a text: measure(width) gives the text's rectangle
// within that width (0: one line). Narrowed while it is at least 2.6 times as
// wide as high, widened while at least as high as wide.
CSize CompactTextBlock(const std::function<CSize(int)>& measure);

// The grey level of the inactive image for a colour: 0, 128, 192 or 255 by
// the luminance (77 red + 153 green + 25 blue) / 255 against 64, 160 and 224.
BYTE BitmapButtonGrayLevel(BYTE red, BYTE green, BYTE blue);

// The text without its mnemonic marks: "&" is dropped, "&&" gives "&".
CString StripButtonMnemonics(LPCTSTR lpszText);
