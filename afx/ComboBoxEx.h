// CComboBoxEx: the system's extended combo box, whose items carry images and
// indents (COMBOBOXEXITEM). It holds a combo box and, for the drop-down
// styles, an edit; both are reached as objects. The CB_ messages of CComboBox
// (count, selection, dropped state) work on it as on a plain combo box.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/ImageList.h"

#include <commctrl.h>

class CComboBoxEx : public CComboBox
{
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The index the item got, or -1.
    int InsertItem(const COMBOBOXEXITEM* pCBItem);
    // The number of items left, or CB_ERR.
    int DeleteItem(int iIndex);
    using CComboBox::DeleteItem;
    // Fills the members pCBItem->mask asks for (pszText needs a buffer of cchTextMax).
    BOOL GetItem(COMBOBOXEXITEM* pCBItem);
    BOOL SetItem(const COMBOBOXEXITEM* pCBItem);

    // The inner controls: their bound objects, else temporary wrappers.
    CComboBox* GetComboBoxCtrl() const;
    CEdit* GetEditCtrl() const;
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(AfxCtrlSend(this, CBEM_GETEXTENDEDSTYLE)); }
    // Changes the CBES_EX_* bits of dwExMask (all when 0); answers the previous styles.
    DWORD SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles) { return static_cast<DWORD>(AfxCtrlSend(this, CBEM_SETEXTENDEDSTYLE, dwExMask, dwExStyles)); }
    // TRUE when the user typed in the edit since the last selection.
    BOOL HasEditChanged() { return static_cast<BOOL>(AfxCtrlSend(this, CBEM_HASEDITCHANGED)); }
};
