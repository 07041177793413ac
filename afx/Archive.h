// CArchive: a buffered binary stream over a CFile in the class library's
// stored layout: little-endian numbers without padding, length-prefixed
// strings, and object records that name each object's class and version once
// and refer back to classes and objects already in the stream. Files written
// by earlier builds, and by the shortcut, toolbar and workspace state code,
// depend on these bytes staying exactly as they are.
#pragma once

#include "afx/ArchiveException.h"
#include "afx/Object.h"
#include "afx/String.h"

#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    // The buffer is the caller's when given (it must outlive the archive).
    CArchive(CFile* file, UINT mode, int bufSize = 4096, void* buf = nullptr);
    // Flushes a storing archive unless bNoFlushOnDelete; a failure there is
    // lost, so callers that care call Close themselves.
    ~CArchive();

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    CFile* GetFile() const { return m_pFile; }

    // The version of the object being read; reading it resets it to (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    // Raw bytes. Read returns what it got, less than asked only at the end.
    UINT Read(void* buf, UINT max);
    // As Read, but a short read throws CArchiveException endOfFile.
    void EnsureRead(void* buf, UINT count);
    void Write(const void* buf, UINT count);
    // Writes the buffered bytes through to the file (storing), or gives the
    // unread buffered bytes back to the file by seeking (loading).
    void Flush();
    // Flushes and lets go of the file; the file itself stays open.
    void Close();
    // Lets go of the file at once, never throwing; unflushed bytes are dropped.
    void Abort();

    // Text lines. WriteString writes the text alone (add "\r\n" yourself).
    // ReadString ends a line at "\n", "\r\n" or "\r", and drops the line end;
    // it returns FALSE (nullptr) only at the end with nothing read. The buffer
    // form reads at most max - 1 characters and always terminates.
    void WriteString(LPCTSTR text);
    LPTSTR ReadString(LPTSTR buf, UINT max);
    BOOL ReadString(CString& text);

    // Element counts: a WORD, or 0xFFFF and a DWORD (and a 64-bit count after
    // 0xFFFFFFFF) when the count does not fit.
    void WriteCount(DWORD_PTR count);
    DWORD_PTR ReadCount();

    // Object records: a null tag, a reference to an object already in the
    // stream, or the object's class (new, or a reference) and its Serialize.
    // Reading creates the object by its class name; requested limits what
    // it may be (badClass otherwise).
    void WriteObject(const CObject* object);
    CObject* ReadObject(const CRuntimeClass* requested);
    void WriteClass(const CRuntimeClass* classRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* requested = nullptr, UINT* schema = nullptr, DWORD* objectTag = nullptr);
    void SerializeClass(const CRuntimeClass* classRef);

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(int i) { return WriteValue(static_cast<LONG>(i)); }
    CArchive& operator<<(UINT u) { return WriteValue(static_cast<DWORD>(u)); }
    CArchive& operator<<(short w) { return WriteValue(static_cast<WORD>(w)); }
    CArchive& operator<<(char ch) { return WriteValue(static_cast<BYTE>(ch)); }
    CArchive& operator<<(signed char ch) { return WriteValue(static_cast<BYTE>(ch)); }
    CArchive& operator<<(wchar_t ch) { return WriteValue(static_cast<WORD>(ch)); }
    CArchive& operator<<(bool b) { return WriteValue(static_cast<BYTE>(b ? 1 : 0)); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(LONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(ULONGLONG n) { return WriteValue(n); }
    // Text given as a plain pointer is stored as a string (a pointer would
    // otherwise turn into a bool).
    CArchive& operator<<(LPCSTR text);

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(int& i) { return ReadAs<LONG>(i); }
    CArchive& operator>>(UINT& u) { return ReadAs<DWORD>(u); }
    CArchive& operator>>(short& w) { return ReadAs<WORD>(w); }
    CArchive& operator>>(char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(signed char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(wchar_t& ch) { return ReadAs<WORD>(ch); }
    CArchive& operator>>(bool& b);
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(LONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadValue(n); }

    CDocument* m_pDocument;   // the document being saved or loaded, if any
    CString m_strFileName;    // the file's path, for error messages

private:
    template <class T>
    CArchive& WriteValue(T value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        EnsureRead(&value, sizeof value);
        return *this;
    }
    template <class STORED, class T>
    CArchive& ReadAs(T& value)
    {
        STORED stored;
        EnsureRead(&stored, sizeof stored);
        value = static_cast<T>(stored);
        return *this;
    }
    void FillBuffer();
    void CheckCount();
    void CheckMode(bool storing) const;

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nObjectSchema;

    BYTE* m_lpBufStart;
    UINT m_nBufSize;
    UINT m_nBufCur;     // next byte to read or write
    UINT m_nBufMax;     // loading: end of the valid bytes
    bool m_bUserBuf;

    // Object and class records seen so far, by index in the stream. Index 0
    // is the null object; classes and objects share the numbering.
    DWORD m_nMapCount;
    std::unordered_map<const void*, DWORD> m_storeMap;
    struct LoadEntry
    {
        void* pointer;
        bool isClass;   // a CRuntimeClass, else a CObject (or null)
    };
    std::vector<LoadEntry> m_loadArray;
    // Loading: versions read for versionable classes whose stored schema
    // differs from the one built in.
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};

CArchive& AFXAPI operator<<(CArchive& ar, const CString& text);
// Reads every stored form: the one-byte, 16-bit, 32-bit and 64-bit lengths,
// and wide text (converted to the ANSI code page).
CArchive& AFXAPI operator>>(CArchive& ar, CString& text);

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* object);
CArchive& AFXAPI operator>>(CArchive& ar, CObject*& object);
CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& object);
