// Creating a dialog template as a child window bound to an object: the face
// of a form view and of a dialog bar. The template is copied and made a
// borderless child control, so a template drawn as a popup works too.
#pragma once

#include "afx/Wnd.h"

// Creates the template's window as an invisible child of pParentWnd, bound to
// pWnd, with the control id nID. nullptr when the template is missing or the
// dialog cannot be made.
HWND AFXAPI AfxCreateChildDialog(CWnd* pWnd, LPCTSTR lpszTemplateName, CWnd* pParentWnd, UINT nID);
