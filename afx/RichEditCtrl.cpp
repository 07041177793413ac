#include "afx/RichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, RICHEDIT_CLASSA, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE range = {nStartChar, nEndChar};
    SetSel(range);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE range = {0, 0};
    GetSel(range);
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range = {0, 0};
    GetSel(range);
    // Two bytes per character at most (double-byte code pages), plus the end.
    int capacity = (range.cpMax - range.cpMin) * 2 + 1;
    CString text;
    LRESULT length = AfxCtrlSend(this, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.GetBuffer(capacity)));
    text.ReleaseBuffer(static_cast<int>(length));
    return text;
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return static_cast<BOOL>(AfxCtrlSend(this, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return static_cast<DWORD>(AfxCtrlSend(this, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return static_cast<BOOL>(AfxCtrlSend(this, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return static_cast<DWORD>(AfxCtrlSend(this, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}
