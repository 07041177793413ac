#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include "afx/AfxRes.h"
#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "toolkit/bars/skins/OXSkin2003.h"
#include "toolkit/bars/statusbar/OXStatusBar.h"

namespace {
// The framework's lock indicators and the keys whose toggle state they show.
struct Indicator
{
    UINT nID;
    int nKey;
};
const Indicator kIndicators[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK},
                                 {ID_INDICATOR_SCRL, VK_SCROLL}};

void DrawBitmaps(CDC* pDC, COXStatusBar* pBar)
{
    for (int i = 0; i < pBar->GetPaneCount(); ++i)
    {
        UINT style = pBar->GetPaneStyle(i);
        if (!(style & SBPS_DISABLED) && pBar->GetPaneBitmapInfo(i) != nullptr)
            pBar->DrawPaneBitmap(pDC, i, style);
    }
}
}

void COXStatusbarSkinClassic::OnPaintStatusbar(COXStatusBar* pBar)
{
    pBar->Default();
    CClientDC dc(pBar);
    pBar->UpdateAllPanes(FALSE, TRUE);
    DrawPanes(&dc, pBar);
    DrawPaneBorders(&dc, pBar);
    DrawBitmaps(&dc, pBar);
}

void COXStatusbarSkinClassic::DrawPanes(CDC* /*pDC*/, COXStatusBar* /*pBar*/)
{
}

void COXStatusbarSkinClassic::DrawPaneBorders(CDC* /*pDC*/, COXStatusBar* /*pBar*/)
{
}

void COXStatusbarSkinClassic::DrawGripper(CDC* /*pDC*/, COXStatusBar* /*pBar*/)
{
}

void COXStatusbarSkinXP::OnPaintStatusbar(COXStatusBar* pBar)
{
    CPaintDC dc(pBar);
    pBar->UpdateAllPanes(FALSE, TRUE);
    DrawPanes(&dc, pBar);
    DrawPaneBorders(&dc, pBar);
    DrawGripper(&dc, pBar);
    DrawBitmaps(&dc, pBar);
}

CRect COXStatusbarSkinXP::PaneRect(COXStatusBar* pBar, int nIndex)
{
    CRect rect;
    pBar->GetItemRect(nIndex, &rect);
    if (nIndex == pBar->GetPaneCount() - 1)
    {
        UINT nID, nStyle;
        int cxWidth;
        pBar->GetPaneInfo(nIndex, nID, nStyle, cxWidth);
        rect.right = rect.left + cxWidth + 6;
    }
    return rect;
}

void COXStatusbarSkinXP::FillBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
}

void COXStatusbarSkinXP::DrawPanes(CDC* pDC, COXStatusBar* pBar)
{
    CRect client;
    pBar->GetClientRect(&client);
    FillBackground(pDC, client);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    for (int i = 0; i < pBar->GetPaneCount(); ++i)
    {
        CRect rect = PaneRect(pBar, i);
        UINT nID = pBar->GetItemID(i);
        const Indicator* pIndicator = nullptr;
        for (const Indicator& indicator : kIndicators)
            if (indicator.nID == nID)
                pIndicator = &indicator;
        if (pIndicator != nullptr)
        {
            DrawIndicatorPane(pDC, rect, pBar, i, keys[pIndicator->nKey] & 1);
            continue;
        }
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_STATIC;
        item.itemID = static_cast<UINT>(i);
        item.hwndItem = pBar->GetSafeHwnd();
        item.hDC = pDC->GetSafeHdc();
        item.rcItem = rect;
        pBar->DrawItem(&item);
    }
}

void COXStatusbarSkinXP::DrawIndicatorPane(CDC* pDC, const CRect& rect, COXStatusBar* pBar, int nIndex, BOOL bOn)
{
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(pBar->SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(pDC->GetSafeHdc(), font) : nullptr;
    COLORREF oldColor = pDC->SetTextColor(bOn ? ::GetSysColor(COLOR_BTNTEXT) : m_pSkin->GetGrayTextColor());
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    CString text = pBar->GetPaneText(nIndex);
    CRect textRect(rect);
    pDC->DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColor);
    if (oldFont != nullptr)
        ::SelectObject(pDC->GetSafeHdc(), oldFont);
}

void COXStatusbarSkinXP::DrawPaneBorders(CDC* pDC, COXStatusBar* pBar)
{
    CBrush brush(COXSkinXP::AddToColor(::GetSysColor(COLOR_BTNFACE), 17, 12, 16));
    for (int i = 0; i < pBar->GetPaneCount(); ++i)
    {
        CRect rect = PaneRect(pBar, i);
        pDC->FrameRect(&rect, &brush);
    }
}

BOOL COXStatusbarSkinXP::HasGripper(COXStatusBar* pBar)
{
    CWnd* pFrame = pBar->GetParentFrame();
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return TRUE;
    DWORD style = pFrame->GetStyle();
    return (style & WS_THICKFRAME) && !(style & WS_MAXIMIZE);
}

BOOL COXStatusbarSkinXP::GripperSquare(COXStatusBar* pBar, CRect& square)
{
    if (!HasGripper(pBar))
        return FALSE;
    CRect client;
    pBar->GetClientRect(&client);
    int s = client.Height() & ~1;
    square.SetRect(client.right - s, client.top, client.right, client.bottom);
    return TRUE;
}

void COXStatusbarSkinXP::DrawGripper(CDC* pDC, COXStatusBar* pBar)
{
    CRect square;
    if (!GripperSquare(pBar, square))
        return;
    const int s = square.Width();
    pDC->FillSolidRect(&square, ::GetSysColor(COLOR_BTNFACE));
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CSelectGuard restore(*pDC, shadow);
    for (int i = 0; i < s; i += 4)
    {
        pDC->SelectObject(&shadow);
        pDC->MoveTo(square.right - i, square.bottom);
        pDC->LineTo(square.right, square.bottom - i);
        pDC->SelectObject(::GetStockObject(WHITE_PEN));
        pDC->MoveTo(square.right - i - 1, square.bottom);
        pDC->LineTo(square.right, square.bottom - i - 1);
    }
}

COXStatusbarSkin2003::COXStatusbarSkin2003(COXSkin2003* pSkin) : COXStatusbarSkinXP(pSkin)
{
}

COXSkin2003* COXStatusbarSkin2003::Skin2003() const
{
    return static_cast<COXSkin2003*>(m_pSkin);
}

void COXStatusbarSkin2003::FillBackground(CDC* pDC, const CRect& rect)
{
    COXSkin2003* pSkin = Skin2003();
    COLORREF face = pSkin->GetStatusbarFaceColor();
    pDC->FillSolidRect(&rect, face);
    CRect top(rect.left, rect.top, rect.right, rect.top + 3);
    pSkin->FillGradient(pDC, &top, pSkin->GetStatusbarTopColor(), face, TRUE);
    CRect bottom(rect.left, rect.bottom - 5, rect.right, rect.bottom);
    pSkin->FillGradient(pDC, &bottom, face, pSkin->GetStatusbarBottomColor(), TRUE);
}

void COXStatusbarSkin2003::DrawPaneBorders(CDC* pDC, COXStatusBar* pBar)
{
    COLORREF separator = m_pSkin->GetSeparatorColor();
    for (int i = 0; i < pBar->GetPaneCount(); ++i)
    {
        CRect rect = PaneRect(pBar, i);
        if (rect.bottom - 2 <= rect.top + 2)
            continue;
        pDC->FillSolidRect(rect.right, rect.top + 2, 1, rect.Height() - 4, separator);
        pDC->FillSolidRect(rect.right + 1, rect.top + 3, 1, rect.Height() - 4, RGB(255, 255, 255));
    }
}

void COXStatusbarSkin2003::DrawGripper(CDC* pDC, COXStatusBar* pBar)
{
    CRect square;
    if (!GripperSquare(pBar, square))
        return;
    CRect band(square.left + 3, square.top, square.right, square.bottom);
    FillBackground(pDC, band);
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    COLORREF gripper = m_pSkin->GetGripperColor();
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
        {
            if (c + r < 2)
                continue;
            int x = square.left + 4 * c + 7;
            int y = square.top + 4 * r + 7;
            pDC->FillSolidRect(x, y, 2, 2, window);
            pDC->FillSolidRect(x - 1, y - 1, 2, 2, gripper);
        }
}
