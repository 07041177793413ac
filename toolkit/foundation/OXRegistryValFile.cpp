#include "toolkit/foundation/OXRegistryValFile.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(COXRegistryValFile, CMemFile)

namespace {
const UINT GrowBytes = 1024;
}

COXRegistryValFile::COXRegistryValFile()
    : CMemFile(GrowBytes), m_hKey(nullptr)
{
}

COXRegistryValFile::COXRegistryValFile(HKEY hkeyParent, LPCTSTR lpszKeyName, LPCTSTR lpszValueName)
    : CMemFile(GrowBytes), m_hKey(nullptr)
{
    LONG lError = 0;
    if (!Open(hkeyParent, lpszKeyName, lpszValueName, lError))
        AfxThrowFileException(CFileException::accessDenied, lError, lpszKeyName);
}

COXRegistryValFile::~COXRegistryValFile()
{
    Abort();
}

BOOL COXRegistryValFile::Open(HKEY hkeyParent, LPCTSTR lpszKeyName, LPCTSTR lpszValueName, LONG& lError)
{
    // Reopening lets go of the previous value first, written back as always.
    if (m_hKey)
        Abort();
    CMemFile::Close();
    lError = 0;

    HKEY hKey = nullptr;
    LONG result = ::RegCreateKeyA(hkeyParent, lpszKeyName, &hKey);
    if (result != ERROR_SUCCESS) {
        lError = result;
        return FALSE;
    }

    DWORD type = 0;
    DWORD size = 0;
    result = ::RegQueryValueExA(hKey, lpszValueName, nullptr, &type, nullptr, &size);
    if (result == ERROR_FILE_NOT_FOUND) {
        m_hKey = hKey;
        m_sValueName = lpszValueName;
        return TRUE;
    }
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
        lError = result;
        ::RegCloseKey(hKey);
        return FALSE;
    }
    // A value of another type is not ours to replace: the key is let go, so
    // no later write-back can put empty bytes over the user's value.
    if (type != REG_BINARY) {
        ::RegCloseKey(hKey);
        return FALSE;
    }

    BYTE* data = size ? static_cast<BYTE*>(malloc(size)) : nullptr;
    if (size && !data) {
        ::RegCloseKey(hKey);
        return FALSE;
    }
    DWORD read = size;
    result = ::RegQueryValueExA(hKey, lpszValueName, nullptr, &type, data, &read);
    if (result != ERROR_SUCCESS) {
        free(data);
        lError = result;
        ::RegCloseKey(hKey);
        return FALSE;
    }
    try {
        Write(data, read);
    } catch (...) {
        free(data);
        ::RegCloseKey(hKey);
        CMemFile::Close();
        throw;
    }
    free(data);
    SeekToBegin();
    m_hKey = hKey;
    m_sValueName = lpszValueName;
    return TRUE;
}

void COXRegistryValFile::SetFilePath(LPCTSTR lpszNewName)
{
    if (!lpszNewName)
        AfxThrowInvalidArgException();
    CMemFile::SetFilePath(lpszNewName);
}

LONG COXRegistryValFile::WriteBack()
{
    if (!m_hKey)
        return ERROR_SUCCESS;
    return ::RegSetValueExA(m_hKey, m_sValueName, 0, REG_BINARY, m_lpBuffer, static_cast<DWORD>(m_nFileSize));
}

void COXRegistryValFile::ReleaseKey()
{
    if (m_hKey)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    m_sValueName.Empty();
}

void COXRegistryValFile::Flush()
{
    LONG result = WriteBack();
    if (result != ERROR_SUCCESS)
        AfxThrowFileException(CFileException::accessDenied, result, m_sValueName);
}

void COXRegistryValFile::Close()
{
    CString valueName = m_sValueName;
    LONG result = WriteBack();
    ReleaseKey();
    CMemFile::Close();
    if (result != ERROR_SUCCESS)
        AfxThrowFileException(CFileException::accessDenied, result, valueName);
}

void COXRegistryValFile::Abort()
{
    WriteBack();
    ReleaseKey();
    CMemFile::Close();
}
