// COXIPEdit: a masked edit for dotted IPv4 addresses, four groups of three
// digit positions separated by points whatever the locale's decimal
// separator. It shows each number right-aligned in its group, hands the
// address out in the compact dotted form and reports a malformed one with
// a fixed text.
#pragma once

#include "toolkit/foundation/OXMaskedEdit.h"

class COXIPEdit : public COXMaskedEdit
{
    DECLARE_DYNCREATE(COXIPEdit)
public:
    COXIPEdit();

    // "" for the blank address, the compact dotted form for a valid one,
    // else GetBadAddressText.
    CString GetInputData() const override;
    // A text that is not a valid address leaves the blank address.
    void SetInputData(LPCTSTR lpszText) override;

    virtual BOOL IsValidAddress(LPCTSTR lpszText);
    virtual CString GetBadAddressText();

    // Blanks anywhere are ignored; the bytes are left alone on failure.
    static BOOL ParseAddress(LPCTSTR lpszText, BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4);
    static BOOL IsBlankAddress(LPCTSTR lpszText);
    static CString FormatAddress(BYTE b1, BYTE b2, BYTE b3, BYTE b4);
};
