#include "toolkit/bars/statusbar/OXStatusBar.h"

#include "afx/FrameWnd.h"
#include "toolkit/bars/skins/OXSkin.h"
#include "toolkit/bars/skins/OXSkinnedApp.h"
#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include <climits>
#include <cstring>

IMPLEMENT_DYNCREATE(COXStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(COXStatusBar, CStatusBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(SB_SETMINHEIGHT, &COXStatusBar::OnSetMinHeight)
END_MESSAGE_MAP()

namespace {
const char kWidestPercent[] = "999%";
}

COXStatusBar::CBmpInfo::CBmpInfo()
    : m_nBitmapID(0), m_pBitmap(nullptr), m_nWidth(0), m_nHeight(0), m_nAlignment(2),
      m_crTransparent(RGB(255, 255, 255))
{
}

COXStatusBar::CBmpInfo::~CBmpInfo()
{
    delete m_pBitmap;
}

COXStatusBar::CEvolInfo::CEvolInfo() : m_nPercent(0), m_bShowPercent(FALSE), m_bCreated(FALSE)
{
}

COXStatusBar::CEvolInfo::~CEvolInfo()
{
    if (m_progress.GetSafeHwnd() != nullptr)
        m_progress.DestroyWindow();
}

COXStatusBar::COXStatusBar() : m_pStatusbarSkin(nullptr), m_nMinHeight(0)
{
}

COXStatusBar::~COXStatusBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (size_t i = 0; i < m_arrBmpInfo.size(); ++i)
        ClearPane(static_cast<int>(i));
    delete m_pStatusbarSkin;
}

void COXStatusBar::CheckIndex(int nIndex) const
{
    ENSURE(nIndex >= 0 && nIndex < m_nCount && static_cast<size_t>(nIndex) < m_arrBmpInfo.size());
}

void COXStatusBar::ClearPane(int nIndex)
{
    delete m_arrBmpInfo[nIndex];
    m_arrBmpInfo[nIndex] = nullptr;
    delete m_arrFonts[nIndex];
    m_arrFonts[nIndex] = nullptr;
    delete m_arrEvolInfo[nIndex];
    m_arrEvolInfo[nIndex] = nullptr;
}

BOOL COXStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    // Every extra of the old panes goes: their progress windows leave the bar.
    for (size_t i = 0; i < m_arrBmpInfo.size(); ++i)
        ClearPane(static_cast<int>(i));
    size_t count = nIDCount > 0 ? static_cast<size_t>(nIDCount) : 0;
    m_arrBmpInfo.assign(count, nullptr);
    m_arrFonts.assign(count, nullptr);
    m_arrEvolInfo.assign(count, nullptr);
    m_arrCursors.assign(count, nullptr);
    m_arrTextColors.assign(count, ::GetSysColor(COLOR_BTNTEXT));
    m_arrTips.resize(count);
    return CStatusBar::SetIndicators(lpIDArray, nIDCount);
}

void COXStatusBar::Resend(int nIndex)
{
    if (m_hWnd != nullptr)
        SendPaneText(nIndex);
}

void COXStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    CheckIndex(nIndex);
    Pane& pane = *GetPanePtr(nIndex);
    pane.nID = nID;
    BOOL stretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    if (stretchChanged || pane.cxText != cxWidth)
    {
        pane.nStyle = nStyle;
        pane.cxText = cxWidth;
        UpdateAllPanes(TRUE, FALSE);
    }
    if (pane.nStyle != nStyle)
    {
        pane.nFlags |= SBPF_UPDATE;
        pane.nStyle = nStyle;
    }
    Resend(nIndex);
}

void COXStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    CheckIndex(nIndex);
    Pane& pane = *GetPanePtr(nIndex);
    if (pane.nStyle == nStyle)
        return;
    BOOL stretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane.nFlags |= SBPF_UPDATE;
    pane.nStyle = nStyle;
    if (stretchChanged)
        UpdateAllPanes(TRUE, TRUE);
    else
        Resend(nIndex);
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void COXStatusBar::Borders(int& h, int& v, int& g) const
{
    int borders[3] = {0, 0, 0};
    if (m_hWnd != nullptr)
        const_cast<COXStatusBar*>(this)->SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    h = borders[0];
    v = borders[1];
    g = borders[2];
}

int COXStatusBar::PercentTextWidth(int nIndex)
{
    CClientDC dc(this);
    CFont* pFont = m_arrFonts[nIndex];
    HGDIOBJ old = pFont != nullptr ? ::SelectObject(dc.GetSafeHdc(), pFont->GetSafeHandle())
                                   : ::SelectObject(dc.GetSafeHdc(), reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    CRect text(0, 0, 0, 0);
    ::DrawText(dc.GetSafeHdc(), kWidestPercent, -1, &text, DT_CALCRECT | DT_SINGLELINE);
    if (old != nullptr)
        ::SelectObject(dc.GetSafeHdc(), old);
    return text.Width();
}

void COXStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr || m_nCount <= 0 || static_cast<size_t>(m_nCount) > m_arrBmpInfo.size())
        return;
    int h, v, g;
    Borders(h, v, g);
    if (bUpdateRects)
    {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int spare = rect.Width() + g;
        int stretchPanes = 0;
        for (int i = 0; i < m_nCount; ++i)
        {
            spare -= m_pPanes[i].cxText + 6 + g;
            if (m_pPanes[i].nStyle & SBPS_STRETCH)
                ++stretchPanes;
        }
        std::vector<int> edges(static_cast<size_t>(m_nCount));
        int right = h;
        for (int i = 0; i < m_nCount; ++i)
        {
            right += m_pPanes[i].cxText + 6;
            if ((m_pPanes[i].nStyle & SBPS_STRETCH) && spare > 0 && stretchPanes > 0)
            {
                int share = spare / stretchPanes;
                right += share;
                spare -= share;
            }
            if (m_pPanes[i].nStyle & SBPS_STRETCH)
                --stretchPanes;
            edges[static_cast<size_t>(i)] = right;
            right += g;
        }
        SendMessage(SB_SETPARTS, static_cast<WPARAM>(m_nCount), reinterpret_cast<LPARAM>(edges.data()));

        for (int i = 0; i < m_nCount; ++i)
        {
            CEvolInfo* pInfo = m_arrEvolInfo[static_cast<size_t>(i)];
            if (pInfo == nullptr || !(m_pPanes[i].nStyle & SBPS_PROGRESS))
                continue;
            int percentWidth = PercentTextWidth(i);
            if (!pInfo->m_bCreated)
                pInfo->m_bCreated = CreateEvolCtrl(i, pInfo);
            if (!pInfo->m_bCreated)
                continue;
            CRect item;
            GetItemRect(i, &item);
            if (!item.IsRectEmpty())
            {
                item.left += g;
                item.right -= g;
                item.top += h + 1;
                item.bottom -= h + 2;
                if (pInfo->m_bShowPercent)
                    item.left += percentWidth;
            }
            pInfo->m_rect = item;
            pInfo->m_progress.SetWindowPos(nullptr, item.left, item.top, item.Width(), item.Height(),
                                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
    }
    if (bUpdateText)
        for (int i = 0; i < m_nCount; ++i)
            if (m_pPanes[i].nFlags & SBPF_UPDATE)
            {
                m_pPanes[i].nFlags &= ~SBPF_UPDATE;
                SendPaneText(i);
            }
}

BOOL COXStatusBar::GetPaneInsideRect(int nIndex, LPRECT lpRect, BOOL bTrimBottom) const
{
    CheckIndex(nIndex);
    GetItemRect(nIndex, lpRect);
    if (::IsRectEmpty(lpRect))
        return FALSE;
    int h, v, g;
    Borders(h, v, g);
    lpRect->left += g;
    lpRect->right -= g;
    lpRect->top += h + 1;
    lpRect->bottom -= h + 1 + (bTrimBottom ? 1 : 0);
    return TRUE;
}

BOOL COXStatusBar::SetPaneText(int nIndex, LPCTSTR lpszText, COLORREF crText, BOOL bUpdate)
{
    CheckIndex(nIndex);
    if (!CStatusBar::SetPaneText(nIndex, lpszText, bUpdate))
        return FALSE;
    COLORREF& stored = m_arrTextColors[static_cast<size_t>(nIndex)];
    if (crText != stored && m_arrFonts[static_cast<size_t>(nIndex)] == nullptr)
    {
        UINT style = m_pPanes[nIndex].nStyle;
        style = crText == ::GetSysColor(COLOR_BTNTEXT) ? (style & ~SBPS_OWNERDRAW) : (style | SBPS_OWNERDRAW);
        SetPaneInfo(nIndex, m_pPanes[nIndex].nID, style, m_pPanes[nIndex].cxText);
    }
    stored = crText;
    return TRUE;
}

BOOL COXStatusBar::SetPaneFont(int nIndex, CFont* pFont)
{
    CheckIndex(nIndex);
    CFont*& slot = m_arrFonts[static_cast<size_t>(nIndex)];
    delete slot;
    slot = nullptr;
    const Pane& pane = m_pPanes[nIndex];
    if (pFont != nullptr)
    {
        LOGFONT logFont = {};
        auto* pCopy = new CFont;
        if (pFont->GetLogFont(&logFont) == 0 || !pCopy->CreateFontIndirect(&logFont))
        {
            delete pCopy;
            return FALSE;
        }
        slot = pCopy;
        SetPaneInfo(nIndex, pane.nID, pane.nStyle | SBPS_OWNERDRAW, pane.cxText);
    }
    else if (m_arrTextColors[static_cast<size_t>(nIndex)] == ::GetSysColor(COLOR_BTNTEXT))
    {
        SetPaneInfo(nIndex, pane.nID, pane.nStyle & ~SBPS_OWNERDRAW, pane.cxText);
    }
    return TRUE;
}

BOOL COXStatusBar::SetPaneTip(int nIndex, LPCTSTR lpszTip)
{
    CheckIndex(nIndex);
    m_arrTips[static_cast<size_t>(nIndex)] = lpszTip != nullptr ? lpszTip : "";
    return TRUE;
}

BOOL COXStatusBar::RemovePaneTip(int nIndex)
{
    return SetPaneTip(nIndex, "");
}

BOOL COXStatusBar::EnablePaneTips(BOOL bEnable)
{
    EnableToolTips(bEnable);
    return TRUE;
}

BOOL COXStatusBar::SetPaneCursor(int nIndex, UINT nCursorID)
{
    CheckIndex(nIndex);
    HCURSOR& slot = m_arrCursors[static_cast<size_t>(nIndex)];
    if (nCursorID == 0)
    {
        slot = nullptr;
        return TRUE;
    }
    HCURSOR cursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(static_cast<WORD>(nCursorID)));
    if (cursor == nullptr)
        return FALSE;
    slot = cursor;
    return TRUE;
}

COLORREF COXStatusBar::GetPaneTextColor(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrTextColors[static_cast<size_t>(nIndex)];
}

COXStatusBar::CBmpInfo* COXStatusBar::GetPaneBitmapInfo(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrBmpInfo[static_cast<size_t>(nIndex)];
}

COXStatusBar::CEvolInfo* COXStatusBar::GetPaneProgress(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrEvolInfo[static_cast<size_t>(nIndex)];
}

CFont* COXStatusBar::GetPaneFont(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrFonts[static_cast<size_t>(nIndex)];
}

CString COXStatusBar::GetPaneTip(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrTips[static_cast<size_t>(nIndex)];
}

COXStatusbarSkin* COXStatusBar::GetStatusbarSkin()
{
    COXSkin* pSkin = COXSkinnedApp::GetAppSkin();
    if (pSkin != nullptr && pSkin->GetStatusbarSkin() != nullptr)
        return pSkin->GetStatusbarSkin();
    if (m_pStatusbarSkin == nullptr)
        m_pStatusbarSkin = new COXStatusbarSkinClassic;
    return m_pStatusbarSkin;
}

void COXStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIndex < 0 || nIndex >= m_nCount || static_cast<size_t>(nIndex) >= m_arrFonts.size())
        return;
    HDC hdc = lpDrawItemStruct->hDC;
    int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    CFont* pFont = m_arrFonts[static_cast<size_t>(nIndex)];
    HGDIOBJ font = pFont != nullptr ? pFont->GetSafeHandle() : reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(hdc, font) : nullptr;
    COLORREF oldColor = ::SetTextColor(hdc, m_arrTextColors[static_cast<size_t>(nIndex)]);
    CString text = GetPaneText(nIndex);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(hdc, text, text.GetLength(), &size);
    const RECT& item = lpDrawItemStruct->rcItem;
    ::TextOut(hdc, item.left + 2, item.top + (item.bottom - item.top - size.cy) / 2, text, text.GetLength());
    ::SetTextColor(hdc, oldColor);
    if (oldFont != nullptr)
        ::SelectObject(hdc, oldFont);
    ::SetBkMode(hdc, oldMode);
}

INT_PTR COXStatusBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (::GetAsyncKeyState(VK_LBUTTON) != 0)
        return -1;
    auto copyTip = [&](int nIndex) {
        if (pTI != nullptr && nIndex >= 0 && static_cast<size_t>(nIndex) < m_arrTips.size())
            pTI->lpszText = _tcsdup(m_arrTips[static_cast<size_t>(nIndex)]);
    };
    INT_PTR hit = CWnd::OnToolHitTest(point, pTI);
    if (hit != -1)
    {
        if (pTI != nullptr)
            pTI->uFlags &= ~(TTF_CENTERTIP | 0x80000000u);
        copyTip(static_cast<int>(hit));
        return m_nCount + hit;
    }
    for (int i = 0; i < m_nCount; ++i)
    {
        CRect item;
        GetItemRect(i, &item);
        if (!item.PtInRect(point))
            continue;
        if (pTI != nullptr)
        {
            pTI->hwnd = m_hWnd;
            pTI->rect = item;
            pTI->uId = m_pPanes[i].nID;
            copyTip(i);
        }
        return m_pPanes[i].nID;
    }
    return -1;
}

int COXStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatusBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_dcMem.CreateCompatibleDC(nullptr))
        return -1;
    return 0;
}

void COXStatusBar::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    if (m_nCount <= 0)
        return;
    UpdateAllPanes(TRUE, TRUE);
    for (int i = 0; i < m_nCount; ++i)
    {
        CRect item;
        GetItemRect(i, &item);
        InvalidateRect(&item, FALSE);
    }
}

void COXStatusBar::OnPaint()
{
    GetStatusbarSkin()->OnPaintStatusbar(this);
}

BOOL COXStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        DWORD pos = ::GetMessagePos();
        CPoint point(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
        ScreenToClient(&point);
        for (int i = 0; i < m_nCount && static_cast<size_t>(i) < m_arrCursors.size(); ++i)
        {
            CRect item;
            GetItemRect(i, &item);
            if (item.PtInRect(point) && m_arrCursors[static_cast<size_t>(i)] != nullptr)
            {
                ::SetCursor(m_arrCursors[static_cast<size_t>(i)]);
                return TRUE;
            }
        }
    }
    return CStatusBar::OnSetCursor(pWnd, nHitTest, message);
}

void COXStatusBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    for (int i = 0; i < m_nCount; ++i)
    {
        CRect item;
        GetItemRect(i, &item);
        if (item.PtInRect(point))
        {
            CWnd* pParent = GetParent();
            if (pParent != nullptr)
                pParent->SendMessage(WM_OX_STATUSBAR_DBLCLK, m_pPanes[i].nID, 0);
            break;
        }
    }
    Default();
}

LRESULT COXStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM /*lParam*/)
{
    LRESULT result = Default();
    m_nMinHeight = static_cast<int>(wParam);
    return result;
}
