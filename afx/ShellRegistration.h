// The registry entries that tie a document type to the program in the shell:
// the extension names the type, the type names its description, icon and the
// command that opens a file. Kept apart from CWinApp so the entries can be
// written under any root (tests use a scratch key).
#pragma once

#include "afx/String.h"

struct AFX_SHELL_FILE_TYPE
{
    CString strFilterExt;   // ".KOVR"; several may be given as ".a;.b"
    CString strTypeId;      // the type's key name; nothing is written when empty
    CString strTypeName;    // the description the shell shows
};

// Writes the type under classesKey of root (normally HKEY_CURRENT_USER and
// "Software\Classes", which needs no administrator's rights). The open command
// is the quoted exePath followed by "%1"; the icon is exePath,iconIndex. With
// bCompat the print commands (/p, /pt) and the Explorer's "New" entry are
// added too. An extension already given to another type is left alone: the
// user or another program chose it. FALSE when a key cannot be written.
BOOL AFXAPI AfxRegisterShellFileType(HKEY root, LPCTSTR classesKey, const AFX_SHELL_FILE_TYPE& type,
                                     LPCTSTR exePath, int iconIndex, BOOL bCompat);

// Removes what AfxRegisterShellFileType wrote: the type's key, and each
// extension key that still names this type.
void AFXAPI AfxUnregisterShellFileType(HKEY root, LPCTSTR classesKey, const AFX_SHELL_FILE_TYPE& type);
