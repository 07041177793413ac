// CListCtrl and CHeaderCtrl: wrappers of the list-view control (the report
// view with columns, check boxes and images) and of its column header.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/CollHelpers.h"
#include "afx/CtrlCreate.h"
#include "afx/ImageList.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return static_cast<int>(AfxCtrlSend(this, HDM_GETITEMCOUNT)); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const { return static_cast<BOOL>(AfxCtrlSend(this, HDM_GETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem))); }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem) { return static_cast<BOOL>(AfxCtrlSend(this, HDM_SETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem))); }
    int InsertItem(int nPos, HDITEM* phdi) { return static_cast<int>(AfxCtrlSend(this, HDM_INSERTITEM, nPos, reinterpret_cast<LPARAM>(phdi))); }
    BOOL DeleteItem(int nPos) { return static_cast<BOOL>(AfxCtrlSend(this, HDM_DELETEITEM, nPos)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const { return static_cast<BOOL>(AfxCtrlSend(this, HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect))); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    // The item under pHeaderHitTestInfo->pt (and the part, in flags); -1 for none.
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) { return static_cast<int>(AfxCtrlSend(this, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo))); }
    // The item shown at an order position (items can be dragged into a new order).
    int OrderToIndex(int nOrder) const { return static_cast<int>(AfxCtrlSend(this, HDM_ORDERTOINDEX, nOrder)); }
    // iCount -1: every item.
    BOOL GetOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetOrderArray(int iCount, LPINT piArray) { return static_cast<BOOL>(AfxCtrlSend(this, HDM_SETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray))); }
    // The header's place and size within pHeaderLayout->prc.
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return static_cast<BOOL>(AfxCtrlSend(this, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout))); }

    // HDF_OWNERDRAW items paint here (reflected WM_DRAWITEM); the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    DWORD SetExtendedStyle(DWORD dwNewStyle) { return static_cast<DWORD>(AfxCtrlSend(this, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle)); }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(AfxCtrlSend(this, LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // The list's own header: its bound object, else a temporary wrapper.
    CHeaderCtrl* GetHeaderCtrl() const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageList) const;
    BOOL SetBkColor(COLORREF cr) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETBKCOLOR, 0, cr)); }
    BOOL SetTextColor(COLORREF cr) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETTEXTCOLOR, 0, cr)); }
    BOOL SetTextBkColor(COLORREF cr) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETTEXTBKCOLOR, 0, cr)); }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(AfxCtrlSend(this, LVM_GETBKCOLOR)); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(AfxCtrlSend(this, LVM_GETTEXTCOLOR)); }
    COLORREF GetTextBkColor() const { return static_cast<COLORREF>(AfxCtrlSend(this, LVM_GETTEXTBKCOLOR)); }
    // The width of a text in the list's font, in pixels.
    int GetStringWidth(LPCTSTR lpsz) const { return static_cast<int>(AfxCtrlSend(this, LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>(lpsz))); }
    // Icon views: the view's origin, an item's position and the rectangle of all items.
    BOOL GetOrigin(LPPOINT lpPoint) const { return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(lpPoint))); }
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const { return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETITEMPOSITION, nItem, reinterpret_cast<LPARAM>(lpPoint))); }
    BOOL GetViewRect(LPRECT lpRect) const { return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(lpRect))); }

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn) { return static_cast<int>(AfxCtrlSend(this, LVM_INSERTCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn))); }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_DELETECOLUMN, nCol)); }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const { return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn))); }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn))); }
    int GetColumnWidth(int nCol) const { return static_cast<int>(AfxCtrlSend(this, LVM_GETCOLUMNWIDTH, nCol)); }
    // cx may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER.
    BOOL SetColumnWidth(int nCol, int cx) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0))); }

    // Items.
    int GetItemCount() const { return static_cast<int>(AfxCtrlSend(this, LVM_GETITEMCOUNT)); }
    BOOL SetItemCount(int nItems) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETITEMCOUNT, nItems)); }
    int InsertItem(const LVITEM* pItem) { return static_cast<int>(AfxCtrlSend(this, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_DELETEITEM, nItem)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(AfxCtrlSend(this, LVM_DELETEALLITEMS)); }
    BOOL GetItem(LVITEM* pItem) const { return static_cast<BOOL>(AfxCtrlSend(this, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
    BOOL SetItem(const LVITEM* pItem) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const { return static_cast<UINT>(AfxCtrlSend(this, LVM_GETITEMSTATE, nItem, nMask)); }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // The check box of LVS_EX_CHECKBOXES: state image 2 is checked, 1 unchecked.
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const { return static_cast<int>(AfxCtrlSend(this, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo))); }
    // A sub-item's rectangle; nArea is LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL.
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    // The item and sub-item under pInfo->pt; the item or -1.
    int SubItemHitTest(LPLVHITTESTINFO pInfo) { return static_cast<int>(AfxCtrlSend(this, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo))); }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const { return static_cast<int>(AfxCtrlSend(this, LVM_FINDITEM, nStart, reinterpret_cast<LPARAM>(pFindInfo))); }

    // Selection and scrolling.
    int GetNextItem(int nItem, int nFlags) const { return static_cast<int>(AfxCtrlSend(this, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0))); }
    UINT GetSelectedCount() const { return static_cast<UINT>(AfxCtrlSend(this, LVM_GETSELECTEDCOUNT)); }
    // Walks the selected items: the position is the item index plus one (null ends).
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int GetSelectionMark() const { return static_cast<int>(AfxCtrlSend(this, LVM_GETSELECTIONMARK)); }
    int SetSelectionMark(int iIndex) { return static_cast<int>(AfxCtrlSend(this, LVM_SETSELECTIONMARK, 0, iIndex)); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0))); }
    int GetTopIndex() const { return static_cast<int>(AfxCtrlSend(this, LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(AfxCtrlSend(this, LVM_GETCOUNTPERPAGE)); }
    BOOL Scroll(CSize size) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SCROLL, size.cx, size.cy)); }
    BOOL RedrawItems(int nFirst, int nLast) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_REDRAWITEMS, nFirst, nLast)); }
    BOOL Update(int nItem) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_UPDATE, nItem)); }
    // pfnCompare gets the items' data (lParam) and dwData.
    // Label editing (LVS_EDITLABELS): the edit the list made for it, as its
    // bound object or a temporary wrapper; nullptr when editing did not start.
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    // Ends the edit without taking its text.
    void CancelEditLabel();
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) { return static_cast<BOOL>(AfxCtrlSend(this, LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare))); }
};
