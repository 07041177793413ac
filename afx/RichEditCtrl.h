// CRichEditCtrl: the rich edit 2.0 control ("RichEdit20A"), for formatted
// text read and written through streams. AfxInitRichEdit2 must have loaded
// the library before Create.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/String.h"

#include <richedit.h>

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Stream text in or out (nFormat SF_TEXT or SF_RTF, optionally SFF_SELECTION);
    // the number of characters moved.
    long StreamIn(int nFormat, EDITSTREAM& es) { return static_cast<long>(AfxCtrlSend(this, EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es))); }
    long StreamOut(int nFormat, EDITSTREAM& es) { return static_cast<long>(AfxCtrlSend(this, EM_STREAMOUT, nFormat, reinterpret_cast<LPARAM>(&es))); }

    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr) { AfxCtrlSend(this, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }
    void GetSel(long& nStartChar, long& nEndChar) const;
    void GetSel(CHARRANGE& cr) const { AfxCtrlSend(this, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) { AfxCtrlSend(this, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText)); }
    CString GetSelText() const;
    long GetTextLength() const { return static_cast<long>(::GetWindowTextLength(m_hWnd)); }
    DWORD SetEventMask(DWORD dwEventMask) { return static_cast<DWORD>(AfxCtrlSend(this, EM_SETEVENTMASK, 0, dwEventMask)); }
    DWORD GetEventMask() const { return static_cast<DWORD>(AfxCtrlSend(this, EM_GETEVENTMASK)); }
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr) { return static_cast<COLORREF>(AfxCtrlSend(this, EM_SETBKGNDCOLOR, bSysColor, cr)); }
    void LimitText(long nChars = 0) { AfxCtrlSend(this, EM_EXLIMITTEXT, 0, nChars); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return static_cast<BOOL>(AfxCtrlSend(this, EM_SETREADONLY, bReadOnly)); }
    int GetLineCount() const { return static_cast<int>(AfxCtrlSend(this, EM_GETLINECOUNT)); }
    BOOL GetModify() const { return static_cast<BOOL>(AfxCtrlSend(this, EM_GETMODIFY)); }
    void SetModify(BOOL bModified = TRUE) { AfxCtrlSend(this, EM_SETMODIFY, bModified); }
    void HideSelection(BOOL bHide, BOOL bPerm) { AfxCtrlSend(this, EM_HIDESELECTION, bHide, bPerm); }
    void Copy() { AfxCtrlSend(this, WM_COPY); }
    void Paste() { AfxCtrlSend(this, WM_PASTE); }
};
