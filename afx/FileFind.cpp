#include "afx/FileFind.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind()
    : CObject(), m_foundInfo(), m_nextInfo(), m_bHaveFound(FALSE), m_bHaveNext(FALSE),
      m_hContext(nullptr), m_strRoot(), m_chDirSeparator('\\')
{
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    m_bHaveFound = FALSE;
    m_bHaveNext = FALSE;
    if (m_hContext) {
        if (m_hContext != INVALID_HANDLE_VALUE)
            CloseContext();
        m_hContext = nullptr;
    }
}

void CFileFind::CloseContext()
{
    ::FindClose(m_hContext);
}

BOOL CFileFind::FindFile(LPCTSTR pattern, DWORD unused)
{
    UNUSED_ALWAYS(unused);
    Close();
    if (!pattern || !*pattern)
        pattern = "*.*";
    if (strlen(pattern) >= MAX_PATH) {
        SetLastError(ERROR_BAD_ARGUMENTS);
        return FALSE;
    }

    m_hContext = ::FindFirstFileA(pattern, &m_nextInfo);
    if (m_hContext == INVALID_HANDLE_VALUE) {
        DWORD lastError = GetLastError();
        Close();
        SetLastError(lastError);
        return FALSE;
    }
    m_bHaveNext = TRUE;

    // The root is the folder part of the full pattern.
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(pattern, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) {
        DWORD lastError = length ? ERROR_FILENAME_EXCED_RANGE : GetLastError();
        Close();
        SetLastError(lastError);
        return FALSE;
    }
    m_strRoot = full;
    int cut = -1;
    for (int i = m_strRoot.GetLength() - 1; i >= 0; --i) {
        if (m_strRoot[i] == '\\' || m_strRoot[i] == '/') {
            cut = i;
            break;
        }
    }
    if (cut >= 0) {
        m_chDirSeparator = m_strRoot[cut];
        m_strRoot.Truncate(cut);
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    ASSERT(m_hContext != nullptr);
    if (!m_hContext || !m_bHaveNext)
        return FALSE;
    m_foundInfo = m_nextInfo;
    m_bHaveFound = TRUE;
    m_bHaveNext = ::FindNextFileA(m_hContext, &m_nextInfo);
    return m_bHaveNext;
}

ULONGLONG CFileFind::GetLength() const
{
    ASSERT(m_bHaveFound);
    if (!m_bHaveFound)
        return 0;
    return (static_cast<ULONGLONG>(m_foundInfo.nFileSizeHigh) << 32) | m_foundInfo.nFileSizeLow;
}

CString CFileFind::GetFileName() const
{
    ASSERT(m_bHaveFound);
    return m_bHaveFound ? CString(m_foundInfo.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    ASSERT(m_bHaveFound);
    if (!m_bHaveFound)
        return CString();
    CString path = m_strRoot;
    // A drive root keeps its separator ("C:" + "\" + name).
    path += m_chDirSeparator;
    path += m_foundInfo.cFileName;
    return path;
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFileFind::GetFileURL() const
{
    CString url = "file://";
    url += GetFilePath();
    return url;
}

CString CFileFind::GetRoot() const
{
    ASSERT(m_hContext != nullptr);
    return m_strRoot;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* time) const
{
    ASSERT(m_bHaveFound && time != nullptr);
    if (!m_bHaveFound || !time)
        return FALSE;
    *time = m_foundInfo.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* time) const
{
    ASSERT(m_bHaveFound && time != nullptr);
    if (!m_bHaveFound || !time)
        return FALSE;
    *time = m_foundInfo.ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* time) const
{
    ASSERT(m_bHaveFound && time != nullptr);
    if (!m_bHaveFound || !time)
        return FALSE;
    *time = m_foundInfo.ftCreationTime;
    return TRUE;
}

namespace {
BOOL ToTime(BOOL have, const FILETIME& fileTime, CTime& time)
{
    if (!have || !CTime::IsValidFILETIME(fileTime))
        return FALSE;
    time = CTime(fileTime);
    return TRUE;
}
}

BOOL CFileFind::GetLastWriteTime(CTime& time) const
{
    ASSERT(m_bHaveFound);
    return ToTime(m_bHaveFound, m_foundInfo.ftLastWriteTime, time);
}

BOOL CFileFind::GetLastAccessTime(CTime& time) const
{
    ASSERT(m_bHaveFound);
    return ToTime(m_bHaveFound, m_foundInfo.ftLastAccessTime, time);
}

BOOL CFileFind::GetCreationTime(CTime& time) const
{
    ASSERT(m_bHaveFound);
    return ToTime(m_bHaveFound, m_foundInfo.ftCreationTime, time);
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    ASSERT(m_bHaveFound);
    return (m_bHaveFound && (m_foundInfo.dwFileAttributes & mask) != 0) ? TRUE : FALSE;
}

BOOL CFileFind::IsDots() const
{
    if (!m_bHaveFound || !IsDirectory())
        return FALSE;
    const char* name = m_foundInfo.cFileName;
    return (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) ? TRUE : FALSE;
}
