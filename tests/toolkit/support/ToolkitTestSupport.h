// Helpers shared by the toolkit's window tests: a visible top-level parent
// that records what reaches it, the message pump, and the real cursor.
#pragma once

#include "afx/Wnd.h"

#include <functional>

// Runs this thread's messages (timers too) until the condition holds or the
// time is up; the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
void PumpFor(DWORD ms);
// Puts the real cursor at a screen point, or a point of the window's client
// area, and waits until the system reports it there.
void SetCursorAt(CPoint screen);
void MoveCursorTo(const CWnd& wnd, CPoint client);
// Releases Shift, Ctrl and Alt in this thread's key state, which test
// programs before this one may have left down.
void ReleaseModifierKeys();

// A visible, bound top-level window of the given screen rectangle.
class CTestFrame : public CWnd
{
public:
    BOOL CreateFrame(const CRect& screen, LPCTSTR title = "toolkit test");
};
