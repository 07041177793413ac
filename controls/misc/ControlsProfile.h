// The profile as the controls see it: integer and string entries in named
// sections. The application backs it with its own profile; tests and programs
// without one back it with a registry key of their choosing.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"

class IControlsProfile
{
public:
    virtual ~IControlsProfile() = default;

    // False when the application keeps no registry key: nothing is stored then.
    virtual bool HasRegistryKey() const = 0;
    virtual int GetProfileInt(LPCTSTR section, LPCTSTR entry, int nDefault) = 0;
    virtual BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int nValue) = 0;
    virtual CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault = nullptr) = 0;
    // A null value deletes the entry; a null entry deletes the whole section.
    virtual BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue) = 0;
};

// The profile every control uses: the one installed last, else the
// application's own profile, else null (and then the controls keep nothing).
IControlsProfile* ControlsGetProfile();
void ControlsSetProfile(IControlsProfile* pProfile);

// A profile kept below one registry key: sections are its sub-keys, entries
// their values (DWORD for integers, REG_SZ for strings).
class CRegistryControlsProfile : public IControlsProfile
{
public:
    CRegistryControlsProfile(HKEY hRoot, LPCTSTR lpszBaseKey);

    bool HasRegistryKey() const override { return !m_strBaseKey.IsEmpty(); }
    int GetProfileInt(LPCTSTR section, LPCTSTR entry, int nDefault) override;
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int nValue) override;
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault = nullptr) override;
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue) override;

    // Removes the base key with everything below it.
    BOOL DeleteAll();

private:
    CString SectionKey(LPCTSTR section) const;

    HKEY m_hRoot;
    CString m_strBaseKey;
};
