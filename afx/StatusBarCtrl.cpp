#include "afx/StatusBarCtrl.h"

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

BOOL CStatusBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBarCtrl::SetParts(int nParts, int* pWidths)
{
    return static_cast<BOOL>(SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pWidths)));
}

int CStatusBarCtrl::GetParts(int nParts, int* pParts) const
{
    return static_cast<int>(SendMessage(SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pParts)));
}

BOOL CStatusBarCtrl::SetText(LPCTSTR lpszText, int nPane, int nType)
{
    return static_cast<BOOL>(SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nPane | nType),
                                   reinterpret_cast<LPARAM>(lpszText)));
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    const LRESULT result = SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane));
    if (pType)
        *pType = HIWORD(result);
    return LOWORD(result);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    const int length = GetTextLength(nPane, pType);
    CString text;
    if (length > 0) {
        LPTSTR buffer = text.GetBuffer(length + 1);
        SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(buffer));
        buffer[length] = 0;
        text.ReleaseBuffer(length);
    }
    return text;
}

BOOL CStatusBarCtrl::GetRect(int nPane, LPRECT lpRect) const
{
    return static_cast<BOOL>(SendMessage(SB_GETRECT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CStatusBarCtrl::GetBorders(int& nHorz, int& nVert, int& nSpacing) const
{
    int borders[3] = { 0, 0, 0 };
    const BOOL ok = static_cast<BOOL>(SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders)));
    nHorz = borders[0];
    nVert = borders[1];
    nSpacing = borders[2];
    return ok;
}

void CStatusBarCtrl::SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(nMin)); }
BOOL CStatusBarCtrl::SetSimple(BOOL bSimple) { return static_cast<BOOL>(SendMessage(SB_SIMPLE, static_cast<WPARAM>(bSimple))); }
BOOL CStatusBarCtrl::IsSimple() const { return SendMessage(SB_ISSIMPLE) != 0; }

BOOL CStatusBarCtrl::SetIcon(int nPane, HICON hIcon)
{
    return static_cast<BOOL>(SendMessage(SB_SETICON, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(hIcon)));
}

void CStatusBarCtrl::SetTipText(int nPane, LPCTSTR pszTipText)
{
    SendMessage(SB_SETTIPTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(pszTipText));
}
