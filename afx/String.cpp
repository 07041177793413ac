#include "afx/String.h"
#include "afx/Exception.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>

namespace {
struct EmptyString
{
    int length;
    int capacity;
    char text[1];
};
// Every empty string points here; nothing ever writes to it.
EmptyString g_empty = { 0, 0, { 0 } };

LPTSTR EmptyData()
{
    return g_empty.text;
}

int SafeLength(LPCSTR text)
{
    return text ? static_cast<int>(strlen(text)) : 0;
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

int CompareBytes(LPCSTR a, LPCSTR b)
{
    return strcmp(a ? a : "", b ? b : "");
}

unsigned char LowerByte(unsigned char ch)
{
    char c = static_cast<char>(ch);
    CharLowerBuffA(&c, 1);
    return static_cast<unsigned char>(c);
}
}

CString::CString() noexcept : m_pchData(EmptyData())
{
}

CString::CString(const CString& other) : m_pchData(EmptyData())
{
    AssignCopy(other.m_pchData, other.GetLength());
}

CString::CString(CString&& other) noexcept : m_pchData(other.m_pchData)
{
    other.m_pchData = EmptyData();
}

CString::CString(LPCSTR text) : m_pchData(EmptyData())
{
    if (text && IS_INTRESOURCE(text))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
    else
        AssignCopy(text, SafeLength(text));
}

CString::CString(LPCSTR text, int length) : m_pchData(EmptyData())
{
    AssignCopy(text, text ? length : 0);
}

CString::CString(const unsigned char* text) : CString(reinterpret_cast<LPCSTR>(text))
{
}

CString::CString(LPCWSTR text) : m_pchData(EmptyData())
{
    *this = text;
}

CString::CString(char ch, int repeat) : m_pchData(EmptyData())
{
    if (repeat > 0) {
        Reserve(repeat);
        memset(m_pchData, static_cast<unsigned char>(ch), repeat);
        SetLength(repeat);
    }
}

CString::~CString()
{
    if (!IsShared())
        free(Data());
}

bool CString::IsShared() const
{
    return m_pchData == g_empty.text;
}

void CString::SetLength(int length)
{
    if (IsShared()) {
        ASSERT(length == 0);
        return;
    }
    Data()->length = length;
    m_pchData[length] = 0;
}

void CString::Reserve(int capacity)
{
    if (capacity <= Data()->capacity)
        return;
    if (capacity < 0 || capacity > INT_MAX - 64)
        AfxThrowMemoryException();
    int length = GetLength();
    Header* h;
    if (IsShared()) {
        h = static_cast<Header*>(malloc(sizeof(Header) + capacity + 1));
        if (!h)
            AfxThrowMemoryException();
    } else {
        h = static_cast<Header*>(realloc(Data(), sizeof(Header) + capacity + 1));
        if (!h)
            AfxThrowMemoryException();
    }
    h->length = length;
    h->capacity = capacity;
    m_pchData = reinterpret_cast<LPTSTR>(h + 1);
    m_pchData[length] = 0;
}

void CString::AssignCopy(LPCSTR text, int length)
{
    if (length <= 0 || !text) {
        Empty();
        return;
    }
    if (text >= m_pchData && text <= m_pchData + GetLength()) {
        // Assigning part of ourselves: copy first.
        CString copy(text, length);
        *this = std::move(copy);
        return;
    }
    if (length > Data()->capacity) {
        if (!IsShared())
            free(Data());
        m_pchData = EmptyData();
        Reserve(length);
    }
    memcpy(m_pchData, text, length);
    SetLength(length);
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        AssignCopy(other.m_pchData, other.GetLength());
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        if (!IsShared())
            free(Data());
        m_pchData = other.m_pchData;
        other.m_pchData = EmptyData();
    }
    return *this;
}

CString& CString::operator=(LPCSTR text)
{
    if (text && IS_INTRESOURCE(text))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
    else
        AssignCopy(text, SafeLength(text));
    return *this;
}

CString& CString::operator=(LPCWSTR text)
{
    Empty();
    if (!text || !*text)
        return *this;
    int needed = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1)
        return *this;
    Reserve(needed - 1);
    WideCharToMultiByte(CP_ACP, 0, text, -1, m_pchData, needed, nullptr, nullptr);
    SetLength(needed - 1);
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator=(const unsigned char* text)
{
    return *this = reinterpret_cast<LPCSTR>(text);
}

void CString::Append(LPCSTR text, int length)
{
    if (!text || length <= 0)
        return;
    int oldLength = GetLength();
    if (length > INT_MAX - 64 - oldLength)
        AfxThrowMemoryException();
    if (oldLength + length > Data()->capacity) {
        // Appending part of ourselves: the buffer may move.
        if (text >= m_pchData && text <= m_pchData + oldLength) {
            CString copy(text, length);
            Append(copy.m_pchData, length);
            return;
        }
        int grown = Data()->capacity + Data()->capacity / 2;
        Reserve(std::max(oldLength + length, std::max(grown, 15)));
    }
    memmove(m_pchData + oldLength, text, length);
    SetLength(oldLength + length);
}

void CString::Append(LPCSTR text)
{
    Append(text, SafeLength(text));
}

void CString::AppendChar(char ch)
{
    Append(&ch, 1);
}

CString& CString::operator+=(const CString& other)
{
    Append(other.m_pchData, other.GetLength());
    return *this;
}

CString& CString::operator+=(LPCSTR text)
{
    Append(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::Empty()
{
    if (!IsShared())
        free(Data());
    m_pchData = EmptyData();
}

char CString::GetAt(int index) const
{
    ASSERT(index >= 0 && index <= GetLength());
    if (index < 0 || index > GetLength())
        AfxThrowInvalidArgException();
    return m_pchData[index];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    m_pchData[index] = ch;
}

void CString::SetString(LPCSTR text, int length)
{
    AssignCopy(text, text ? length : 0);
}

void CString::SetString(LPCSTR text)
{
    AssignCopy(text, SafeLength(text));
}

void CString::Truncate(int length)
{
    if (length < 0 || length > GetLength())
        AfxThrowInvalidArgException();
    if (length == 0)
        Empty();
    else
        SetLength(length);
}

CString CString::Left(int count) const
{
    count = std::max(0, std::min(count, GetLength()));
    return CString(m_pchData, count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::max(0, first);
    count = std::max(0, count);
    if (first > GetLength())
        first = GetLength();
    if (count > GetLength() - first)
        count = GetLength() - first;
    return CString(m_pchData + first, count);
}

CString CString::Right(int count) const
{
    count = std::max(0, std::min(count, GetLength()));
    return CString(m_pchData + GetLength() - count, count);
}

CString CString::SpanIncluding(LPCSTR charSet) const
{
    return Left(static_cast<int>(strspn(m_pchData, charSet ? charSet : "")));
}

CString CString::SpanExcluding(LPCSTR charSet) const
{
    return Left(static_cast<int>(strcspn(m_pchData, charSet ? charSet : "")));
}

CString CString::Tokenize(LPCSTR tokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    if (!tokens || !*tokens) {
        if (iStart < GetLength())
            return CString(m_pchData + iStart);
    } else if (iStart < GetLength()) {
        LPCSTR place = m_pchData + iStart;
        int including = static_cast<int>(strspn(place, tokens));
        if (iStart + including < GetLength()) {
            int from = iStart + including;
            int excluding = static_cast<int>(strcspn(m_pchData + from, tokens));
            iStart = from + excluding + 1;
            return Mid(from, excluding);
        }
    }
    iStart = -1;
    return CString();
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const void* hit = memchr(m_pchData + start, static_cast<unsigned char>(ch), GetLength() - start);
    return hit ? static_cast<int>(static_cast<LPCSTR>(hit) - m_pchData) : -1;
}

int CString::Find(LPCSTR sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    LPCSTR hit = strstr(m_pchData + start, sub);
    return hit ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCSTR charSet) const
{
    if (!charSet || !*charSet)
        return -1;
    size_t n = strcspn(m_pchData, charSet);
    return m_pchData[n] ? static_cast<int>(n) : -1;
}

int CString::Replace(char oldCh, char newCh)
{
    if (oldCh == newCh)
        return 0;
    int count = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == oldCh) {
            m_pchData[i] = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText)
{
    int oldLength = SafeLength(oldText);
    if (oldLength == 0 || IsEmpty())
        return 0;
    int newLength = SafeLength(newText);
    // Left to right, non-overlapping: "aaa" with "aa" -> "b" gives "ba".
    int count = 0;
    CString result;
    int pos = 0;
    for (;;) {
        LPCSTR hit = strstr(m_pchData + pos, oldText);
        if (!hit)
            break;
        int at = static_cast<int>(hit - m_pchData);
        if (count == 0)
            result.Preallocate(GetLength());
        result.Append(m_pchData + pos, at - pos);
        result.Append(newText, newLength);
        pos = at + oldLength;
        ++count;
    }
    if (count) {
        result.Append(m_pchData + pos, GetLength() - pos);
        *this = std::move(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    int kept = 0;
    int length = GetLength();
    for (int i = 0; i < length; ++i)
        if (m_pchData[i] != ch)
            m_pchData[kept++] = m_pchData[i];
    int removed = length - kept;
    if (removed)
        SetLength(kept);
    return removed;
}

int CString::Insert(int index, char ch)
{
    char text[2] = { ch, 0 };
    CString piece(text, 1);
    index = std::max(0, std::min(index, GetLength()));
    *this = Left(index) + piece + Mid(index);
    return GetLength();
}

int CString::Insert(int index, LPCSTR text)
{
    index = std::max(0, std::min(index, GetLength()));
    if (SafeLength(text) == 0)
        return GetLength();
    CString tail = Mid(index);
    CString head = Left(index);
    head.Append(text);
    head += tail;
    *this = std::move(head);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = std::max(0, index);
    int length = GetLength();
    if (count > 0 && index < length) {
        count = std::min(count, length - index);
        memmove(m_pchData + index, m_pchData + index + count, length - index - count);
        SetLength(length - count);
    }
    return GetLength();
}

CString& CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && IsBlank(m_pchData[n - 1]))
        --n;
    if (n != GetLength())
        Truncate(n);
    return *this;
}

CString& CString::TrimRight(char target)
{
    int n = GetLength();
    while (n > 0 && m_pchData[n - 1] == target)
        --n;
    if (n != GetLength())
        Truncate(n);
    return *this;
}

CString& CString::TrimRight(LPCSTR targets)
{
    if (!targets || !*targets)
        return *this;
    int n = GetLength();
    while (n > 0 && strchr(targets, m_pchData[n - 1]) && m_pchData[n - 1])
        --n;
    if (n != GetLength())
        Truncate(n);
    return *this;
}

CString& CString::TrimLeft()
{
    int n = 0;
    while (n < GetLength() && IsBlank(m_pchData[n]))
        ++n;
    if (n)
        Delete(0, n);
    return *this;
}

CString& CString::TrimLeft(char target)
{
    int n = 0;
    while (n < GetLength() && m_pchData[n] == target)
        ++n;
    if (n)
        Delete(0, n);
    return *this;
}

CString& CString::TrimLeft(LPCSTR targets)
{
    if (!targets || !*targets)
        return *this;
    int n = 0;
    while (n < GetLength() && m_pchData[n] && strchr(targets, m_pchData[n]))
        ++n;
    if (n)
        Delete(0, n);
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char target)
{
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCSTR targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        CharLowerBuffA(m_pchData, static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        CharUpperBuffA(m_pchData, static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_pchData, m_pchData + GetLength());
    return *this;
}

int CString::Compare(LPCSTR text) const
{
    return CompareBytes(m_pchData, text);
}

int CString::CompareNoCase(LPCSTR text) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text ? text : "");
    for (;; ++a, ++b) {
        unsigned char ca = LowerByte(*a);
        unsigned char cb = LowerByte(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (!ca)
            return 0;
    }
}

int CString::Collate(LPCSTR text) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, 0, m_pchData, -1, text ? text : "", -1) - CSTR_EQUAL;
}

int CString::CollateNoCase(LPCSTR text) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pchData, -1, text ? text : "", -1) - CSTR_EQUAL;
}

void CString::FormatV(LPCSTR format, va_list args)
{
    Empty();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(LPCSTR format, va_list args)
{
    if (!format)
        AfxThrowInvalidArgException();
    va_list measure;
    va_copy(measure, args);
    int needed = vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed <= 0)
        return;
    int oldLength = GetLength();
    Reserve(oldLength + needed);
    vsnprintf(m_pchData + oldLength, needed + 1, format, args);
    SetLength(oldLength + needed);
}

void AFX_CDECL CString::Format(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT formatId, ...)
{
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::AppendFormat(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::FormatMessage(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    LPSTR buffer = nullptr;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, format, 0, 0,
                               reinterpret_cast<LPSTR>(&buffer), 0, &args);
    va_end(args);
    if (!buffer)
        AfxThrowMemoryException();
    SetString(buffer, static_cast<int>(n));
    LocalFree(buffer);
}

LPTSTR CString::GetBuffer(int minLength)
{
    if (minLength < 0)
        AfxThrowInvalidArgException();
    Reserve(std::max(minLength, 1));
    return m_pchData;
}

LPTSTR CString::GetBuffer()
{
    return GetBuffer(GetLength());
}

LPTSTR CString::GetBufferSetLength(int length)
{
    GetBuffer(length);
    SetLength(length);
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength)
{
    if (IsShared())
        return;
    int capacity = Data()->capacity;
    if (newLength < 0) {
        const void* nul = memchr(m_pchData, 0, capacity + 1);
        newLength = nul ? static_cast<int>(static_cast<LPCSTR>(nul) - m_pchData) : capacity;
    }
    newLength = std::min(newLength, capacity);
    SetLength(newLength);
}

void CString::FreeExtra()
{
    if (!IsShared() && Data()->capacity > GetLength()) {
        CString copy(m_pchData, GetLength());
        *this = std::move(copy);
    }
}

void CString::Preallocate(int length)
{
    Reserve(length);
}

BOOL CString::LoadString(UINT id)
{
    // String resources live in blocks of 16; the block gives the exact length.
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA((id >> 4) + 1), RT_STRING);
    HRSRC block = FindResourceA(module, MAKEINTRESOURCEA((id >> 4) + 1), RT_STRING);
    if (!block) {
        Empty();
        return FALSE;
    }
    const WCHAR* p = static_cast<const WCHAR*>(LockResource(LoadResource(module, block)));
    if (!p) {
        Empty();
        return FALSE;
    }
    for (UINT i = 0; i < (id & 15); ++i)
        p += 1 + *p;
    int length = *p;
    if (length == 0) {
        Empty();
        return FALSE;
    }
    int needed = WideCharToMultiByte(CP_ACP, 0, p + 1, length, nullptr, 0, nullptr, nullptr);
    GetBuffer(needed);
    WideCharToMultiByte(CP_ACP, 0, p + 1, length, m_pchData, needed, nullptr, nullptr);
    SetLength(needed);
    return TRUE;
}

BSTR CString::AllocSysString() const
{
    int wide = MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, wide);
    if (!result)
        AfxThrowMemoryException();
    MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), result, wide);
    return result;
}

CString operator+(const CString& a, const CString& b)
{
    CString result;
    result.Preallocate(a.GetLength() + b.GetLength());
    result.Append(a, a.GetLength());
    result.Append(b, b.GetLength());
    return result;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString result;
    result.Preallocate(a.GetLength() + SafeLength(b));
    result.Append(a, a.GetLength());
    result.Append(b);
    return result;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString result;
    result.Preallocate(SafeLength(a) + b.GetLength());
    result.Append(a);
    result.Append(b, b.GetLength());
    return result;
}

CString operator+(const CString& a, char b)
{
    CString result;
    result.Preallocate(a.GetLength() + 1);
    result.Append(a, a.GetLength());
    result.AppendChar(b);
    return result;
}

CString operator+(char a, const CString& b)
{
    CString result;
    result.Preallocate(b.GetLength() + 1);
    result.AppendChar(a);
    result.Append(b, b.GetLength());
    return result;
}

bool operator==(const CString& a, const CString& b)
{
    return a.GetLength() == b.GetLength() && memcmp((LPCSTR)a, (LPCSTR)b, a.GetLength()) == 0;
}
bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

// ---- Inserts ---------------------------------------------------------------

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    CString result;
    for (LPCTSTR p = lpszFormat ? lpszFormat : ""; *p; ++p) {
        const int index = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '1' : -1;
        if (index >= 0 && index < nString) {
            result += rglpsz[index] ? rglpsz[index] : "";
            ++p;
        } else {
            result += *p;
        }
    }
    rString = result;
}

void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString)
{
    CString format;
    if (!format.LoadString(nIDS)) {
        TRACE("AfxFormatStrings: no string %u\n", nIDS);
        rString.Empty();
        return;
    }
    AfxFormatStrings(rString, static_cast<LPCTSTR>(format), rglpsz, nString);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    AfxFormatStrings(rString, nIDS, &lpsz1, 1);
}

void AFXAPI AfxFormatString1(CString& rString, LPCTSTR lpszFormat, LPCTSTR lpsz1)
{
    AfxFormatStrings(rString, lpszFormat, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    const LPCTSTR inserts[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, nIDS, inserts, 2);
}

void AFXAPI AfxFormatString2(CString& rString, LPCTSTR lpszFormat, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    const LPCTSTR inserts[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, lpszFormat, inserts, 2);
}
