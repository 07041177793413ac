#include "toolkit/bars/skins/OXSkin2003.h"

#include "toolkit/bars/skins/OXFrameSkin.h"
#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include <new>

namespace {
COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

COLORREF Mix(COLORREF c1, float w1, COLORREF c2, float w2)
{
    return COXSkinXP::MixColors(c1, c2, 0, w1, w2, 0);
}

COLORREF Times(COLORREF c, float f)
{
    return COXSkinXP::MixColors(c, 0, 0, f, 1 - f, 0);
}
}

COXSkin2003::COXSkin2003(LPCTSTR lpszThemeLibrary, LPCTSTR lpszGradientLibrary)
    : m_hMsimg32(nullptr), m_pfnGradientFill(nullptr), m_UxTheme(lpszThemeLibrary)
{
    m_strName = _T("Office 2003");
    // The XP part made its own painters; this look has its own.
    SetStatusbarSkin(new (std::nothrow) COXStatusbarSkin2003(this));
    SetFrameSkin(new (std::nothrow) COXFrameSkin2003(this));
    m_hMsimg32 = ::LoadLibrary(lpszGradientLibrary);
    if (m_hMsimg32 != nullptr)
        m_pfnGradientFill = reinterpret_cast<GradientFillProc>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hMsimg32, "GradientFill")));
}

COXSkin2003::~COXSkin2003()
{
    if (m_hMsimg32 != nullptr)
        ::FreeLibrary(m_hMsimg32);
}

COLORREF COXSkin2003::ThemeColor(int nIndex)
{
    if (!m_UxTheme.IsLoaded())
        return CLR_INVALID;
    HTHEME theme = m_UxTheme.OpenThemeData(nullptr, "button");
    if (theme == nullptr)
        return CLR_INVALID;
    COLORREF color = m_UxTheme.GetThemeSysColor(theme, nIndex);
    m_UxTheme.CloseThemeData(theme);
    return color;
}

BOOL COXSkin2003::IsThemed()
{
    return ThemeColor(COLOR_HIGHLIGHT) != CLR_INVALID;
}

COLORREF COXSkin2003::WindowThemeHighlight(float wWindow, float wHighlight, COLORREF clrThemeHighlight)
{
    return Mix(Sys(COLOR_WINDOW), wWindow, clrThemeHighlight, wHighlight);
}

COLORREF COXSkin2003::GetHotItemColor()
{
    return IsThemed() ? RGB(255, 238, 194) : COXSkinXP::GetHotItemColor();
}

COLORREF COXSkin2003::GetCheckedItemColor()
{
    return IsThemed() ? RGB(255, 192, 111) : COXSkinXP::GetCheckedItemColor();
}

COLORREF COXSkin2003::GetPressedItemColor()
{
    return IsThemed() ? RGB(254, 128, 62) : COXSkinXP::GetPressedItemColor();
}

COLORREF COXSkin2003::GetHighlightBorderColor()
{
    COLORREF caption = ThemeColor(COLOR_ACTIVECAPTION);
    return caption != CLR_INVALID ? AddToColor(caption, 0, -84, -99) : Sys(COLOR_HIGHLIGHT);
}

COLORREF COXSkin2003::GetMenuBackgroundColor()
{
    return IsThemed() ? RGB(246, 246, 246) : COXSkinXP::GetMenuBackgroundColor();
}

COLORREF COXSkin2003::GetMenuBorderColor()
{
    COLORREF caption = ThemeColor(COLOR_ACTIVECAPTION);
    return caption != CLR_INVALID ? Times(caption, 0.55f) : Sys(COLOR_BTNSHADOW);
}

COLORREF COXSkin2003::GetBackgroundColor()
{
    return IsThemed() ? GetDockbarGradientLight() : Sys(COLOR_BTNFACE);
}

COLORREF COXSkin2003::GetTabTextColor()
{
    return Sys(COLOR_BTNTEXT);
}

COLORREF COXSkin2003::GetSeparatorColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? WindowThemeHighlight(0.2f, 0.8f, highlight) : COXSkinXP::GetSeparatorColor();
}

COLORREF COXSkin2003::GetBorderColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? Times(highlight, 0.5f) : ShiftColor(Sys(COLOR_BTNSHADOW), 38);
}

COLORREF COXSkin2003::GetGripperColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? Times(highlight, 0.7f) : COXSkinXP::GetGripperColor();
}

COLORREF COXSkin2003::GetMiniFrameCaptionColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? highlight : Sys(COLOR_BTNSHADOW);
}

COLORREF COXSkin2003::GetMiniFrameBorderColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? highlight : COXSkinXP::GetMiniFrameBorderColor();
}

COLORREF COXSkin2003::GetMiniFrameBackgroundColor()
{
    return GetBackgroundColor();
}

COLORREF COXSkin2003::GetGrayTextColor()
{
    return IsThemed() ? RGB(141, 141, 141) : Sys(COLOR_GRAYTEXT);
}

COLORREF COXSkin2003::GetMenuSeparatorColor()
{
    return IsThemed() ? RGB(141, 141, 141) : GetSeparatorColor();
}

// The palette: each entry is the theme-highlight blend while themed and a
// window/face blend otherwise.
#define OX_PALETTE(name, themedWindow, themedHighlight, window, face)                        \
    COLORREF COXSkin2003::name()                                             \
    {                                                                        \
        COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);                    \
        return highlight != CLR_INVALID ? WindowThemeHighlight(themedWindow, themedHighlight, highlight) \
                                        : Mix(Sys(COLOR_WINDOW), window, Sys(COLOR_BTNFACE), face); \
    }

OX_PALETTE(GetToolbarGradientLight, 0.95f, 0.05f, 0.78f, 0.22f)
OX_PALETTE(GetToolbarGradientDark, 0.2f, 0.8f, 0.04f, 0.96f)
OX_PALETTE(GetMenuGradientDark, 0.2f, 0.8f, 0.08f, 0.92f)
OX_PALETTE(GetMenuGradientLight, 0.95f, 0.05f, 0.86f, 0.14f)
OX_PALETTE(GetMenuGradientMedium, 0.2f, 0.8f, 0.58f, 0.42f)
OX_PALETTE(GetDockbarGradientDark, 0.2f, 0.8f, 0.0f, 1.0f)
OX_PALETTE(GetDockbarGradientMedium, 0.5f, 0.5f, 0.0f, 1.0f)
OX_PALETTE(GetDockbarGradientLight, 0.7f, 0.3f, 0.8f, 0.2f)
OX_PALETTE(GetTabGradientLight, 0.95f, 0.05f, 0.73f, 0.27f)
OX_PALETTE(GetStatusbarFaceColor, 0.6f, 0.4f, 0.5f, 0.5f)
OX_PALETTE(GetStatusbarBottomColor, 0.3f, 0.7f, 0.2f, 0.8f)
#undef OX_PALETTE

COLORREF COXSkin2003::GetCaptionHighlightColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? WindowThemeHighlight(0.5f, 0.5f, highlight) : GetToolbarBackgroundColor();
}

COLORREF COXSkin2003::GetStatusbarTopColor()
{
    COLORREF highlight = ThemeColor(COLOR_HIGHLIGHT);
    return highlight != CLR_INVALID ? MixColors(Sys(COLOR_WINDOW), highlight, RGB(0, 0, 0), 0.3f, 0.3f, 0.4f)
                                    : Sys(COLOR_BTNSHADOW);
}

COLORREF COXSkin2003::GetSeparatorHighlightColor()
{
    return IsThemed() ? GetCaptionHighlightColor() : ShiftColor(Sys(COLOR_BTNSHADOW), 38);
}
