// COXRegistryValFile: a memory file whose contents live in one binary registry
// value. Opening loads the value's bytes; Flush, Close, Abort and the
// destructor write the whole memory back as REG_BINARY, so a CArchive on top
// stores any serialisable state in the registry.
#pragma once

#include "afx/MemFile.h"

class COXRegistryValFile : public CMemFile
{
    DECLARE_DYNAMIC(COXRegistryValFile)
public:
    // An empty file bound to no value.
    COXRegistryValFile();
    // Opens the value (see Open) or throws CFileException accessDenied with
    // the Windows error code and the key name.
    COXRegistryValFile(HKEY hkeyParent, LPCTSTR lpszKeyName, LPCTSTR lpszValueName);
    ~COXRegistryValFile() override;

    // Creates or opens the key below hkeyParent and loads the value: a missing
    // value gives an empty file. FALSE when the key cannot be opened (error
    // holds the Windows code), the value is not REG_BINARY or cannot be read
    // (error 0 or the code); a failed Open leaves the file bound to nothing,
    // so the value it found is never overwritten.
    BOOL Open(HKEY hkeyParent, LPCTSTR lpszKeyName, LPCTSTR lpszValueName, LONG& lError);
    BOOL IsBound() const { return m_hKey != nullptr; }

    void SetFilePath(LPCTSTR lpszNewName) override;
    // Writes all bytes to the value; throws CFileException when it cannot.
    void Flush() override;
    // Writes back, closes the key and empties the file; a failed write is
    // thrown after the key is closed.
    void Close() override;
    // As Close, but never throws.
    void Abort() override;

protected:
    // Writes the memory to the value; the Windows result.
    LONG WriteBack();
    void ReleaseKey();

    HKEY m_hKey;
    CString m_sValueName;
};
