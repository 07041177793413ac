// The standard USER controls as objects: CButton, CEdit, CStatic, CListBox
// and CComboBox, each a thin layer over the control's own messages.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/Rect.h"
#include "afx/String.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const { return static_cast<int>(AfxCtrlSend(this, BM_GETCHECK)); }
    void SetCheck(int nCheck) { AfxCtrlSend(this, BM_SETCHECK, nCheck); }
    UINT GetState() const { return static_cast<UINT>(AfxCtrlSend(this, BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { AfxCtrlSend(this, BM_SETSTATE, bHighlight); }
    UINT GetButtonStyle() const { return static_cast<UINT>(::GetWindowLong(m_hWnd, GWL_STYLE)) & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { AfxCtrlSend(this, BM_SETSTYLE, nStyle, bRedraw); }
    HICON SetIcon(HICON hIcon) { return reinterpret_cast<HICON>(AfxCtrlSend(this, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon))); }
    HICON GetIcon() const { return reinterpret_cast<HICON>(AfxCtrlSend(this, BM_GETIMAGE, IMAGE_ICON)); }
    HBITMAP SetBitmap(HBITMAP hBitmap) { return reinterpret_cast<HBITMAP>(AfxCtrlSend(this, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap))); }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(AfxCtrlSend(this, BM_GETIMAGE, IMAGE_BITMAP)); }
    void Click() { AfxCtrlSend(this, BM_CLICK); }

    // BS_OWNERDRAW buttons paint here (reflected WM_DRAWITEM); the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) { AfxCtrlSend(this, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText)); }
    void SetLimitText(UINT nMax) { AfxCtrlSend(this, EM_SETLIMITTEXT, nMax); }
    UINT GetLimitText() const { return static_cast<UINT>(AfxCtrlSend(this, EM_GETLIMITTEXT)); }
    void LimitText(int nChars = 0) { AfxCtrlSend(this, EM_LIMITTEXT, nChars); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return static_cast<BOOL>(AfxCtrlSend(this, EM_SETREADONLY, bReadOnly)); }
    int GetLineCount() const { return static_cast<int>(AfxCtrlSend(this, EM_GETLINECOUNT)); }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int LineIndex(int nLine = -1) const { return static_cast<int>(AfxCtrlSend(this, EM_LINEINDEX, nLine)); }
    int LineLength(int nLine = -1) const { return static_cast<int>(AfxCtrlSend(this, EM_LINELENGTH, nLine)); }
    void LineScroll(int nLines, int nChars = 0) { AfxCtrlSend(this, EM_LINESCROLL, nChars, nLines); }
    BOOL GetModify() const { return static_cast<BOOL>(AfxCtrlSend(this, EM_GETMODIFY)); }
    void SetModify(BOOL bModified = TRUE) { AfxCtrlSend(this, EM_SETMODIFY, bModified); }
    void SetPasswordChar(TCHAR ch) { AfxCtrlSend(this, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch)); }
    void SetMargins(UINT nLeft, UINT nRight) { AfxCtrlSend(this, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }
    BOOL CanUndo() const { return static_cast<BOOL>(AfxCtrlSend(this, EM_CANUNDO)); }
    BOOL Undo() { return static_cast<BOOL>(AfxCtrlSend(this, EM_UNDO)); }
    void EmptyUndoBuffer() { AfxCtrlSend(this, EM_EMPTYUNDOBUFFER); }
    void Clear() { AfxCtrlSend(this, WM_CLEAR); }
    void Copy() { AfxCtrlSend(this, WM_COPY); }
    void Cut() { AfxCtrlSend(this, WM_CUT); }
    void Paste() { AfxCtrlSend(this, WM_PASTE); }
};

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    HICON SetIcon(HICON hIcon) { return reinterpret_cast<HICON>(AfxCtrlSend(this, STM_SETICON, reinterpret_cast<WPARAM>(hIcon))); }
    HICON GetIcon() const { return reinterpret_cast<HICON>(AfxCtrlSend(this, STM_GETICON)); }
    HBITMAP SetBitmap(HBITMAP hBitmap) { return reinterpret_cast<HBITMAP>(AfxCtrlSend(this, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap))); }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(AfxCtrlSend(this, STM_GETIMAGE, IMAGE_BITMAP)); }
};

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(AfxCtrlSend(this, LB_GETCOUNT)); }
    int AddString(LPCTSTR lpszItem) { return static_cast<int>(AfxCtrlSend(this, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem))); }
    int InsertString(int nIndex, LPCTSTR lpszItem) { return static_cast<int>(AfxCtrlSend(this, LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem))); }
    int DeleteString(UINT nIndex) { return static_cast<int>(AfxCtrlSend(this, LB_DELETESTRING, nIndex)); }
    void ResetContent() { AfxCtrlSend(this, LB_RESETCONTENT); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const { return static_cast<int>(AfxCtrlSend(this, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer))); }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return static_cast<int>(AfxCtrlSend(this, LB_GETTEXTLEN, nIndex)); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const { return static_cast<int>(AfxCtrlSend(this, LB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem))); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return static_cast<int>(AfxCtrlSend(this, LB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind))); }
    int GetCurSel() const { return static_cast<int>(AfxCtrlSend(this, LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(AfxCtrlSend(this, LB_SETCURSEL, nSelect)); }
    int GetSel(int nIndex) const { return static_cast<int>(AfxCtrlSend(this, LB_GETSEL, nIndex)); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return static_cast<int>(AfxCtrlSend(this, LB_SETSEL, bSelect, nIndex)); }
    int GetSelCount() const { return static_cast<int>(AfxCtrlSend(this, LB_GETSELCOUNT)); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const { return static_cast<int>(AfxCtrlSend(this, LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex))); }
    DWORD_PTR GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(AfxCtrlSend(this, LB_GETITEMDATA, nIndex)); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return static_cast<int>(AfxCtrlSend(this, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData))); }
    int GetTopIndex() const { return static_cast<int>(AfxCtrlSend(this, LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(AfxCtrlSend(this, LB_SETTOPINDEX, nIndex)); }
    int GetItemHeight(int nIndex) const { return static_cast<int>(AfxCtrlSend(this, LB_GETITEMHEIGHT, nIndex)); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return static_cast<int>(AfxCtrlSend(this, LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0))); }
    int GetItemRect(int nIndex, LPRECT lpRect) const { return static_cast<int>(AfxCtrlSend(this, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect))); }
    void SetHorizontalExtent(int cxExtent) { AfxCtrlSend(this, LB_SETHORIZONTALEXTENT, cxExtent); }
    int GetHorizontalExtent() const { return static_cast<int>(AfxCtrlSend(this, LB_GETHORIZONTALEXTENT)); }
    void SetColumnWidth(int cxWidth) { AfxCtrlSend(this, LB_SETCOLUMNWIDTH, cxWidth); }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(AfxCtrlSend(this, LB_GETITEMDATA, nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    // Selects the first item that starts with the text (after nStartAfter); its index or LB_ERR.
    int SelectString(int nStartAfter, LPCTSTR lpszItem) { return static_cast<int>(AfxCtrlSend(this, LB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem))); }
    int GetCaretIndex() const { return static_cast<int>(AfxCtrlSend(this, LB_GETCARETINDEX)); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE) { return static_cast<int>(AfxCtrlSend(this, LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0))); }
    int GetAnchorIndex() const { return static_cast<int>(AfxCtrlSend(this, LB_GETANCHORINDEX)); }
    // The item nearest the point (client coordinates); bOutside is TRUE when
    // the point lies outside every item (below the last one, for instance).
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // Owner-drawn list boxes (reflected messages); the base does nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // Sorted owner-drawn lists order their items here: -1, 0 or 1 for item 1
    // before, equal to or after item 2. The base calls them equal.
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    // An owner-drawn item (or one with data) is going: free what it holds.
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(AfxCtrlSend(this, CB_GETCOUNT)); }
    int AddString(LPCTSTR lpszString) { return static_cast<int>(AfxCtrlSend(this, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString))); }
    int InsertString(int nIndex, LPCTSTR lpszString) { return static_cast<int>(AfxCtrlSend(this, CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString))); }
    int DeleteString(UINT nIndex) { return static_cast<int>(AfxCtrlSend(this, CB_DELETESTRING, nIndex)); }
    void ResetContent() { AfxCtrlSend(this, CB_RESETCONTENT); }
    int GetLBText(int nIndex, LPTSTR lpszText) const { return static_cast<int>(AfxCtrlSend(this, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText))); }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return static_cast<int>(AfxCtrlSend(this, CB_GETLBTEXTLEN, nIndex)); }
    // Prefix search, case-insensitive, from after nStartAfter (-1: the top).
    int FindString(int nStartAfter, LPCTSTR lpszString) const { return static_cast<int>(AfxCtrlSend(this, CB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString))); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return static_cast<int>(AfxCtrlSend(this, CB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind))); }
    int SelectString(int nStartAfter, LPCTSTR lpszString) { return static_cast<int>(AfxCtrlSend(this, CB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString))); }
    int GetCurSel() const { return static_cast<int>(AfxCtrlSend(this, CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(AfxCtrlSend(this, CB_SETCURSEL, nSelect)); }
    DWORD_PTR GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(AfxCtrlSend(this, CB_GETITEMDATA, nIndex)); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return static_cast<int>(AfxCtrlSend(this, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData))); }
    DWORD GetEditSel() const { return static_cast<DWORD>(AfxCtrlSend(this, CB_GETEDITSEL)); }
    BOOL SetEditSel(int nStartChar, int nEndChar) { return static_cast<BOOL>(AfxCtrlSend(this, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar))); }
    BOOL LimitText(int nMaxChars) { return static_cast<BOOL>(AfxCtrlSend(this, CB_LIMITTEXT, nMaxChars)); }
    void ShowDropDown(BOOL bShowIt = TRUE) { AfxCtrlSend(this, CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(AfxCtrlSend(this, CB_GETDROPPEDSTATE)); }
    int SetDroppedWidth(UINT nWidth) { return static_cast<int>(AfxCtrlSend(this, CB_SETDROPPEDWIDTH, nWidth)); }
    int GetDroppedWidth() const { return static_cast<int>(AfxCtrlSend(this, CB_GETDROPPEDWIDTH)); }
    // The drop-down list's rectangle in screen coordinates.
    void GetDroppedControlRect(LPRECT lprect) const { AfxCtrlSend(this, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect)); }
    UINT GetHorizontalExtent() const { return static_cast<UINT>(AfxCtrlSend(this, CB_GETHORIZONTALEXTENT)); }
    void SetHorizontalExtent(UINT nExtent) { AfxCtrlSend(this, CB_SETHORIZONTALEXTENT, nExtent); }
    int GetTopIndex() const { return static_cast<int>(AfxCtrlSend(this, CB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(AfxCtrlSend(this, CB_SETTOPINDEX, nIndex)); }
    int GetItemHeight(int nIndex) const { return static_cast<int>(AfxCtrlSend(this, CB_GETITEMHEIGHT, nIndex)); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return static_cast<int>(AfxCtrlSend(this, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0))); }

    // Owner-drawn combo boxes (reflected messages); the base does nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // As CListBox's: the order of a sorted owner-drawn list, and an item going.
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
