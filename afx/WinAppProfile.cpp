// The application's registry profile:
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>\<entry>.
#include "afx/WinApp.h"

#include <algorithm>
#include <stdlib.h>

namespace {

void ReplaceOwned(LPCTSTR& member, LPCTSTR text)
{
    LPTSTR copy = text ? _strdup(text) : nullptr;
    free(const_cast<LPTSTR>(member));
    member = copy;
}

// Closes the key at the end of the scope.
class RegKey
{
public:
    explicit RegKey(HKEY key = nullptr) : m_key(key) {}
    ~RegKey()
    {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY get() const { return m_key; }
    HKEY* out() { return &m_key; }

private:
    HKEY m_key;
};

} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    ASSERT(lpszRegistryKey && *lpszRegistryKey);
    ReplaceOwned(m_pszRegistryKey, lpszRegistryKey);
    // The profile is named after the application.
    ReplaceOwned(m_pszProfileName, m_pszAppName ? m_pszAppName : m_pszExeName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    VERIFY(key.LoadString(nIDRegistryKey));
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    CString path;
    path.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    ASSERT(lpszSection != nullptr);
    RegKey app(GetAppRegistryKey());
    if (!app.get())
        return nullptr;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(app.get(), lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

namespace {

// Reading never creates keys: a profile only read stays as it was.
HKEY OpenSectionForReading(LPCTSTR registryKey, LPCTSTR profileName, LPCTSTR section)
{
    if (!registryKey || !profileName || !section)
        return nullptr;
    CString path;
    path.Format("Software\\%s\\%s\\%s", registryKey, profileName, section);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    ASSERT(lpszEntry != nullptr);
    RegKey section(OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection));
    if (!section.get())
        return static_cast<UINT>(nDefault);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size)
            != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(nDefault);
    return value;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    ASSERT(lpszEntry != nullptr);
    CString fallback(lpszDefault ? lpszDefault : "");
    RegKey section(OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection));
    if (!section.get())
        return fallback;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    CString value;
    // The stored size may or may not count a terminating zero; one spare byte covers both.
    char* buffer = value.GetBufferSetLength(static_cast<int>(size));
    DWORD read = size + 1;
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &read)
        != ERROR_SUCCESS) {
        value.ReleaseBuffer(0);
        return fallback;
    }
    buffer[std::min<DWORD>(read, size)] = 0;
    value.ReleaseBuffer();
    return value;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    ASSERT(lpszEntry != nullptr && ppData != nullptr && pBytes != nullptr);
    *ppData = nullptr;
    *pBytes = 0;
    RegKey section(OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection));
    if (!section.get())
        return FALSE;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS
        || type != REG_BINARY)
        return FALSE;
    LPBYTE data = new BYTE[size ? size : 1];
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, data, &size) != ERROR_SUCCESS) {
        delete[] data;
        return FALSE;
    }
    *ppData = data;
    *pBytes = size;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    ASSERT(lpszEntry != nullptr);
    RegKey section(GetSectionKey(lpszSection));
    if (!section.get())
        return FALSE;
    const DWORD value = static_cast<DWORD>(nValue);
    return ::RegSetValueExA(section.get(), lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    ASSERT(lpszSection != nullptr);
    if (!lpszEntry) {
        // The whole section goes, with any keys below it.
        RegKey app(GetAppRegistryKey());
        if (!app.get())
            return FALSE;
        const LONG result = ::RegDeleteTreeA(app.get(), lpszSection);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    if (!lpszValue) {
        RegKey section(OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection));
        if (!section.get())
            return TRUE;   // nothing to delete
        RegKey writable;
        CString path;
        path.Format("Software\\%s\\%s\\%s", m_pszRegistryKey, m_pszProfileName, lpszSection);
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, writable.out()) != ERROR_SUCCESS)
            return FALSE;
        const LONG result = ::RegDeleteValueA(writable.get(), lpszEntry);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    RegKey section(GetSectionKey(lpszSection));
    if (!section.get())
        return FALSE;
    return ::RegSetValueExA(section.get(), lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            static_cast<DWORD>(lstrlenA(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    ASSERT(lpszEntry != nullptr);
    RegKey section(GetSectionKey(lpszSection));
    if (!section.get())
        return FALSE;
    return ::RegSetValueExA(section.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
