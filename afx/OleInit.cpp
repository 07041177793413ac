#include "afx/OleInit.h"

#include <stdlib.h>

namespace {

LONG g_oleInitialized = 0;
HMODULE g_richEdit = nullptr;

void AFX_CDECL UninitializeOle()
{
    ::OleUninitialize();
}

} // namespace

BOOL AFXAPI AfxOleInit()
{
    if (g_oleInitialized)
        return TRUE;
    HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr)) {
        TRACE("OleInitialize failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        return FALSE;
    }
    g_oleInitialized = 1;
    atexit(&UninitializeOle);
    return TRUE;
}

BOOL AFXAPI AfxOleIsInitialized()
{
    return g_oleInitialized != 0;
}

void AFXAPI AfxEnableControlContainer()
{
    AfxOleInit();
}

BOOL AFXAPI AfxInitRichEdit2()
{
    if (g_richEdit == nullptr)
        g_richEdit = ::LoadLibraryA("riched20.dll");
    return g_richEdit != nullptr;
}

BOOL AFXAPI AfxInitRichEdit()
{
    // The 1.0 class names are served by the same library.
    return AfxInitRichEdit2();
}
