// CFormula: an HTTP address with a query, held as the dot-separated parts of
// the address before the "?" and the name=value parameters after it. Names
// and values are held decoded; the text is built with them percent-encoded.
// The encoder works on single bytes by design: Cyrillic small letters of code
// page 1251 are escaped as their own bytes, nothing is turned into UTF-8.
#pragma once

#include "afx/String.h"
#include "afx/Array.h"
#include "afx/ArrayTypes.h"

class CFormula
{
public:
    CFormula();
    explicit CFormula(const CString& text);
    CFormula(const CFormula& other);
    virtual ~CFormula() = default;

    CFormula& operator=(const CString& text);
    CFormula& operator=(const CFormula& other);

    // Replaces the whole content by the pieces of the text.
    void Parse(const CString& text);
    // The text of the model, values percent-encoded.
    CString BuildQueryString();
    CString GetHostText() const;

    CString GetHostPart(int index) const;
    // The host part for writing; the parts grow up to the index. A negative
    // index gives a spare, emptied text.
    CString& HostPartAt(int index);
    int GetHostPartCount() const { return static_cast<int>(m_hostParts.GetSize()); }
    int GetParameterCount() const { return static_cast<int>(m_names.GetSize()); }

    // The value of the occurrence-th parameter of that name (from 0), or "".
    CString GetValue(const CString& name, int occurrence = 0) const;
    // The value of the first parameter of that name for writing, appended
    // empty when missing. An empty name gives a spare, emptied text.
    CString& ValueAt(const CString& name);
    void Copy(const CFormula& other);
    // A copy without its first n host parts; this model is left alone.
    CFormula DropHostParts(int n) const;
    void AddParameter(const CString& name, const CString& value);
    void SetValues(const CString& name, const CStringArray& values);
    void SetIntValues(const CString& name, const CArray<int, int>& values);
    void GetValues(const CString& name, CStringArray& values) const;
    void GetIntValues(const CString& name, CArray<int, int>& values) const;
    void SetBytesValue(const CString& name, const BYTE* bytes, int count);
    // The decoded bytes of the first parameter of that name (free() them), or
    // nullptr when there is none.
    BYTE* GetBytesValue(const CString& name) const;
    // The index-th distinct parameter name, in order of first occurrence.
    CString GetNameAt(int index) const;
    // The built text as a new BSTR the caller frees.
    BSTR ToWideString();
    // Same host parts and the same set of parameters. Sorts both models'
    // parameters in place.
    BOOL IsEqual(CFormula& other);

private:
    void RemoveParameters(const CString& name);
    void SortParameters();

    CArray<CString, const CString&> m_hostParts;
    CStringArray m_names;
    CStringArray m_values;
    CString m_strText;
};

// Percent-encoding of one name or value.
CString EncodeUrlValue(const CString& text);
// Every byte as "%" and two upper-case hexadecimal digits.
CString EncodeUrlBytes(const BYTE* bytes, int count);
// Percent-decoding in place; a "%" without two characters after it is kept.
void DecodeUrlText(CString& text);
// The decoded bytes in a block of exactly their length (malloc; free() it).
BYTE* DecodeUrlBytes(const CString& text);
// TRUE when a block from the C runtime heap (malloc) holds no NUL before its
// last byte, judged by its allocated size: such a block read as text ends at
// its last byte, not earlier. FALSE for a null block.
BOOL IsHeapBlockWithoutInnerNul(const void* block);
int HexDigitValue(char c);
// The byte of the two hexadecimal digits after the "%" at p.
BYTE HexPairToByte(LPCSTR p);
// The text before the first separator goes to out and the position after the
// separator is returned; nullptr (out untouched) when there is no separator.
LPCSTR CutToken(LPCSTR text, char separator, CString& out);
