#include "toolkit/bars/skins/OXFrameSkin.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Wnd.h"
#include "toolkit/bars/skins/OXSkin2003.h"

void COXFrameSkinClassic::DrawFrame(CWnd* /*pWnd*/)
{
}

LPRECT COXFrameSkinClassic::AdjustFrameRect(LPRECT lpRect, CWnd* /*pWnd*/)
{
    return lpRect;
}

COLORREF COXFrameSkinClassic::GetBackgroundColor()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

COLORREF COXFrameSkinClassic::GetBorderColor()
{
    return ::GetSysColor(COLOR_BTNSHADOW);
}

void COXFrameSkinXP::DrawFrame(CWnd* pWnd)
{
    CWindowDC dc(pWnd);
    CRect rect;
    pWnd->GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CBrush brush(m_pSkin->GetBorderColor());
    dc.FrameRect(&rect, &brush);
}

LPRECT COXFrameSkinXP::AdjustFrameRect(LPRECT lpRect, CWnd* /*pWnd*/)
{
    ::InflateRect(lpRect, 1, 1);
    return lpRect;
}

COLORREF COXFrameSkinXP::GetBackgroundColor()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

COLORREF COXFrameSkinXP::GetBorderColor()
{
    return ::GetSysColor(COLOR_BTNSHADOW);
}

COXFrameSkin2003::COXFrameSkin2003(COXSkin2003* pSkin) : COXFrameSkinXP(pSkin)
{
}

COLORREF COXFrameSkin2003::GetBackgroundColor()
{
    return m_pSkin->GetBackgroundColor();
}

COLORREF COXFrameSkin2003::GetBorderColor()
{
    return m_pSkin->GetBorderColor();
}
