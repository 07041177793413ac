// Start-up of the system parts the application needs besides USER and GDI:
// OLE (clipboard and drag and drop), hosted controls, and the rich edit library.
#pragma once

#include "afx/Afx.h"

#include <ole2.h>

// The drop-effect flags of OLE drag and drop (DROPEFFECT_COPY...).
typedef DWORD DROPEFFECT;

// OleInitialize on the calling thread, once per process; FALSE when OLE
// refused (the caller reports it and stops). OleUninitialize runs at exit.
BOOL AFXAPI AfxOleInit();
// TRUE once AfxOleInit has succeeded.
BOOL AFXAPI AfxOleIsInitialized();
// Hosting controls needs OLE only; this makes sure it is initialised.
void AFXAPI AfxEnableControlContainer();
// Load the rich edit library ("RichEdit20A" and friends); TRUE when loaded.
BOOL AFXAPI AfxInitRichEdit2();
BOOL AFXAPI AfxInitRichEdit();
