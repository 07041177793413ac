#include "afx/CtrlCreate.h"

BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle)
{
    ASSERT(wnd != nullptr && wnd->m_hWnd == nullptr);
    if (!wnd->CreateEx(exStyle, className, nullptr, style, rect, parent, id)) {
        TRACE("CreateWindowEx(%s) failed: %lu\n", className, ::GetLastError());
        return FALSE;
    }
    return TRUE;
}
