#include "tooltip/PPLinkOpener.h"

#include <algorithm>
#include <shellapi.h>
#include <string.h>

namespace {

BOOL StartsWithNoCase(LPCTSTR text, LPCTSTR prefix)
{
    const size_t length = strlen(prefix);
    return _strnicmp(text, prefix, length) == 0;
}

CPPShell g_realShell;
CPPShell* g_shell = nullptr;

}  // namespace

BOOL PPIsOpenableLink(LPCTSTR url)
{
    if (!url)
        return FALSE;
    for (LPCTSTR p = url; *p; ++p)
    {
        const unsigned char ch = static_cast<unsigned char>(*p);
        if (ch < 0x20 || ch == 0x7F || ch == '"')
            return FALSE;
    }
    // The scheme alone is not a page to open.
    static const LPCTSTR kSchemes[] = {"http://", "https://", "mailto:"};
    for (LPCTSTR scheme : kSchemes)
        if (StartsWithNoCase(url, scheme) && url[strlen(scheme)] != '\0')
            return TRUE;
    return FALSE;
}

BOOL PPBuildBrowserCommand(LPCTSTR command, LPCTSTR url, CString& line, int maxLength)
{
    line.Empty();
    if (!command || !PPIsOpenableLink(url))
        return FALSE;
    CString result(command);
    int cut = result.Find("\"%1\"");
    if (cut < 0)
        cut = result.Find("%1");
    if (cut >= 0)
        result = result.Left(cut);
    result += " \"";
    result += url;
    result += "\"";
    if (result.GetLength() + 1 > maxLength)
        return FALSE;
    line = result;
    return TRUE;
}

INT_PTR CPPShell::Open(LPCTSTR url, int showCommand)
{
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url, nullptr, nullptr, showCommand));
}

BOOL CPPShell::ReadRegistryDefault(HKEY root, LPCTSTR key, CString& value)
{
    value.Empty();
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return FALSE;
    char data[kPPMaxCommandLine];
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG rc = RegQueryValueExA(hKey, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(hKey);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return FALSE;
    // A stored value need not end with its terminator.
    size = std::min<DWORD>(size, sizeof data - 1);
    data[size] = '\0';
    value = data;
    return TRUE;
}

UINT CPPShell::Run(LPCTSTR commandLine, int showCommand)
{
    return WinExec(commandLine, static_cast<UINT>(showCommand));
}

CPPShell& CPPShell::Current()
{
    return g_shell ? *g_shell : g_realShell;
}

CPPShell* CPPShell::Install(CPPShell* shell)
{
    CPPShell* previous = g_shell;
    g_shell = shell;
    return previous;
}

INT_PTR PPOpenLink(LPCTSTR url, int showCommand)
{
    if (!PPIsOpenableLink(url))
        return SE_ERR_ACCESSDENIED;
    CPPShell& shell = CPPShell::Current();
    const INT_PTR opened = shell.Open(url, showCommand);
    if (opened > 32)
        return opened;
    CString type;
    if (!shell.ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", type) || type.IsEmpty())
        return opened;
    CString command;
    if (!shell.ReadRegistryDefault(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", command))
        return opened;
    CString line;
    if (!PPBuildBrowserCommand(command, url, line))
        return opened;
    return static_cast<INT_PTR>(shell.Run(line, showCommand));
}
