#include "afx/CtrlCreate.h"

BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle)
{
    ASSERT(wnd != nullptr && wnd->m_hWnd == nullptr);
    // The base members are called by name: a wrapper's own Create or CreateEx
    // (which lands here) must not be re-entered through the virtual.
    BOOL created;
    if (exStyle == 0 && (style & WS_POPUP) == 0 && parent != nullptr)
        created = wnd->CWnd::Create(className, nullptr, style, rect, parent, id);
    else
        created = wnd->CWnd::CreateEx(exStyle, className, nullptr, style, rect, parent,
                                      (style & WS_POPUP) ? 0 : id);
    if (!created)
        TRACE("creating a %s control failed: %lu\n", className, ::GetLastError());
    return created;
}
