#include "toolkit/foundation/OXCurrencyEdit.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(COXCurrencyEdit, COXNumericEdit)

namespace {
bool IsCurrencyFormat(LPCTSTR lpszFormat)
{
    return lpszFormat && strstr(lpszFormat, COXNumericEdit::NumberMarker) &&
           strchr(lpszFormat, COXCurrencyEdit::SymbolPlaceholder);
}
} // namespace

COXCurrencyEdit::COXCurrencyEdit()
    : m_sCurrencySymbol("$"), m_sLocaleCurrencySymbol("$")
{
    m_sNegativeFormat = m_sLocaleNegativeFormat = "($1.1)";
    m_sPositiveFormat = m_sLocalePositiveFormat = "$1.1";
    ApplyFormat(m_bNegative);
}

BOOL COXCurrencyEdit::SetCurrencySymbol(LPCTSTR lpszSymbol)
{
    if (!lpszSymbol || !*lpszSymbol)
        return FALSE;
    const CString input = GetInputData();
    m_sCurrencySymbol = lpszSymbol;
    EmptyData(TRUE);
    SetInputData(input, 0);
    return TRUE;
}

BOOL COXCurrencyEdit::SetPositiveFormat(LPCTSTR lpszFormat)
{
    return IsCurrencyFormat(lpszFormat) ? COXNumericEdit::SetPositiveFormat(lpszFormat) : FALSE;
}

BOOL COXCurrencyEdit::SetNegativeFormat(LPCTSTR lpszFormat)
{
    return IsCurrencyFormat(lpszFormat) ? COXNumericEdit::SetNegativeFormat(lpszFormat) : FALSE;
}

void COXCurrencyEdit::OnFormatApplied()
{
    const std::string format = static_cast<LPCTSTR>(m_bNegative ? m_sNegativeFormat : m_sPositiveFormat);
    const size_t symbol = format.find(SymbolPlaceholder);
    const size_t marker = format.find(NumberMarker);
    if (symbol == std::string::npos || marker == std::string::npos)
        return;
    const std::string text = static_cast<LPCTSTR>(m_sCurrencySymbol);
    if (symbol < marker) {
        const size_t at = static_cast<size_t>(MaskPrefixLength()) + symbol;
        if (at < m_arrPrefix.size() && m_arrPrefix[at] == SymbolPlaceholder)
            m_arrPrefix.replace(at, 1, text);
    } else {
        const size_t at = symbol - (marker + strlen(NumberMarker));
        if (at < m_arrSuffix.size() && m_arrSuffix[at] == SymbolPlaceholder)
            m_arrSuffix.replace(at, 1, text);
    }
}

BOOL COXCurrencyEdit::InitFromLocale()
{
    CString text;
    if (ReadLocale(LOCALE_SMONDECIMALSEP, text) && !text.IsEmpty())
        FollowLocale(m_chDecimalSeparator, m_chLocaleDecimalSeparator, text[0],
                     m_chDecimalSeparator == m_chLocaleDecimalSeparator);
    if (ReadLocale(LOCALE_SMONTHOUSANDSEP, text) && !text.IsEmpty())
        FollowLocale(m_chGroupSeparator, m_chLocaleGroupSeparator, text[0],
                     m_chGroupSeparator == m_chLocaleGroupSeparator);
    if (ReadLocale(LOCALE_ILZERO, text)) {
        const BOOL value = atoi(text);
        FollowLocale(m_bLeadingZero, m_bLocaleLeadingZero, value, m_bLeadingZero == m_bLocaleLeadingZero);
    }
    if (ReadLocale(LOCALE_SMONGROUPING, text)) {
        const int end = text.Find(";0");
        if (end >= 0) {
            const int value = atoi(text.Left(end));
            FollowLocale(m_nGroupLength, m_nLocaleGroupLength, value, m_nGroupLength == m_nLocaleGroupLength);
        }
    }
    if (ReadLocale(LOCALE_ICURRDIGITS, text)) {
        const int value = atoi(text);
        FollowLocale(m_nDecimalDigits, m_nLocaleDecimalDigits, value, m_nDecimalDigits == m_nLocaleDecimalDigits);
    }
    if (ReadLocale(LOCALE_SCURRENCY, text) && !text.IsEmpty()) {
        FollowLocale(m_sCurrencySymbol, m_sLocaleCurrencySymbol, text,
                     m_sCurrencySymbol.CompareNoCase(m_sLocaleCurrencySymbol) == 0);
    }
    if (ReadLocale(LOCALE_ICURRENCY, text)) {
        static const char* const formats[] = {"$1.1", "1.1$", "$ 1.1", "1.1 $"};
        const int index = atoi(text);
        if (index >= 0 && index < 4) {
            const CString value = formats[index];
            FollowLocale(m_sPositiveFormat, m_sLocalePositiveFormat, value,
                         m_sPositiveFormat.CompareNoCase(m_sLocalePositiveFormat) == 0);
        }
    }
    if (ReadLocale(LOCALE_INEGCURR, text)) {
        static const char* const formats[] = {"($1.1)", "-$1.1",  "$-1.1",  "$1.1-",  "(1.1$)", "-1.1$",
                                              "1.1-$",  "1.1$-",  "-1.1 $", "-$ 1.1", "1.1 $-", "$ 1.1-",
                                              "$ -1.1", "1.1- $", "($ 1.1)", "(1.1 $)"};
        const int index = atoi(text);
        if (index >= 0 && index < 16) {
            const CString value = formats[index];
            FollowLocale(m_sNegativeFormat, m_sLocaleNegativeFormat, value,
                         m_sNegativeFormat.CompareNoCase(m_sLocaleNegativeFormat) == 0);
        }
    }
    return TRUE;
}
