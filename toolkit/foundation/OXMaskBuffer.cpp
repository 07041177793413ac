#include "toolkit/foundation/OXMaskBuffer.h"

#include "afx/Afx.h"

#include <algorithm>

namespace {
// Letters follow the user's ANSI code page, so Cyrillic letters count.
bool IsLetter(char ch)
{
    return ::IsCharAlphaA(ch) != FALSE;
}

bool IsDigitChar(char ch)
{
    return ch >= '0' && ch <= '9';
}

char ToUpper(char ch)
{
    char buffer[1] = { ch };
    ::CharUpperBuffA(buffer, 1);
    return buffer[0];
}

char ToLower(char ch)
{
    char buffer[1] = { ch };
    ::CharLowerBuffA(buffer, 1);
    return buffer[0];
}
} // namespace

BOOL CMaskData::IsValidInput(char ch) const
{
    switch (m_eType) {
    case Digit:
        return IsDigitChar(ch);
    case AlphaNumeric:
        return IsDigitChar(ch) || IsLetter(ch);
    case Alpha:
    case AlphaUpper:
    case AlphaLower:
        return IsLetter(ch);
    case AnyCharacter:
        return static_cast<unsigned char>(ch) >= 32 && static_cast<unsigned char>(ch) <= 126;
    default:
        return FALSE;
    }
}

char CMaskData::PreProcessChar(char ch) const
{
    if (m_eType == AlphaUpper)
        return ToUpper(ch);
    if (m_eType == AlphaLower)
        return ToLower(ch);
    return ch;
}

COXMaskBuffer::COXMaskBuffer()
    : m_data(), m_chPrompt(' '), m_chDecimal('.'), m_chThousands(','), m_chTime(':'), m_chDate('/')
{
}

void COXMaskBuffer::SetSeparators(char chDecimal, char chThousands, char chTime, char chDate)
{
    m_chDecimal = chDecimal;
    m_chThousands = chThousands;
    m_chTime = chTime;
    m_chDate = chDate;
}

void COXMaskBuffer::SetMask(LPCTSTR lpszMask)
{
    m_data.clear();
    if (!lpszMask)
        return;
    for (const char* p = lpszMask; *p; ++p) {
        CMaskData data;
        data.m_chValue = m_chPrompt;
        switch (*p) {
        case '.': data.m_eType = CMaskData::DecimalSeparator; data.m_chValue = m_chDecimal; break;
        case ',': data.m_eType = CMaskData::ThousandsSeparator; data.m_chValue = m_chThousands; break;
        case ':': data.m_eType = CMaskData::TimeSeparator; data.m_chValue = m_chTime; break;
        case '/': data.m_eType = CMaskData::DateSeparator; data.m_chValue = m_chDate; break;
        case '#': data.m_eType = CMaskData::Digit; break;
        case 'A': data.m_eType = CMaskData::AlphaNumeric; break;
        case '?': data.m_eType = CMaskData::Alpha; break;
        case '>': data.m_eType = CMaskData::AlphaUpper; break;
        case '<': data.m_eType = CMaskData::AlphaLower; break;
        case '&': data.m_eType = CMaskData::AnyCharacter; break;
        case '\\':
            // A backslash at the very end has nothing to escape: the mask ends.
            if (!p[1])
                return;
            ++p;
            data.m_eType = CMaskData::EscapedLiteral;
            data.m_chValue = *p;
            break;
        default:
            data.m_eType = CMaskData::Literal;
            data.m_chValue = *p;
            break;
        }
        m_data.push_back(data);
    }
}

BOOL COXMaskBuffer::SetPromptSymbol(char ch)
{
    if (ch == '\0' || ch == '\r' || ch == '\n' || ch == 127)
        return FALSE;
    for (CMaskData& data : m_data)
        if (data.IsInputData() && data.m_chValue == m_chPrompt)
            data.m_chValue = ch;
    m_chPrompt = ch;
    return TRUE;
}

CString COXMaskBuffer::GetInputChars() const
{
    CString result;
    for (const CMaskData& data : m_data)
        if (data.IsInputData())
            result.AppendChar(data.m_chValue);
    return result;
}

CString COXMaskBuffer::GetDisplayText() const
{
    CString result;
    for (const CMaskData& data : m_data)
        result.AppendChar(data.m_chValue);
    return result;
}

BOOL COXMaskBuffer::IsInputPosition(int pos) const
{
    if (m_data.empty())
        return TRUE;
    if (pos < 0 || pos >= GetLength())
        return FALSE;
    return GetAt(pos).IsInputData();
}

BOOL COXMaskBuffer::IsEmpty() const
{
    for (const CMaskData& data : m_data)
        if (data.IsInputData() && data.m_chValue != m_chPrompt)
            return FALSE;
    return TRUE;
}

void COXMaskBuffer::EmptyInput()
{
    for (CMaskData& data : m_data)
        if (data.IsInputData())
            data.m_chValue = m_chPrompt;
}

int COXMaskBuffer::WindowPosToInputIndex(int pos) const
{
    if (pos < 0 || pos >= GetLength() || !GetAt(pos).IsInputData())
        return -1;
    int index = -1;
    for (int i = 0; i <= pos; ++i)
        if (GetAt(i).IsInputData())
            ++index;
    return index;
}

int COXMaskBuffer::InputIndexToWindowPos(int index) const
{
    if (index < 0)
        return -1;
    for (int i = 0; i < GetLength(); ++i)
        if (GetAt(i).IsInputData() && index-- == 0)
            return i;
    return -1;
}

int COXMaskBuffer::GetNextInputPosition(int pos) const
{
    for (int i = std::max(pos, 0); i < GetLength(); ++i)
        if (GetAt(i).IsInputData())
            return i;
    return GetLength();
}

int COXMaskBuffer::GetPrevInputPosition(int pos) const
{
    if (pos >= 0 && pos < GetLength() && GetAt(pos).IsInputData())
        return pos;
    for (int i = std::min(pos, GetLength()) - 1; i >= 0; --i)
        if (GetAt(i).IsInputData())
            return i + 1;
    return GetNextInputPosition(pos);
}

int COXMaskBuffer::GetFirstEmptyPosition(int pos) const
{
    for (int i = std::max(pos, 0); i < GetLength(); ++i)
        if (GetAt(i).IsInputData() && GetAt(i).m_chValue == m_chPrompt)
            return i;
    return GetLength();
}

BOOL COXMaskBuffer::FillInput(LPCTSTR lpszText, int nKeep, BOOL bRaw)
{
    CString source = GetInputChars().Left(std::max(nKeep, 0));
    CString text = lpszText ? lpszText : "";
    if (!bRaw)
        text.Remove(m_chPrompt);
    source += text;

    BOOL bAllTaken = TRUE;
    int next = 0;
    for (CMaskData& data : m_data) {
        if (!data.IsInputData())
            continue;
        char taken = m_chPrompt;
        while (next < source.GetLength()) {
            char ch = source[next++];
            if (ch == m_chPrompt || data.IsValidInput(ch)) {
                taken = data.PreProcessChar(ch);
                break;
            }
            bAllTaken = FALSE;
        }
        data.m_chValue = taken;
    }
    return bAllTaken;
}

int COXMaskBuffer::DeleteRange(int nStart, int nEnd)
{
    CString kept;
    int removed = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (!GetAt(i).IsInputData())
            continue;
        if (i >= nStart && i < nEnd)
            ++removed;
        else
            kept.AppendChar(GetAt(i).m_chValue);
    }
    FillInput(kept, 0, TRUE);
    return removed;
}

int COXMaskBuffer::InsertAt(int pos, char ch)
{
    int target = GetNextInputPosition(pos);
    if (target >= GetLength())
        return -1;
    int index = WindowPosToInputIndex(target);
    CString before = GetInputChars();
    CString entered = before.Left(index);
    entered.AppendChar(ch);
    // The shift stops at the first empty position after the insertion, so an
    // entered character further right is not pushed off the end while there
    // is room; only a full mask loses its last character.
    CString rest = before.Mid(index);
    int hole = rest.Find(m_chPrompt);
    if (hole >= 0)
        rest = rest.Left(hole) + rest.Mid(hole + 1);
    else
        rest = rest.Left(rest.GetLength() - 1);
    entered += rest;
    if (!FillInput(entered, 0, TRUE)) {
        FillInput(before, 0, TRUE);
        return -1;
    }
    return target;
}

int COXMaskBuffer::SetCharAt(int pos, char ch)
{
    if (pos < 0 || pos >= GetLength())
        return -1;
    CMaskData& data = m_data[static_cast<size_t>(pos)];
    if (!data.IsInputData())
        return pos;
    if (ch != m_chPrompt && !data.IsValidInput(ch))
        return -1;
    data.m_chValue = data.PreProcessChar(ch);
    return pos;
}

CString COXMaskBuffer::ReduceText(LPCTSTR lpszText) const
{
    CString text = lpszText ? lpszText : "";
    int cut = 0;
    int i = 0;
    while (i < GetLength()) {
        if (GetAt(i).IsInputData()) {
            ++i;
            continue;
        }
        int runStart = i;
        CString run;
        while (i < GetLength() && !GetAt(i).IsInputData())
            run.AppendChar(GetAt(i++).m_chValue);
        if (i >= GetLength())
            break; // trailing literals lead up to no input position
        int at = runStart - cut;
        if (at >= 0 && at + run.GetLength() <= text.GetLength() && text.Mid(at, run.GetLength()) == run) {
            text = text.Left(at) + text.Mid(at + run.GetLength());
            cut += run.GetLength();
        }
    }
    return text;
}
