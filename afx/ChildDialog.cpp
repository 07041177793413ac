#include "afx/ChildDialog.h"

#include <string.h>

namespace {

INT_PTR CALLBACK ChildDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // Everything goes through the bound object's map; the dialog manager only
    // creates the controls and handles the keyboard.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

HWND AFXAPI AfxCreateChildDialog(CWnd* pWnd, LPCTSTR lpszTemplateName, CWnd* pParentWnd, UINT nID)
{
    HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC found = ::FindResourceA(module, lpszTemplateName, RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* resource = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    if (!resource || size < sizeof(DLGTEMPLATE))
        return nullptr;

    // The copy is patched; the resource stays read-only.
    BYTE* copy = new BYTE[size];
    memcpy(copy, resource, size);
    const bool extended = reinterpret_cast<const WORD*>(copy)[1] == 0xFFFF;
    DWORD* styleField = reinterpret_cast<DWORD*>(copy + (extended ? 12 : 0));
    *styleField = (*styleField & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER | WS_VISIBLE |
                                   DS_MODALFRAME)) |
                  WS_CHILD | DS_CONTROL;

    AfxHookWindowCreate(pWnd);
    HWND hWnd = ::CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATE>(copy),
                                             pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, &ChildDlgProc, 0);
    AfxUnhookWindowCreate();
    delete[] copy;
    if (hWnd)
        ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    return hWnd;
}
