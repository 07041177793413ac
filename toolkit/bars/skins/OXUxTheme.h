// Run-time binding to the visual-styles library: the library is loaded by
// name when the object is made, and each function is looked up at every
// call. Without the library (or without one of its entries) the theme
// look-ups give null and the drawing calls FALSE, so callers draw unthemed.
#pragma once

#include "afx/Afx.h"

#include <uxtheme.h>

class COXUxTheme
{
public:
    // The library name can be replaced, so that a missing library can be tried.
    explicit COXUxTheme(LPCTSTR lpszLibrary = _T("UxTheme.dll"));
    virtual ~COXUxTheme();

    COXUxTheme(const COXUxTheme&) = delete;
    COXUxTheme& operator=(const COXUxTheme&) = delete;

    BOOL IsLoaded() const { return m_hUxTheme != nullptr; }

    // Theme handles returned here are owned by the caller.
    HTHEME GetWindowTheme(HWND hWnd);
    HTHEME OpenThemeData(HWND hWnd, LPCSTR lpszClassList);
    BOOL CloseThemeData(HTHEME hTheme);
    BOOL DrawThemeBackground(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                             const RECT* pClipRect);
    BOOL DrawThemeText(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCSTR lpszText, int nCharCount,
                       DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect);
    // GetSysColor's value for the index when the entry is missing.
    COLORREF GetThemeSysColor(HTHEME hTheme, int iColorId);

protected:
    FARPROC Entry(LPCSTR lpszName) const;

    HMODULE m_hUxTheme;
};
