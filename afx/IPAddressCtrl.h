// CIPAddressCtrl: the system's IP-address control (four fields of 0..255),
// read and written as four bytes or one DWORD in network order of fields
// (field 0 in the highest byte).
#pragma once

#include "afx/CtrlCreate.h"

#include <commctrl.h>

class CIPAddressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // TRUE when every field is empty.
    BOOL IsBlank() const { return static_cast<BOOL>(AfxCtrlSend(this, IPM_ISBLANK)); }
    void ClearAddress() { AfxCtrlSend(this, IPM_CLEARADDRESS); }
    // The number of fields that are not blank; blank fields read as 0.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    int GetAddress(DWORD& dwAddress) const;
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
    void SetAddress(DWORD dwAddress) { AfxCtrlSend(this, IPM_SETADDRESS, 0, static_cast<LPARAM>(dwAddress)); }
    void SetFieldFocus(WORD nField) { AfxCtrlSend(this, IPM_SETFOCUS, nField); }
    // A field accepts only values in nLower..nUpper.
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper) { AfxCtrlSend(this, IPM_SETRANGE, nField, MAKEIPRANGE(nLower, nUpper)); }
};
