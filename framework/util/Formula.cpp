#include "framework/util/Formula.h"

#include "afx/Exception.h"

#include <malloc.h>
#include <stdlib.h>
#include <string.h>
#include <utility>

namespace {
const char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char ch)
{
    switch (ch)
    {
    case '%': case '+': case '&': case '=': case '?': case '.': case '\'': case '"':
    case '\n': case '\r': case '<': case '>':
        return true;
    default:
        // The small Cyrillic letters of code page 1251: a-ya and yo.
        return ch >= 0xE0 || ch == 0xB8;
    }
}

void AppendEscaped(CString& out, unsigned char ch)
{
    out += '%';
    out += kHexDigits[ch >> 4];
    out += kHexDigits[ch & 0x0F];
}

// Byte-wise ordering of two texts: TRUE when the first compares greater.
BOOL IsGreater(const CString& a, const CString& b)
{
    return a.Compare(b) > 0;
}

// Decodes into raw bytes; returns the decoded length.
int DecodeInto(const CString& text, BYTE* out)
{
    const int length = text.GetLength();
    LPCSTR p = text;
    int written = 0;
    for (int i = 0; i < length; ++i)
    {
        if (p[i] == '%' && i + 2 < length)
        {
            out[written++] = HexPairToByte(p + i);
            i += 2;
        }
        else
        {
            out[written++] = static_cast<BYTE>(p[i]);
        }
    }
    return written;
}
}

CFormula::CFormula() : m_hostParts(), m_names(), m_values(), m_strText()
{
}

CFormula::CFormula(const CString& text) : CFormula()
{
    Parse(text);
}

CFormula::CFormula(const CFormula& other) : CFormula()
{
    Copy(other);
}

CFormula& CFormula::operator=(const CString& text)
{
    Parse(text);
    return *this;
}

CFormula& CFormula::operator=(const CFormula& other)
{
    if (this != &other)
        Copy(other);
    return *this;
}

void CFormula::Parse(const CString& text)
{
    m_hostParts.RemoveAll();
    m_names.RemoveAll();
    m_values.RemoveAll();

    const int question = text.Find('?');
    const CString address = question < 0 ? text : text.Left(question);
    int start = 0;
    for (;;)
    {
        const int dot = address.Find('.', start);
        const CString piece = dot < 0 ? address.Mid(start) : address.Mid(start, dot - start);
        if (!piece.IsEmpty())
            m_hostParts.Add(piece);
        if (dot < 0)
            break;
        start = dot + 1;
    }
    if (question < 0)
        return;

    LPCSTR rest = static_cast<LPCSTR>(text) + question + 1;
    for (;;)
    {
        CString name;
        LPCSTR valueStart = CutToken(rest, '=', name);
        if (!valueStart)
            break;
        CString value;
        LPCSTR next = CutToken(valueStart, '&', value);
        if (!next)
            value = valueStart;
        name.Replace('+', ' ');
        value.Replace('+', ' ');
        if (!name.IsEmpty())
        {
            DecodeUrlText(name);
            DecodeUrlText(value);
            m_names.Add(name);
            m_values.Add(value);
        }
        if (!next)
            break;
        rest = next;
    }
}

CString CFormula::GetHostText() const
{
    CString text;
    for (INT_PTR i = 0; i < m_hostParts.GetSize(); ++i)
    {
        if (i > 0)
            text += '.';
        text += m_hostParts[i];
    }
    return text;
}

CString CFormula::BuildQueryString()
{
    m_strText = GetHostText();
    if (m_names.GetSize() > 0)
    {
        m_strText += '?';
        for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
        {
            if (i > 0)
                m_strText += '&';
            m_strText += EncodeUrlValue(m_names[i]);
            m_strText += '=';
            m_strText += EncodeUrlValue(m_values[i]);
        }
    }
    return m_strText;
}

CString CFormula::GetHostPart(int index) const
{
    if (index < 0 || index >= m_hostParts.GetSize())
        return CString();
    return m_hostParts[index];
}

CString& CFormula::HostPartAt(int index)
{
    if (index < 0)
    {
        m_strText.Empty();
        return m_strText;
    }
    while (m_hostParts.GetSize() <= index)
        m_hostParts.Add(CString());
    return m_hostParts[index];
}

CString CFormula::GetValue(const CString& name, int occurrence) const
{
    int seen = 0;
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(name) == 0 && seen++ == occurrence)
            return m_values[i];
    }
    return CString();
}

CString& CFormula::ValueAt(const CString& name)
{
    if (name.IsEmpty())
    {
        m_strText.Empty();
        return m_strText;
    }
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(name) == 0)
            return m_values[i];
    }
    AddParameter(name, CString());
    return m_values[m_values.GetSize() - 1];
}

void CFormula::Copy(const CFormula& other)
{
    m_hostParts.RemoveAll();
    m_names.RemoveAll();
    m_values.RemoveAll();
    for (INT_PTR i = 0; i < other.m_hostParts.GetSize(); ++i)
        m_hostParts.Add(other.m_hostParts[i]);
    m_names.Append(other.m_names);
    m_values.Append(other.m_values);
}

CFormula CFormula::DropHostParts(int n) const
{
    CFormula copy(*this);
    for (int i = 0; i < n && copy.m_hostParts.GetSize() > 0; ++i)
        copy.m_hostParts.RemoveAt(0);
    return copy;
}

void CFormula::AddParameter(const CString& name, const CString& value)
{
    m_names.Add(name);
    m_values.Add(value);
}

void CFormula::RemoveParameters(const CString& name)
{
    for (INT_PTR i = m_names.GetSize() - 1; i >= 0; --i)
    {
        if (m_names[i].Compare(name) == 0)
        {
            m_names.RemoveAt(i);
            m_values.RemoveAt(i);
        }
    }
}

void CFormula::SetValues(const CString& name, const CStringArray& values)
{
    RemoveParameters(name);
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        AddParameter(name, values[i]);
}

void CFormula::SetIntValues(const CString& name, const CArray<int, int>& values)
{
    RemoveParameters(name);
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
    {
        CString text;
        text.Format("%d", values[i]);
        AddParameter(name, text);
    }
}

void CFormula::GetValues(const CString& name, CStringArray& values) const
{
    values.RemoveAll();
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(name) == 0)
            values.Add(m_values[i]);
    }
}

void CFormula::GetIntValues(const CString& name, CArray<int, int>& values) const
{
    values.RemoveAll();
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(name) != 0)
            continue;
        if (i >= m_values.GetSize())
            break;
        values.Add(atoi(m_values[i]));
    }
}

void CFormula::SetBytesValue(const CString& name, const BYTE* bytes, int count)
{
    RemoveParameters(name);
    AddParameter(name, EncodeUrlBytes(bytes, count));
}

BYTE* CFormula::GetBytesValue(const CString& name) const
{
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(name) == 0)
            return DecodeUrlBytes(m_values[i]);
    }
    return nullptr;
}

CString CFormula::GetNameAt(int index) const
{
    int distinct = 0;
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        bool seenBefore = false;
        for (INT_PTR j = 0; j < i && !seenBefore; ++j)
            seenBefore = m_names[j].Compare(m_names[i]) == 0;
        if (seenBefore)
            continue;
        if (distinct++ == index)
            return m_names[i];
    }
    return CString();
}

BSTR CFormula::ToWideString()
{
    const CString text = BuildQueryString();
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), nullptr, 0);
    BSTR result = ::SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (!result)
        AfxThrowMemoryException();
    ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), result, wide);
    return result;
}

void CFormula::SortParameters()
{
    // An exchange sort: the parameter lists are short, and pairs must move together.
    const INT_PTR count = m_names.GetSize();
    for (INT_PTR i = 0; i < count; ++i)
    {
        for (INT_PTR j = i + 1; j < count; ++j)
        {
            const bool swap = IsGreater(m_names[i], m_names[j]) ||
                              (m_names[i].Compare(m_names[j]) == 0 &&
                               IsGreater(m_values[i], m_values[j]));
            if (swap)
            {
                std::swap(m_names[i], m_names[j]);
                std::swap(m_values[i], m_values[j]);
            }
        }
    }
}

BOOL CFormula::IsEqual(CFormula& other)
{
    if (m_hostParts.GetSize() != other.m_hostParts.GetSize())
        return FALSE;
    for (INT_PTR i = 0; i < m_hostParts.GetSize(); ++i)
    {
        if (m_hostParts[i].Compare(other.m_hostParts[i]) != 0)
            return FALSE;
    }
    if (m_names.GetSize() != other.m_names.GetSize())
        return FALSE;
    SortParameters();
    other.SortParameters();
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
    {
        if (m_names[i].Compare(other.m_names[i]) != 0 ||
            m_values[i].Compare(other.m_values[i]) != 0)
            return FALSE;
    }
    return TRUE;
}

// Free functions ----------------------------------------------------------------

CString EncodeUrlValue(const CString& text)
{
    CString result;
    result.Preallocate(text.GetLength() * 3);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ')
            result += '+';
        else if (NeedsEscape(ch))
            AppendEscaped(result, ch);
        else
            result += static_cast<char>(ch);
    }
    return result;
}

CString EncodeUrlBytes(const BYTE* bytes, int count)
{
    CString result;
    result.Preallocate(count * 3);
    for (int i = 0; i < count; ++i)
        AppendEscaped(result, bytes[i]);
    return result;
}

void DecodeUrlText(CString& text)
{
    const int length = text.GetLength();
    if (length == 0)
        return;
    const CString source = text;
    // Decoding never lengthens the text, so the result fits its buffer.
    char* buffer = text.GetBuffer(length);
    const int decoded = DecodeInto(source, reinterpret_cast<BYTE*>(buffer));
    text.ReleaseBuffer(decoded);
}

BOOL IsHeapBlockWithoutInnerNul(const void* block)
{
    if (!block)
        return FALSE;
    const size_t size = _msize(const_cast<void*>(block));
    const BYTE* bytes = static_cast<const BYTE*>(block);
    for (size_t i = 0; i + 1 < size; ++i)
        if (bytes[i] == 0)
            return FALSE;
    return TRUE;
}

BYTE* DecodeUrlBytes(const CString& text)
{
    BYTE* buffer = static_cast<BYTE*>(malloc(static_cast<size_t>(text.GetLength()) + 1));
    if (!buffer)
        AfxThrowMemoryException();
    const int decoded = DecodeInto(text, buffer);
    // Exactly the decoded length: the block's size tells its length.
    if (decoded == 0)
    {
        free(buffer);
        buffer = static_cast<BYTE*>(malloc(0));
        if (!buffer)
            AfxThrowMemoryException();
        return buffer;
    }
    BYTE* exact = static_cast<BYTE*>(realloc(buffer, static_cast<size_t>(decoded)));
    return exact ? exact : buffer;
}

int HexDigitValue(char c)
{
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

BYTE HexPairToByte(LPCSTR p)
{
    return static_cast<BYTE>(16 * HexDigitValue(p[1]) + HexDigitValue(p[2]));
}

LPCSTR CutToken(LPCSTR text, char separator, CString& out)
{
    LPCSTR found = strchr(text, separator);
    if (!found)
        return nullptr;
    out = CString(text, static_cast<int>(found - text));
    return found + 1;
}
