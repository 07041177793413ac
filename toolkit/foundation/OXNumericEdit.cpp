#include "toolkit/foundation/OXNumericEdit.h"

#include "afx/DC.h"
#include "afx/DataExchange.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

IMPLEMENT_DYNCREATE(COXNumericEdit, COXEdit)

const char* const COXNumericEdit::NumberMarker = "1.1";

namespace {
bool IsDigit(char ch)
{
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

bool SameChar(char a, char b)
{
    char sa[2] = {a, 0};
    char sb[2] = {b, 0};
    return lstrcmpiA(sa, sb) == 0;
}
} // namespace

COXNumericEdit::COXNumericEdit()
    : m_chGroupSeparator(','), m_nGroupLength(3), m_chDecimalSeparator('.'), m_bLeadingZero(TRUE),
      m_nDecimalDigits(2), m_nMaxIntegerDigits(-1), m_sNegativeFormat("-1.1"), m_sPositiveFormat("1.1"),
      m_clrNegativeText(::GetSysColor(COLOR_WINDOWTEXT)), m_dValue(0.0), m_bNegative(FALSE),
      m_bAcceptPoint(TRUE), m_chLocaleGroupSeparator(','), m_nLocaleGroupLength(3),
      m_chLocaleDecimalSeparator('.'), m_bLocaleLeadingZero(TRUE), m_nLocaleDecimalDigits(2),
      m_nLocaleMaxIntegerDigits(-1), m_sLocaleNegativeFormat("-1.1"), m_sLocalePositiveFormat("1.1")
{
    // The base built its template before these overrides existed.
    ValidateInput();
}

bool COXNumericEdit::ReadLocale(LCTYPE type, CString& value)
{
    const int size = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0)
        return false;
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer.data(), size) <= 0)
        return false;
    value = buffer.data();
    return true;
}

BOOL COXNumericEdit::InitFromLocale()
{
    CString text;
    if (ReadLocale(LOCALE_SDECIMAL, text) && !text.IsEmpty())
        FollowLocale(m_chDecimalSeparator, m_chLocaleDecimalSeparator, text[0],
                     SameChar(m_chDecimalSeparator, m_chLocaleDecimalSeparator));
    if (ReadLocale(LOCALE_STHOUSAND, text) && !text.IsEmpty())
        FollowLocale(m_chGroupSeparator, m_chLocaleGroupSeparator, text[0],
                     SameChar(m_chGroupSeparator, m_chLocaleGroupSeparator));
    if (ReadLocale(LOCALE_ILZERO, text)) {
        const BOOL value = atoi(text);
        FollowLocale(m_bLeadingZero, m_bLocaleLeadingZero, value, m_bLeadingZero == m_bLocaleLeadingZero);
    }
    if (ReadLocale(LOCALE_SGROUPING, text)) {
        const int end = text.Find(";0");
        if (end >= 0) {
            const int value = atoi(text.Left(end));
            FollowLocale(m_nGroupLength, m_nLocaleGroupLength, value, m_nGroupLength == m_nLocaleGroupLength);
        }
    }
    if (ReadLocale(LOCALE_IDIGITS, text)) {
        const int value = atoi(text);
        FollowLocale(m_nDecimalDigits, m_nLocaleDecimalDigits, value, m_nDecimalDigits == m_nLocaleDecimalDigits);
    }
    if (ReadLocale(LOCALE_INEGNUMBER, text)) {
        static const char* const formats[] = {"(1.1)", "-1.1", "- 1.1", "1.1-", "1.1 -"};
        const int index = atoi(text);
        if (index >= 0 && index < 5) {
            const CString value = formats[index];
            FollowLocale(m_sNegativeFormat, m_sLocaleNegativeFormat, value,
                         m_sNegativeFormat.CompareNoCase(m_sLocaleNegativeFormat) == 0);
        }
    }
    return TRUE;
}

BOOL COXNumericEdit::InitializeControl()
{
    return COXEdit::InitializeControl() ? TRUE : FALSE;
}

void COXNumericEdit::Reformat()
{
    const CString input = GetInputData();
    EmptyData(TRUE);
    SetInputData(input, 0);
}

BOOL COXNumericEdit::SetGroupSeparator(char ch)
{
    if (IsDigit(ch) || ch == '-' || ch == m_chDecimalSeparator || ch == '\0')
        return FALSE;
    if (ch != m_chGroupSeparator) {
        const CString input = GetInputData();  // still without the old separator
        m_chGroupSeparator = ch;
        EmptyData(TRUE);
        SetInputData(input, 0);
    }
    return TRUE;
}

BOOL COXNumericEdit::SetDecimalSeparator(char ch)
{
    if (IsDigit(ch) || ch == '-' || ch == m_chGroupSeparator || ch == '\0')
        return FALSE;
    if (ch != m_chDecimalSeparator) {
        for (char& c : m_arrInput)
            if (c == m_chDecimalSeparator)
                c = ch;
        m_chDecimalSeparator = ch;
        Reformat();
    }
    return TRUE;
}

BOOL COXNumericEdit::SetGroupLength(int nLength)
{
    if (nLength < 0)
        return FALSE;
    if (nLength != m_nGroupLength) {
        const CString input = GetInputData();
        m_nGroupLength = nLength;
        EmptyData(TRUE);
        SetInputData(input, 0);
    }
    return TRUE;
}

BOOL COXNumericEdit::SetDecimalDigitCount(int nCount)
{
    if (nCount < 0)
        return FALSE;
    if (nCount != m_nDecimalDigits) {
        m_nDecimalDigits = nCount;
        Reformat();
    }
    return TRUE;
}

BOOL COXNumericEdit::SetMaxIntegerDigits(int nCount)
{
    if (nCount < -1)
        return FALSE;
    if (nCount != m_nMaxIntegerDigits) {
        m_nMaxIntegerDigits = nCount;
        Reformat();
    }
    return TRUE;
}

BOOL COXNumericEdit::SetLeadingZero(BOOL bLeadingZero)
{
    if (!bLeadingZero != !m_bLeadingZero) {
        m_bLeadingZero = bLeadingZero;
        Reformat();
    }
    return TRUE;
}

BOOL COXNumericEdit::SetPositiveFormat(LPCTSTR lpszFormat)
{
    if (!lpszFormat || !strstr(lpszFormat, NumberMarker))
        return FALSE;
    m_sPositiveFormat = lpszFormat;
    ApplyFormat(m_bNegative);
    return TRUE;
}

BOOL COXNumericEdit::SetNegativeFormat(LPCTSTR lpszFormat)
{
    if (!lpszFormat || !strstr(lpszFormat, NumberMarker))
        return FALSE;
    m_sNegativeFormat = lpszFormat;
    ApplyFormat(m_bNegative);
    return TRUE;
}

void COXNumericEdit::SetNegativeTextColor(COLORREF clr, BOOL bRedraw)
{
    m_clrNegativeText = clr;
    if (bRedraw && m_bNegative && ::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

CString COXNumericEdit::GetInputData() const
{
    if (m_nGroupLength < 1)
        return COXEdit::GetInputData();
    std::string input;
    for (char ch : m_arrInput)
        if (ch != m_chGroupSeparator)
            input += ch;
    return CString(input.c_str());
}

void COXNumericEdit::ResetTemplate()
{
    COXEdit::ResetTemplate();
    m_dValue = 0.0;
}

BOOL COXNumericEdit::IsInputPosition(int nPos) const
{
    if (!COXEdit::IsInputPosition(nPos))
        return FALSE;
    const char ch = m_arrInput[static_cast<size_t>(nPos - PrefixLength())];
    return ch != m_chDecimalSeparator && ch != m_chGroupSeparator;
}

int COXNumericEdit::MaskPrefixLength() const
{
    std::string prefix;
    std::string suffix;
    SplitMask(m_sMask, prefix, suffix);
    return static_cast<int>(prefix.size());
}

int COXNumericEdit::ApplyFormat(BOOL bNegative)
{
    const int oldPrefix = PrefixLength();
    m_bNegative = bNegative;
    std::string maskPrefix;
    std::string maskSuffix;
    SplitMask(m_sMask, maskPrefix, maskSuffix);
    const std::string format = static_cast<LPCTSTR>(bNegative ? m_sNegativeFormat : m_sPositiveFormat);
    const size_t marker = format.find(NumberMarker);
    std::string formatPrefix;
    std::string formatSuffix;
    if (marker != std::string::npos) {
        formatPrefix = format.substr(0, marker);
        formatSuffix = format.substr(marker + strlen(NumberMarker));
    }
    m_arrPrefix = maskPrefix + formatPrefix;
    m_arrSuffix = formatSuffix + maskSuffix;
    OnFormatApplied();
    UpdateText(-1);
    if ((m_bNegative && m_dValue > 0) || (!m_bNegative && m_dValue < 0))
        m_dValue = -m_dValue;
    return PrefixLength() - oldPrefix;
}

int COXNumericEdit::ParseText()
{
    std::string s = m_arrInput;
    const int oldLength = static_cast<int>(s.size());
    bool minus = false;
    bool separatorKept = false;
    for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
        const char ch = s[static_cast<size_t>(i)];
        if (IsDigit(ch))
            continue;
        if (ch == m_chDecimalSeparator && !separatorKept) {
            separatorKept = true;
            continue;
        }
        if (i == 0 && ch == '-')
            minus = true;
        s.erase(static_cast<size_t>(i), 1);
    }

    size_t separator = s.find(m_chDecimalSeparator);
    size_t integerDigits = separator == std::string::npos ? s.size() : separator;
    while (integerDigits > 1 && s[0] == '0') {
        s.erase(0, 1);
        --integerDigits;
    }
    separator = s.find(m_chDecimalSeparator);
    if (separator != std::string::npos && s.size() - separator - 1 > static_cast<size_t>(m_nDecimalDigits))
        s.erase(separator + 1 + static_cast<size_t>(m_nDecimalDigits));
    if (m_nMaxIntegerDigits != -1 && !s.empty() && s[0] != '0' &&
        integerDigits > static_cast<size_t>(m_nMaxIntegerDigits)) {
        s.erase(0, integerDigits - static_cast<size_t>(m_nMaxIntegerDigits));
        integerDigits = static_cast<size_t>(m_nMaxIntegerDigits);
    }
    separator = s.find(m_chDecimalSeparator);
    if (m_nDecimalDigits == 0) {
        if (separator != std::string::npos)
            s.erase(separator);
    } else {
        if (separator == std::string::npos) {
            separator = s.size();
            s += m_chDecimalSeparator;
        }
        const size_t fraction = s.size() - separator - 1;
        s.append(static_cast<size_t>(m_nDecimalDigits) - fraction, '0');
        if (!m_bLeadingZero && integerDigits == 1 && s[0] == '0') {
            s.erase(0, 1);
            integerDigits = 0;
        }
    }
    if (integerDigits == 0 && m_bLeadingZero) {
        s.insert(0, 1, '0');
        integerDigits = 1;
    }
    if (m_nGroupLength > 0) {
        for (size_t at = integerDigits; at > static_cast<size_t>(m_nGroupLength);) {
            at -= static_cast<size_t>(m_nGroupLength);
            s.insert(at, 1, m_chGroupSeparator);
        }
    }
    m_arrInput = s;
    const int prefixChange = ApplyFormat(minus ? TRUE : m_bNegative);

    std::string number;
    for (char ch : s) {
        if (ch == m_chGroupSeparator && m_nGroupLength > 0)
            continue;
        number += ch == m_chDecimalSeparator ? '.' : ch;
    }
    m_dValue = number.empty() ? 0.0 : strtod(number.c_str(), nullptr);
    if (m_bNegative)
        m_dValue = -m_dValue;
    return static_cast<int>(s.size()) - oldLength + prefixChange;
}

int COXNumericEdit::GroupSeparatorsBefore(int nPos) const
{
    if (m_nGroupLength < 1)
        return 0;
    int count = 0;
    const int end = std::min(nPos - PrefixLength(), static_cast<int>(m_arrInput.size()));
    for (int i = 0; i < end; ++i)
        if (m_arrInput[static_cast<size_t>(i)] == m_chGroupSeparator)
            ++count;
    return count;
}

int COXNumericEdit::DeleteRange(int& nStart, int& nEnd)
{
    nStart = GetNextInputPosition(nStart);
    const int groupsBefore = GroupSeparatorsBefore(nStart);
    const size_t separatorIndex = m_arrInput.find(m_chDecimalSeparator);
    const int separator = separatorIndex == std::string::npos ? -1 : PrefixLength() + static_cast<int>(separatorIndex);
    int count = 0;
    if (separator >= 0 && nStart <= separator && separator < nEnd) {
        const bool coversAll = nStart <= PrefixLength() && nEnd >= InputEnd();
        for (int pos = nEnd - 1; pos >= nStart; --pos) {
            if (pos != separator && IsInputPosition(pos)) {
                m_arrInput.erase(static_cast<size_t>(pos - PrefixLength()), 1);
                ++count;
            }
        }
        if (count > 0 && m_bNegative && coversAll)
            m_bNegative = FALSE;
    } else {
        count = COXEdit::DeleteRange(nStart, nEnd);
    }
    if (count == 0)
        return 0;
    // Keep positions on the same digit although grouping moved.
    const int prefixBefore = PrefixLength();
    ValidateInput();
    const int shift = GroupSeparatorsBefore(nStart) - groupsBefore + PrefixLength() - prefixBefore;
    nStart += shift;
    nEnd += shift;
    UpdateText(-1);
    return count + shift;
}

int COXNumericEdit::InsertChar(int nPos, char ch)
{
    return PutChar(nPos, ch, FALSE);
}

int COXNumericEdit::ReplaceChar(int nPos, char ch)
{
    return PutChar(nPos, ch, TRUE);
}

int COXNumericEdit::PutChar(int nPos, char ch, BOOL bReplace)
{
    const bool separatorKey = ch == m_chDecimalSeparator || (m_bAcceptPoint && ch == '.');
    if (!IsDigit(ch) && !separatorKey && ch != '-')
        return -1;
    if (ch == '-')
        return nPos - 1 + ApplyFormat(!m_bNegative);

    const int prefix = PrefixLength();
    const size_t separatorIndex = m_arrInput.find(m_chDecimalSeparator);
    if (separatorKey) {
        if (m_nDecimalDigits == 0)
            return -1;
        if (separatorIndex != std::string::npos)
            return prefix + static_cast<int>(separatorIndex);
        return COXEdit::InsertChar(InputEnd(), m_chDecimalSeparator);
    }

    if (nPos == prefix && !m_arrInput.empty()) {
        if (ch == '0') {
            if (!bReplace)
                return -1;
            m_arrInput.erase(0, 1);
            ValidateInput();
            UpdateText(-1);
            const bool accepted = !m_arrInput.empty() &&
                                  (m_arrInput[0] == '0' || m_arrInput[0] == m_chDecimalSeparator);
            return accepted ? prefix : -1;
        }
        if (bReplace) {
            if (m_arrInput[0] == m_chDecimalSeparator)
                return COXEdit::InsertChar(nPos, ch);
            return COXEdit::ReplaceChar(nPos, ch);
        }
        if (m_arrInput[0] == '0')
            return COXEdit::ReplaceChar(nPos, ch);
    }

    if (bReplace)
        return COXEdit::ReplaceChar(nPos, ch);
    const int index = nPos - prefix;
    if (separatorIndex != std::string::npos && index > static_cast<int>(separatorIndex)) {
        const int fraction = static_cast<int>(m_arrInput.size() - separatorIndex - 1);
        return fraction >= m_nDecimalDigits ? COXEdit::ReplaceChar(nPos, ch) : COXEdit::InsertChar(nPos, ch);
    }
    int integerDigits = 0;
    const size_t integerEnd = separatorIndex == std::string::npos ? m_arrInput.size() : separatorIndex;
    for (size_t i = 0; i < integerEnd; ++i)
        if (IsDigit(m_arrInput[i]))
            ++integerDigits;
    if (m_arrInput == "0")
        return COXEdit::ReplaceChar(prefix, ch);
    if (m_nMaxIntegerDigits != -1 && integerDigits >= m_nMaxIntegerDigits)
        return COXEdit::ReplaceChar(nPos, ch);
    return COXEdit::InsertChar(nPos, ch);
}

BOOL COXNumericEdit::SetValue(double dValue)
{
    m_dValue = dValue;
    m_bNegative = dValue < 0;
    char buffer[400];
    snprintf(buffer, sizeof(buffer), "%.*f", m_nDecimalDigits, std::fabs(dValue));
    std::string text = buffer;
    const size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = m_chDecimalSeparator;
    if (m_bNegative)
        text.insert(0, 1, '-');
    EmptyData(TRUE);
    COXEdit::SetInputData(text.c_str(), 0);
    ApplyFormat(m_bNegative);
    return TRUE;
}

HBRUSH COXNumericEdit::CtlColor(CDC* pDC, UINT nCtlColor)
{
    const HBRUSH brush = COXEdit::CtlColor(pDC, nCtlColor);
    if (m_bNegative)
        ::SetTextColor(pDC->GetSafeHdc(), m_clrNegativeText);
    return brush;
}

namespace {
COXNumericEdit* NumericEditOf(CDataExchange* pDX, int nIDC)
{
    const HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    return dynamic_cast<COXNumericEdit*>(CWnd::FromHandlePermanent(hWnd));
}
} // namespace

void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, double& value)
{
    COXNumericEdit* edit = NumericEditOf(pDX, nIDC);
    ASSERT(edit);
    if (!edit)
        return;
    if (pDX->m_bSaveAndValidate)
        value = edit->GetValue();
    else
        edit->SetValue(value);
}

void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, float& value)
{
    double d = value;
    DDX_OXNumericEdit(pDX, nIDC, d);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<float>(d);
}

void AFXAPI DDX_OXNumericEdit(CDataExchange* pDX, int nIDC, int& value)
{
    double d = value;
    DDX_OXNumericEdit(pDX, nIDC, d);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(d);
}
