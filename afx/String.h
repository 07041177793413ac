// CString: the layer's single-byte (code-page) string. Each string owns its
// buffer outright (no sharing, so strings cross threads freely); appends grow
// the buffer geometrically. The object is one pointer wide, but it is not a
// plain pointer: pass (LPCTSTR)str, never str itself, to "..." functions
// (the build turns that mistake into an error).
#pragma once

#include "afx/Afx.h"

class CString
{
public:
    CString() noexcept;
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A string, or a string resource when the pointer is MAKEINTRESOURCE(id).
    CString(LPCSTR text);
    CString(LPCSTR text, int length);
    CString(const unsigned char* text);
    CString(LPCWSTR text);                 // converted with the ANSI code page
    explicit CString(char ch, int repeat = 1);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCSTR text);
    CString& operator=(LPCWSTR text);
    CString& operator=(char ch);
    CString& operator=(const unsigned char* text);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    // Length and access.
    int GetLength() const { return Data()->length; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_pchData; }
    LPCTSTR GetString() const { return m_pchData; }
    void SetString(LPCSTR text, int length);
    void SetString(LPCSTR text);
    void Append(LPCSTR text, int length);
    void Append(LPCSTR text);
    void AppendChar(char ch);
    void Truncate(int length);

    // Pieces.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCSTR charSet) const;
    CString SpanExcluding(LPCSTR charSet) const;
    // Next token after iStart; iStart becomes -1 when no token is left.
    CString Tokenize(LPCSTR tokens, int& iStart) const;

    // Searching: -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR charSet) const;

    // Editing; each returns the count of changes or the new length.
    int Replace(char oldCh, char newCh);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(LPCSTR targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(LPCSTR targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(LPCSTR targets);
    // Case mapping follows the ANSI code page (Cyrillic in 1251 included).
    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();

    // Comparison: Compare is byte-wise (unsigned), CompareNoCase is byte-wise
    // after lower-casing by the code page, Collate follows the user locale.
    int Compare(LPCSTR text) const;
    int CompareNoCase(LPCSTR text) const;
    int Collate(LPCSTR text) const;
    int CollateNoCase(LPCSTR text) const;

    // Formatting (printf rules of the C runtime).
    void AFX_CDECL Format(LPCSTR format, ...);
    void AFX_CDECL Format(UINT formatId, ...);
    void FormatV(LPCSTR format, va_list args);
    void AFX_CDECL AppendFormat(LPCSTR format, ...);
    void AppendFormatV(LPCSTR format, va_list args);
    // FormatMessage with "%1".."%99" inserts.
    void AFX_CDECL FormatMessage(LPCSTR format, ...);

    // Direct buffer access. After writing, ReleaseBuffer sets the length
    // (-1: up to the first NUL, never past the buffer).
    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBuffer();
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void FreeExtra();
    void Preallocate(int length);
    int GetAllocLength() const { return Data()->capacity; }

    BOOL LoadString(UINT id);
    BSTR AllocSysString() const;

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

private:
    struct Header
    {
        int length;
        int capacity;   // bytes usable for text, the terminating NUL not counted
    };
    Header* Data() const { return reinterpret_cast<Header*>(m_pchData) - 1; }
    bool IsShared() const;
    void Reserve(int capacity);       // keeps the text
    void AssignCopy(LPCSTR text, int length);
    void SetLength(int length);

    LPTSTR m_pchData;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator==(LPCSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
bool operator!=(LPCSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, LPCSTR b);
bool operator<(LPCSTR a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, LPCSTR b);
bool operator>(LPCSTR a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator<=(const CString& a, LPCSTR b);
bool operator<=(LPCSTR a, const CString& b);
bool operator>=(const CString& a, const CString& b);
bool operator>=(const CString& a, LPCSTR b);
bool operator>=(LPCSTR a, const CString& b);


// Fills "%1".."%9" of a format (a string-table id or the text itself) with
// the given strings: "%n" past nString, and any other '%', stay as they are.
// The id forms answer an empty string when the id has no string.
void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString);
void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString);
void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AFXAPI AfxFormatString1(CString& rString, LPCTSTR lpszFormat, LPCTSTR lpsz1);
void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
void AFXAPI AfxFormatString2(CString& rString, LPCTSTR lpszFormat, LPCTSTR lpsz1, LPCTSTR lpsz2);
