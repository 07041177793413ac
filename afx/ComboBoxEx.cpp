#include "afx/ComboBoxEx.h"

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, WC_COMBOBOXEX, dwStyle, rect, pParentWnd, nID);
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* pCBItem)
{
    return static_cast<int>(AfxCtrlSend(this, CBEM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

int CComboBoxEx::DeleteItem(int iIndex)
{
    return static_cast<int>(AfxCtrlSend(this, CBEM_DELETEITEM, iIndex));
}

BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* pCBItem)
{
    return static_cast<BOOL>(AfxCtrlSend(this, CBEM_GETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

BOOL CComboBoxEx::SetItem(const COMBOBOXEXITEM* pCBItem)
{
    return static_cast<BOOL>(AfxCtrlSend(this, CBEM_SETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

CComboBox* CComboBoxEx::GetComboBoxCtrl() const
{
    return AfxControlFromHandle<CComboBox>(reinterpret_cast<HWND>(AfxCtrlSend(this, CBEM_GETCOMBOCONTROL)));
}

CEdit* CComboBoxEx::GetEditCtrl() const
{
    return AfxControlFromHandle<CEdit>(reinterpret_cast<HWND>(AfxCtrlSend(this, CBEM_GETEDITCONTROL)));
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        AfxCtrlSend(this, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

CImageList* CComboBoxEx::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(AfxCtrlSend(this, CBEM_GETIMAGELIST)));
}
