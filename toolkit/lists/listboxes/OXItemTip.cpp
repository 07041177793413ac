#include "toolkit/lists/listboxes/OXItemTip.h"

#include "afx/DC.h"

#include <cstring>
#include <vector>

void OXCopyItemTipText(ItemTipInfo* pInfo, LPCTSTR lpszText)
{
    int nCapacity = pInfo->nCapacity;
    if (nCapacity > OXITEMTIP_TEXT_SIZE || nCapacity < 0)
        nCapacity = OXITEMTIP_TEXT_SIZE;
    if (nCapacity == 0)
        return;
    size_t n = lpszText ? std::strlen(lpszText) : 0;
    if (n > static_cast<size_t>(nCapacity - 1))
        n = static_cast<size_t>(nCapacity - 1);
    if (n)
        std::memcpy(pInfo->szText, lpszText, n);
    pInfo->szText[n] = '\0';
}

template <class TControl>
COXBaseItemTip<TControl>::COXBaseItemTip()
    : m_pControl(nullptr), m_pfnCallback(nullptr), m_pFont(nullptr), m_clrText(OXITEMTIP_NO_COLOR),
      m_clrBackground(OXITEMTIP_NO_COLOR), m_nOffset(OXITEMTIP_DEFAULT_OFFSET), m_lastInfo()
{
}

template <class TControl>
COXBaseItemTip<TControl>::~COXBaseItemTip()
{
    if (::IsWindow(m_tipWnd.GetSafeHwnd()))
        m_tipWnd.DestroyWindow();
}

template <class TControl>
void COXBaseItemTip<TControl>::Reset()
{
    m_pFont = nullptr;
    m_clrText = OXITEMTIP_NO_COLOR;
    m_clrBackground = OXITEMTIP_NO_COLOR;
    m_nOffset = OXITEMTIP_DEFAULT_OFFSET;
}

template <class TControl>
BOOL COXBaseItemTip<TControl>::Attach(TControl* pControl, OXITEMTIPCALLBACK pfnCallback)
{
    HookWindow(pControl);
    m_pControl = pControl;
    m_pfnCallback = pfnCallback;
    if (!::IsWindow(m_tipWnd.GetSafeHwnd()))
        m_tipWnd.CreateTipWindow(pControl);
    return TRUE;
}

template <class TControl>
BOOL COXBaseItemTip<TControl>::Attach(TControl* pControl, OXITEMTIPCALLBACK pfnCallback, BOOL bMouseTimer)
{
    if (!Attach(pControl, pfnCallback))
        return FALSE;
    if (bMouseTimer && !SetMouseTimer()) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

template <class TControl>
BOOL COXBaseItemTip<TControl>::Detach()
{
    UnhookWindow();
    m_pControl = nullptr;
    m_pfnCallback = nullptr;
    return FALSE;
}

template <class TControl>
ItemTipInfo* COXBaseItemTip<TControl>::GetItemInfo(ItemTipInfo* pInfo)
{
    pInfo->nResult = OXITEMTIP_UNSUPPORTED;
    return pInfo;
}

template <class TControl>
LRESULT COXBaseItemTip<TControl>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const BOOL bTipVisible = ::IsWindow(m_tipWnd.GetSafeHwnd()) && m_tipWnd.IsWindowVisible();
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (bTipVisible)
            m_tipWnd.Hide();
        break;
    case WM_SHOWWINDOW:
        if (!wParam && bTipVisible)
            m_tipWnd.Hide();
        break;
    case WM_WINDOWPOSCHANGED:
        if (bTipVisible) {
            m_tipWnd.Hide();
            ShowItemTip();
        }
        break;
    case WM_MOUSEMOVE:
        if (wParam == 0)
            ShowItemTip();
        break;
    default:
        break;
    }
    return COXHookWnd::WindowProc(message, wParam, lParam);
}

template <class TControl>
void COXBaseItemTip<TControl>::ShowItemTip()
{
    if (!m_pControl || !::IsWindow(m_pControl->GetSafeHwnd()))
        return;
    if (::IsWindow(m_tipWnd.GetSafeHwnd()) && m_tipWnd.IsWindowVisible() && m_pControl->IsWindowVisible())
        return;
    const DWORD pos = ::GetMessagePos();
    CPoint point(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
    m_pControl->ScreenToClient(&point);

    ItemTipInfo info = {};
    info.point = point;
    info.nRow = -1;
    info.nColumn = -1;
    info.nCapacity = OXITEMTIP_TEXT_SIZE;
    info.nOffset = m_nOffset;
    info.pFont = m_pFont ? m_pFont
                         : CFont::FromHandle(reinterpret_cast<HFONT>(m_pControl->SendMessage(WM_GETFONT)));
    info.clrText = m_clrText;
    info.clrBackground = m_clrBackground;
    info.nAlignment = DT_LEFT;
    info.nResult = OXITEMTIP_SHOW;
    GetItemInfo(&info);

    if (m_pfnCallback)
        m_pfnCallback(this, &info);
    else
        m_pControl->SendMessage(WM_OX_ITEMTIP_QUERY, 0, reinterpret_cast<LPARAM>(&info));
    if (CWnd* pParent = m_pControl->GetParent()) {
        OXITEMTIPNOTIFY notify = {};
        notify.hdr.hwndFrom = m_pControl->GetSafeHwnd();
        notify.hdr.idFrom = static_cast<UINT_PTR>(m_pControl->GetDlgCtrlID());
        notify.hdr.code = OXITN_ITEMTIP;
        notify.info = info;
        pParent->SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
        info = notify.info;
    }
    // Whatever the owners did, the text stays terminated.
    info.szText[OXITEMTIP_TEXT_SIZE - 1] = '\0';
    m_lastInfo = info;
    if (info.nResult == OXITEMTIP_SHOW)
        m_tipWnd.Display(CRect(info.rect), info.szText, info.nOffset, info.nAlignment, info.pFont, info.clrText,
                         info.clrBackground);
}

template class COXBaseItemTip<CListCtrl>;
template class COXBaseItemTip<CListBox>;
template class COXBaseItemTip<CComboBox>;

namespace {
// The size of a single line of text in the record's font.
CSize MeasureText(CWnd* pWnd, CFont* pFont, LPCTSTR lpszText)
{
    CClientDC dc(pWnd);
    HGDIOBJ oldFont = pFont && pFont->GetSafeHandle() ? dc.SelectObject(pFont->GetSafeHandle()) : nullptr;
    CRect measure(0, 0, 0, 0);
    dc.DrawText(lpszText, static_cast<int>(std::strlen(lpszText)), &measure, DT_CALCRECT | DT_SINGLELINE);
    if (oldFont)
        dc.SelectObject(oldFont);
    return measure.Size();
}

int AlignmentOfFormat(int fmt)
{
    switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
} // namespace

ItemTipInfo* COXItemTip::GetItemInfo(ItemTipInfo* pInfo)
{
    CListCtrl* pList = m_pControl;
    if (!pList || (pList->GetStyle() & LVS_TYPEMASK) != LVS_REPORT) {
        pInfo->nResult = OXITEMTIP_UNSUPPORTED;
        return pInfo;
    }
    const int nCount = pList->GetItemCount();
    if (nCount <= 0) {
        pInfo->nResult = OXITEMTIP_NO_CELL;
        return pInfo;
    }
    const CPoint point(pInfo->point);

    // The row under the point among the visible ones.
    const int nTop = pList->GetTopIndex();
    int nLast = nTop + pList->GetCountPerPage();
    if (nLast > nCount - 1)
        nLast = nCount - 1;
    int nRow = -1;
    CRect rowRect;
    for (int i = nTop; i <= nLast; ++i) {
        if (pList->GetItemRect(i, &rowRect, LVIR_BOUNDS) && rowRect.PtInRect(point)) {
            nRow = i;
            break;
        }
    }
    if (nRow < 0) {
        pInfo->nResult = OXITEMTIP_NO_CELL;
        return pInfo;
    }

    // The column under the point, walking the columns in display order.
    CHeaderCtrl* pHeader = pList->GetHeaderCtrl();
    const int nColumns = pHeader ? pHeader->GetItemCount() : 0;
    std::vector<int> order(static_cast<size_t>(nColumns > 0 ? nColumns : 0));
    if (nColumns > 0)
        pList->SendMessage(LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(nColumns),
                           reinterpret_cast<LPARAM>(order.data()));
    int nColumn = -1;
    CRect cell;
    int left = rowRect.left;
    for (int i = 0; i < nColumns; ++i) {
        const int nWidth = pList->GetColumnWidth(order[static_cast<size_t>(i)]);
        if (nWidth < 0)
            break;
        CRect candidate(left, rowRect.top, left + nWidth, rowRect.bottom);
        if (candidate.PtInRect(point)) {
            nColumn = order[static_cast<size_t>(i)];
            cell = candidate;
            break;
        }
        left += nWidth;
    }
    if (nColumn < 0) {
        pInfo->nResult = OXITEMTIP_NO_CELL;
        return pInfo;
    }
    pInfo->nRow = nRow;
    pInfo->nColumn = nColumn;

    int nMargin = pInfo->nOffset;
    if (nColumn == 0) {
        pList->GetItemRect(nRow, &cell, LVIR_LABEL);
        CRect widened = cell;
        widened.InflateRect(1, 1);
        if (!widened.PtInRect(point)) {
            pInfo->nResult = OXITEMTIP_NOT_OVER_TEXT;
            return pInfo;
        }
        nMargin = pInfo->nOffset / 2;
    }
    cell.DeflateRect(nMargin, 0);

    const CString text = pList->GetItemText(nRow, nColumn);
    if (text.IsEmpty()) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }
    OXCopyItemTipText(pInfo, text);
    const CSize size = MeasureText(pList, pInfo->pFont, pInfo->szText);

    LVCOLUMN column = {};
    column.mask = LVCF_FMT;
    pList->GetColumn(nColumn, &column);
    pInfo->nAlignment = AlignmentOfFormat(column.fmt);
    CRect textRect(cell.left, cell.top, cell.left + size.cx, cell.bottom);
    if (pInfo->nAlignment == DT_RIGHT)
        textRect.OffsetRect(cell.right - textRect.right, 0);
    else if (pInfo->nAlignment == DT_CENTER)
        textRect.OffsetRect((cell.Width() - size.cx) / 2, 0);

    CRect screen = textRect;
    pList->ClientToScreen(&screen);
    const CRect area = COXItemTipWnd::VisibleArea(pList->GetSafeHwnd());
    if (size.cx <= cell.Width() && (screen & area) == screen) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }

    CRect rect = cell;
    rect.InflateRect(nMargin, 0);
    if (size.cx > cell.Width())
        rect.right = rect.left + size.cx + 2 * nMargin;
    pInfo->rect = rect;
    pInfo->nOffset = nMargin;

    const BOOL bSelected = (pList->GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    if (pInfo->clrText == OXITEMTIP_NO_COLOR)
        pInfo->clrText = bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : pList->GetTextColor();
    if (pInfo->clrBackground == OXITEMTIP_NO_COLOR && bSelected)
        pInfo->clrBackground = ::GetSysColor(COLOR_HIGHLIGHT);
    pInfo->nResult = OXITEMTIP_SHOW;
    return pInfo;
}

ItemTipInfo* COXListBoxTip::GetItemInfo(ItemTipInfo* pInfo)
{
    CListBox* pListBox = m_pControl;
    BOOL bOutside = TRUE;
    const int nItem = pListBox ? static_cast<int>(pListBox->ItemFromPoint(CPoint(pInfo->point), bOutside)) : -1;
    if (!pListBox || bOutside || nItem < 0 || nItem >= pListBox->GetCount()) {
        pInfo->nResult = OXITEMTIP_NO_CELL;
        return pInfo;
    }
    const int nMargin = 2;
    CString text;
    pListBox->GetText(nItem, text);
    CRect item;
    pListBox->GetItemRect(nItem, &item);
    pInfo->nRow = nItem;
    pInfo->nColumn = 0;
    if (text.IsEmpty()) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }
    OXCopyItemTipText(pInfo, text);
    const CSize size = MeasureText(pListBox, pInfo->pFont, pInfo->szText);
    if (size.cx + 2 * nMargin <= item.Width()) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }
    pInfo->rect = item;
    pInfo->nOffset = nMargin;
    const BOOL bSelected = pListBox->GetSel(nItem) > 0;
    if (pInfo->clrText == OXITEMTIP_NO_COLOR)
        pInfo->clrText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (pInfo->clrBackground == OXITEMTIP_NO_COLOR && bSelected)
        pInfo->clrBackground = ::GetSysColor(COLOR_HIGHLIGHT);
    pInfo->nResult = OXITEMTIP_SHOW;
    return pInfo;
}

ItemTipInfo* COXComboBoxTip::GetItemInfo(ItemTipInfo* pInfo)
{
    CComboBox* pCombo = m_pControl;
    if (!pCombo || (pCombo->GetStyle() & 3) != CBS_DROPDOWNLIST) {
        pInfo->nResult = OXITEMTIP_UNSUPPORTED;
        return pInfo;
    }
    CRect area;
    pCombo->GetClientRect(&area);
    area.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (!area.PtInRect(CPoint(pInfo->point))) {
        pInfo->nResult = OXITEMTIP_NO_CELL;
        return pInfo;
    }
    const int nMargin = 4;
    CString text;
    pCombo->GetWindowText(text);
    if (text.IsEmpty()) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }
    OXCopyItemTipText(pInfo, text);
    const CSize size = MeasureText(pCombo, pInfo->pFont, pInfo->szText);
    if (size.cx + 2 * nMargin <= area.Width() && size.cy <= area.Height()) {
        pInfo->nResult = OXITEMTIP_FITS;
        return pInfo;
    }
    pInfo->nRow = pCombo->GetCurSel();
    pInfo->nColumn = 0;
    pInfo->rect = area;
    pInfo->nOffset = nMargin;
    if (pInfo->clrText == OXITEMTIP_NO_COLOR)
        pInfo->clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    pInfo->nResult = OXITEMTIP_SHOW;
    return pInfo;
}
