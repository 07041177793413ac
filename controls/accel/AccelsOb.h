// The records of the shortcut-editing package: CAccelsOb is one key binding
// (flags and virtual key, locked when the program defined it), CCmdAccelOb one
// command with its bindings. A binding packs into one 32-bit word for the
// shortcuts file, and reads as text such as "Ctrl+Shift+S".
#pragma once

#include "afx/List.h"
#include "afx/Object.h"
#include "afx/String.h"

class CAccelsOb : public CObject
{
public:
    CAccelsOb();
    CAccelsOb(const CAccelsOb& other);
    CAccelsOb(BYTE fVirtFlags, WORD wKey, bool bLocked);
    explicit CAccelsOb(const ACCEL* pAccel);
    CAccelsOb& operator=(const CAccelsOb& other);

    // Empty for no key; a key with no name leaves the modifiers and tells the user.
    void GetString(CString& strText) const;
    BOOL IsEqual(WORD wKey, bool bCtrl, bool bAlt, bool bShift) const;
    // Bits 0-15 the key, 16-23 the flags, 24-31 1 for locked or 2 for not.
    DWORD GetData() const;
    void SetData(DWORD dwData);
    void CopyFrom(const CAccelsOb& other);

    BYTE fVirt;
    WORD m_wKey;
    bool m_bLocked;
};

typedef CList<CAccelsOb*, CAccelsOb*&> CAccelsObList;

class CCmdAccelOb : public CObject
{
public:
    CCmdAccelOb();
    CCmdAccelOb(WORD wIDCommand, LPCTSTR lpszCommand);
    CCmdAccelOb(BYTE fVirtFlags, WORD wIDCommand, WORD wKey, LPCTSTR lpszCommand, bool bLocked);
    ~CCmdAccelOb() override;
    CCmdAccelOb(const CCmdAccelOb&) = delete;
    // Reset, then deep copies of the other's bindings.
    CCmdAccelOb& operator=(const CCmdAccelOb& other);

    // Id 0, name "Empty command", no bindings.
    void Reset();
    void Add(BYTE fVirtFlags, WORD wKey, bool bLocked);
    // Takes ownership of pAccel.
    void Add(CAccelsOb* pAccel);
    void DeleteUserAccels();
    bool HasLockedAccel() const;

    WORD m_wIDCommand;
    CString m_szCommand;
    CAccelsObList m_Accels;   // owned

private:
    void DeleteAllAccels();
};

// The display name of a virtual key, or null for a key without one.
LPCTSTR GetKeyName(WORD wKey);
