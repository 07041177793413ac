// Common ground of the class-library layer: Windows headers, the layer's
// calling conventions, diagnostics and the application-wide instance globals.
// Every afx header includes this one first.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN_NOT_WANTED
// The full <windows.h>: the layer wraps common controls, OLE and the shell.
#endif
#include <windows.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>

#define AFXAPI
#define AFX_CDECL __cdecl
#define AFX_STATIC static
#define AFX_STATIC_DATA static

// Programmer's mistakes. Checked in debug builds; VERIFY always evaluates.
#ifdef _DEBUG
void AFXAPI AfxAssertFailedLine(LPCSTR file, int line);
#define ASSERT(f) do { if (!(f)) AfxAssertFailedLine(__FILE__, __LINE__); } while (0)
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p) ASSERT((p) != nullptr)
#define ASSERT_POINTER(p, type) ASSERT((p) != nullptr)
#define ENSURE(f) do { if (!(f)) AfxThrowInvalidArgException(); } while (0)
#define ENSURE_ARG(f) ENSURE(f)

// Debug output (OutputDebugString); compiled out of release builds.
void AFX_CDECL AfxTrace(LPCSTR format, ...);
#ifdef _DEBUG
#define TRACE AfxTrace
#else
#define TRACE(...) ((void)0)
#endif
#define TRACE0(s) TRACE("%s", s)

#define DEBUG_NEW new
#define UNUSED_ALWAYS(x) (void)(x)

// Instance and resource handles of the running module. The application
// object sets them at start-up; until then they are the executable's.
HINSTANCE AFXAPI AfxGetInstanceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE instance);
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE resource);
// The module that holds the named resource of the given type: the resource
// handle when it has it, else the instance handle.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR name, LPCTSTR type);

[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
