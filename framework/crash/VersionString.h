// The two version texts of the crash report and the about box: the
// program's own ("Lexifern version 3.6 beta 2") from its version resource,
// and the Windows version.
#pragma once

#include "afx/String.h"

// The program's version text; "Application" when the program file has no
// version resource. Always TRUE.
BOOL GetVersionString(CString& text, BOOL bWithoutName);
// The text for a product name and the fixed file version's two halves.
CString FormatVersionString(LPCTSTR productName, DWORD versionMS, DWORD versionLS, BOOL bWithoutName);

// FALSE when the system's version cannot be read.
BOOL GetWindowsVersionString(CString& text);
// The text for a version record; extended tells whether its extended part is
// valid, productType is the registry's product type used only when it is not.
CString FormatWindowsVersionString(const OSVERSIONINFOEXA& info, BOOL extended, LPCTSTR productType);

// The program file's full path.
CString GetModulePath();
