#include "toolkit/bars/skins/OXSkinXP.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Wnd.h"
#include "toolkit/bars/skins/OXFrameSkin.h"
#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include <new>

namespace {
int Clamp(int value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}
}

COXSkinXP::COXSkinXP()
{
    m_strName = _T("Office XP");
    m_pStatusbarSkin = new (std::nothrow) COXStatusbarSkinXP(this);
    m_pFrameSkin = new (std::nothrow) COXFrameSkinXP(this);
}

COLORREF COXSkinXP::MixColors(COLORREF c1, COLORREF c2, COLORREF c3, float w1, float w2, float w3)
{
    auto channel = [&](BYTE (*part)(COLORREF)) {
        float sum = part(c1) * w1;
        sum += part(c2) * w2;
        sum += part(c3) * w3;
        return Clamp(static_cast<int>(sum));
    };
    auto red = [](COLORREF c) { return GetRValue(c); };
    auto green = [](COLORREF c) { return GetGValue(c); };
    auto blue = [](COLORREF c) { return GetBValue(c); };
    return RGB(channel(red), channel(green), channel(blue));
}

COLORREF COXSkinXP::AddToColor(COLORREF c, int dRed, int dGreen, int dBlue)
{
    return RGB(Clamp(GetRValue(c) + dRed), Clamp(GetGValue(c) + dGreen), Clamp(GetBValue(c) + dBlue));
}

COLORREF COXSkinXP::ScaleColor(COLORREF c, float fRed, float fGreen, float fBlue)
{
    return RGB(Clamp(static_cast<int>(GetRValue(c) * fRed)), Clamp(static_cast<int>(GetGValue(c) * fGreen)),
               Clamp(static_cast<int>(GetBValue(c) * fBlue)));
}

COLORREF COXSkinXP::ShiftColor(COLORREF c, int nDelta)
{
    return AddToColor(c, nDelta, nDelta, nDelta);
}

COLORREF COXSkinXP::GetWindowColor() { return Sys(COLOR_WINDOW); }
COLORREF COXSkinXP::GetHighlightTextColor() { return Sys(COLOR_HIGHLIGHTTEXT); }
COLORREF COXSkinXP::GetDarkFaceColor() { return ShiftColor(Sys(COLOR_BTNFACE), -8); }
COLORREF COXSkinXP::GetLightFaceColor() { return ScaleColor(Sys(COLOR_BTNFACE), 1.2f, 1.2f, 1.2f); }
COLORREF COXSkinXP::GetWarmFaceColor() { return AddToColor(Sys(COLOR_BTNFACE), 17, 12, 16); }

COLORREF COXSkinXP::GetHotItemColor()
{
    return MixColors(Sys(COLOR_WINDOW), Sys(COLOR_HIGHLIGHT), 0, 0.7f, 0.3f, 0);
}

COLORREF COXSkinXP::GetCheckedItemColor()
{
    return MixColors(Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW), Sys(COLOR_HIGHLIGHT), 0.42f, 0.48f, 0.1f);
}

COLORREF COXSkinXP::GetPressedItemColor()
{
    return MixColors(Sys(COLOR_WINDOW), Sys(COLOR_HIGHLIGHT), 0, 0.5f, 0.5f, 0);
}

COLORREF COXSkinXP::GetHighlightBorderColor() { return Sys(COLOR_HIGHLIGHT); }

COLORREF COXSkinXP::GetMenuBackgroundColor()
{
    return MixColors(Sys(COLOR_WINDOW), Sys(COLOR_BTNFACE), 0, 0.86f, 0.14f, 0);
}

COLORREF COXSkinXP::GetMenuBorderColor() { return Sys(COLOR_BTNSHADOW); }

COLORREF COXSkinXP::GetToolbarBackgroundColor()
{
    return MixColors(Sys(COLOR_WINDOW), Sys(COLOR_BTNFACE), 0, 0.16f, 0.84f, 0);
}

COLORREF COXSkinXP::GetBackgroundColor() { return Sys(COLOR_BTNFACE); }
COLORREF COXSkinXP::GetTabTextColor() { return AddToColor(Sys(COLOR_GRAYTEXT), -8, -12, -22); }
COLORREF COXSkinXP::GetSeparatorColor() { return ShiftColor(Sys(COLOR_BTNSHADOW), 38); }
COLORREF COXSkinXP::GetBorderColor() { return Sys(COLOR_BTNSHADOW); }
COLORREF COXSkinXP::GetGripperColor() { return ShiftColor(Sys(COLOR_BTNSHADOW), 32); }
COLORREF COXSkinXP::GetMiniFrameCaptionColor() { return Sys(COLOR_BTNSHADOW); }
COLORREF COXSkinXP::GetCaptionTextColor() { return Sys(COLOR_CAPTIONTEXT); }
COLORREF COXSkinXP::GetMiniFrameBorderColor() { return ShiftColor(Sys(COLOR_BTNSHADOW), -9); }
COLORREF COXSkinXP::GetMiniFrameBackgroundColor() { return GetToolbarBackgroundColor(); }
COLORREF COXSkinXP::GetGrayTextColor() { return Sys(COLOR_GRAYTEXT); }
COLORREF COXSkinXP::GetMenuSeparatorColor() { return GetSeparatorColor(); }

void COXSkinXP::DrawTransparentBitmap(CBitmap* pBitmap, CDC* pDC, int x, int y, int cx, int cy,
                                      COLORREF clrTransparent)
{
    HDC target = pDC->GetSafeHdc();
    HDC image = ::CreateCompatibleDC(target);
    HDC mask = ::CreateCompatibleDC(target);
    HBITMAP maskBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HGDIOBJ oldImage = ::SelectObject(image, pBitmap->GetSafeHandle());
    HGDIOBJ oldMask = ::SelectObject(mask, maskBitmap);
    // Mask: 1 where the image shows the transparent colour.
    COLORREF oldBack = ::SetBkColor(image, clrTransparent);
    ::BitBlt(mask, 0, 0, cx, cy, image, 0, 0, SRCCOPY);
    ::SetBkColor(image, oldBack);
    // The blits against a mask map 1 to the background and 0 to the text colour.
    COLORREF oldTargetBack = ::SetBkColor(target, RGB(255, 255, 255));
    COLORREF oldTargetText = ::SetTextColor(target, RGB(0, 0, 0));
    ::BitBlt(target, x, y, cx, cy, image, 0, 0, SRCINVERT);
    ::BitBlt(target, x, y, cx, cy, mask, 0, 0, SRCAND);
    ::BitBlt(target, x, y, cx, cy, image, 0, 0, SRCINVERT);
    ::SetBkColor(target, oldTargetBack);
    ::SetTextColor(target, oldTargetText);
    ::SelectObject(mask, oldMask);
    ::SelectObject(image, oldImage);
    ::DeleteObject(maskBitmap);
    ::DeleteDC(mask);
    ::DeleteDC(image);
}
