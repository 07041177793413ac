#include "afx/CommonDialog.h"

#include "afx/Exception.h"
#include "afx/WinApp.h"

#include <vector>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

// The common dialog being opened on this thread, until its hook binds it.
thread_local CCommonDialog* t_opening = nullptr;
// What t_opening was before PreModal, for a dialog opened from another's handler.
thread_local std::vector<CCommonDialog*> t_saved;

bool IsExplorerChild(HWND hWnd)
{
    // The hook of an explorer-style file dialog runs in a child dialog of
    // the real one; every other hook runs in the dialog itself.
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) != 0 && ::GetParent(hWnd) != nullptr;
}

} // namespace

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

HWND CCommonDialog::PreModal()
{
    ASSERT(m_hWnd == nullptr);
    t_saved.push_back(t_opening);
    t_opening = this;

    return GetModalOwner();
}

void CCommonDialog::PostModal()
{
    ASSERT(!t_saved.empty());
    t_opening = t_saved.back();
    t_saved.pop_back();
    // The dialog window is gone; a binding that outlived it (the system
    // failed before WM_NCDESTROY reached us) must not stay in the map.
    if (m_hWnd && !::IsWindow(m_hWnd))
        Detach();
    m_hWnd = nullptr;
}

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CCommonDialog* dialog = t_opening;
        if (!dialog)
            return TRUE;
        t_opening = nullptr;
        HWND target = IsExplorerChild(hWnd) ? ::GetParent(hWnd) : hWnd;
        if (!CWnd::FromHandlePermanent(target) && !dialog->SubclassWindow(target))
            return TRUE;
        // Nothing may cross the system's dialog code.
        return AfxCallGuarded([dialog] { return static_cast<UINT_PTR>(dialog->OnInitDialog()); }, UINT_PTR(TRUE));
    }
    if (message == WM_NOTIFY && IsExplorerChild(hWnd)) {
        CWnd* dialog = CWnd::FromHandlePermanent(::GetParent(hWnd));
        if (!dialog)
            return FALSE;
        LRESULT result = 0;
        const BOOL handled = AfxCallGuarded([&] { return dialog->OnNotify(wParam, lParam, &result); }, FALSE);
        if (!handled)
            return FALSE;
        // A dialog procedure's result travels in the window's message result.
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}
