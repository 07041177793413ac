// CFileDialog: the system's open and save dialogs. The filter is given as
// "Text files (*.txt)|*.txt|All files (*.*)|*.*||"; a multiple selection is
// walked with GetStartPosition and GetNextPathName. The dialog is always
// explorer-style and hooked: derived classes get its notifications through
// OnInitDone, OnFileNameChange, OnFolderChange, OnTypeChange and OnFileNameOK.
#pragma once

#include "afx/CollHelpers.h"
#include "afx/CommonDialog.h"
#include "afx/String.h"

#include <vector>

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // dwSize 0 is sizeof(OPENFILENAME).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);

    // IDOK when a file was chosen, IDCANCEL otherwise (also when the system
    // failed: CommDlgExtendedError says why).
    INT_PTR DoModal() override;

    // While the dialog is open these ask it; afterwards they read m_ofn.
    CString GetPathName() const;
    CString GetFileName() const;
    // The extension without its dot; "" when the name has none.
    CString GetFileExt() const;
    // The name without its extension.
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // The chosen files of a multiple selection, each as a full path; a
    // single choice gives its one path. nullptr when nothing was chosen.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    OPENFILENAME m_ofn;

protected:
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    // TRUE keeps the dialog open (the name is refused).
    virtual BOOL OnFileNameOK();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL m_bOpenFileDialog;
    CString m_strFilter;   // the caller's text, kept for reference

private:
    // A file buffer a multiple selection can fill (the system fails when
    // the names do not fit).
    static const DWORD kMultiSelectBuffer = 0x10000;

    std::vector<char> m_filter;      // the filter with its separators as NULs
    std::vector<char> m_fileBuffer;  // m_ofn.lpstrFile unless the caller set another
    char m_szFileTitle[_MAX_FNAME + _MAX_EXT];
    CString m_strDefExt;
};

// "A|*.a|B|*.b||" as the system wants it: each "|" a NUL, the whole ended by
// two NULs even when the text lacks the closing "||".
std::vector<char> AFXAPI AfxConvertFileFilter(LPCTSTR lpszFilter);
