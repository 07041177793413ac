// Dialog templates on any window: a modeless dialog bound to a CWnd, the
// initial control data of a DLGINIT resource, and dialog keyboard handling.
#include "afx/Wnd.h"

namespace {

// The resource type of initial control data.
const LPCTSTR kDlgInitType = MAKEINTRESOURCE(240);

// Messages of the DLGINIT records (their 16-bit numbers) and the inserted
// item of an extended combo box.
const WORD kInitListAddString = 0x0401;
const WORD kInitComboAddString = 0x0403;
const WORD kInitComboExInsert = 0x1234;

INT_PTR CALLBACK BoundDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // Everything goes through the bound object's map; the dialog manager
    // creates the controls and gives the focus to the first of them.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC found = ::FindResourceA(module, lpszTemplateName, RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    LPCDLGTEMPLATE dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
    if (!dialogTemplate)
        return FALSE;
    return CreateDlgIndirect(dialogTemplate, pParentWnd, module);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT(m_hWnd == nullptr);
    if (!lpDialogTemplate)
        return FALSE;
    if (!hInst)
        hInst = AfxGetResourceHandle();
    // The dialog is the first window the call creates: it binds to this object.
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &BoundDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (!lpszResourceName)
        return TRUE;
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, kDlgInitType);
    HRSRC found = ::FindResourceA(module, lpszResourceName, kDlgInitType);
    if (!found)
        return TRUE;   // the template has no initial data
    HGLOBAL loaded = ::LoadResource(module, found);
    void* data = loaded ? ::LockResource(loaded) : nullptr;
    return data ? ExecuteDlgInit(data) : FALSE;
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    if (!lpResource)
        return TRUE;
    // Records of: control id (WORD), message (WORD), data length (DWORD,
    // unaligned), data; a control id of 0 ends them.
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    BOOL ok = TRUE;
    for (;;) {
        WORD id = 0;
        memcpy(&id, p, sizeof id);
        if (id == 0)
            break;
        WORD message = 0;
        DWORD length = 0;
        memcpy(&message, p + 2, sizeof message);
        memcpy(&length, p + 4, sizeof length);
        const char* text = reinterpret_cast<const char*>(p + 8);
        p += 8 + length;
        if (length == 0)
            continue;
        // The data is a string; one without its terminator is copied to get one.
        CString item(text, static_cast<int>(strnlen(text, length)));
        HWND control = ::GetDlgItem(m_hWnd, id);
        if (!control) {
            ok = FALSE;
            continue;
        }
        LRESULT answer = 0;
        switch (message) {
        case kInitListAddString:
        case LB_ADDSTRING:
            answer = ::SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(item)));
            if (answer == LB_ERR || answer == LB_ERRSPACE)
                ok = FALSE;
            break;
        case kInitComboAddString:
        case CB_ADDSTRING:
            answer = ::SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(item)));
            if (answer == CB_ERR || answer == CB_ERRSPACE)
                ok = FALSE;
            break;
        case kInitComboExInsert: {
            COMBOBOXEXITEMA entry = {};
            entry.mask = CBEIF_TEXT;
            entry.iItem = -1;
            entry.pszText = const_cast<LPSTR>(static_cast<LPCTSTR>(item));
            if (::SendMessageA(control, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry)) < 0)
                ok = FALSE;
            break;
        }
        default:
            break;   // data of controls this layer does not host
        }
    }
    return ok;
}

BOOL CWnd::SetOccDialogInfo(_AFX_OCC_DIALOG_INFO*)
{
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    const bool key = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    const bool mouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    if (!key && !mouse)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, lpMsg);
}
