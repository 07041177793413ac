// CToolBarCtrl: the common-control toolbar window, thin over its TB_ messages.
// CToolBar (the frame's bar) is this window with the bar's layout and idle
// updates on top.
#pragma once

#include "afx/Wnd.h"

#include <commctrl.h>

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rect, UINT nID);

    void SetButtonStructSize(int nSize);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    int GetButtonCount() const;
    UINT CommandToIndex(UINT nID) const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetRect(int nID, LPRECT lpRect) const;
    int GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const;
    BOOL SetButtonInfo(int nID, TBBUTTONINFO* ptbbi);

    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    int GetState(int nID) const;
    BOOL SetState(int nID, UINT nState);

    BOOL SetButtonSize(CSize size);
    CSize GetButtonSize() const;
    BOOL SetBitmapSize(CSize size);
    // Images from a bitmap: nBitmapID in module hInst, or the HBITMAP itself when hInst is null.
    int AddBitmap(int nNumButtons, UINT_PTR nBitmapID, HINSTANCE hInst = nullptr);
    HIMAGELIST SetImageList(HIMAGELIST hImageList);
    HIMAGELIST GetImageList() const;
    HIMAGELIST SetDisabledImageList(HIMAGELIST hImageList);
    HIMAGELIST SetHotImageList(HIMAGELIST hImageList);
    int AddStrings(LPCTSTR lpszStrings);

    DWORD SetExtendedStyle(DWORD dwExStyle);
    DWORD GetExtendedStyle() const;
    void SetStyle(DWORD dwStyle);
    DWORD GetStyle() const;
    BOOL GetMaxSize(LPSIZE pSize) const;
    void AutoSize();
    int GetRows() const;
    int HitTest(LPPOINT ppt) const;
    HWND GetToolTips() const;
    void SetToolTips(HWND hWndToolTip);
    void SetOwner(CWnd* pWnd);
};
