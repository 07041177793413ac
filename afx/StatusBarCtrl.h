// CStatusBarCtrl: the common-control status window, thin over its SB_
// messages. CStatusBar (the frame's bar) is this window with panes sized from
// their texts and updated at idle.
#pragma once

#include "afx/String.h"
#include "afx/Wnd.h"

#include <commctrl.h>

class CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Right edges of the parts; -1 for the last one reaching the window's edge.
    BOOL SetParts(int nParts, int* pWidths);
    int GetParts(int nParts, int* pParts) const;
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType);
    CString GetText(int nPane, int* pType = nullptr) const;
    int GetTextLength(int nPane, int* pType = nullptr) const;
    BOOL GetRect(int nPane, LPRECT lpRect) const;
    // Horizontal border, vertical border, gap between parts.
    BOOL GetBorders(int& nHorz, int& nVert, int& nSpacing) const;
    void SetMinHeight(int nMin);
    BOOL SetSimple(BOOL bSimple = TRUE);
    BOOL IsSimple() const;
    BOOL SetIcon(int nPane, HICON hIcon);
    void SetTipText(int nPane, LPCTSTR pszTipText);
};
