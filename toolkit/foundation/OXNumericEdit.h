// An edit for signed decimal numbers: keeps a double in step with the text,
// re-formats the digits after every keystroke (grouping, fixed decimals,
// optional leading zero) and wraps them in a positive or negative display
// format whose "1.1" marks where the digits go. Separators and counts follow
// the user's locale until the program sets them itself.
#pragma once

#include "toolkit/foundation/OXEdit.h"

class CDataExchange;

class COXNumericEdit : public COXEdit
{
    DECLARE_DYNCREATE(COXNumericEdit)
public:
    COXNumericEdit();

    BOOL SetValue(double dValue);
    double GetValue() const { return m_dValue; }
    BOOL IsNegative() const { return m_bNegative; }

    BOOL SetGroupSeparator(char ch);
    char GetGroupSeparator() const { return m_chGroupSeparator; }
    BOOL SetDecimalSeparator(char ch);
    char GetDecimalSeparator() const { return m_chDecimalSeparator; }
    BOOL SetGroupLength(int nLength);
    int GetGroupLength() const { return m_nGroupLength; }
    BOOL SetDecimalDigitCount(int nCount);
    int GetDecimalDigitCount() const { return m_nDecimalDigits; }
    BOOL SetMaxIntegerDigits(int nCount);
    int GetMaxIntegerDigits() const { return m_nMaxIntegerDigits; }
    BOOL SetLeadingZero(BOOL bLeadingZero);
    BOOL GetLeadingZero() const { return m_bLeadingZero; }
    CString GetPositiveFormat() const { return m_sPositiveFormat; }
    CString GetNegativeFormat() const { return m_sNegativeFormat; }
    void SetNegativeTextColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetNegativeTextColor() const { return m_clrNegativeText; }

    CString GetInputData() const override;
    BOOL InitFromLocale() override;
    BOOL InitializeControl() override;
    int ParseText() override;
    void ResetTemplate() override;
    BOOL IsInputPosition(int nPos) const override;
    int DeleteRange(int& nStart, int& nEnd) override;
    int InsertChar(int nPos, char ch) override;
    int ReplaceChar(int nPos, char ch) override;

    virtual BOOL SetPositiveFormat(LPCTSTR lpszFormat);
    virtual BOOL SetNegativeFormat(LPCTSTR lpszFormat);
    virtual int ApplyFormat(BOOL bNegative);
    virtual int PutChar(int nPos, char ch, BOOL bReplace);

    static const char* const NumberMarker;  // "1.1"

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
    // Re-formats the present input after a setting changed.
    void Reformat();
    // Reads one locale value; false when the locale has none.
    static bool ReadLocale(LCTYPE type, CString& value);
    // Lets a setting follow the locale only while the program has not changed it.
    template <typename T>
    static void FollowLocale(T& current, T& snapshot, const T& fromLocale, bool equal)
    {
        snapshot = fromLocale;
        if (equal)
            current = fromLocale;
    }
    int GroupSeparatorsBefore(int nPos) const;
    int MaskPrefixLength() const;

    char m_chGroupSeparator;
    int m_nGroupLength;
    char m_chDecimalSeparator;
    BOOL m_bLeadingZero;
    int m_nDecimalDigits;
    int m_nMaxIntegerDigits;
    CString m_sNegativeFormat;
    CString m_sPositiveFormat;
    COLORREF m_clrNegativeText;
    double m_dValue;
    BOOL m_bNegative;
    BOOL m_bAcceptPoint;

    char m_chLocaleGroupSeparator;
    int m_nLocaleGroupLength;
    char m_chLocaleDecimalSeparator;
    BOOL m_bLocaleLeadingZero;
    int m_nLocaleDecimalDigits;
    int m_nLocaleMaxIntegerDigits;
    CString m_sLocaleNegativeFormat;
    CString m_sLocalePositiveFormat;
};

void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, double& value);
void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, float& value);
void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, int& value);
