#include "afx/CtrlCreate.h"

BOOL AFXAPI AfxCreateControl(CWnd* wnd, LPCTSTR className, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id, DWORD exStyle)
{
    ASSERT(wnd != nullptr && wnd->m_hWnd == nullptr);
    HWND parentHandle = parent != nullptr ? parent->m_hWnd : nullptr;
    HWND created = ::CreateWindowEx(exStyle, className, nullptr, style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, parentHandle,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                    ::GetModuleHandle(nullptr), nullptr);
    if (created == nullptr) {
        TRACE("CreateWindowEx(%s) failed: %lu\n", className, ::GetLastError());
        return FALSE;
    }
    wnd->m_hWnd = created;
    return TRUE;
}
