// CTabCtrl: the tab control as an object (tabs with text, image and data,
// the selected tab, the display area inside the tabs). Owner-drawn tabs
// (TCS_OWNERDRAWFIXED) are painted by DrawItem, reflected from the parent.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/ImageList.h"
#include "afx/Rect.h"

#include <commctrl.h>

class CToolTipCtrl;

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return static_cast<int>(AfxCtrlSend(this, TCM_GETITEMCOUNT)); }
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const { return static_cast<BOOL>(AfxCtrlSend(this, TCM_GETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem))); }
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem) { return static_cast<BOOL>(AfxCtrlSend(this, TCM_SETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem))); }
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem) { return static_cast<LONG>(AfxCtrlSend(this, TCM_INSERTITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem))); }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(AfxCtrlSend(this, TCM_DELETEITEM, nItem)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(AfxCtrlSend(this, TCM_DELETEALLITEMS)); }

    // Selection: SetCurSel sends no TCN_SELCHANGING/TCN_SELCHANGE.
    int GetCurSel() const { return static_cast<int>(AfxCtrlSend(this, TCM_GETCURSEL)); }
    int SetCurSel(int nItem) { return static_cast<int>(AfxCtrlSend(this, TCM_SETCURSEL, nItem)); }
    int GetCurFocus() const { return static_cast<int>(AfxCtrlSend(this, TCM_GETCURFOCUS)); }
    void SetCurFocus(int nItem) { AfxCtrlSend(this, TCM_SETCURFOCUS, nItem); }

    // Geometry. AdjustRect(FALSE) turns the window rectangle into the display
    // area; AdjustRect(TRUE) the display area into the window rectangle.
    BOOL GetItemRect(int nItem, LPRECT lpRect) const { return static_cast<BOOL>(AfxCtrlSend(this, TCM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect))); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { AfxCtrlSend(this, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect)); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const { return static_cast<int>(AfxCtrlSend(this, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo))); }
    int GetRowCount() const { return static_cast<int>(AfxCtrlSend(this, TCM_GETROWCOUNT)); }
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size) { AfxCtrlSend(this, TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int SetMinTabWidth(int cx) { return static_cast<int>(AfxCtrlSend(this, TCM_SETMINTABWIDTH, 0, cx)); }

    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    CToolTipCtrl* GetToolTips() const;

    // TCS_OWNERDRAWFIXED tabs paint here; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
