// Painters of frame-like windows that draw their own outline: the classic
// one uses the system colours, the flat looks add a one-pixel frame.
#pragma once

#include "toolkit/bars/skins/OXSkinInterfaces.h"

class COXSkinXP;
class COXSkin2003;

class COXFrameSkinClassic : public COXFrameSkin
{
public:
    void DrawFrame(CWnd* pWnd) override;
    LPRECT AdjustFrameRect(LPRECT lpRect, CWnd* pWnd) override;
    COLORREF GetBackgroundColor() override;
    COLORREF GetBorderColor() override;
};

class COXFrameSkinXP : public COXFrameSkin
{
public:
    explicit COXFrameSkinXP(COXSkinXP* pSkin) : m_pSkin(pSkin) {}

    // Frames the whole window in the look's border colour.
    void DrawFrame(CWnd* pWnd) override;
    // Grows the rectangle by one pixel on every side.
    LPRECT AdjustFrameRect(LPRECT lpRect, CWnd* pWnd) override;
    COLORREF GetBackgroundColor() override;
    COLORREF GetBorderColor() override;

protected:
    COXSkinXP* m_pSkin;
};

class COXFrameSkin2003 : public COXFrameSkinXP
{
public:
    explicit COXFrameSkin2003(COXSkin2003* pSkin);

    COLORREF GetBackgroundColor() override;
    COLORREF GetBorderColor() override;
};
