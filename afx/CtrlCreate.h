// The one place the control wrappers create their windows: a child of the
// given class, style, rectangle and id, bound to the wrapper object.
#pragma once

#include "afx/Wnd.h"

// The window is bound to the wrapper (CWnd::CreateEx), so its messages go
// through the wrapper's message map.
BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle = 0);
// Sends a message to the wrapper's window; 0 when it has none.
inline LRESULT AfxCtrlSend(const CWnd* wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(wnd->m_hWnd, message, wParam, lParam);
}
