// CTreeCtrl: the tree-view control as an object (items by HTREEITEM, their
// texts, images, states and data, expansion, selection and label editing).
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/ImageList.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <commctrl.h>

class CEdit;

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items.
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct) { return reinterpret_cast<HTREEITEM>(AfxCtrlSend(this, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct))); }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem))); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return static_cast<UINT>(AfxCtrlSend(this, TVM_GETCOUNT)); }
    UINT GetVisibleCount() const { return static_cast<UINT>(AfxCtrlSend(this, TVM_GETVISIBLECOUNT)); }

    // Walking the tree (TVGN_* codes).
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const { return reinterpret_cast<HTREEITEM>(AfxCtrlSend(this, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem))); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // Item attributes.
    BOOL GetItem(TVITEM* pItem) const { return static_cast<BOOL>(AfxCtrlSend(this, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
    BOOL SetItem(TVITEM* pItem) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const { return static_cast<UINT>(AfxCtrlSend(this, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask)); }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    // The check box of TVS_CHECKBOXES: state image 2 is checked, 1 unchecked.
    BOOL GetCheck(HTREEITEM hItem) const;
    BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE);
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;

    // Expansion, selection, visibility.
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem))); }
    BOOL Select(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_SELECTITEM, nCode, reinterpret_cast<LPARAM>(hItem))); }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL EnsureVisible(HTREEITEM hItem) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem))); }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const { return reinterpret_cast<HTREEITEM>(AfxCtrlSend(this, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo))); }

    // Label editing: the edit control the tree made for the label.
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
    BOOL EndEditLabelNow(BOOL bCancel) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_ENDEDITLABELNOW, bCancel)); }

    // Sorting: by text, or by pfnCompare in the TVSORTCB.
    BOOL SortChildren(HTREEITEM hItem) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(hItem))); }
    BOOL SortChildrenCB(LPTVSORTCB pSort) { return static_cast<BOOL>(AfxCtrlSend(this, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(pSort))); }

    // Looks.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    COLORREF SetBkColor(COLORREF clr) { return static_cast<COLORREF>(AfxCtrlSend(this, TVM_SETBKCOLOR, 0, clr)); }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(AfxCtrlSend(this, TVM_GETBKCOLOR)); }
    COLORREF SetTextColor(COLORREF clr) { return static_cast<COLORREF>(AfxCtrlSend(this, TVM_SETTEXTCOLOR, 0, clr)); }
    UINT GetIndent() const { return static_cast<UINT>(AfxCtrlSend(this, TVM_GETINDENT)); }
    void SetIndent(UINT nIndent) { AfxCtrlSend(this, TVM_SETINDENT, nIndent); }
    SHORT GetItemHeight() const { return static_cast<SHORT>(AfxCtrlSend(this, TVM_GETITEMHEIGHT)); }
    SHORT SetItemHeight(SHORT cyHeight) { return static_cast<SHORT>(AfxCtrlSend(this, TVM_SETITEMHEIGHT, cyHeight)); }
};
