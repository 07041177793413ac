#include "toolkit/foundation/OXBitmapButtonLayout.h"

#include <algorithm>

namespace {
const int M = BitmapButtonImageMargin;
const int TX = BitmapButtonTextMarginX;
const int TY = BitmapButtonTextMarginY;

BOOL HasSize(CSize size)
{
    return size.cx > 0 && size.cy > 0;
}

CRect PartRect(int x, int y, int cx, int cy)
{
    if (cx <= 0 || cy <= 0)
        return CRect();
    return CRect(x, y, x + cx, y + cy);
}
} // namespace

BOOL BitmapButtonSideBySide(DWORD style, CSize image, CSize text)
{
    DWORD vertical = style & BS_VCENTER;
    return (vertical == BS_VCENTER || vertical == 0) && HasSize(image) && HasSize(text);
}

void CalcBitmapButtonLayout(CSize content, CSize image, CSize text, DWORD style, CRect& imageRect, CRect& textRect)
{
    const int W = content.cx;
    const int H = content.cy;
    const DWORD horizontal = style & BS_CENTER;
    const DWORD vertical = style & BS_VCENTER;
    const BOOL hasImage = HasSize(image);
    const BOOL hasText = HasSize(text);
    imageRect.SetRectEmpty();
    textRect.SetRectEmpty();

    if (BitmapButtonSideBySide(style, image, text)) {
        int textBlockW = std::min(static_cast<int>(text.cx) + TX, W);
        int textBlockH = std::min(static_cast<int>(text.cy) + 2 * TY, H);
        int textW = textBlockW - TX;
        int textH = textBlockH - 2 * TY;
        int imageBlockW = std::min(static_cast<int>(image.cx) + 2 * M, W - textBlockW);
        int imageBlockH = std::min(static_cast<int>(image.cy) + 2 * M, H);
        int imageW = imageBlockW - 2 * M;
        int imageH = imageBlockH - 2 * M;
        if (imageW <= 0)
            textW = textBlockW - 2 * TX;
        int imageX = M;
        int textX = imageBlockW;
        if (horizontal == BS_RIGHT) {
            textX = TX;
            imageX = textBlockW + M;
        }
        imageRect = PartRect(imageX, (H - imageBlockH) / 2 + M, imageW, imageH);
        textRect = PartRect(textX, (H - textBlockH) / 2 + TY, textW, textH);
        return;
    }

    int textBlockW = hasText ? std::min(static_cast<int>(text.cx) + 2 * TX, W) : 0;
    int textBlockH = hasText ? std::min(static_cast<int>(text.cy) + (hasImage ? TY : 2 * TY), H) : 0;
    int textW = textBlockW - 2 * TX;
    int textH = textBlockH - (hasImage ? TY : 2 * TY);
    int imageBlockW = hasImage ? std::min(static_cast<int>(image.cx) + 2 * M, W) : 0;
    int imageBlockH = hasImage ? std::min(static_cast<int>(image.cy) + 2 * M, H - textBlockH) : 0;
    int imageW = imageBlockW - 2 * M;
    int imageH = imageBlockH - 2 * M;

    int imageX, textX;
    if (horizontal == BS_LEFT) {
        imageX = M;
        textX = TX;
    } else if (horizontal == BS_RIGHT) {
        imageX = W - imageW - M;
        textX = W - textW - TX;
    } else {
        imageX = (W - imageBlockW) / 2 + M;
        textX = (W - textBlockW) / 2 + TX;
    }
    int imageY, textY;
    if (vertical == BS_TOP) {
        imageY = M;
        textY = imageBlockH;
    } else if (vertical == BS_BOTTOM) {
        textY = hasImage ? TY : H - textH - TY;
        imageY = H - imageH - M;
    } else {
        imageY = (H - imageBlockH - textBlockH) / 2 + M;
        textY = hasImage ? (H - imageBlockH - textBlockH) / 2 + imageBlockH : (H - textBlockH) / 2 + TY;
    }
    if (hasImage)
        imageRect = PartRect(imageX, imageY, imageW, imageH);
    if (hasText)
        textRect = PartRect(textX, textY, textW, textH);
}

CSize CalcBitmapButtonFitSize(CSize image, CSize text, DWORD style)
{
    const BOOL hasImage = HasSize(image);
    const BOOL hasText = HasSize(text);
    if (BitmapButtonSideBySide(style, image, text))
        return CSize(image.cx + 2 * M + text.cx + TX, std::max(image.cy + 2 * M, text.cy + 2 * TY));
    if (hasImage && hasText)
        return CSize(std::max(image.cx + 2 * M, text.cx + 2 * TX), image.cy + 2 * M + text.cy + TY);
    if (hasText)
        return CSize(text.cx + 2 * TX, text.cy + 2 * TY);
    if (hasImage)
        return CSize(image.cx + 2 * M, image.cy + 2 * M);
    return CSize(0, 0);
}

CSize CompactTextBlock(const std::function<CSize(int)>& measure)
{
    CSize block = measure(0);
    // Each step either narrows or widens; a rectangle that no longer changes
    // ends the search, as does a bound on the steps for texts that oscillate.
    for (int step = 0; step < 32 && block.cx > 0 && block.cy > 0; ++step) {
        int width = block.cx;
        if (width * 10 >= block.cy * 26)
            width -= width / 3;
        else if (block.cy >= block.cx)
            width += std::max(1, static_cast<int>(block.cx) / 4);
        else
            break;
        CSize next = measure(width);
        if (next == block)
            break;
        block = next;
    }
    return block;
}

BYTE BitmapButtonGrayLevel(BYTE red, BYTE green, BYTE blue)
{
    int luminance = (77 * red + 153 * green + 25 * blue) / 255;
    if (luminance < 64)
        return 0;
    if (luminance < 160)
        return 128;
    if (luminance < 224)
        return 192;
    return 255;
}

CString StripButtonMnemonics(LPCTSTR lpszText)
{
    CString result;
    if (!lpszText)
        return result;
    for (const char* p = lpszText; *p; ++p) {
        if (*p == '&') {
            if (p[1] == '&')
                result += *++p;
            continue;
        }
        result += *p;
    }
    return result;
}
