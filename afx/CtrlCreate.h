// The one place the control wrappers create their windows: a child of the
// given class, style, rectangle and id, bound to the wrapper object.
#pragma once

#include "afx/Wnd.h"

// Until the window layer's CWnd::Create is in place, this creates the window
// directly and sets m_hWnd; the wrappers reach the window only through it.
BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle = 0);
// Sends a message to the wrapper's window; 0 when it has none.
inline LRESULT AfxCtrlSend(const CWnd* wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(wnd->m_hWnd, message, wParam, lParam);
}
