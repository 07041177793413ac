#include "afx/ShellRegistration.h"

#include <shlwapi.h>

#include <algorithm>

namespace
{

// Sets the value name (the default value for nullptr) of root\path, creating
// the key as needed.
BOOL SetNamedText(HKEY root, const CString& path, LPCTSTR name, LPCTSTR value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return FALSE;
    const LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                       static_cast<DWORD>(lstrlenA(value) + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

BOOL SetKeyText(HKEY root, const CString& path, LPCTSTR value)
{
    return SetNamedText(root, path, nullptr, value);
}

// The default value of root\path; empty when the key or the value is missing.
CString GetKeyText(HKEY root, const CString& path)
{
    CString text;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return text;
    char buffer[512];
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
        type == REG_SZ)
    {
        buffer[std::min<DWORD>(size, sizeof buffer - 1)] = '\0';
        text = buffer;
    }
    RegCloseKey(key);
    return text;
}

CString Under(LPCTSTR classesKey, const CString& name)
{
    CString path(classesKey);
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path + name;
}

// Calls fn with the key of each extension in the type's ";"-separated list;
// entries that are not ".ext" are passed over.
template <class Fn>
void ForEachExtensionKey(LPCTSTR classesKey, const AFX_SHELL_FILE_TYPE& type, Fn fn)
{
    int pos = 0;
    for (CString ext = type.strFilterExt.Tokenize(";", pos); pos >= 0; ext = type.strFilterExt.Tokenize(";", pos))
    {
        ext.Trim();
        if (!ext.IsEmpty() && ext[0] == '.')
            fn(Under(classesKey, ext));
    }
}

} // namespace

BOOL AFXAPI AfxRegisterShellFileType(HKEY root, LPCTSTR classesKey, const AFX_SHELL_FILE_TYPE& type,
                                     LPCTSTR exePath, int iconIndex, BOOL bCompat)
{
    if (type.strTypeId.IsEmpty())
        return TRUE;   // a template without a type id has nothing to register
    const CString typeKey = Under(classesKey, type.strTypeId);
    // A type name the shell would show empty gets the id instead.
    const CString& typeName = type.strTypeName.IsEmpty() ? type.strTypeId : type.strTypeName;
    if (!SetKeyText(root, typeKey, typeName))
        return FALSE;

    CString icon;
    icon.Format("%s,%d", exePath, iconIndex);
    CString open;
    open.Format("\"%s\" \"%%1\"", exePath);
    BOOL ok = SetKeyText(root, typeKey + "\\DefaultIcon", icon);
    ok = SetKeyText(root, typeKey + "\\shell\\open\\command", open) && ok;
    if (bCompat)
    {
        CString print;
        print.Format("\"%s\" /p \"%%1\"", exePath);
        CString printTo;
        printTo.Format("\"%s\" /pt \"%%1\" \"%%2\" \"%%3\" \"%%4\"", exePath);
        ok = SetKeyText(root, typeKey + "\\shell\\print\\command", print) && ok;
        ok = SetKeyText(root, typeKey + "\\shell\\printto\\command", printTo) && ok;
    }

    ForEachExtensionKey(classesKey, type, [&](const CString& extKey) {
        const CString owner = GetKeyText(root, extKey);
        if (!owner.IsEmpty() && owner != type.strTypeId)
            return;
        ok = SetKeyText(root, extKey, type.strTypeId) && ok;
        if (bCompat)
            ok = SetNamedText(root, extKey + "\\ShellNew", "NullFile", "") && ok;
    });
    return ok;
}

void AFXAPI AfxUnregisterShellFileType(HKEY root, LPCTSTR classesKey, const AFX_SHELL_FILE_TYPE& type)
{
    if (type.strTypeId.IsEmpty())
        return;
    ForEachExtensionKey(classesKey, type, [&](const CString& extKey) {
        if (GetKeyText(root, extKey) == type.strTypeId)
            SHDeleteKeyA(root, extKey);
    });
    SHDeleteKeyA(root, Under(classesKey, type.strTypeId));
}
