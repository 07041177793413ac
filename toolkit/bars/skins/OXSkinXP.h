// "Office XP": flat painters whose colours are blended from the system
// colours at every call, and the colour arithmetic the flat painters share.
#pragma once

#include "toolkit/bars/skins/OXSkin.h"

class CBitmap;
class CDC;
class CWnd;

class COXSkinXP : public virtual COXSkin
{
public:
    COXSkinXP();

    virtual COLORREF GetHotItemColor();
    virtual COLORREF GetCheckedItemColor();
    virtual COLORREF GetPressedItemColor();
    virtual COLORREF GetHighlightBorderColor();
    virtual COLORREF GetMenuBackgroundColor();
    virtual COLORREF GetMenuBorderColor();
    virtual COLORREF GetToolbarBackgroundColor();
    virtual COLORREF GetBackgroundColor();
    virtual COLORREF GetTabTextColor();
    virtual COLORREF GetSeparatorColor();
    virtual COLORREF GetBorderColor();
    virtual COLORREF GetGripperColor();
    virtual COLORREF GetMiniFrameCaptionColor();
    virtual COLORREF GetCaptionTextColor();
    virtual COLORREF GetMiniFrameBorderColor();
    virtual COLORREF GetMiniFrameBackgroundColor();
    virtual COLORREF GetGrayTextColor();
    virtual COLORREF GetMenuSeparatorColor();
    // One caption button (nState: the DFCS_CAPTION* values) composed off
    // screen; hot and pressed follow the cursor relative to pWnd's window.
    virtual void DrawCaptionButton(CDC* pDC, LPRECT lpRect, UINT nState, BOOL bDisabled, BOOL bInvert,
                                   COLORREF clrBack, CWnd* pWnd);

    // Per channel trunc(c1*w1 + c2*w2 + c3*w3), kept within 0..255.
    static COLORREF MixColors(COLORREF c1, COLORREF c2, COLORREF c3, float w1, float w2, float w3);
    // Per channel c + delta, kept within 0..255.
    static COLORREF AddToColor(COLORREF c, int dRed, int dGreen, int dBlue);
    // Per channel trunc(c * f), kept within 0..255.
    static COLORREF ScaleColor(COLORREF c, float fRed, float fGreen, float fBlue);
    static COLORREF ShiftColor(COLORREF c, int nDelta);

    static COLORREF GetWindowColor();
    static COLORREF GetHighlightTextColor();
    static COLORREF GetDarkFaceColor();
    static COLORREF GetLightFaceColor();
    static COLORREF GetWarmFaceColor();

    // Copies the bitmap leaving every pixel of clrTransparent untouched.
    static void DrawTransparentBitmap(CBitmap* pBitmap, CDC* pDC, int x, int y, int cx, int cy,
                                      COLORREF clrTransparent);

};
