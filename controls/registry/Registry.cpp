#include "controls/registry/Registry.h"

#include "afx/Archive.h"
#include "afx/MemFile.h"

#include <stdlib.h>
#include <string.h>

namespace {

const REGSAM kAccess = KEY_ALL_ACCESS;
const UINT kMemFileGrowth = 16;
const int kArchiveBuffer = 4096;

} // namespace

CRegistry::CRegistry(HKEY hKey) : m_nLastResult(ERROR_SUCCESS), m_dwLastType(0), m_dwLastSize(0), m_hKey(hKey), m_strKeyName()
{
}

CRegistry::~CRegistry()
{
    Close();
}

BOOL CRegistry::Record(LONG result, DWORD type, DWORD size)
{
    m_nLastResult = result;
    m_dwLastType = type;
    m_dwLastSize = size;
    return result == ERROR_SUCCESS;
}

void CRegistry::Close()
{
    if (m_hKey)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

BOOL CRegistry::OpenInto(HKEY hParent, LPCTSTR lpszName)
{
    HKEY opened = nullptr;
    const LONG result = ::RegOpenKeyExA(hParent, lpszName, 0, kAccess, &opened);
    if (result == ERROR_SUCCESS) {
        // The key opened before would otherwise never be closed.
        Close();
        m_hKey = opened;
    }
    return Record(result, 0, 0);
}

BOOL CRegistry::Open(HKEY hRoot, LPCTSTR lpszName)
{
    m_strKeyName = lpszName;
    return OpenInto(hRoot, lpszName);
}

BOOL CRegistry::VerifyKey(HKEY hRoot, LPCTSTR lpszName)
{
    return OpenInto(hRoot, lpszName);
}

BOOL CRegistry::VerifyKey(LPCTSTR lpszName)
{
    if (!m_hKey)
        return Record(ERROR_INVALID_HANDLE, 0, 0);
    return OpenInto(m_hKey, lpszName);
}

BOOL CRegistry::VerifyValue(LPCTSTR lpszName)
{
    DWORD type = 0, size = 0;
    const LONG result = ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size);
    return Record(result, type, size);
}

BOOL CRegistry::CreateKey(HKEY hRoot, LPCTSTR lpszName)
{
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG result = ::RegCreateKeyExA(hRoot, lpszName, 0, nullptr, REG_OPTION_VOLATILE, kAccess, nullptr,
                                          &created, &disposition);
    if (result == ERROR_SUCCESS) {
        Close();
        m_hKey = created;
    }
    return Record(result, 0, 0);
}

BOOL CRegistry::DeleteKey(HKEY hRoot, LPCTSTR lpszName)
{
    return Record(::RegDeleteKeyA(hRoot, lpszName), 0, 0);
}

LONG CRegistry::WriteDirect(LPCTSTR lpszName, DWORD dwValue)
{
    return ::RegSetValueExA(m_hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue);
}

BOOL CRegistry::Write(LPCTSTR lpszName, DWORD dwValue)
{
    const LONG result = ::RegSetValueExA(m_hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                         sizeof dwValue);
    return Record(result, REG_DWORD, sizeof dwValue);
}

BOOL CRegistry::Write(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    const DWORD size = static_cast<DWORD>(strlen(lpszValue) + 1);
    const LONG result = ::RegSetValueExA(m_hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), size);
    return Record(result, REG_SZ, size);
}

BOOL CRegistry::Write(LPCTSTR lpszName, CObject& object)
{
    CMemFile file(kMemFileGrowth);
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        object.Serialize(ar);
        ar.Close();
    }
    const DWORD size = static_cast<DWORD>(file.GetLength());
    BYTE* data = file.Detach();
    const LONG result = ::RegSetValueExA(m_hKey, lpszName, 0, REG_BINARY, data, size);
    free(data);
    return Record(result, REG_BINARY, size);
}

BOOL CRegistry::Write(LPCTSTR lpszName, const CRect& rect)
{
    CDWordArray values;
    values.Add(static_cast<DWORD>(rect.top));
    values.Add(static_cast<DWORD>(rect.bottom));
    values.Add(static_cast<DWORD>(rect.left));
    values.Add(static_cast<DWORD>(rect.right));
    values.Add(0);
    return Write(lpszName, static_cast<CObject&>(values));
}

BOOL CRegistry::Write(LPCTSTR lpszName, const CPoint& point)
{
    CDWordArray values;
    values.Add(static_cast<DWORD>(point.x));
    values.Add(static_cast<DWORD>(point.y));
    values.Add(0);
    values.Add(0);
    values.Add(0);
    return Write(lpszName, static_cast<CObject&>(values));
}

BOOL CRegistry::Read(LPCTSTR lpszName, DWORD& dwValue)
{
    DWORD value = 0, type = 0, size = sizeof value;
    const LONG result = ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (result == ERROR_SUCCESS)
        dwValue = value;
    return Record(result, type, size);
}

BOOL CRegistry::Read(LPCTSTR lpszName, CString& strValue)
{
    char buffer[MaxTextBytes + 1] = {};
    DWORD type = 0, size = MaxTextBytes;
    const LONG result = ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (result == ERROR_SUCCESS)
        strValue = buffer;   // the spare byte terminates a value stored without its zero
    return Record(result, type, size);
}

BOOL CRegistry::ReadObject(LPCTSTR lpszName, CObject& object, bool* pLoaded)
{
    *pLoaded = false;
    BYTE* buffer = static_cast<BYTE*>(malloc(MaxBinaryBytes));
    if (!buffer)
        return Record(ERROR_NOT_ENOUGH_MEMORY, 0, 0);
    DWORD type = 0, size = MaxBinaryBytes;
    const LONG result = ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, buffer, &size);
    Record(result, type, size);
    if (result == ERROR_SUCCESS && type == REG_BINARY) {
        // The value comes from outside: a damaged one fails the read instead
        // of escaping as an exception.
        try {
            CMemFile file(buffer, size);
            CArchive ar(&file, CArchive::load, kArchiveBuffer);
            object.Serialize(ar);
            ar.Close();
            *pLoaded = true;
        } catch (CException* e) {
            e->Delete();
            free(buffer);
            return Record(ERROR_INVALID_DATA, type, size);
        }
    }
    free(buffer);
    return result == ERROR_SUCCESS;
}

BOOL CRegistry::Read(LPCTSTR lpszName, CStringList& list)
{
    bool loaded = false;
    CStringList read;
    const BOOL ok = ReadObject(lpszName, read, &loaded);
    if (ok && loaded) {
        list.RemoveAll();
        list.AddTail(&read);
    }
    return ok;
}

template <class ARRAY>
BOOL CRegistry::ReadArray(LPCTSTR lpszName, ARRAY& array)
{
    bool loaded = false;
    ARRAY read;
    const BOOL ok = ReadObject(lpszName, read, &loaded);
    if (ok && loaded) {
        const INT_PTR before = array.GetSize();
        array.Copy(read);
        if (before > 0)
            array.SetSize(before);
    }
    return ok;
}

BOOL CRegistry::Read(LPCTSTR lpszName, CByteArray& array) { return ReadArray(lpszName, array); }
BOOL CRegistry::Read(LPCTSTR lpszName, CWordArray& array) { return ReadArray(lpszName, array); }
BOOL CRegistry::Read(LPCTSTR lpszName, CStringArray& array) { return ReadArray(lpszName, array); }
BOOL CRegistry::Read(LPCTSTR lpszName, CDWordArray& array) { return ReadArray(lpszName, array); }

BOOL CRegistry::ReadFive(LPCTSTR lpszName, DWORD values[5], bool* pLoaded)
{
    CDWordArray array;
    array.SetSize(5);
    const BOOL ok = ReadArray(lpszName, array);
    *pLoaded = ok && m_dwLastType == REG_BINARY;
    for (int i = 0; i < 5; ++i)
        values[i] = array[i];
    return ok;
}

BOOL CRegistry::Read(LPCTSTR lpszName, CRect& rect)
{
    DWORD v[5] = {};
    bool loaded = false;
    const BOOL ok = ReadFive(lpszName, v, &loaded);
    if (loaded)
        rect.SetRect(static_cast<int>(v[2]), static_cast<int>(v[0]), static_cast<int>(v[3]), static_cast<int>(v[1]));
    return ok;
}

BOOL CRegistry::Read(LPCTSTR lpszName, CPoint& point)
{
    DWORD v[5] = {};
    bool loaded = false;
    const BOOL ok = ReadFive(lpszName, v, &loaded);
    if (loaded) {
        point.x = static_cast<int>(v[0]);
        point.y = static_cast<int>(v[1]);
    }
    return ok;
}
