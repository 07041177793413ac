// The rules for opening a tip's web links, kept apart from the shell so they
// can be checked alone: which addresses may be opened at all, and how the
// browser's command line is built when the shell cannot open one itself.
// CPPShell is the seam to the shell and the registry; tests put a recorder
// in its place.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"

// Only web pages and mail addresses are opened from a tip: any other scheme
// (file:, javascript:, a program path) would let tip text run things.
// Addresses holding a double quote or a control character are refused too,
// since they could break out of the quoted browser argument.
BOOL PPIsOpenableLink(LPCTSTR url);

// The longest browser command line, terminator included (the size of the
// buffer the registry value is read into).
constexpr int kPPMaxCommandLine = MAX_PATH;

// Makes the command line that opens url with the registered browser command:
// the command is cut at its first quoted "%1" (else its first bare "%1"), then
// a blank and the quoted address are added. FALSE, with line left empty, for
// an address that may not be opened or a line that would not fit in maxLength
// characters including the terminator: a cut address could open another page.
BOOL PPBuildBrowserCommand(LPCTSTR command, LPCTSTR url, CString& line,
                           int maxLength = kPPMaxCommandLine);

class CPPShell
{
public:
    virtual ~CPPShell() = default;

    // ShellExecute "open" on the address; above 32 means it worked.
    virtual INT_PTR Open(LPCTSTR url, int showCommand);
    // The default value of a key, at most kPPMaxCommandLine bytes; FALSE when missing.
    virtual BOOL ReadRegistryDefault(HKEY root, LPCTSTR key, CString& value);
    // Runs a command line; above 31 means it started.
    virtual UINT Run(LPCTSTR commandLine, int showCommand);

    // The shell object used by the drawers: the real one unless a test put another.
    static CPPShell& Current();
    // Replaces it (null puts the real one back); returns the previous one.
    static CPPShell* Install(CPPShell* shell);
};

// Opens a link the way a click on a tip's link does: the shell first, then
// the browser registered for ".htm". Returns the shell's or the run's result;
// SE_ERR_ACCESSDENIED for an address that may not be opened.
INT_PTR PPOpenLink(LPCTSTR url, int showCommand);
