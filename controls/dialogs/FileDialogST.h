// CFileDialogST: the system's open and save dialogs and the shell's folder
// chooser behind one small class with fixed path buffers, for the export
// commands and the file and folder choices of the program.
#pragma once

#include "afx/Afx.h"
#include "afx/CollHelpers.h"
#include "afx/String.h"

#include <commdlg.h>

class CWnd;

class CFileDialogST
{
public:
    enum { PathBufferSize = 260 };

    // The filter is taken as it is: NUL-separated pairs ended by an empty text.
    explicit CFileDialogST(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                           DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                           CWnd* pParentWnd = nullptr);
    virtual ~CFileDialogST() = default;

    CFileDialogST(const CFileDialogST&) = delete;
    CFileDialogST& operator=(const CFileDialogST&) = delete;

    // IDOK when a file was chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileTitle() const;
    CString GetFileExt() const;
    CString GetFileDir() const;
    CString GetFileDrive() const;

    // Walks the names of a multiple selection, each with its folder.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // IDOK when a folder was chosen (GetSelectedFolder), IDCANCEL otherwise.
    virtual int SelectFolder(LPCTSTR lpszTitle = nullptr, LPCTSTR lpszStartPath = nullptr,
                             UINT ulFlags = 0x0001 /* BIF_RETURNONLYFSDIRS */, CWnd* pParentWnd = nullptr);
    CString GetSelectedFolder() const { return CString(m_szSelectedFolder); }

    // Copies at most size - 1 bytes and always terminates.
    static void CopyBounded(char* pDest, size_t size, LPCTSTR lpszSource);

    OPENFILENAME m_ofn;

protected:
    CString m_sTitle;
    BOOL m_bOpenFileDialog;
    char m_szFile[PathBufferSize];
    char m_szFileTitle[PathBufferSize];
    char m_szSelectedFolder[PathBufferSize];
};
