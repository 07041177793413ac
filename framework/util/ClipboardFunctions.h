// Plain text on the clipboard (CF_TEXT, the ANSI code page), owned by the
// calling thread's main window. The copy commands of the exports use it.
#pragma once

#include "afx/String.h"

// FALSE for a null or empty text, which leaves the clipboard untouched.
BOOL SetClipboardText(LPCSTR text);
// FALSE when the clipboard holds no text.
BOOL GetClipboardText(CString& text);
