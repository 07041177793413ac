// The one place the control wrappers create their windows: a child of the
// given class, style, rectangle and id, bound to the wrapper object.
#pragma once

#include "afx/Wnd.h"

// Creates the control through CWnd's own creation, so the window is bound to
// the wrapper from its first message and its reflected notifications reach
// the wrapper's map. Styles with WS_POPUP (tool tips) make an owned popup.
BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle = 0);
// Sends a message to the wrapper's window; 0 when it has none.
inline LRESULT AfxCtrlSend(const CWnd* wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(wnd->m_hWnd, message, wParam, lParam);
}

// The object of a control window the caller did not create (a list's header,
// a spin's buddy): its bound object, else a temporary wrapper freed at idle.
// The control wrappers add no data to CWnd, so the temporary serves as any of
// them, which is what callers of GetHeaderCtrl and the like rely on.
template <class Ctrl>
inline Ctrl* AfxControlFromHandle(HWND hWnd)
{
    static_assert(sizeof(Ctrl) == sizeof(CWnd), "a wrapper reached this way must add no data");
    return hWnd ? static_cast<Ctrl*>(CWnd::FromHandle(hWnd)) : nullptr;
}
