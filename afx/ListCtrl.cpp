#include "afx/ListCtrl.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

#ifndef LVM_CANCELEDITLABEL
#define LVM_CANCELEDITLABEL (LVM_FIRST + 179)
#endif

// ---------------------------------------------------------------- CHeaderCtrl

// A header's owner-drawn items are painted by the header's own class.
BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, WC_HEADER, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        AfxCtrlSend(this, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(AfxCtrlSend(this, HDM_GETIMAGELIST)));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) const
{
    if (iCount < 0)
        iCount = GetItemCount();
    return static_cast<BOOL>(AfxCtrlSend(this, HDM_GETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

// ---------------------------------------------------------------- CListCtrl

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, WC_LISTVIEW, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, WC_LISTVIEW, dwStyle, rect, pParentWnd, nID, dwExStyle);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    // The message takes the sub-item in top and the part in left.
    RECT rect = {nArea, iSubItem, 0, 0};
    const BOOL found = static_cast<BOOL>(AfxCtrlSend(this, LVM_GETSUBITEMRECT, iItem, reinterpret_cast<LPARAM>(&rect)));
    if (found)
        ref = rect;
    return found;
}

CEdit* CListCtrl::EditLabel(int nItem)
{
    return AfxControlFromHandle<CEdit>(reinterpret_cast<HWND>(AfxCtrlSend(this, LVM_EDITLABEL, nItem)));
}

CEdit* CListCtrl::GetEditControl() const
{
    return AfxControlFromHandle<CEdit>(reinterpret_cast<HWND>(AfxCtrlSend(this, LVM_GETEDITCONTROL)));
}

void CListCtrl::CancelEditLabel()
{
    AfxCtrlSend(this, LVM_CANCELEDITLABEL);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    return AfxControlFromHandle<CHeaderCtrl>(reinterpret_cast<HWND>(AfxCtrlSend(this, LVM_GETHEADER)));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        AfxCtrlSend(this, LVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(AfxCtrlSend(this, LVM_GETIMAGELIST, nImageList)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // Grow the buffer until the text fits: the control cuts it silently.
    CString text;
    for (int size = 256;; size *= 2) {
        int length = GetItemText(nItem, nSubItem, text.GetBuffer(size), size);
        text.ReleaseBuffer(length);
        if (length < size - 1)
            return text;
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    return static_cast<int>(AfxCtrlSend(this, LVM_GETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM item = {};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetCheck(int nItem) const
{
    UINT state = GetItemState(nItem, LVIS_STATEIMAGEMASK);
    return (state >> 12) == 2;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {};
    info.pt = pt;
    int item = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return item;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int first = GetNextItem(-1, LVNI_SELECTED);
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(first + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int item = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    int next = GetNextItem(item, LVNI_SELECTED);
    pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(next + 1));
    return item;
}
