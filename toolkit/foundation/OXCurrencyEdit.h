// A numeric edit for money: shows a currency symbol where its display formats
// hold "$", and takes separators, grouping, decimals and both formats from the
// locale's monetary settings until the program sets them itself.
#pragma once

#include "toolkit/foundation/OXNumericEdit.h"

class COXCurrencyEdit : public COXNumericEdit
{
    DECLARE_DYNCREATE(COXCurrencyEdit)
public:
    COXCurrencyEdit();

    BOOL SetCurrencySymbol(LPCTSTR lpszSymbol);
    CString GetCurrencySymbol() const { return m_sCurrencySymbol; }

    BOOL InitFromLocale() override;
    void OnFormatApplied() override;
    BOOL SetPositiveFormat(LPCTSTR lpszFormat) override;
    BOOL SetNegativeFormat(LPCTSTR lpszFormat) override;

    static const char SymbolPlaceholder = '$';

protected:
    CString m_sCurrencySymbol;
    CString m_sLocaleCurrencySymbol;
};
