// CFileFind: walks the files and folders that match a name pattern in one
// folder. FindFile starts the search; each FindNextFile makes the next match
// current and returns FALSE when that match is the last one.
#pragma once

#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Time.h"

class CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind();
    ~CFileFind() override;

    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // The pattern defaults to every entry ("*.*"). FALSE when nothing matches.
    virtual BOOL FindFile(LPCTSTR pattern = nullptr, DWORD unused = 0);
    virtual BOOL FindNextFile();
    void Close();

    // About the current match (after FindNextFile).
    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    // The name without its extension.
    virtual CString GetFileTitle() const;
    virtual CString GetFileURL() const;
    // The folder searched, without a trailing separator.
    virtual CString GetRoot() const;

    virtual BOOL GetLastWriteTime(FILETIME* time) const;
    virtual BOOL GetLastAccessTime(FILETIME* time) const;
    virtual BOOL GetCreationTime(FILETIME* time) const;
    virtual BOOL GetLastWriteTime(CTime& time) const;
    virtual BOOL GetLastAccessTime(CTime& time) const;
    virtual BOOL GetCreationTime(CTime& time) const;

    // TRUE when any FILE_ATTRIBUTE_* bit of the mask is set.
    virtual BOOL MatchesMask(DWORD mask) const;
    // "." or "..": the folder itself and its parent.
    virtual BOOL IsDots() const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

protected:
    virtual void CloseContext();

    WIN32_FIND_DATAA m_foundInfo;   // the current match
    WIN32_FIND_DATAA m_nextInfo;    // the match FindNextFile will make current
    BOOL m_bHaveFound;
    BOOL m_bHaveNext;
    HANDLE m_hContext;
    CString m_strRoot;
    TCHAR m_chDirSeparator;
};
