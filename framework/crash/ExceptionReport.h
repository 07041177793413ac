// The crash report: on the first hardware fault of a run the user is asked
// whether a report should be written; on Yes a plain-text report (system,
// processor, memory, the exception, its address and the call stack) goes to
// "<product>.err" in the temporary folder, a mail to support with the report
// attached is prepared, and a message says where the report is.
#pragma once

#include "afx/String.h"

// The names the report speaks of: the product's display name (also the
// report's file name), the support mail address and the download page.
void SetExceptionReportInfo(LPCTSTR displayName, LPCTSTR supportAddress, LPCTSTR downloadAddress);
CString GetExceptionReportName();
// Empties the display name the crash report uses; TRUE.
BOOL ResetCrashAppName();

// How the report reaches the person. The defaults show system message boxes
// and send the mail through CMailMsg; tests replace them so nobody is asked.
struct CrashReportUi
{
    // IDYES to write the report.
    int (*pfnAsk)(LPCTSTR text);
    void (*pfnShowError)(LPCTSTR text);
    // Suspends every thread of this process but the calling one, so that nothing
// changes the process while it is examined; the thread functions are bound
// from the kernel at run time. Returns how many threads were suspended (0 also
// when the functions are missing).
int SuspendOtherThreads();

// Prepares the mail to support with the report attached.
    BOOL (*pfnSendMail)(LPCTSTR reportPath);
};
void SetCrashReportUi(const CrashReportUi& ui);
CrashReportUi GetCrashReportUi();
CrashReportUi GetDefaultCrashReportUi();

// The framework's error box, through the hook above.
void ShowCrashErrorBox(LPCTSTR text);

// The report's full path: the temporary folder + display name + ".err".
// FALSE (and path empty) when the temporary folder cannot be had.
BOOL GetExceptionReportPath(CString& path);

// The whole report procedure; runs once per process (later calls return at
// once). Always returns 0.
int WriteExceptionReport(const EXCEPTION_POINTERS* pointers);

// Suspends every thread of this process but the calling one, so that nothing
// changes the process while it is examined; the thread functions are bound
// from the kernel at run time. Returns how many threads were suspended (0 also
// when the functions are missing).
int SuspendOtherThreads();

// Prepares the mail to support with the report attached; FALSE when the
// mail layer reported failure.
BOOL SendReportByMail(LPCTSTR reportPath);

// The section (1-based) and the offset in it of an address inside a loaded
// module, and the module's path. FALSE when the address lies in no section.
BOOL GetLogicalAddress(const void* address, CString& modulePath, DWORD& section, DWORD& offset);

// Pieces of the report that need no fault, for the report and for tests.
CString FormatMemoryText(const MEMORYSTATUSEX& memory, SIZE_T workingSetMin, SIZE_T workingSetMax);
CString GetExceptionText(DWORD code);
