#include "toolkit/lists/listboxes/OXMultiComboBox.h"

#include "afx/DC.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(COXMultiComboBox, CComboBox)

BEGIN_MESSAGE_MAP(COXMultiComboBox, CComboBox)
    ON_MESSAGE(WM_CTLCOLORLISTBOX, &COXMultiComboBox::OnCtlColorListBox)
    ON_MESSAGE(WM_DELETEITEM, &COXMultiComboBox::OnDeleteItemMessage)
    ON_MESSAGE(WM_DRAWITEM, &COXMultiComboBox::OnDrawItemMessage)
    ON_MESSAGE(WM_OX_MULTICOMBO_HSCROLL, &COXMultiComboBox::OnListHScroll)
    ON_MESSAGE(CB_GETITEMDATA, &COXMultiComboBox::OnGetItemData)
    ON_MESSAGE(CB_SETITEMDATA, &COXMultiComboBox::OnSetItemData)
    ON_MESSAGE(CB_ADDSTRING, &COXMultiComboBox::OnAddString)
    ON_MESSAGE(CB_INSERTSTRING, &COXMultiComboBox::OnAddString)
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, &COXMultiComboBox::OnDropDown)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(COXMultiComboBox::COXComboLBox, CListBox)
    ON_WM_HSCROLL()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

COXMultiComboBox::COXMultiComboBox()
    : m_nColumnCount(1), m_nMasterColumn(0), m_aColumnWidth(1, OXMULTICOMBO_DEFAULT_WIDTH), m_bFitToSize(FALSE),
      m_bListNeedsSetUp(TRUE), m_bResetting(FALSE), m_nPageWidth(0), m_nLineStep(0)
{
    LOGBRUSH brush = {BS_SOLID, RGB(0, 0, 0), 0};
    HPEN hPen = ::ExtCreatePen(PS_ALTERNATE, 1, &brush, 0, nullptr);
    if (!hPen)
        hPen = ::ExtCreatePen(PS_SOLID, 1, &brush, 0, nullptr);
    m_penGrid.Attach(hPen);
    m_listPart.m_pCombo = this;
}

COXMultiComboBox::~COXMultiComboBox() = default;

// ---- Rows ----------------------------------------------------------------------

COXMultiComboBox::COXRowData* COXMultiComboBox::GetRowData(int nIndex) const
{
    if (!::IsWindow(m_hWnd) || nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    // The combo box's own value, past the owner's view of it.
    const LRESULT data = const_cast<COXMultiComboBox*>(this)->DefWindowProc(CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<COXRowData*>(data);
}

int COXMultiComboBox::AddRow(int nIndex, const LPCTSTR* pTexts, int nCount, BOOL bInsert)
{
    if (!pTexts || nCount < 1 || nCount > m_nColumnCount || nCount <= m_nMasterColumn)
        return -1;
    const LPARAM master = reinterpret_cast<LPARAM>(pTexts[m_nMasterColumn]);
    const int nItem = static_cast<int>(bInsert ? SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), master)
                                               : SendMessage(CB_ADDSTRING, 0, master));
    if (nItem < 0)
        return -1;
    COXRowData* pRow = new COXRowData(m_nColumnCount);
    for (int i = 0; i < nCount; ++i)
        pRow->aColumnText[static_cast<size_t>(i)] = pTexts[i] ? pTexts[i] : "";
    DefWindowProc(CB_SETITEMDATA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pRow));
    AdjustDroppedWidth();
    return nItem;
}

int COXMultiComboBox::AddString(const LPCTSTR* pTexts, int nCount)
{
    return AddRow(0, pTexts, nCount, FALSE);
}

int COXMultiComboBox::InsertString(int nIndex, const LPCTSTR* pTexts, int nCount)
{
    return AddRow(nIndex, pTexts, nCount, TRUE);
}

int COXMultiComboBox::AddString(LPCTSTR lpszText)
{
    std::vector<LPCTSTR> texts(static_cast<size_t>(m_nMasterColumn + 1), "");
    texts[static_cast<size_t>(m_nMasterColumn)] = lpszText;
    return AddRow(0, texts.data(), m_nMasterColumn + 1, FALSE);
}

int COXMultiComboBox::InsertString(int nIndex, LPCTSTR lpszText)
{
    std::vector<LPCTSTR> texts(static_cast<size_t>(m_nMasterColumn + 1), "");
    texts[static_cast<size_t>(m_nMasterColumn)] = lpszText;
    return AddRow(nIndex, texts.data(), m_nMasterColumn + 1, TRUE);
}

int COXMultiComboBox::GetLBTextLen(int nIndex, int nColumn) const
{
    const COXRowData* pRow = GetRowData(nIndex);
    if (!pRow || nColumn < 0 || nColumn >= m_nColumnCount)
        return -1;
    return pRow->aColumnText[static_cast<size_t>(nColumn)].GetLength();
}

int COXMultiComboBox::GetLBText(int nIndex, int nColumn, LPTSTR lpszText) const
{
    const int nLength = GetLBTextLen(nIndex, nColumn);
    if (nLength < 0 || !lpszText)
        return -1;
    std::memcpy(lpszText, static_cast<LPCTSTR>(GetRowData(nIndex)->aColumnText[static_cast<size_t>(nColumn)]),
                static_cast<size_t>(nLength) + 1);
    return nLength;
}

void COXMultiComboBox::GetLBText(int nIndex, int nColumn, CString& rText) const
{
    rText.Empty();
    if (GetLBTextLen(nIndex, nColumn) >= 0)
        rText = GetRowData(nIndex)->aColumnText[static_cast<size_t>(nColumn)];
}

void COXMultiComboBox::GetLBText(int nIndex, CString& rText) const
{
    GetLBText(nIndex, m_nMasterColumn, rText);
}

int COXMultiComboBox::FindStringExact(int nStart, int nColumn, LPCTSTR lpszText, BOOL bCaseSensitive) const
{
    const int nCount = GetCount();
    // Every row from the start itself is searched, the last one too.
    if (nColumn < 0 || nColumn >= m_nColumnCount || !lpszText || nStart >= nCount)
        return -1;
    for (int i = nStart < 0 ? 0 : nStart; i < nCount; ++i) {
        const COXRowData* pRow = GetRowData(i);
        if (!pRow)
            continue;
        const CString& text = pRow->aColumnText[static_cast<size_t>(nColumn)];
        if (bCaseSensitive ? text.Compare(lpszText) == 0 : text.CompareNoCase(lpszText) == 0)
            return i;
    }
    return -1;
}

int COXMultiComboBox::FindString(int nStart, int nColumn, LPCTSTR lpszText, BOOL bCaseSensitive) const
{
    if (nColumn < 0 || nColumn >= m_nColumnCount || !lpszText || !*lpszText)
        return -1;
    const size_t nLength = std::strlen(lpszText);
    const int nCount = GetCount();
    for (int i = nStart < 0 ? 0 : nStart + 1; i < nCount; ++i) {
        const COXRowData* pRow = GetRowData(i);
        if (!pRow)
            continue;
        const CString& text = pRow->aColumnText[static_cast<size_t>(nColumn)];
        if (static_cast<size_t>(text.GetLength()) < nLength)
            continue;
        const int cmp = bCaseSensitive ? std::strncmp(text, lpszText, nLength) : ::_strnicmp(text, lpszText, nLength);
        if (cmp == 0)
            return i;
    }
    return -1;
}

int COXMultiComboBox::SelectString(int nStart, int nColumn, LPCTSTR lpszText)
{
    if (nColumn < 0 || nColumn >= m_nColumnCount)
        return -1;
    const int nRow = FindStringExact(nStart, nColumn, lpszText, FALSE);
    if (nRow < 0)
        return -1;
    // The found row itself: the combo box's own prefix search could stop at
    // an earlier row whose text begins with this one's.
    SetCurSel(nRow);
    return nRow;
}

// ---- Columns ---------------------------------------------------------------------

BOOL COXMultiComboBox::SetColumnCount(int nCount)
{
    if (nCount == m_nColumnCount)
        return TRUE;
    if (nCount < 0 || nCount <= m_nMasterColumn)
        return FALSE;
    m_aColumnWidth.resize(static_cast<size_t>(nCount), OXMULTICOMBO_DEFAULT_WIDTH);
    const int nRows = ::IsWindow(m_hWnd) ? GetCount() : 0;
    for (int i = 0; i < nRows; ++i)
        if (COXRowData* pRow = GetRowData(i))
            pRow->aColumnText.resize(static_cast<size_t>(nCount));
    m_nColumnCount = nCount;
    AdjustDroppedWidth();
    return TRUE;
}

BOOL COXMultiComboBox::SetMasterColumn(int nColumn)
{
    if (nColumn == m_nMasterColumn)
        return TRUE;
    if (nColumn < 0 || nColumn >= m_nColumnCount)
        return FALSE;
    const int nOld = m_nMasterColumn;
    const int nSel = ::IsWindow(m_hWnd) ? GetCurSel() : -1;
    CString selected;
    if (nSel >= 0)
        GetLBText(nSel, nOld, selected);
    m_nMasterColumn = nColumn;
    if (::IsWindow(m_hWnd) && !RebuildStrings()) {
        m_nMasterColumn = nOld;
        return FALSE;
    }
    if (nSel >= 0)
        return SelectString(-1, nOld, selected) != -1;
    return TRUE;
}

BOOL COXMultiComboBox::RebuildStrings()
{
    std::vector<COXRowData*> rows;
    for (int i = 0; i < GetCount(); ++i)
        if (COXRowData* pRow = GetRowData(i))
            rows.push_back(pRow);
    m_bResetting = TRUE;
    ResetContent();
    m_bResetting = FALSE;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int nItem = static_cast<int>(
            SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(
                                             rows[i]->aColumnText[static_cast<size_t>(m_nMasterColumn)]))));
        if (nItem < 0) {
            for (size_t j = i; j < rows.size(); ++j)
                delete rows[j];
            return FALSE;
        }
        DefWindowProc(CB_SETITEMDATA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(rows[i]));
    }
    return TRUE;
}

BOOL COXMultiComboBox::SetColumnWidth(int nColumn, int nWidth)
{
    if (nColumn < -1 || nColumn >= m_nColumnCount)
        return FALSE;
    if (nColumn == -1)
        std::fill(m_aColumnWidth.begin(), m_aColumnWidth.end(), nWidth);
    else
        m_aColumnWidth[static_cast<size_t>(nColumn)] = nWidth;
    AdjustDroppedWidth();
    return TRUE;
}

int COXMultiComboBox::GetColumnWidth(int nColumn) const
{
    if (nColumn < 0 || nColumn >= m_nColumnCount)
        return -1;
    return m_aColumnWidth[static_cast<size_t>(nColumn)];
}

void COXMultiComboBox::SetFitToSize(BOOL bFitToSize)
{
    m_bFitToSize = bFitToSize;
    AdjustDroppedWidth();
}

int COXMultiComboBox::TotalColumnWidth() const
{
    int total = 0;
    for (int width : m_aColumnWidth)
        total += width;
    return total;
}

int COXMultiComboBox::TotalItemHeight() const
{
    const int nCount = GetCount();
    if (!(GetStyle() & CBS_OWNERDRAWVARIABLE))
        return nCount * GetItemHeight(0);
    int total = 0;
    for (int i = 0; i < nCount; ++i)
        total += GetItemHeight(i);
    return total;
}

int COXMultiComboBox::CalcDroppedWidth() const
{
    if (!m_bFitToSize)
        return 1;
    int width = TotalColumnWidth() + 2 * ::GetSystemMetrics(SM_CXBORDER);
    CRect dropped;
    GetDroppedControlRect(&dropped);
    const int need = TotalItemHeight();
    const int available = dropped.Height() - 2 * ::GetSystemMetrics(SM_CYBORDER);
    if (need > available || (width > dropped.Width() && need > available - ::GetSystemMetrics(SM_CYHSCROLL)))
        width += ::GetSystemMetrics(SM_CXVSCROLL);
    return std::min(width, ::GetSystemMetrics(SM_CXSCREEN));
}

void COXMultiComboBox::AdjustDroppedWidth()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (SetDroppedWidth(static_cast<UINT>(CalcDroppedWidth())) != CB_ERR) {
        m_bListNeedsSetUp = TRUE;
        if (::IsWindow(m_listPart.GetSafeHwnd()))
            m_listPart.RedrawWindow(nullptr, nullptr,
                                    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
    }
}

// ---- The list part ----------------------------------------------------------------

void COXMultiComboBox::SetUpListPart(CDC* pDC)
{
    if (!m_bListNeedsSetUp)
        return;
    m_bListNeedsSetUp = FALSE;
    if (!::IsWindow(m_listPart.GetSafeHwnd())) {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (!::GetComboBoxInfo(m_hWnd, &info) || !info.hwndList)
            return;
        m_listPart.SubclassWindow(info.hwndList);
        m_listPart.ModifyStyle(0, WS_HSCROLL);
        TEXTMETRIC tm = {};
        if (pDC)
            pDC->GetTextMetrics(&tm);
        else {
            CClientDC dc(&m_listPart);
            dc.SelectObject(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
            dc.GetTextMetrics(&tm);
        }
        m_nLineStep = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 1;
    }
    m_listPart.SetHorizontalExtent(TotalColumnWidth());
    CRect dropped;
    GetDroppedControlRect(&dropped);
    if (TotalItemHeight() > dropped.Height() || m_bFitToSize)
        UpdateListScrollBars();
    const DWORD type = GetStyle() & 3;
    if (type == CBS_DROPDOWN || type == CBS_DROPDOWNLIST) {
        CRect rect;
        m_listPart.GetWindowRect(&rect);
        m_listPart.MoveWindow(&rect);
    }
    if (m_listPart.m_bHorzScrollShown) {
        CRect client;
        m_listPart.GetClientRect(&client);
        m_nPageWidth = client.Width();
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = TotalColumnWidth();
        si.nPage = static_cast<UINT>(m_nPageWidth);
        m_listPart.SetScrollInfo(SB_HORZ, &si);
        m_listPart.SendMessage(WM_HSCROLL, SB_LEFT);
    }
    m_listPart.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void COXMultiComboBox::UpdateListScrollBars()
{
    CRect dropped;
    GetDroppedControlRect(&dropped);
    const int total = TotalItemHeight();
    const int width = TotalColumnWidth();
    const int available = dropped.Height() - 2 * ::GetSystemMetrics(SM_CYBORDER);
    m_listPart.m_bVertScrollNeeded =
        total > available || (width > dropped.Width() - 2 * ::GetSystemMetrics(SM_CXBORDER) &&
                              total > available - ::GetSystemMetrics(SM_CYHSCROLL));
    m_listPart.m_bHorzScrollShown =
        width + 2 * ::GetSystemMetrics(SM_CXBORDER) +
            (m_listPart.m_bVertScrollNeeded ? ::GetSystemMetrics(SM_CXVSCROLL) : 0) >
        dropped.Width();
    if (m_listPart.m_bHorzScrollShown)
        m_listPart.ShowScrollBar(SB_BOTH, TRUE);
    else
        m_listPart.ShowScrollBar(SB_HORZ, FALSE);
    m_listPart.ShowScrollBar(SB_VERT, m_listPart.m_bVertScrollNeeded);
}

LRESULT COXMultiComboBox::OnCtlColorListBox(WPARAM wParam, LPARAM)
{
    SetUpListPart(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return Default();
}

BOOL COXMultiComboBox::OnDropDown()
{
    SetUpListPart(nullptr);
    return FALSE;
}

void COXMultiComboBox::COXComboLBox::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const MSG& msg = AfxGetCurrentMessage() ? *AfxGetCurrentMessage() : MSG();
    if (m_pCombo)
        m_pCombo->SendMessage(WM_OX_MULTICOMBO_HSCROLL, msg.wParam, msg.lParam);
    CListBox::OnHScroll(nSBCode, nPos, pScrollBar);
}

void COXMultiComboBox::COXComboLBox::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CListBox::OnWindowPosChanging(lpwndpos);
    if (!m_pCombo || (lpwndpos->flags & SWP_NOSIZE))
        return;
    CRect dropped;
    m_pCombo->GetDroppedControlRect(&dropped);
    const int border = 2 * ::GetSystemMetrics(SM_CYBORDER);
    const int bar = m_bHorzScrollShown ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int wanted = m_pCombo->TotalItemHeight() + border + bar;
    if (wanted > dropped.Height()) {
        const int available = dropped.Height() - border - bar;
        int height = 0;
        if (!(m_pCombo->GetStyle() & CBS_OWNERDRAWVARIABLE)) {
            const int item = std::max(1, m_pCombo->GetItemHeight(0));
            height = available - available % item;
        } else {
            for (int i = 0; i < m_pCombo->GetCount(); ++i) {
                const int item = m_pCombo->GetItemHeight(i);
                if (height + item > available)
                    break;
                height += item;
            }
        }
        lpwndpos->cy = height + border + bar;
    } else {
        lpwndpos->cy = wanted;
    }
    const int screen = ::GetSystemMetrics(SM_CXSCREEN);
    if (lpwndpos->x + lpwndpos->cx > screen) {
        lpwndpos->flags &= ~SWP_NOMOVE;
        lpwndpos->x = std::max(0, screen - lpwndpos->cx);
    }
}

LRESULT COXMultiComboBox::OnListHScroll(WPARAM wParam, LPARAM)
{
    if (!::IsWindow(m_listPart.GetSafeHwnd()))
        return 0;
    const int pos = m_listPart.GetScrollPos(SB_HORZ);
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        m_listPart.SetScrollPos(SB_HORZ, pos - m_nLineStep);
        break;
    case SB_LINERIGHT:
        m_listPart.SetScrollPos(SB_HORZ, pos + m_nLineStep);
        break;
    case SB_PAGELEFT:
        m_listPart.SetScrollPos(SB_HORZ, pos - m_nPageWidth * 2 / 3);
        break;
    case SB_PAGERIGHT:
        m_listPart.SetScrollPos(SB_HORZ, pos + m_nPageWidth * 2 / 3);
        break;
    case SB_THUMBTRACK:
        m_listPart.SetScrollPos(SB_HORZ, static_cast<short>(HIWORD(wParam)));
        break;
    default:
        break;
    }
    return 0;
}

// ---- Messages that hide the records -------------------------------------------------

LRESULT COXMultiComboBox::OnGetItemData(WPARAM wParam, LPARAM)
{
    const int nIndex = static_cast<int>(wParam);
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    const COXRowData* pRow = GetRowData(nIndex);
    return pRow ? static_cast<LRESULT>(pRow->dwItemData) : 0;
}

LRESULT COXMultiComboBox::OnSetItemData(WPARAM wParam, LPARAM lParam)
{
    COXRowData* pRow = GetRowData(static_cast<int>(wParam));
    if (!pRow)
        return CB_ERR;
    pRow->dwItemData = static_cast<DWORD_PTR>(lParam);
    return TRUE;
}

LRESULT COXMultiComboBox::OnAddString(WPARAM, LPARAM)
{
    m_bListNeedsSetUp = TRUE;
    return Default();
}

LRESULT COXMultiComboBox::OnDeleteItemMessage(WPARAM, LPARAM lParam)
{
    DELETEITEMSTRUCT* pDelete = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
    if (pDelete->CtlType == ODT_LISTBOX) {
        if (!m_bResetting)
            delete reinterpret_cast<COXRowData*>(pDelete->itemData);
        // Freed once: the owner's copy of the notice carries nothing.
        pDelete->itemData = 0;
    }
    return Default();
}

void COXMultiComboBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (!m_bResetting)
        delete reinterpret_cast<COXRowData*>(lpDeleteItemStruct->itemData);
    lpDeleteItemStruct->itemData = 0;
}

LRESULT COXMultiComboBox::OnDrawItemMessage(WPARAM, LPARAM lParam)
{
    DRAWITEMSTRUCT* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    const int nItem = static_cast<int>(pDraw->itemID);
    if (nItem != -1)
        if (const COXRowData* pRow = GetRowData(nItem))
            pDraw->itemData = pRow->dwItemData;
    return Default();
}

int COXMultiComboBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    COMPAREITEMSTRUCT copy = *lpCompareItemStruct;
    if (copy.itemID1 != static_cast<UINT>(-1))
        if (const COXRowData* pRow = reinterpret_cast<const COXRowData*>(copy.itemData1))
            copy.itemData1 = pRow->dwItemData;
    if (copy.itemID2 != static_cast<UINT>(-1))
        if (const COXRowData* pRow = reinterpret_cast<const COXRowData*>(copy.itemData2))
            copy.itemData2 = pRow->dwItemData;
    return CComboBox::CompareItem(&copy);
}

void COXMultiComboBox::FreeRows()
{
    m_bResetting = TRUE;
    for (int i = 0; i < GetCount(); ++i) {
        delete GetRowData(i);
        DefWindowProc(CB_SETITEMDATA, static_cast<WPARAM>(i), 0);
    }
    ResetContent();
    m_bResetting = FALSE;
}

void COXMultiComboBox::OnDestroy()
{
    FreeRows();
    if (::IsWindow(m_listPart.GetSafeHwnd()))
        m_listPart.UnsubclassWindow();
    CComboBox::OnDestroy();
}

// ---- Drawing --------------------------------------------------------------------------

void COXMultiComboBox::DrawRowText(CDC* pDC, CRect rect, LPCTSTR lpszText, UINT nState)
{
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    COLORREF clrText, clrFill;
    if (IsWindowEnabled()) {
        clrText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        clrFill = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    } else {
        clrText = ::GetSysColor(COLOR_GRAYTEXT);
        clrFill = ::GetSysColor(COLOR_BTNFACE);
    }
    const COLORREF oldText = pDC->SetTextColor(clrText);
    const COLORREF oldBk = pDC->SetBkColor(clrFill);
    pDC->FillSolidRect(&rect, clrFill);
    CRect text = rect;
    text.left += LOWORD(::GetDialogBaseUnits()) / 2;
    pDC->DrawText(lpszText ? lpszText : "", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    DrawRowGrid(pDC, rect, nState);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
}

void COXMultiComboBox::DrawRowGrid(CDC* pDC, CRect rect, UINT nState)
{
    if (nState & ODS_COMBOBOXEDIT)
        return;
    HGDIOBJ oldPen = pDC->SelectObject(m_penGrid.GetSafeHandle());
    POINT oldPos;
    ::MoveToEx(pDC->GetSafeHdc(), rect.right - 1, rect.top, &oldPos);
    ::LineTo(pDC->GetSafeHdc(), rect.right - 1, rect.bottom - 1);
    ::LineTo(pDC->GetSafeHdc(), rect.left - 1, rect.bottom - 1);
    ::MoveToEx(pDC->GetSafeHdc(), oldPos.x, oldPos.y, nullptr);
    pDC->SelectObject(oldPen);
}

void COXMultiComboBox::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const int nItem = static_cast<int>(lpDis->itemID);
    CRect item(lpDis->rcItem);
    if (lpDis->itemState & ODS_COMBOBOXEDIT) {
        CString text;
        GetLBText(GetCurSel(), m_nMasterColumn, text);
        DrawRowText(pDC, item, text, lpDis->itemState);
        return;
    }
    if (nItem == -1 && GetCount() == 0) {
        pDC->DrawFocusRect(&item);
        return;
    }
    int x = item.left;
    for (int c = 0; c < m_nColumnCount; ++c) {
        CRect cell(x, item.top, x + m_aColumnWidth[static_cast<size_t>(c)], item.bottom);
        if (c == m_nColumnCount - 1)
            cell.right = std::max(cell.right, item.right);
        CString text;
        if (nItem != -1)
            GetLBText(nItem, c, text);
        DrawRowText(pDC, cell, text, lpDis->itemState);
        x = cell.right;
    }
}
