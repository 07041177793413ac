// CRecentFileList: the most recently used files, newest first, kept in one
// section of the application's profile ("File1", "File2"...) and shown as
// numbered items of a menu in place of the first recent-file command.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/String.h"

class CCmdUI;

#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    const CString& operator[](int nIndex) const { return m_arrNames[nIndex]; }

    // Puts the file first (its full path); an entry naming the same file moves up.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The menu text of an entry: the bare name when it lies in lpszCurDir,
    // else the path shortened to the display length. FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Replaces the recent-file items of the menu being updated (see CCmdUI).
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    int m_nSize;
    CStringArray m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;     // the menu item's text before any file was listed
};
