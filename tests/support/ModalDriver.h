// Drives a modal dialog from inside its own loop: the action runs once the
// dialog's window exists; a dialog still open after the time limit is closed
// so that a broken dialog fails its test instead of hanging it.
#pragma once

#include "afx/Dialog.h"

#include <functional>

struct ModalRun
{
    INT_PTR result = -1;
    bool timedOut = false;
    // Tests that only look at the dialog's answer compare the run itself.
    operator INT_PTR() const { return result; }
};

ModalRun RunModal(CDialog& dialog, std::function<void(CDialog&)> action, UINT limitMs = 5000);

// Answers the next message box of this thread with its default button and
// keeps its text; returns the text seen ("" when none came).
class CMessageBoxCatcher
{
public:
    CMessageBoxCatcher();
    ~CMessageBoxCatcher();
    CString text;
    CString caption;

private:
    UINT_PTR m_timer;
};

// Runs open(), which shows a system dialog of this thread (a common dialog, the
// folder or icon chooser), and presses the button of that id on it as soon as
// it is up. True when a dialog came; title, when given, gets its caption.
bool RunPressingDialogButton(UINT button, const std::function<void()>& open, CString* title = nullptr);
