// "Office 2003": the XP look with a fixed palette and the visual style's
// colours while a visual style is active, and gradient fills.
#pragma once

#include "toolkit/bars/skins/OXSkinXP.h"
#include "toolkit/bars/skins/OXUxTheme.h"

class COXSkin2003 : public COXSkinXP
{
public:
    // The library names can be replaced, so that the unthemed colours and the
    // line-by-line gradients can be reached where both libraries exist.
    explicit COXSkin2003(LPCTSTR lpszThemeLibrary = _T("UxTheme.dll"),
                         LPCTSTR lpszGradientLibrary = _T("Msimg32.dll"));
    ~COXSkin2003() override;

    COLORREF GetHotItemColor() override;
    COLORREF GetCheckedItemColor() override;
    COLORREF GetPressedItemColor() override;
    COLORREF GetHighlightBorderColor() override;
    COLORREF GetMenuBackgroundColor() override;
    COLORREF GetMenuBorderColor() override;
    COLORREF GetBackgroundColor() override;
    COLORREF GetTabTextColor() override;
    COLORREF GetSeparatorColor() override;
    COLORREF GetBorderColor() override;
    COLORREF GetGripperColor() override;
    COLORREF GetMiniFrameCaptionColor() override;
    COLORREF GetMiniFrameBorderColor() override;
    COLORREF GetMiniFrameBackgroundColor() override;
    COLORREF GetGrayTextColor() override;
    COLORREF GetMenuSeparatorColor() override;

    COLORREF GetToolbarGradientLight();
    COLORREF GetToolbarGradientDark();
    COLORREF GetMenuGradientDark();
    COLORREF GetMenuGradientLight();
    COLORREF GetMenuGradientMedium();
    COLORREF GetDockbarGradientDark();
    COLORREF GetDockbarGradientMedium();
    COLORREF GetDockbarGradientLight();
    COLORREF GetTabGradientLight();
    COLORREF GetCaptionHighlightColor();
    COLORREF GetStatusbarTopColor();
    COLORREF GetStatusbarFaceColor();
    COLORREF GetStatusbarBottomColor();
    COLORREF GetSeparatorHighlightColor();

    // TRUE while a visual style is active; then ThemeColor reads its colours.
    BOOL IsThemed();
    BOOL HasGradientFill() const { return m_pfnGradientFill != nullptr; }

    BOOL FillGradient(CDC* pDC, LPCRECT lpRect, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical);
    static BOOL FillGradientLines(CDC* pDC, LPCRECT lpRect, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical);
    BOOL FillGradient4(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrTopRight,
                       COLORREF clrBottomLeft, COLORREF clrBottomRight);
    static BOOL FillGradient4Lines(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrTopRight,
                                   COLORREF clrBottomLeft, COLORREF clrBottomRight);
    void DrawStripes(CDC* pDC, LPCRECT lpRect, BOOL bHorizontal);

    using GradientFillProc = BOOL(WINAPI*)(HDC, TRIVERTEX*, ULONG, void*, ULONG, ULONG);

    HMODULE m_hMsimg32;
    GradientFillProc m_pfnGradientFill;
    COXUxTheme m_UxTheme;

protected:
    // The visual style's system colour, or -1 (CLR_INVALID) when no style is active.
    COLORREF ThemeColor(int nIndex);
    // Mix(WINDOW wWindow, T(HIGHLIGHT) wHighlight).
    COLORREF WindowThemeHighlight(float wWindow, float wHighlight, COLORREF clrThemeHighlight);
};
