// Turns hardware faults in the program's own code into thrown CSeException
// pointers, per thread: each thread that wants it (the UI thread, the export
// worker) calls InstallSeTranslator once. A fault on any other thread, or in
// a system library, is not converted; it reaches the process's unhandled-
// exception filter, which writes the crash report before the process ends.
#pragma once

#include "afx/Afx.h"

// Converts faults on the calling thread from now on; also installs the
// unhandled-exception filter for the whole process (once).
void InstallSeTranslator();

// Writes the report (first time only) and throws new CSeException(code, pointers).
[[noreturn]] void SeTranslator(UINT code, EXCEPTION_POINTERS* pointers);
