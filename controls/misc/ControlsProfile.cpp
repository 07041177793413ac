#include "controls/misc/ControlsProfile.h"

#include "afx/WinApp.h"

#include <algorithm>

namespace {
IControlsProfile* g_pProfile = nullptr;

// The application's own profile, used when nobody installed another one.
class CAppControlsProfile : public IControlsProfile
{
public:
    bool HasRegistryKey() const override
    {
        CWinApp* app = AfxGetApp();
        return app && app->m_pszRegistryKey && *app->m_pszRegistryKey;
    }
    int GetProfileInt(LPCTSTR section, LPCTSTR entry, int nDefault) override
    {
        return static_cast<int>(AfxGetApp()->GetProfileInt(section, entry, nDefault));
    }
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int nValue) override
    {
        return AfxGetApp()->WriteProfileInt(section, entry, nValue);
    }
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault) override
    {
        return AfxGetApp()->GetProfileString(section, entry, lpszDefault);
    }
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue) override
    {
        return AfxGetApp()->WriteProfileString(section, entry, lpszValue);
    }
};
}

IControlsProfile* ControlsGetProfile()
{
    static CAppControlsProfile appProfile;
    if (g_pProfile)
        return g_pProfile;
    return AfxGetApp() ? &appProfile : nullptr;
}

void ControlsSetProfile(IControlsProfile* pProfile)
{
    g_pProfile = pProfile;
}

CRegistryControlsProfile::CRegistryControlsProfile(HKEY hRoot, LPCTSTR lpszBaseKey)
    : m_hRoot(hRoot), m_strBaseKey(lpszBaseKey ? lpszBaseKey : "")
{
}

CString CRegistryControlsProfile::SectionKey(LPCTSTR section) const
{
    CString key = m_strBaseKey;
    if (section && *section) {
        key += "\\";
        key += section;
    }
    return key;
}

int CRegistryControlsProfile::GetProfileInt(LPCTSTR section, LPCTSTR entry, int nDefault)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(m_hRoot, SectionKey(section), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return nDefault;
    DWORD value = 0, type = 0, size = sizeof(value);
    LONG rc = ::RegQueryValueExA(hKey, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(hKey);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return nDefault;
    return static_cast<int>(value);
}

BOOL CRegistryControlsProfile::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int nValue)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(m_hRoot, SectionKey(section), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return FALSE;
    DWORD value = static_cast<DWORD>(nValue);
    LONG rc = ::RegSetValueExA(hKey, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

CString CRegistryControlsProfile::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault)
{
    CString result(lpszDefault ? lpszDefault : "");
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(m_hRoot, SectionKey(section), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return result;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(hKey, entry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS
        && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        CString value;
        LPSTR buffer = value.GetBuffer(static_cast<int>(size) + 1);
        DWORD got = size;
        if (::RegQueryValueExA(hKey, entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &got) == ERROR_SUCCESS) {
            // A value stored without its terminator must not run past the buffer.
            buffer[std::min<DWORD>(got, size)] = '\0';
            value.ReleaseBuffer();
            result = value;
        } else {
            value.ReleaseBuffer(0);
        }
    }
    ::RegCloseKey(hKey);
    return result;
}

BOOL CRegistryControlsProfile::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue)
{
    if (!entry) {
        LONG rc = ::RegDeleteTreeA(m_hRoot, SectionKey(section));
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    if (!lpszValue) {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(m_hRoot, SectionKey(section), 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
            return FALSE;
        LONG rc = ::RegDeleteValueA(hKey, entry);
        ::RegCloseKey(hKey);
        return rc == ERROR_SUCCESS;
    }
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(m_hRoot, SectionKey(section), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG rc = ::RegSetValueExA(hKey, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                               static_cast<DWORD>(lstrlenA(lpszValue) + 1));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

BOOL CRegistryControlsProfile::DeleteAll()
{
    if (m_strBaseKey.IsEmpty())
        return FALSE;
    LONG rc = ::RegDeleteTreeA(m_hRoot, m_strBaseKey);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}
