// Reading one line of a list box, or of a combo box's list, whole: the line's
// length is taken first and the buffer made to fit it. The line is read in
// the character width of the window procedure that holds it, because the
// system's own translation of these two messages between the ANSI and the
// Unicode width passes through a fixed buffer of 512 characters, which a
// longer line overruns (the controls of the common-controls library are
// Unicode procedures, and bound controls are reached through ANSI ones).
#pragma once

#include "afx/String.h"

// The text of line nIndex of a list box (textMessage LB_GETTEXT) or of a
// combo box's list (CB_GETLBTEXT); empty when there is no such line.
CString AFXAPI AfxGetListText(HWND hWnd, UINT textMessage, int nIndex);

// TRUE for LB_GETTEXT and CB_GETLBTEXT sent to a control whose lines are
// texts (not owner-drawn lines that keep only their item data).
BOOL AFXAPI AfxIsListTextMessage(HWND hWnd, UINT message);

// Answers LB_GETTEXT or CB_GETLBTEXT sent in the ANSI width for a Unicode
// procedure: reads the line through proc in its own width and copies it,
// converted, into buffer, which must hold the length that LB_GETTEXTLEN or
// CB_GETLBTEXTLEN answers plus one. The line's length, or the control's
// error answer.
LRESULT AFXAPI AfxCallListTextProcW(WNDPROC proc, HWND hWnd, UINT textMessage, WPARAM nIndex, LPSTR buffer);
