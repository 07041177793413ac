#include "afx/Afx.h"

#include <stdio.h>

namespace {
HINSTANCE g_instance = nullptr;
HINSTANCE g_resource = nullptr;
}

#ifdef _DEBUG
void AFXAPI AfxAssertFailedLine(LPCSTR file, int line)
{
    char text[512];
    _snprintf(text, sizeof text - 1, "Assertion failed: %s(%d)\n", file, line);
    text[sizeof text - 1] = 0;
    OutputDebugStringA(text);
    if (IsDebuggerPresent())
        DebugBreak();
}
#endif

void AFX_CDECL AfxTrace(LPCSTR format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    OutputDebugStringA(text);
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_instance ? g_instance : GetModuleHandleA(nullptr);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE instance)
{
    g_instance = instance;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_resource ? g_resource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE resource)
{
    g_resource = resource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR name, LPCTSTR type)
{
    HINSTANCE resource = AfxGetResourceHandle();
    if (FindResourceA(resource, name, type))
        return resource;
    return AfxGetInstanceHandle();
}
