#include "framework/crash/VersionString.h"

#include <vector>

CString GetModulePath()
{
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

CString FormatVersionString(LPCTSTR productName, DWORD versionMS, DWORD versionLS, BOOL bWithoutName)
{
    int major = HIWORD(versionMS);
    int minor = LOWORD(versionMS);
    int build = HIWORD(versionLS);
    int priv = LOWORD(versionLS);
    int beta = priv % 100;
    int letter = priv / 100;
    CString text;
    if (major == 0) {
        if (priv != 0)
            text.Format("%s Beta %d.%d beta %d", productName, minor, build, priv);
        else
            text.Format("%s Beta %d.%d", productName, minor, build);
    }
    else if (beta != 0 && bWithoutName) {
        text.Format("version %d.%d.%d.%d beta", major, minor, build, beta);
    }
    else if (beta != 0) {
        if (build != 0)
            text.Format("%s version %d.%d.%d beta %d", productName, major, minor, build, beta);
        else
            text.Format("%s version %d.%d beta %d", productName, major, minor, beta);
    }
    else if (letter != 0) {
        char c = static_cast<char>(0x60 + letter);
        if (build != 0)
            text.Format("%s version %d.%d.%d%c", productName, major, minor, build, c);
        else
            text.Format("%s version %d.%d%c", productName, major, minor, c);
    }
    else if (build != 0) {
        text.Format("%s version %d.%d.%d", productName, major, minor, build);
    }
    else {
        text.Format("%s version %d.%d", productName, major, minor);
    }
    return text;
}

BOOL GetVersionString(CString& text, BOOL bWithoutName)
{
    CString path = GetModulePath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::vector<BYTE> data(size ? size : 1);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoA(path, 0, size, data.data())
        || !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) {
        text = "Application";
        return TRUE;
    }

    CString product;
    struct Translation { WORD language; WORD codePage; }* translation = nullptr;
    if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length)
        && translation && length >= sizeof(*translation)) {
        CString key;
        key.Format("\\StringFileInfo\\%04x%04x\\ProductName", translation->language, translation->codePage);
        LPSTR name = nullptr;
        if (VerQueryValueA(data.data(), key, reinterpret_cast<void**>(&name), &length) && name)
            product = name;
    }
    text = FormatVersionString(product, fixed->dwFileVersionMS, fixed->dwFileVersionLS, bWithoutName);
    return TRUE;
}

CString FormatWindowsVersionString(const OSVERSIONINFOEXA& info, BOOL extended, LPCTSTR productType)
{
    CString text;
    DWORD major = info.dwMajorVersion;
    DWORD minor = info.dwMinorVersion;
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        char second = info.szCSDVersion[0] ? info.szCSDVersion[1] : 0;
        if (major == 4 && minor == 0) {
            text = "Microsoft Windows 95 ";
            if (second == 'C' || second == 'B')
                text += "OSR2 ";
        }
        else if (major == 4 && minor == 10) {
            text = "Microsoft Windows 98 ";
            if (second == 'A')
                text += "SE ";
        }
        else if (major == 4 && minor == 90) {
            text = "Microsoft Windows Millennium Edition ";
        }
        text.AppendFormat("%d.%d build %d", static_cast<int>(major), static_cast<int>(minor),
                          static_cast<int>(LOWORD(info.dwBuildNumber)));
        return text;
    }

    if (major < 5)
        text = "Microsoft Windows NT ";
    else if (major == 5 && minor == 0)
        text = "Microsoft Windows 2000 ";
    if (extended) {
        if (info.wProductType == VER_NT_WORKSTATION) {
            if (major == 5 && minor == 1)
                text += "Microsoft Windows XP ";
            text += (info.wSuiteMask & VER_SUITE_PERSONAL) ? "Home Edition " : "Professional ";
        }
        else if (info.wProductType == VER_NT_SERVER || info.wProductType == VER_NT_DOMAIN_CONTROLLER) {
            if (major == 5 && minor == 1)
                text += "Microsoft Windows .NET ";
            if (info.wSuiteMask & VER_SUITE_DATACENTER)
                text += "DataCenter Server ";
            else if (info.wSuiteMask & VER_SUITE_ENTERPRISE)
                text += major == 4 ? "Advanced Server " : "Enterprise Server ";
            else if (info.wSuiteMask & VER_SUITE_BLADE)
                text += "Web Server ";
            else
                text += "Server ";
        }
    }
    else if (productType) {
        if (lstrcmpiA(productType, "WINNT") == 0)
            text += "Professional ";
        else if (lstrcmpiA(productType, "LANMANNT") == 0)
            text += "Server ";
        else if (lstrcmpiA(productType, "SERVERNT") == 0)
            text += "Advanced Server ";
    }
    if (major < 5)
        text.AppendFormat("version %d.%d %s (Build %d)", static_cast<int>(major), static_cast<int>(minor),
                          info.szCSDVersion, static_cast<int>(info.dwBuildNumber & 0xFFFF));
    else
        text.AppendFormat("%s (Build %d)", info.szCSDVersion, static_cast<int>(info.dwBuildNumber & 0xFFFF));
    return text;
}

BOOL GetWindowsVersionString(CString& text)
{
    OSVERSIONINFOEXA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    BOOL extended = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info));
    if (!extended) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
            return FALSE;
    }
    char productType[80] = "";
    if (!extended) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0, KEY_QUERY_VALUE,
                          &key) == ERROR_SUCCESS) {
            DWORD size = sizeof(productType) - 1;
            RegQueryValueExA(key, "ProductType", nullptr, nullptr, reinterpret_cast<BYTE*>(productType), &size);
            RegCloseKey(key);
        }
    }
    text = FormatWindowsVersionString(info, extended, productType);
    return TRUE;
}
