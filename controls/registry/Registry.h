// CRegistry: one open registry key, with typed reads and writes of numbers,
// texts and serialised objects (lists, arrays, rectangles, points) kept as
// binary values. Every call records the Windows result and the type and size
// of the value it handled, so a caller can look at the last failure.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/List.h"
#include "afx/Object.h"
#include "afx/Rect.h"
#include "afx/String.h"

class CRegistry : public CObject
{
public:
    // Longest text a read accepts, terminating zero included.
    enum { MaxTextBytes = 200, MaxBinaryBytes = 4096 };

    explicit CRegistry(HKEY hKey = nullptr);
    ~CRegistry() override;
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    BOOL Open(HKEY hRoot, LPCTSTR lpszName);
    BOOL VerifyKey(HKEY hRoot, LPCTSTR lpszName);
    // A key below the open one; it becomes the open key.
    BOOL VerifyKey(LPCTSTR lpszName);
    BOOL VerifyValue(LPCTSTR lpszName);
    // Created volatile: the key lives until the system restarts.
    BOOL CreateKey(HKEY hRoot, LPCTSTR lpszName);
    BOOL DeleteKey(HKEY hRoot, LPCTSTR lpszName);
    void Close();

    BOOL Write(LPCTSTR lpszName, DWORD dwValue);
    BOOL Write(LPCTSTR lpszName, LPCTSTR lpszValue);
    BOOL Write(LPCTSTR lpszName, CObject& object);   // its Serialize output
    BOOL Write(LPCTSTR lpszName, const CRect& rect);
    BOOL Write(LPCTSTR lpszName, const CPoint& point);
    // Returns the Windows result and records nothing.
    LONG WriteDirect(LPCTSTR lpszName, DWORD dwValue);

    // A binary value of another type leaves the object unchanged and still
    // succeeds; a binary value over MaxBinaryBytes fails.
    BOOL Read(LPCTSTR lpszName, DWORD& dwValue);
    BOOL Read(LPCTSTR lpszName, CString& strValue);
    BOOL Read(LPCTSTR lpszName, CStringList& list);
    // An array that had elements keeps their number (cut or padded with
    // zeros); an empty one takes what was stored.
    BOOL Read(LPCTSTR lpszName, CByteArray& array);
    BOOL Read(LPCTSTR lpszName, CWordArray& array);
    BOOL Read(LPCTSTR lpszName, CStringArray& array);
    BOOL Read(LPCTSTR lpszName, CDWordArray& array);
    BOOL Read(LPCTSTR lpszName, CRect& rect);
    BOOL Read(LPCTSTR lpszName, CPoint& point);

    LONG GetLastResult() const { return m_nLastResult; }
    DWORD GetLastType() const { return m_dwLastType; }
    DWORD GetLastSize() const { return m_dwLastSize; }
    HKEY GetKey() const { return m_hKey; }
    const CString& GetKeyName() const { return m_strKeyName; }

private:
    BOOL Record(LONG result, DWORD type, DWORD size);
    BOOL OpenInto(HKEY hParent, LPCTSTR lpszName);
    // Reads a binary value and loads pObject from it; *pLoaded tells whether
    // the value was binary (FALSE: the object was left alone).
    BOOL ReadObject(LPCTSTR lpszName, CObject& object, bool* pLoaded);
    template <class ARRAY>
    BOOL ReadArray(LPCTSTR lpszName, ARRAY& array);
    BOOL ReadFive(LPCTSTR lpszName, DWORD values[5], bool* pLoaded);

    LONG m_nLastResult;
    DWORD m_dwLastType;
    DWORD m_dwLastSize;
    HKEY m_hKey;
    CString m_strKeyName;
};
