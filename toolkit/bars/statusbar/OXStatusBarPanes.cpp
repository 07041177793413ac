// The bitmap and progress panes of the extended status bar.
#include "toolkit/bars/statusbar/OXStatusBar.h"

#include <climits>

BOOL COXStatusBar::SetPaneBitmap(int nIndex, UINT nBitmapID, int nAlignment, COLORREF crTransparent, BOOL bRedraw)
{
    CheckIndex(nIndex);
    CBmpInfo*& slot = m_arrBmpInfo[static_cast<size_t>(nIndex)];
    CRect item;
    GetItemRect(nIndex, &item);
    if (nBitmapID == 0)
    {
        delete slot;
        slot = nullptr;
    }
    else
    {
        BOOL existed = slot != nullptr;
        if (slot == nullptr)
            slot = new CBmpInfo;
        if (slot->m_nBitmapID != nBitmapID || slot->m_pBitmap == nullptr)
        {
            delete slot->m_pBitmap;
            slot->m_pBitmap = new CBitmap;
            if (!slot->m_pBitmap->LoadBitmap(nBitmapID))
            {
                delete slot;
                slot = nullptr;
                if (existed && m_hWnd != nullptr)
                    InvalidateRect(&item);
                return FALSE;
            }
        }
        BITMAP header = {};
        slot->m_pBitmap->GetBitmap(&header);
        CStatusBar::SetPaneText(nIndex, "");
        slot->m_nBitmapID = nBitmapID;
        slot->m_nAlignment = nAlignment;
        slot->m_crTransparent = crTransparent;
        slot->m_nWidth = header.bmWidth;
        slot->m_nHeight = header.bmHeight;
    }
    UpdateAllPanes(TRUE, FALSE);
    if (bRedraw && m_hWnd != nullptr)
    {
        GetItemRect(nIndex, &item);
        InvalidateRect(&item, FALSE);
    }
    return TRUE;
}

void COXStatusBar::DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle)
{
    CheckIndex(nIndex);
    CBmpInfo* pInfo = m_arrBmpInfo[static_cast<size_t>(nIndex)];
    if (pInfo == nullptr || pInfo->m_pBitmap == nullptr || (nStyle & SBPS_DISABLED))
        return;
    CRect rect;
    GetItemRect(nIndex, &rect);
    if (!rect.IsRectEmpty())
    {
        int h, v, g;
        Borders(h, v, g);
        rect.left += g;
        rect.right -= g;
        rect.top += h + 1;
        rect.bottom -= h + 1;
    }
    const int W = pInfo->m_nWidth;
    const int H = pInfo->m_nHeight;
    const int w = rect.Width();
    const int hh = rect.Height();
    int drawnHeight = hh > H ? H : hh;
    int drawnWidth = w > W ? W : w;
    int top = hh > H ? rect.top + (hh - H) / 2 : rect.top;
    int left = rect.left;
    CSize source(W, H);
    CRect dest;
    switch (pInfo->m_nAlignment)
    {
    case 1:
        dest = rect;
        break;
    case 3:
    case 6:
        if (w > W)
            left += (w - W) / 2;
        break;
    case 4:
    case 7:
        if (w > W)
            left += w - W;
        break;
    default:
        break;
    }
    if (pInfo->m_nAlignment != 1)
        dest.SetRect(left, top, left + drawnWidth, top + drawnHeight);
    if (pInfo->m_nAlignment >= 5 && pInfo->m_nAlignment <= 7)
        source = CSize(drawnWidth, drawnHeight);
    DrawTransparentBitmap(pDC, pInfo, dest, source);
}

void COXStatusBar::DrawTransparentBitmap(CDC* pDC, CBmpInfo* pInfo, const CRect& rcDest, const CSize& szSource)
{
    if (pInfo == nullptr || pInfo->m_pBitmap == nullptr || rcDest.IsRectEmpty())
        return;
    HDC target = pDC->GetSafeHdc();
    HDC image = ::CreateCompatibleDC(target);
    HDC mask = ::CreateCompatibleDC(target);
    HDC inverse = ::CreateCompatibleDC(target);
    HDC work = ::CreateCompatibleDC(target);
    ::SetMapMode(image, ::GetMapMode(target));
    POINT size = {pInfo->m_nWidth, pInfo->m_nHeight};
    ::DPtoLP(image, &size, 1);
    const int cx = size.x;
    const int cy = size.y;
    HBITMAP maskBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HBITMAP inverseBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HBITMAP workBitmap = ::CreateCompatibleBitmap(target, cx, cy);
    HGDIOBJ oldImage = ::SelectObject(image, pInfo->m_pBitmap->GetSafeHandle());
    HGDIOBJ oldMask = ::SelectObject(mask, maskBitmap);
    HGDIOBJ oldInverse = ::SelectObject(inverse, inverseBitmap);
    HGDIOBJ oldWork = ::SelectObject(work, workBitmap);

    COLORREF oldBack = ::SetBkColor(image, pInfo->m_crTransparent);
    ::BitBlt(mask, 0, 0, cx, cy, image, 0, 0, SRCCOPY);
    ::SetBkColor(image, oldBack);
    ::BitBlt(inverse, 0, 0, cx, cy, mask, 0, 0, NOTSRCCOPY);
    // The target behind the bitmap, at the bitmap's size.
    ::SetStretchBltMode(work, COLORONCOLOR);
    ::StretchBlt(work, 0, 0, szSource.cx, szSource.cy, target, rcDest.left, rcDest.top, rcDest.Width(),
                 rcDest.Height(), SRCCOPY);
    ::SetBkColor(work, RGB(255, 255, 255));
    ::SetTextColor(work, RGB(0, 0, 0));
    ::BitBlt(work, 0, 0, cx, cy, mask, 0, 0, SRCAND);
    // The image without its transparent pixels, laid over the background.
    HBITMAP saved = ::CreateCompatibleBitmap(target, cx, cy);
    HDC save = ::CreateCompatibleDC(target);
    HGDIOBJ oldSave = ::SelectObject(save, saved);
    ::BitBlt(save, 0, 0, cx, cy, image, 0, 0, SRCCOPY);
    ::SetBkColor(image, RGB(255, 255, 255));
    ::SetTextColor(image, RGB(0, 0, 0));
    ::BitBlt(image, 0, 0, cx, cy, inverse, 0, 0, SRCAND);
    ::BitBlt(work, 0, 0, cx, cy, image, 0, 0, SRCPAINT);
    ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), work, 0, 0, szSource.cx,
                 szSource.cy, SRCCOPY);
    ::BitBlt(image, 0, 0, cx, cy, save, 0, 0, SRCCOPY);

    ::SelectObject(save, oldSave);
    ::DeleteDC(save);
    ::DeleteObject(saved);
    ::SelectObject(work, oldWork);
    ::SelectObject(inverse, oldInverse);
    ::SelectObject(mask, oldMask);
    ::SelectObject(image, oldImage);
    ::DeleteObject(workBitmap);
    ::DeleteObject(inverseBitmap);
    ::DeleteObject(maskBitmap);
    ::DeleteDC(work);
    ::DeleteDC(inverse);
    ::DeleteDC(mask);
    ::DeleteDC(image);
}

BOOL COXStatusBar::SetUpBar(int nIndex, BOOL bShowPercent)
{
    CheckIndex(nIndex);
    CEvolInfo*& slot = m_arrEvolInfo[static_cast<size_t>(nIndex)];
    delete slot;
    slot = new CEvolInfo;
    slot->m_bShowPercent = bShowPercent;
    slot->m_bCreated = CreateEvolCtrl(nIndex, slot);
    return TRUE;
}

WORD COXStatusBar::Percent(DWORD dwTotal, DWORD dwDone)
{
    if (dwTotal == 0)
        return 0;
    unsigned long long percent = static_cast<unsigned long long>(dwDone) * 100 / dwTotal;
    return static_cast<WORD>(percent > 100 ? 100 : percent);
}

void COXStatusBar::SetBarProgress(int nIndex, DWORD dwTotal, DWORD dwDone)
{
    CheckIndex(nIndex);
    CEvolInfo* pInfo = m_arrEvolInfo[static_cast<size_t>(nIndex)];
    if (pInfo == nullptr)
        return;
    if (!pInfo->m_bCreated)
    {
        pInfo->m_bCreated = CreateEvolCtrl(nIndex, pInfo);
        if (!pInfo->m_bCreated)
            return;
    }
    // The control takes an int range: larger totals are scaled down together with the position.
    DWORD range = dwTotal;
    DWORD position = dwDone;
    while (range > static_cast<DWORD>(INT_MAX))
    {
        range >>= 1;
        position >>= 1;
    }
    pInfo->m_progress.SetRange32(0, static_cast<int>(range));
    pInfo->m_progress.SetPos(static_cast<int>(position > range ? range : position));
    pInfo->m_nPercent = Percent(dwTotal, dwDone);
    if (pInfo->m_bShowPercent)
    {
        CString text;
        text.Format("%d%%", static_cast<int>(pInfo->m_nPercent));
        SendMessage(WM_SETREDRAW, FALSE);
        CStatusBar::SetPaneText(nIndex, text);
        SendMessage(WM_SETREDRAW, TRUE);
        CRect item;
        GetItemRect(nIndex, &item);
        item.right = pInfo->m_rect.left - 1;
        InvalidateRect(&item, TRUE);
    }
}

void COXStatusBar::ResetBar(int nIndex, BOOL bRemove)
{
    CheckIndex(nIndex);
    CEvolInfo*& slot = m_arrEvolInfo[static_cast<size_t>(nIndex)];
    if (slot == nullptr)
        return;
    if (bRemove)
    {
        delete slot;
        slot = nullptr;
        CStatusBar::SetPaneText(nIndex, "");
    }
    else
    {
        SetBarProgress(nIndex, 100, 0);
    }
}

BOOL COXStatusBar::CreateEvolCtrl(int nIndex, CEvolInfo* pInfo)
{
    if (pInfo->m_bCreated)
        return TRUE;
    CRect rect;
    if (!GetPaneInsideRect(nIndex, &rect, TRUE))
        return FALSE;
    if (pInfo->m_bShowPercent)
        rect.left += PercentTextWidth(nIndex);
    CStatusBar::SetPaneText(nIndex, "");
    pInfo->m_rect = rect;
    return pInfo->m_progress.Create(WS_CHILD | WS_VISIBLE, rect, this, static_cast<UINT>(nIndex));
}
